#include "ContactTestSupport.h"

#include "contacts/ContactBrowser.h"
#include "contacts/ContactSession.h"
#include "support/FakePlatform.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace testing_contacts;
using B = ContactBox;

namespace {

class ContactBrowserTest : public ::testing::Test {
protected:
    void openFile(const QByteArray& bytes)
    {
        writeBytes(path, bytes);
        session.file.open(path);
        session.txtFileNam = path;
        session.txtFileTitle = QStringLiteral("Friends");
    }
    void openContacts(int count)
    {
        writeContacts(path, count);
        openFile(readBytes(path));
    }

    // The first names that Next shows until the end of the file, and the message then.
    QStringList stepThrough(BrowserStep step, int times)
    {
        QStringList shown;
        for (int i = 0; i < times; ++i) {
            const BrowserResult r = browser.step(step);
            if (r.outcome != BrowserResult::Done) {
                shown << QStringLiteral("[") + fake.messages.back().text + QStringLiteral("]");
                continue;
            }
            EXPECT_TRUE(r.findList.has_value());
            EXPECT_FALSE(r.enableEditing);
            shown << QString::number(session.CurrentRecord) + u':' + (*r.boxes)[B::txtACFName];
        }
        return shown;
    }

    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("Friends.DAT"));
    FakePlatform fake;
    ContactSession session;
    ContactBrowser browser{fake, session};
};

} // namespace

TEST_F(ContactBrowserTest, StepsThroughAFileOfThree)
{
    openContacts(3);
    EXPECT_EQ(stepThrough(BrowserStep::Next, 4),
              (QStringList{"1:Name1", "2:Name2", "3:Name3", "[End of file.]"}));
    EXPECT_EQ(fake.messages.back().title, QStringLiteral("No more contacts"));
    EXPECT_EQ(fake.messages.back().icon, MessageIcon::None);
    EXPECT_EQ(session.CurrentRecord, 3);
    EXPECT_EQ(stepThrough(BrowserStep::Previous, 3), (QStringList{"2:Name2", "1:Name1", "[Beginning of file.]"}));
    EXPECT_EQ(fake.messages.back().title, QStringLiteral("Start of file reached"));
    EXPECT_EQ(session.CurrentRecord, 1);
    EXPECT_EQ(stepThrough(BrowserStep::Last, 1), QStringList{"3:Name3"});
    EXPECT_EQ(stepThrough(BrowserStep::First, 1), QStringList{"1:Name1"});

    session.CurrentRecord = 0;
    EXPECT_EQ(stepThrough(BrowserStep::Previous, 1), QStringList{"[Beginning of file.]"});
    EXPECT_EQ(session.CurrentRecord, 0);
}

TEST_F(ContactBrowserTest, TrailingFragmentCountsForLastButNotForNext)
{
    writeContacts(path, 3);
    openFile(readBytes(path) + QByteArray(300, 'z'));
    EXPECT_EQ(stepThrough(BrowserStep::Last, 1), QStringList{"4:zzzzzzzzzzz"});
    session.CurrentRecord = 2;
    EXPECT_EQ(stepThrough(BrowserStep::Next, 2), (QStringList{"3:Name3", "[End of file.]"}));
}

TEST_F(ContactBrowserTest, EmptyFileFirstShowsNothingAndLastIsAnError)
{
    openFile(QByteArray());
    BrowserResult r = browser.step(BrowserStep::First);
    ASSERT_EQ(r.outcome, BrowserResult::Done);
    EXPECT_EQ(*r.boxes, ContactBoxes());
    EXPECT_FALSE(r.enableEditing);
    EXPECT_TRUE(r.findList->isEmpty());
    EXPECT_EQ(session.CurrentRecord, 1);
    EXPECT_TRUE(fake.messages.empty());

    for (const MessageAnswer answer : {MessageAnswer::Retry, MessageAnswer::Cancel}) {
        fake.messageAnswers = {answer};
        r = browser.step(BrowserStep::Last);
        EXPECT_EQ(r.outcome, answer == MessageAnswer::Retry ? BrowserResult::Retry : BrowserResult::Cancel);
        EXPECT_FALSE(r.boxes.has_value());
        EXPECT_EQ(fake.messages.back().text,
                  QStringLiteral("An error has occurred. Error number 63 -- Bad record number.  Try again, or notify author."));
        EXPECT_EQ(session.CurrentRecord, 1);
    }
}

