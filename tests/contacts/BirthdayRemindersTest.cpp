#include "ContactTestSupport.h"

#include "contacts/BirthdayReminders.h"
#include "contacts/FileCommands.h"
#include "support/FakePlatform.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace testing_contacts;

namespace {

class RemindersTest : public ::testing::Test {
protected:
    // Writes the contacts, opens the file with File > Open and returns the reminder texts.
    QStringList openAndCollect(const QVector<Contact>& contacts)
    {
        {
            ContactFile file;
            file.open(path);
            for (const Contact& c : contacts)
                file.append(c);
        }
        platform.fileAnswers.push_back(FileDialogAnswer{path, QStringLiteral("Friends.DAT")});
        const FileCommandResult r = fileOpen(platform, session);
        EXPECT_EQ(r.result, FileCommandResult::Opened);
        QStringList texts;
        for (const RecordedMessage& m : platform.messages) {
            EXPECT_EQ(m.title, QStringLiteral("Birthday reminder"));
            EXPECT_EQ(m.buttons, MessageButtons::Ok);
            EXPECT_EQ(m.icon, MessageIcon::Information);
            texts << m.text;
        }
        return texts;
    }

    FakePlatform platform;
    ContactSession session;
    QTemporaryDir data;
    QString path = data.filePath(QStringLiteral("Friends.DAT"));
};

Contact bornOn(const QString& first, const QString& yyyymmdd, const QString& reminder = QStringLiteral("1"))
{
    return makeContact(first, QStringLiteral("Smith"), yyyymmdd, reminder);
}

} // namespace

TEST_F(RemindersTest, OnTheFirstOfJuneTheSecondToTheSixteenthAreReminded)
{
    platform.todayDate = QDate(2026, 6, 1);
    QVector<Contact> contacts;
    for (int day = 1; day <= 17; ++day)
        contacts << bornOn(QStringLiteral("D%1").arg(day), QStringLiteral("197006%1").arg(day, 2, 10, QLatin1Char('0')));
    const QStringList texts = openAndCollect(contacts);
    QStringList expected;
    for (int day = 2; day <= 16; ++day)
        expected << QStringLiteral("D%1 Smith has a birthday coming up on 06/%2").arg(day).arg(day, 2, 10, QLatin1Char('0'));
    EXPECT_EQ(texts, expected);
}

TEST_F(RemindersTest, OnChristmasEveTheSecondOfJanuaryIsNotReminded)
{
    platform.todayDate = QDate(2026, 12, 24);
    const QStringList texts =
        openAndCollect({bornOn(QStringLiteral("Jan"), QStringLiteral("19900102")),
                        bornOn(QStringLiteral("Eve"), QStringLiteral("19901231"))});
    EXPECT_EQ(texts, QStringList{QStringLiteral("Eve Smith has a birthday coming up on 12/31")});
}

TEST_F(RemindersTest, ReminderZeroIsNeverReminded)
{
    platform.todayDate = QDate(2026, 6, 1);
    const QStringList texts = openAndCollect({bornOn(QStringLiteral("On"), QStringLiteral("19800603"), QStringLiteral("1")),
                                              bornOn(QStringLiteral("Off"), QStringLiteral("19800603"), QStringLiteral("0")),
                                              bornOn(QStringLiteral("Blank"), QStringLiteral("19800603"), QStringLiteral(" "))});
    EXPECT_EQ(texts, QStringList{QStringLiteral("On Smith has a birthday coming up on 06/03")});
}

TEST_F(RemindersTest, TheTextNamesTrimmedFirstAndLastNameAndMonthSlashDay)
{
    platform.todayDate = QDate(2026, 4, 1);
    Contact c = makeContact(QStringLiteral("Ann"), QStringLiteral("Lee"), QStringLiteral("19800410"));
    const QStringList texts = openAndCollect({c});
    EXPECT_EQ(texts, QStringList{QStringLiteral("Ann Lee has a birthday coming up on 04/10")});
}

TEST_F(RemindersTest, NoBirthDatesNoMessages)
{
    const QStringList texts = openAndCollect({makeContact(QStringLiteral("A"), QStringLiteral("B")),
                                              makeContact(QStringLiteral("C"), QStringLiteral("D"))});
    EXPECT_TRUE(texts.isEmpty());
}

TEST_F(RemindersTest, DatesThatDoNotExistThisYearAreSkippedSilently)
{
    platform.todayDate = QDate(2026, 2, 20); // 2026 is not a leap year
    const QStringList texts = openAndCollect({bornOn(QStringLiteral("Leap"), QStringLiteral("19840229")),
                                              bornOn(QStringLiteral("Junk"), QStringLiteral("1984AB25")),
                                              bornOn(QStringLiteral("Sign"), QStringLiteral("1984+225")),
                                              bornOn(QStringLiteral("Short"), QStringLiteral("1984")),
                                              bornOn(QStringLiteral("Month13"), QStringLiteral("19841301")),
                                              bornOn(QStringLiteral("Fine"), QStringLiteral("19840225"))});
    EXPECT_EQ(texts, QStringList{QStringLiteral("Fine Smith has a birthday coming up on 02/25")});
}

