#include "ContactTestSupport.h"

#include "contacts/ErrorMessage.h"
#include "contacts/FileCommands.h"
#include "contacts/InstallerFile.h"
#include "support/FakePlatform.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace testing_contacts;

namespace {

class SessionTest : public ::testing::Test {
protected:
    QString inFolder(const QString& name) const { return platform.folder + u'/' + name; }

    void choose(const QString& path)
    {
        platform.fileAnswers.push_back(FileDialogAnswer{path, QFileInfo(path).fileName()});
    }

    void expectNoFileState(const FileCommandResult& r)
    {
        EXPECT_EQ(r.caption, QStringLiteral("Tessaprint"));
        EXPECT_FALSE(r.contactCommandsEnabled);
        EXPECT_FALSE(r.canTurnOn);
        EXPECT_FALSE(r.canTurnOff);
        EXPECT_FALSE(session.isOpen());
        EXPECT_TRUE(session.txtFileNam.isEmpty());
        EXPECT_TRUE(session.txtFileTitle.isEmpty());
        EXPECT_EQ(session.CurrentRecord, 0);
    }

    FakePlatform platform;
    ContactSession session;
    QTemporaryDir data;
    QString path = data.filePath(QStringLiteral("Friends.DAT"));
};

} // namespace

TEST_F(SessionTest, NewOnAnExistingFileKeepsItsContactsAndTurnsRemindersOn)
{
    writeContacts(path, 3, QStringLiteral("0"));
    const QByteArray before = readBytes(path);
    choose(path);
    const FileCommandResult r = fileNew(platform, session);
    EXPECT_EQ(r.result, FileCommandResult::Opened);
    EXPECT_EQ(r.caption, QStringLiteral("Tessaprint  [Friends]"));
    EXPECT_TRUE(r.contactCommandsEnabled);
    EXPECT_FALSE(r.canTurnOn); // reminders on, whatever record 1 holds
    EXPECT_TRUE(r.canTurnOff);
    EXPECT_EQ(session.txtFileNam, path);
    EXPECT_EQ(session.txtFileTitle, QStringLiteral("Friends"));
    ASSERT_TRUE(session.isOpen());
    EXPECT_EQ(session.file.recordCount(), 3);
    EXPECT_EQ(readBytes(path), before);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(SessionTest, NewCreatesAMissingFileNamedAsTyped)
{
    const QString typed = data.filePath(QStringLiteral("Clients"));
    choose(typed);
    const FileCommandResult r = fileNew(platform, session);
    EXPECT_EQ(r.result, FileCommandResult::Opened);
    EXPECT_TRUE(QFile::exists(typed));
    EXPECT_EQ(readBytes(typed).size(), 0);
    EXPECT_EQ(session.txtFileTitle, QStringLiteral("Clients"));
    EXPECT_EQ(r.caption, QStringLiteral("Tessaprint  [Clients]"));
}

TEST_F(SessionTest, TheDialogsAskInTheProgramFolderForDatFiles)
{
    choose(path);
    fileNew(platform, session);
    choose(path);
    fileOpen(platform, session);
    ASSERT_EQ(platform.fileRequests.size(), 2u);
    EXPECT_EQ(platform.fileRequests[0].title, QStringLiteral("New"));
    EXPECT_EQ(platform.fileRequests[1].title, QStringLiteral("Open"));
    for (const FileDialogRequest& request : platform.fileRequests) {
        EXPECT_EQ(request.initialFolder, platform.programFolder());
        EXPECT_EQ(request.filter, QStringLiteral("Data Files (*.DAT)|*.DAT"));
    }
    // Installed, where the user's files go, even when the program folder could be written.
    platform.userFiles = data.path();
    fileNew(platform, session);
    ASSERT_EQ(platform.fileRequests.size(), 3u);
    EXPECT_EQ(platform.fileRequests[2].initialFolder, data.path());
}

TEST_F(SessionTest, TheDialogsStartInTheDocumentsFolderWhenTheProgramFolderCannotBeWritten)
{
    // An installed program's folder; neither a missing folder nor a file can take a contact file.
    QFile plain(data.filePath(QStringLiteral("not-a-folder")));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    for (const QString& folder : {data.filePath(QStringLiteral("gone/tessaprint")), plain.fileName()}) {
        platform.folder = folder;
        platform.fileRequests.clear();
        fileNew(platform, session);
        fileOpen(platform, session);
        ASSERT_EQ(platform.fileRequests.size(), 2u) << qPrintable(folder);
        for (const FileDialogRequest& request : platform.fileRequests)
            EXPECT_EQ(request.initialFolder, platform.documents) << qPrintable(folder);
    }
}

TEST(FileTitle, EveryUpperCaseDatIsRemoved)
{
    EXPECT_EQ(fileTitleFromName(QStringLiteral("Friends.DAT")), QStringLiteral("Friends"));
    EXPECT_EQ(fileTitleFromName(QStringLiteral("A.DAT.DAT")), QStringLiteral("A"));
    EXPECT_EQ(fileTitleFromName(QStringLiteral("my.DATabase.DAT")), QStringLiteral("myabase"));
    EXPECT_EQ(fileTitleFromName(QStringLiteral("lower.dat")), QStringLiteral("lower.dat"));
    EXPECT_EQ(windowCaption(QStringLiteral("lower.dat")), QStringLiteral("Tessaprint  [lower.dat]"));
}

TEST_F(SessionTest, OpenOfAnEmptyFileDisablesBothBirthdayItems)
{
    writeBytes(path, QByteArray());
    choose(path);
    const FileCommandResult r = fileOpen(platform, session);
    EXPECT_EQ(r.result, FileCommandResult::Opened);
    EXPECT_TRUE(r.contactCommandsEnabled);
    EXPECT_FALSE(r.canTurnOn);
    EXPECT_FALSE(r.canTurnOff);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(SessionTest, OpenTakesTheReminderStateFromRecordOne)
{
    writeContacts(path, 2, QStringLiteral("1"));
    choose(path);
    FileCommandResult r = fileOpen(platform, session);
    EXPECT_FALSE(r.canTurnOn);
    EXPECT_TRUE(r.canTurnOff);

    const QString off = data.filePath(QStringLiteral("Off.DAT"));
    writeContacts(off, 2, QStringLiteral("0"));
    choose(off);
    r = fileOpen(platform, session);
    EXPECT_TRUE(r.canTurnOn);
    EXPECT_FALSE(r.canTurnOff);
    EXPECT_EQ(session.txtFileNam, off);
    EXPECT_EQ(r.caption, QStringLiteral("Tessaprint  [Off]"));
}

TEST_F(SessionTest, OpenAppliesItsStateBeforeTheBirthdayCheck)
{
    ContactFile file;
    file.open(path);
    file.append(makeContact(QStringLiteral("Ann"), QStringLiteral("Lee"), QStringLiteral("19800605")));
    file.close();
    choose(path);
    size_t messagesWhenApplied = 99;
    QString captionApplied;
    const FileCommandResult r = fileOpen(platform, session, [&](const FileCommandResult& early) {
        messagesWhenApplied = platform.messages.size();
        captionApplied = early.caption;
    });
    EXPECT_EQ(messagesWhenApplied, 0u);
    EXPECT_EQ(captionApplied, r.caption);
    EXPECT_EQ(platform.messages.size(), 1u);
}

TEST_F(SessionTest, CloseReturnsToTheNoFileState)
{
    writeContacts(path, 2);
    choose(path);
    fileOpen(platform, session);
    session.CurrentRecord = 2;
    const FileCommandResult r = fileClose(session);
    EXPECT_EQ(r.result, FileCommandResult::Closed);
    expectNoFileState(r);
    EXPECT_EQ(readBytes(path).size(), 2 * 513);
}

TEST_F(SessionTest, ACancelledDialogReturnsFullyToTheNoFileState)
{
    writeContacts(path, 2);
    choose(path);
    ASSERT_EQ(fileOpen(platform, session).result, FileCommandResult::Opened);
    // Empty script: the dialog is cancelled.
    FileCommandResult r = fileOpen(platform, session);
    EXPECT_EQ(r.result, FileCommandResult::Cancelled);
    expectNoFileState(r);
    r = fileNew(platform, session);
    EXPECT_EQ(r.result, FileCommandResult::Cancelled);
    expectNoFileState(r);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(SessionTest, TheInstallerFileIsHiddenDuringTheDialogAndBackAfterwards)
{
    writeBytes(inFolder(QStringLiteral("unins000.DAT")), QByteArray("installer data"));
    writeContacts(path, 1);
    int dialogs = 0;
    platform.onFileDialog = [&](const FileDialogRequest&) {
        ++dialogs;
        EXPECT_FALSE(QFile::exists(inFolder(QStringLiteral("unins000.DAT"))));
        EXPECT_TRUE(QFile::exists(inFolder(QStringLiteral("unins000.DAK"))));
        // What the "*.DAT" filter would list in the program folder.
        EXPECT_TRUE(QDir(platform.folder).entryList({QStringLiteral("*.DAT")}, QDir::Files).isEmpty());
    };
    choose(path);
    EXPECT_EQ(fileNew(platform, session).result, FileCommandResult::Opened);
    choose(path);
    EXPECT_EQ(fileOpen(platform, session).result, FileCommandResult::Opened);
    EXPECT_EQ(dialogs, 2);
    EXPECT_TRUE(QFile::exists(inFolder(QStringLiteral("unins000.DAT"))));
    EXPECT_FALSE(QFile::exists(inFolder(QStringLiteral("unins000.DAK"))));
    EXPECT_EQ(readBytes(inFolder(QStringLiteral("unins000.DAT"))), QByteArray("installer data"));
}

TEST_F(SessionTest, AfterACancelledDialogTheInstallerFileComesBackAtProgramEnd)
{
    writeBytes(inFolder(QStringLiteral("unins000.DAT")), QByteArray("installer data"));
    bool hiddenDuringDialog = false;
    platform.onFileDialog = [&](const FileDialogRequest&) {
        hiddenDuringDialog = QFile::exists(inFolder(QStringLiteral("unins000.DAK")))
            && !QFile::exists(inFolder(QStringLiteral("unins000.DAT")));
    };
    EXPECT_EQ(fileOpen(platform, session).result, FileCommandResult::Cancelled);
    EXPECT_TRUE(hiddenDuringDialog);
    // A cancel leaves it under its temporary name until the program ends.
    EXPECT_TRUE(QFile::exists(inFolder(QStringLiteral("unins000.DAK"))));
    closeAtProgramEnd(platform, session);
    EXPECT_TRUE(QFile::exists(inFolder(QStringLiteral("unins000.DAT"))));
    EXPECT_FALSE(QFile::exists(inFolder(QStringLiteral("unins000.DAK"))));
    EXPECT_EQ(readBytes(inFolder(QStringLiteral("unins000.DAT"))), QByteArray("installer data"));
}

TEST_F(SessionTest, WithoutAnInstallerFileNothingIsRenamed)
{
    choose(path);
    fileNew(platform, session);
    closeAtProgramEnd(platform, session);
    EXPECT_FALSE(QFile::exists(inFolder(QStringLiteral("unins000.DAT"))));
    EXPECT_FALSE(QFile::exists(inFolder(QStringLiteral("unins000.DAK"))));
    EXPECT_FALSE(session.isOpen());
}

TEST_F(SessionTest, AFolderGivesTheErrorMessageAndRetryReturnsToNoFile)
{
    writeContacts(path, 1);
    choose(path);
    fileOpen(platform, session);
    choose(data.path()); // a folder
    const FileCommandResult r = fileOpen(platform, session);
    EXPECT_EQ(r.result, FileCommandResult::Retry);
    expectNoFileState(r);
    ASSERT_EQ(platform.messages.size(), 1u);
    const RecordedMessage& m = platform.messages[0];
    EXPECT_EQ(m.text, QStringLiteral("An error has occurred. Error number 75 -- Path/File access error.  "
                                     "Try again, or notify author."));
    EXPECT_EQ(m.title, QStringLiteral("Error"));
    EXPECT_EQ(m.buttons, MessageButtons::RetryCancel);
    EXPECT_EQ(m.icon, MessageIcon::None);
}

TEST_F(SessionTest, APathUnderAMissingFolderGivesTheErrorMessage)
{
    choose(data.filePath(QStringLiteral("gone/Friends.DAT")));
    const FileCommandResult r = fileNew(platform, session);
    EXPECT_EQ(r.result, FileCommandResult::Retry);
    expectNoFileState(r);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text,
              QStringLiteral("An error has occurred. Error number 53 -- File not found.  Try again, or notify author."));
}

TEST_F(SessionTest, CancelOnTheErrorMessageEndsTheProgram)
{
    choose(data.path());
    platform.messageAnswers.push_back(MessageAnswer::Cancel);
    const FileCommandResult r = fileNew(platform, session);
    EXPECT_EQ(r.result, FileCommandResult::Quit);
    expectNoFileState(r);
}

TEST_F(SessionTest, AFileThatIsNotAContactFileOpens)
{
    QByteArray junk;
    for (int i = 0; i < 3000; ++i)
        junk.append(char((i * 131 + 7) % 256));
    for (const QByteArray& content : {junk, QByteArray("just some text\r\nand more\r\n"), QByteArray("z")}) {
        writeBytes(path, content);
        choose(path);
        const FileCommandResult r = fileOpen(platform, session);
        EXPECT_EQ(r.result, FileCommandResult::Opened);
        EXPECT_TRUE(session.isOpen());
        EXPECT_EQ(readBytes(path), content);
    }
    for (const RecordedMessage& m : platform.messages)
        EXPECT_NE(m.title, QStringLiteral("Error")) << m.text.toStdString();
}

TEST(ErrorMessage, TextWithTheDefaultAndAnotherSuffix)
{
    const AppError error(70, QStringLiteral("Permission denied"));
    EXPECT_EQ(errorMessageText(error),
              QStringLiteral("An error has occurred. Error number 70 -- Permission denied.  Try again, or notify author."));
    EXPECT_EQ(errorMessageText(error, QStringLiteral(".  Try again, or notify Tessaprint.")),
              QStringLiteral("An error has occurred. Error number 70 -- Permission denied.  Try again, or notify Tessaprint."));
    EXPECT_EQ(asAppError(std::make_exception_ptr(std::runtime_error("x"))).number(), 51);
    EXPECT_EQ(asAppError(std::make_exception_ptr(AppError::badRecordNumber())).number(), 63);
}
