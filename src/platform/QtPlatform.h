#pragma once

#include "platform/Platform.h"

#include <QPointer>
#include <QWidget>

// What users run: Qt's dialogs, printers, clipboard and settings behind the platform.
class QtPlatform : public Platform {
public:
    // Dialogs are shown over this window (the one in front), when set.
    void setDialogParent(QWidget* parent) { m_parent = parent; }
    // The next open-file dialog is answered with this file instead of being shown: a contact
    // file named at start opens exactly as File > Open would open it.
    void answerNextFileDialog(const QString& path) { m_nextFile = path; }

    MessageAnswer messageBox(const QString& text, const QString& title, MessageButtons buttons,
                             MessageIcon icon) override;
    QString inputBox(const QString& prompt, const QString& title, const QString& defaultAnswer) override;
    void beep() override;
    std::optional<FileDialogAnswer> openFileDialog(const FileDialogRequest& request) override;
    // In QtPrintDialog.cpp.
    std::optional<PrintChoice> printDialog(const PrintDialogRequest& request) override;
    // In QtPreview.cpp.
    std::unique_ptr<PrinterDevice> previewPrinter() override;
    void showPreview(const PreviewDocument& document) override;
    void clearClipboard() override;
    void setClipboardText(const QString& text) override;
    QString clipboardText() override;
    void writeSetting(const QString& appTitle, const QString& section, const QString& key,
                      const QString& value) override;
    QString readSetting(const QString& appTitle, const QString& section, const QString& key) override;
    // In QtPrintDialog.cpp.
    QStringList printerNames() override;
    bool openDocument(const QString& pathOrUrl) override;
    bool startProgram(const QString& path) override;
    // Answers the system-information look-ups from the programs found on PATH.
    QString registryValue(const QString& key, const QString& valueName) override;
    QString documentsFolder() override;
    QString programFolder() override;
    QString helpFolder() override;
    QString userFilesFolder() override;
    QDate today() override;

private:
    QPointer<QWidget> m_parent;
    QString m_nextFile;
};