TEST(BirthdayReminderText, LeapDayInALeapYearAndSpacesInTheField)
{
    EXPECT_EQ(birthdayReminderText(bornOn(QStringLiteral("Leap"), QStringLiteral("19840229")), QDate(2028, 2, 20)),
              std::optional<QString>(QStringLiteral("Leap Smith has a birthday coming up on 02/29")));
    // Spaces are removed before month and day are taken.
    EXPECT_EQ(birthdayReminderText(bornOn(QStringLiteral("Sp"), QStringLiteral("1984 0 310")), QDate(2026, 3, 1)),
              std::optional<QString>(QStringLiteral("Sp Smith has a birthday coming up on 03/10")));
    EXPECT_FALSE(birthdayReminderText(bornOn(QStringLiteral("Today"), QStringLiteral("19840301")), QDate(2026, 3, 1)));
}

TEST_F(RemindersTest, NewRunsNoBirthdayCheck)
{
    platform.todayDate = QDate(2026, 6, 1);
    {
        ContactFile file;
        file.open(path);
        file.append(bornOn(QStringLiteral("Soon"), QStringLiteral("19800603")));
    }
    platform.fileAnswers.push_back(FileDialogAnswer{path, QStringLiteral("Friends.DAT")});
    EXPECT_EQ(fileNew(platform, session).result, FileCommandResult::Opened);
    EXPECT_TRUE(platform.messages.empty());
}

namespace {

class EnableTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        writeContacts(path, 50, QStringLiteral("0"));
        before = readBytes(path);
        file.open(path);
    }

    // Every byte equal except offset 510 of each record, which must be `flag`.
    void expectOnlyTheReminderByteIs(char flag)
    {
        const QByteArray after = readBytes(path);
        ASSERT_EQ(after.size(), before.size());
        for (qsizetype i = 0; i < after.size(); ++i) {
            if (i % 513 == 510)
                EXPECT_EQ(after[i], flag) << "record " << i / 513 + 1;
            else
                ASSERT_EQ(after[i], before[i]) << "offset " << i;
        }
    }

    FakePlatform platform;
    QTemporaryDir data;
    QString path = data.filePath(QStringLiteral("Fifty.DAT"));
    QByteArray before;
    ContactFile file;
};

} // namespace

TEST_F(EnableTest, EnableOnFiftyContactsRewritesExactlyTheReminderByte)
{
    const ReminderMenus menus = enableBirthdayReminders(platform, file, ReminderMenus::off());
    expectOnlyTheReminderByteIs('1');
    EXPECT_EQ(menus, ReminderMenus::on());
    EXPECT_FALSE(menus.canTurnOn);
    EXPECT_TRUE(menus.canTurnOff);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, QStringLiteral("Birthday Reminders have been turned on."));
    EXPECT_EQ(platform.messages[0].title, QStringLiteral("Birthday reminders enabled"));
    EXPECT_EQ(platform.messages[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(file.seam().writes(), 50);
}

TEST_F(EnableTest, DisableWritesZeroBack)
{
    enableBirthdayReminders(platform, file, ReminderMenus::off());
    const ReminderMenus menus = disableBirthdayReminders(platform, file, ReminderMenus::on());
    expectOnlyTheReminderByteIs('0');
    EXPECT_EQ(readBytes(path), before);
    EXPECT_EQ(menus, ReminderMenus::off());
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[1].text, QStringLiteral("Birthday Reminders have been turned off."));
    EXPECT_EQ(platform.messages[1].title, QStringLiteral("Birthday reminders disabled"));
    EXPECT_EQ(platform.messages[1].icon, MessageIcon::Information);
}

TEST_F(EnableTest, AWriteFailureShowsTheErrorMessageAndKeepsTheState)
{
    file.seam().failAtWrite(3);
    for (MessageAnswer answer : {MessageAnswer::Retry, MessageAnswer::Cancel}) {
        platform.messages.clear();
        platform.messageAnswers.push_back(answer);
        const ReminderMenus menus = enableBirthdayReminders(platform, file, ReminderMenus::off());
        EXPECT_EQ(menus, ReminderMenus::off());
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].text,
                  QStringLiteral("An error has occurred. Error number 61 -- Disk full.  Try again, or notify author."));
        EXPECT_EQ(platform.messages[0].title, QStringLiteral("Error"));
        EXPECT_EQ(platform.messages[0].buttons, MessageButtons::RetryCancel);
        file.seam().failAtWrite(1);
    }
    // Records stay whole; the handle goes on working.
    EXPECT_EQ(readBytes(path).size(), before.size());
    file.seam().failAtWrite(0);
    EXPECT_EQ(enableBirthdayReminders(platform, file, ReminderMenus::off()), ReminderMenus::on());
    expectOnlyTheReminderByteIs('1');
}

TEST_F(EnableTest, AfterEnableEveryContactIsReminded)
{
    FakePlatform p;
    p.todayDate = QDate(2026, 6, 1);
    Contact c = file.read(7);
    c.Birthdate = QStringLiteral("19800602");
    file.write(7, c);
    runBirthdayCheck(p, file);
    EXPECT_TRUE(p.messages.empty());
    enableBirthdayReminders(platform, file, ReminderMenus::off());
    runBirthdayCheck(p, file);
    ASSERT_EQ(p.messages.size(), 1u);
    EXPECT_EQ(p.messages[0].text, QStringLiteral("Name7 Last7 has a birthday coming up on 06/02"));
}
