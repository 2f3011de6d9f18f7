#include "MainWindowFixture.h"
#include "support/Controls.h"

#include "contacts/ContactFile.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QPushButton>

namespace {

void writeFile(const QString& path, const std::vector<std::pair<QString, QString>>& remindersAndBirthdates)
{
    ContactFile file;
    file.open(path);
    int n = 0;
    for (const auto& [reminder, birthdate] : remindersAndBirthdates) {
        Contact contact;
        contact.FirstName = QStringLiteral("First%1").arg(++n);
        contact.LastName = QStringLiteral("Last%1").arg(n);
        contact.Birthdate = birthdate;
        contact.IncludeCompany = QStringLiteral("0");
        contact.BirthdayReminder = reminder;
        file.append(contact);
    }
    file.close();
}

QByteArray bytes(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

} // namespace

class FileMenuTest : public MainWindowTest {
protected:
    QString path(const QString& name) const { return QDir(fake->folder).filePath(name); }

    void answerFile(const QString& name) { fake->fileAnswers.push_back(FileDialogAnswer{path(name), name}); }

    // Every command that needs an open file, in the state it should be in.
    void expectContactCommands(bool enabled)
    {
        EXPECT_EQ(named<QPushButton>(window, "cmdAddContact")->isEnabled(), enabled);
        EXPECT_EQ(named<QPushButton>(window, "cmdFindContact")->isEnabled(), enabled);
        for (QAction* item :
             {named<QAction>(window, "mnuAdd"), named<QAction>(window, "mnuEdit"), named<QAction>(window, "mnuDelete"),
              named<QAction>(window, "mnuFind"), named<QAction>(window, "mnuViewOne"),
              named<QAction>(window, "mnuViewAll"), named<QAction>(window, "mnuImport"),
              named<QAction>(window, "mnuExport"), named<QAction>(window, "mnuSrchContacts")})
            EXPECT_EQ(item->isEnabled(), enabled) << item->objectName().toStdString();
    }
};

TEST_F(FileMenuTest, NewOnAnExistingFileKeepsItsContactsAndTurnsRemindersOn)
{
    writeFile(path("family.DAT"), {{"0", "19800605"}, {"0", "        "}});
    const QByteArray before = bytes(path("family.DAT"));
    answerFile("family.DAT");
    named<QAction>(window, "mnuFileNew")->trigger();

    EXPECT_EQ(window->windowTitle(), "Tessaprint  [family]");
    EXPECT_EQ(named<QLineEdit>(window, "txtFileNam")->text(), path("family.DAT"));
    EXPECT_EQ(named<QLineEdit>(window, "txtFileTitle")->text(), "family");
    expectContactCommands(true);
    EXPECT_FALSE(named<QAction>(window, "mnuFileBdayOn")->isEnabled());
    EXPECT_TRUE(named<QAction>(window, "mnuFileBdayOff")->isEnabled());
    EXPECT_TRUE(fake->messages.empty()) << "New runs no birthday check";
    EXPECT_EQ(bytes(path("family.DAT")), before);
    ASSERT_EQ(fake->fileRequests.size(), 1u);
    EXPECT_EQ(fake->fileRequests[0].title, "New");
    EXPECT_EQ(fake->fileRequests[0].filter, "Data Files (*.DAT)|*.DAT");
    EXPECT_EQ(fake->fileRequests[0].initialFolder, fake->folder);
}

TEST_F(FileMenuTest, OpenTakesTheReminderStateFromRecordOneAndReminds)
{
    fake->todayDate = QDate(2026, 6, 1);
    writeFile(path("club.DAT"), {{"0", "19800605"}, {"1", "19750610"}, {"1", "19900620"}});
    answerFile("club.DAT");
    named<QAction>(window, "mnuFileOpen")->trigger();

    EXPECT_EQ(window->windowTitle(), "Tessaprint  [club]");
    expectContactCommands(true);
    EXPECT_TRUE(named<QAction>(window, "mnuFileBdayOn")->isEnabled()) << "record 1 has reminders off";
    EXPECT_FALSE(named<QAction>(window, "mnuFileBdayOff")->isEnabled());
    ASSERT_EQ(fake->messages.size(), 1u);
    EXPECT_EQ(fake->messages[0].text, "First2 Last2 has a birthday coming up on 06/10");
    EXPECT_EQ(fake->messages[0].title, "Birthday reminder");

    named<QAction>(window, "mnuFileBdayOn")->trigger();
    EXPECT_FALSE(named<QAction>(window, "mnuFileBdayOn")->isEnabled());
    EXPECT_TRUE(named<QAction>(window, "mnuFileBdayOff")->isEnabled());
    EXPECT_EQ(fake->messages.back().text, "Birthday Reminders have been turned on.");

    named<QAction>(window, "mnuFileClose")->trigger();
    EXPECT_EQ(window->windowTitle(), "Tessaprint");
    expectContactCommands(false);
    EXPECT_FALSE(named<QAction>(window, "mnuFileBdayOn")->isEnabled());
    EXPECT_FALSE(named<QAction>(window, "mnuFileBdayOff")->isEnabled());
    EXPECT_TRUE(named<QLineEdit>(window, "txtFileNam")->text().isEmpty());
    EXPECT_TRUE(named<QLineEdit>(window, "txtFileTitle")->text().isEmpty());
}

TEST_F(FileMenuTest, OpenOfAnEmptyFileDisablesBothBirthdayItems)
{
    QFile(path("empty.DAT")).open(QIODevice::WriteOnly);
    answerFile("empty.DAT");
    named<QAction>(window, "mnuFileOpen")->trigger();
    expectContactCommands(true);
    EXPECT_FALSE(named<QAction>(window, "mnuFileBdayOn")->isEnabled());
    EXPECT_FALSE(named<QAction>(window, "mnuFileBdayOff")->isEnabled());
    EXPECT_TRUE(fake->messages.empty());
}

TEST_F(FileMenuTest, InstallerFileIsHiddenFromTheDialogAndBackWhenTheProgramEnds)
{
    QFile(path("unins000.DAT")).open(QIODevice::WriteOnly);
    QStringList seenDuringDialog;
    fake->onFileDialog = [&](const FileDialogRequest&) {
        seenDuringDialog = QDir(fake->folder).entryList(QDir::Files);
    };
    named<QAction>(window, "mnuFileOpen")->trigger(); // cancelled
    EXPECT_EQ(seenDuringDialog, QStringList{"unins000.DAK"});
    EXPECT_EQ(window->windowTitle(), "Tessaprint");
    expectContactCommands(false);

    named<QPushButton>(window, "cmdLMExit")->click();
    EXPECT_EQ(QDir(fake->folder).entryList(QDir::Files), QStringList{"unins000.DAT"});
}

TEST_F(FileMenuTest, AFolderCannotBeOpenedAndRetryLeavesNoFileOpen)
{
    QDir(fake->folder).mkdir("folder.DAT");
    answerFile("folder.DAT");
    fake->messageAnswers.push_back(MessageAnswer::Retry);
    named<QAction>(window, "mnuFileOpen")->trigger();
    ASSERT_EQ(fake->messages.size(), 1u);
    EXPECT_EQ(fake->messages[0].title, "Error");
    EXPECT_TRUE(fake->messages[0].text.startsWith("An error has occurred. Error number "));
    EXPECT_EQ(fake->messages[0].buttons, MessageButtons::RetryCancel);
    EXPECT_EQ(window->windowTitle(), "Tessaprint");
    expectContactCommands(false);
    EXPECT_TRUE(window->isVisible());
}
