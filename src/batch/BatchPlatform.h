#pragma once

#include "batch/BatchRequest.h"
#include "platform/Platform.h"

#include <QTextStream>

namespace Batch {

// The platform of a run without windows. Every message box is written to the error stream as
// "title: text" and answered with what loses nothing: OK, No, Cancel. Nothing is asked: the
// command line has already answered the prompts and dialogs, and the print dialog hands out
// the command line's target with its copy count.
class BatchPlatform : public Platform {
public:
    BatchPlatform(QTextStream& messages, PrintTarget target, int copies, QString programFolder);

    // Every message shown, as written.
    const QStringList& shown() const { return m_shown; }

    MessageAnswer messageBox(const QString& text, const QString& title, MessageButtons buttons,
                             MessageIcon icon) override;
    QString inputBox(const QString& prompt, const QString& title, const QString& defaultAnswer) override;
    void beep() override {}
    std::optional<FileDialogAnswer> openFileDialog(const FileDialogRequest& request) override;
    std::optional<PrintChoice> printDialog(const PrintDialogRequest& request) override;
    void clearClipboard() override { m_clipboard.clear(); }
    void setClipboardText(const QString& text) override { m_clipboard = text; }
    QString clipboardText() override { return m_clipboard; }
    void writeSetting(const QString&, const QString&, const QString&, const QString&) override {}
    // The user's own settings: a printer named on the command line prints in its calibration.
    QString readSetting(const QString& appTitle, const QString& section, const QString& key) override;
    QStringList printerNames() override;
    bool openDocument(const QString&) override { return false; }
    bool startProgram(const QString&) override { return false; }
    QString programFolder() override { return m_programFolder; }
    QDate today() override { return QDate::currentDate(); }

    // The safe answer to a message with these buttons.
    static MessageAnswer safeAnswer(MessageButtons buttons);

private:
    QTextStream& m_messages;
    PrintTarget m_target;
    int m_copies;
    QString m_programFolder;
    QString m_clipboard;
    QStringList m_shown;
};

} // namespace Batch