TEST_F(ContactBrowserTest, FindListIsSortedIgnoringCaseWithRecordNumbers)
{
    {
        ContactFile file;
        file.open(path);
        Contact c = makeContact(QStringLiteral("bob"), QStringLiteral("Young"));
        file.append(c);
        c = makeContact(QStringLiteral("Alice"), QStringLiteral("Zane"));
        c.MiddleInitial = QStringLiteral("Q");
        file.append(c);
        file.append(makeContact(QStringLiteral("alice"), QStringLiteral("Adams")));
        file.append(makeContact(QStringLiteral("Carl"), QStringLiteral("Ray")));
        file.append(makeContact(QStringLiteral("Carl"), QStringLiteral("Ray")));
    }
    openFile(readBytes(path));
    const BrowserResult r = browser.load();
    ASSERT_EQ(r.outcome, BrowserResult::Done);
    const QVector<FindEntry> expected{{QStringLiteral("alice  Adams"), 3},
                                      {QStringLiteral("Alice Q Zane"), 2},
                                      {QStringLiteral("bob  Young"), 1},
                                      {QStringLiteral("Carl  Ray"), 4},
                                      {QStringLiteral("Carl  Ray"), 5}};
    EXPECT_EQ(*r.findList, expected);
}

TEST_F(ContactBrowserTest, PickShowsTheRecordTrimmedAndEnablesEditing)
{
    openContacts(2);
    {
        Contact c = makeContact(QStringLiteral("Ann"), QStringLiteral("Lee"), QStringLiteral("19800410"));
        c.Company = QStringLiteral("Acme");
        c.IncludeCompany = QStringLiteral("1");
        c.Category = QStringLiteral("Golf");
        session.file.append(c);
    }
    const BrowserResult r = browser.pick(3);
    ASSERT_EQ(r.outcome, BrowserResult::Done);
    EXPECT_TRUE(r.enableEditing);
    EXPECT_EQ(session.CurrentRecord, 3);
    const ContactBoxes& boxes = *r.boxes;
    EXPECT_EQ(boxes[B::txtACFName], QStringLiteral("Ann"));
    EXPECT_EQ(boxes[B::txtACMiddleInit], QString());
    EXPECT_EQ(boxes[B::txtACFStreet], QStringLiteral("Ann Street 1"));
    EXPECT_EQ(boxes[B::txtACBirthdate], QStringLiteral("04/10/1980"));
    EXPECT_EQ(boxes[B::txtACCompany], QStringLiteral("Acme"));
    EXPECT_EQ(boxes[B::txtACCategory], QStringLiteral("Golf"));
    EXPECT_TRUE(boxes.includeCompany);
}

TEST_F(ContactBrowserTest, SaveRewritesOnlyItsRecord)
{
    openContacts(3);
    const QByteArray before = readBytes(path);
    ContactBoxes boxes = *browser.pick(2).boxes;
    boxes[B::txtACCity] = QStringLiteral("Reno");
    const BrowserResult r = browser.save(boxes, true);
    ASSERT_EQ(r.outcome, BrowserResult::Done);
    EXPECT_FALSE(r.findList.has_value()); // the list keeps its old entries
    EXPECT_EQ(session.CurrentRecord, 2);

    const QByteArray after = readBytes(path);
    ASSERT_EQ(after.size(), before.size());
    EXPECT_EQ(recordBytes(after, 1), recordBytes(before, 1));
    EXPECT_EQ(recordBytes(after, 3), recordBytes(before, 3));
    QByteArray expected = recordBytes(before, 2);
    expected.replace(Contact::fieldInfo(5).offset, 16, QByteArray("Reno            "));
    EXPECT_EQ(recordBytes(after, 2), expected);
}

