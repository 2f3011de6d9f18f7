#include "contacts/FileCommands.h"

#include "contacts/BirthdayReminders.h"
#include "contacts/ErrorMessage.h"
#include "contacts/FileErrors.h"
#include "contacts/InstallerFile.h"
#include "platform/Platform.h"

#include <QFileInfo>

QString windowCaption(const QString& fileTitle, bool readOnly)
{
    return QStringLiteral("Tessaprint  [") + fileTitle + u']' + (readOnly ? QStringLiteral("  (read-only)") : QString());
}

QString fileTitleFromName(const QString& fileName)
{
    QString title = fileName;
    title.remove(QStringLiteral(".DAT"), Qt::CaseSensitive);
    return title;
}

namespace {

enum class Command { New, Open };

// An installed program's folder is not the user's to write in; the dialogs then start where
// the user keeps documents.
QString dialogFolder(Platform& platform)
{
    const QString folder = platform.userFilesFolder();
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable() ? folder : platform.documentsFolder();
}

// Another Tessaprint holding the file: say so, and offer to read it without changing it.
bool openOrAskReadOnly(Platform& platform, ContactFile& file, const QString& path)
{
    try {
        file.open(path);
        return true;
    } catch (const FileErrors::FileInUse& inUse) {
        const MessageAnswer answer = platform.messageBox(
            inUse.sentence(QFileInfo(path).fileName())
                + QStringLiteral("\r\n\r\nOpen it read-only? You can browse, list, print and export its contacts, "
                                 "but not change them."),
            QStringLiteral("Contact file in use"), MessageButtons::YesNo, MessageIcon::Exclamation);
        if (answer != MessageAnswer::Yes)
            return false;
        file.openReadOnly(path, inUse.holder());
        return true;
    }
}

FileCommandResult noFile(ContactSession& session, FileCommandResult::Outcome outcome)
{
    session.reset();
    FileCommandResult result;
    result.result = outcome;
    return result;
}

FileCommandResult run(Platform& platform, ContactSession& session, Command command,
                      const ApplyFileResult& applyBeforeCheck)
{
    try {
        // Close the old file (and everything that described it); hide the installer file.
        session.reset();
        hideInstallerFile(platform);

        // The dialog; a cancel ends here in the no-file state.
        FileDialogRequest request;
        request.title = command == Command::New ? QStringLiteral("New") : QStringLiteral("Open");
        request.initialFolder = dialogFolder(platform);
        request.filter = QStringLiteral("Data Files (*.DAT)|*.DAT");
        const std::optional<FileDialogAnswer> answer = platform.openFileDialog(request);
        if (!answer || answer->path.isEmpty())
            return noFile(session, FileCommandResult::Cancelled);

        // Open (creating, never truncating), names, caption, contact commands.
        const QString path = answer->path;
        const QString name = answer->fileName.isEmpty() ? QFileInfo(path).fileName() : answer->fileName;
        if (!openOrAskReadOnly(platform, session.file, path))
            return noFile(session, FileCommandResult::Cancelled);
        session.txtFileNam = path;
        session.txtFileTitle = fileTitleFromName(name);

        FileCommandResult result;
        result.result = FileCommandResult::Opened;
        result.caption = windowCaption(session.txtFileTitle, session.isReadOnly());
        result.contactCommandsEnabled = true;

        if (command == Command::New) {
            // Reminders on, installer file back.
            result.canTurnOn = ReminderMenus::on().canTurnOn;
            result.canTurnOff = ReminderMenus::on().canTurnOff;
            restoreInstallerFile(platform);
            return result;
        }

        // Open: RecordCount, installer file back, reminder items from record 1.
        const int count = session.file.recordCount();
        restoreInstallerFile(platform);
        ReminderMenus menus = ReminderMenus::none();
        if (count > 0)
            menus = session.file.read(1).BirthdayReminder == QLatin1String("1") ? ReminderMenus::on()
                                                                                : ReminderMenus::off();
        result.canTurnOn = menus.canTurnOn;
        result.canTurnOff = menus.canTurnOff;

        // Open: the birthday check.
        if (applyBeforeCheck)
            applyBeforeCheck(result);
        runBirthdayCheck(platform, session.file);
        return result;
    } catch (...) {
        const AppError error = asAppError(std::current_exception());
        const MessageAnswer answer = showErrorMessage(platform, error);
        return noFile(session, answer == MessageAnswer::Retry ? FileCommandResult::Retry
                                                              : FileCommandResult::Quit);
    }
}

} // namespace

FileCommandResult fileNew(Platform& platform, ContactSession& session)
{
    return run(platform, session, Command::New, {});
}

FileCommandResult fileOpen(Platform& platform, ContactSession& session, const ApplyFileResult& applyBeforeCheck)
{
    return run(platform, session, Command::Open, applyBeforeCheck);
}

FileCommandResult fileClose(ContactSession& session)
{
    return noFile(session, FileCommandResult::Closed);
}

void closeAtProgramEnd(Platform& platform, ContactSession& session)
{
    session.reset();
    restoreInstallerFile(platform);
}
