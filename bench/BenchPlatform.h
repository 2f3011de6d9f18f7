#pragma once

#include "bench/Generator.h"
#include "platform/Platform.h"

// Answers every dialog at once, without a window: messages with their first button, the file
// dialog with `chosenFile`, print dialogs with cancel. Counts what was shown.
class BenchPlatform : public Platform {
public:
    FileDialogAnswer chosenFile;
    QString folder;
    int messages = 0;
    QString lastMessage;

    MessageAnswer messageBox(const QString& text, const QString&, MessageButtons buttons, MessageIcon) override
    {
        ++messages;
        lastMessage = text;
        switch (buttons) {
        case MessageButtons::Ok: return MessageAnswer::Ok;
        case MessageButtons::RetryCancel: return MessageAnswer::Retry;
        default: return MessageAnswer::Yes;
        }
    }
    QString inputBox(const QString&, const QString&, const QString& defaultAnswer) override { return defaultAnswer; }
    void beep() override {}
    std::optional<FileDialogAnswer> openFileDialog(const FileDialogRequest&) override { return chosenFile; }
    std::optional<PrintChoice> printDialog(const PrintDialogRequest&) override { return std::nullopt; }
    void clearClipboard() override { m_clipboard.clear(); }
    void setClipboardText(const QString& text) override { m_clipboard = text; }
    QString clipboardText() override { return m_clipboard; }
    void writeSetting(const QString&, const QString&, const QString&, const QString&) override {}
    QString readSetting(const QString&, const QString&, const QString&) override { return QString(); }
    QStringList printerNames() override { return {}; }
    bool openDocument(const QString&) override { return true; }
    bool startProgram(const QString&) override { return true; }
    QString programFolder() override { return folder; }
    QDate today() override { return bench::benchToday(); }

private:
    QString m_clipboard;
};
