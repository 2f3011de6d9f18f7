#pragma once

#include "platform/PreviewDocument.h"
#include "platform/PrinterDevice.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

enum class MessageButtons { Ok, YesNo, YesNoCancel, RetryCancel };
enum class MessageIcon { None, Information, Exclamation, Critical, Question };
enum class MessageAnswer { Ok, Yes, No, Cancel, Retry };

struct FileDialogRequest {
    QString title;
    QString initialFolder;
    QString filter; // "Data Files (*.DAT)|*.DAT"
};

struct FileDialogAnswer {
    QString path;     // full path
    QString fileName; // name without folder
};

struct PrintDialogRequest {
    bool offerSelection = false;
    bool offerPageRange = false;
    int minPage = 1;
    int maxPage = 1;
};

struct PrintChoice {
    std::unique_ptr<PrinterDevice> printer;
    int copies = 1;
    bool selectionChosen = false;
    int fromPage = 0;
    int toPage = 0;
};

// The two registry keys the About window's System Info reads.
inline constexpr const char* kSystemInfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr const char* kSystemInfoLocationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

// Everything that shows a dialog, touches a printer or reaches outside the process.
class Platform {
public:
    virtual ~Platform() = default;

    virtual MessageAnswer messageBox(const QString& text, const QString& title,
                                     MessageButtons buttons, MessageIcon icon) = 0;
    // Cancel gives an empty text.
    virtual QString inputBox(const QString& prompt, const QString& title, const QString& defaultAnswer) = 0;
    virtual void beep() = 0;
    // Empty when cancelled.
    virtual std::optional<FileDialogAnswer> openFileDialog(const FileDialogRequest& request) = 0;
    // Empty when cancelled.
    virtual std::optional<PrintChoice> printDialog(const PrintDialogRequest& request) = 0;
    // The printer a preview lays its pages out on: what the print dialog would start from. It is
    // only measured, never sent a document. None where nothing can be shown.
    virtual std::unique_ptr<PrinterDevice> previewPrinter() { return nullptr; }
    // Shows the pages on screen until the user closes them.
    virtual void showPreview(const PreviewDocument& document) { (void)document; }

    virtual void clearClipboard() = 0;
    virtual void setClipboardText(const QString& text) = 0;
    virtual QString clipboardText() = 0;

    virtual void writeSetting(const QString& appTitle, const QString& section, const QString& key,
                              const QString& value) = 0;
    // Empty when the key was never written.
    virtual QString readSetting(const QString& appTitle, const QString& section, const QString& key) = 0;
    // The printers set up on this machine, by the names their devices report.
    virtual QStringList printerNames() = 0;

    // A local file or a web address, in the user's default program. False when it cannot be: the
    // file is missing, or no program for it is set up.
    virtual bool openDocument(const QString& pathOrUrl) = 0;
    // False when the program could not be started.
    virtual bool startProgram(const QString& path) = 0;
    // A text value under the local-machine root; empty when the key or the value is absent.
    virtual QString registryValue(const QString& key, const QString& valueName)
    {
        (void)key;
        (void)valueName;
        return QString();
    }
    // Where the user keeps documents; the contact-file dialogs start there when the program
    // folder cannot be written.
    virtual QString documentsFolder() { return programFolder(); }

    // The folder of the program file, without a trailing separator.
    virtual QString programFolder() = 0;
    // Where the help documents lie: the program folder, or the installed program's data folder.
    virtual QString helpFolder() { return programFolder(); }
    // Where new contact files and exports go unless the user says otherwise: the program
    // folder, or the documents folder when the program runs installed.
    virtual QString userFilesFolder() { return programFolder(); }
    virtual QDate today() = 0;
};