TEST_F(ContactBrowserTest, DeleteOfContactTwoOfFour)
{
    openContacts(4);
    const QByteArray before = readBytes(path);
    browser.pick(2);
    const BrowserResult r = browser.remove();
    ASSERT_EQ(r.outcome, BrowserResult::Deleted);
    EXPECT_TRUE(r.focusCancel);
    EXPECT_EQ(session.CurrentRecord, 0);

    ASSERT_EQ(fake.messages.size(), 2u);
    EXPECT_EQ(fake.messages[0].text, QStringLiteral("WARNING!  This will delete entire contact from your file.\r\n"
                                                     "Do you REALLY want to delete this contact?"));
    EXPECT_EQ(fake.messages[0].title, QStringLiteral("Confirm deletion."));
    EXPECT_EQ(fake.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(fake.messages[0].icon, MessageIcon::None);
    EXPECT_EQ(fake.messages[1].text, QStringLiteral("Contact deleted!"));
    EXPECT_EQ(fake.messages[1].title, QStringLiteral("Contact deleted."));

    EXPECT_EQ(readBytes(path), recordBytes(before, 1) + recordBytes(before, 3) + recordBytes(before, 4));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("Tempf"))));
    ASSERT_TRUE(session.file.isOpen());
    EXPECT_EQ(session.file.recordCount(), 3);
}

TEST_F(ContactBrowserTest, NoToTheQuestionAndAFailedDeleteLeaveTheFile)
{
    openContacts(4);
    const QByteArray before = readBytes(path);
    browser.pick(2);

    fake.messageAnswers = {MessageAnswer::No};
    BrowserResult r = browser.remove();
    EXPECT_EQ(r.outcome, BrowserResult::Refused);
    EXPECT_TRUE(r.focusCancel);
    EXPECT_EQ(fake.messages.back().text, QStringLiteral("Nothing deleted..."));
    EXPECT_EQ(fake.messages.back().title, QStringLiteral("Deletion not performed."));
    EXPECT_EQ(session.CurrentRecord, 2);
    EXPECT_EQ(readBytes(path), before);

    // A rename that fails: nothing is lost and no success is reported.
    fake.messages.clear();
    fake.messageAnswers = {MessageAnswer::Yes, MessageAnswer::Retry};
    session.file.seam().failAtRename(1);
    r = browser.remove();
    EXPECT_EQ(r.outcome, BrowserResult::Retry);
    ASSERT_EQ(fake.messages.size(), 2u);
    EXPECT_EQ(fake.messages[1].title, QStringLiteral("Error"));
    EXPECT_EQ(readBytes(path), before);
    EXPECT_EQ(session.CurrentRecord, 2);
    EXPECT_TRUE(session.file.isOpen());
}


TEST_F(ContactBrowserTest, ARecordAnotherProgramChangedIsNeitherSavedOverNorDeleted)
{
    openContacts(3);
    ContactBoxes boxes = *browser.pick(2).boxes;
    {
        QFile other(path);
        ASSERT_TRUE(other.open(QIODevice::ReadWrite));
        other.seek(513);
        other.write("Changed    ");
    }
    const QByteArray changed = readBytes(path);
    boxes[B::txtACCity] = QStringLiteral("Reno");
    for (int attempt = 0; attempt < 2; ++attempt) {
        fake.messageAnswers = {MessageAnswer::Yes};
        const BrowserResult r = attempt == 0 ? browser.save(boxes, true) : browser.remove();
        EXPECT_EQ(r.outcome, BrowserResult::Retry);
        EXPECT_EQ(fake.messages.back().title, QStringLiteral("Contact changed"));
        EXPECT_EQ(readBytes(path), changed);
    }
    // Shown again, the file itself is still another program's: opened again on Yes, then saved.
    boxes = *browser.pick(2).boxes;
    fake.messageAnswers = {MessageAnswer::Yes};
    EXPECT_EQ(browser.save(boxes, true).outcome, BrowserResult::Retry);
    EXPECT_EQ(fake.messages.back().title, QStringLiteral("Contact file changed"));
    EXPECT_EQ(browser.save(boxes, true).outcome, BrowserResult::Done);
}
