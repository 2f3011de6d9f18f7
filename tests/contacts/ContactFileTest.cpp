#include "ContactTestSupport.h"

#include "contacts/ContactFile.h"
#include "platform/AppError.h"
#include "support/ErrorNumber.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace testing_contacts;

namespace {


class ContactFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("Friends.DAT"));
    ContactFile file;
};

} // namespace

TEST(RecordCount, IsTheLengthDividedBy513RoundedToNearest)
{
    EXPECT_EQ(ContactFile::recordCountForLength(0), 0);
    EXPECT_EQ(ContactFile::recordCountForLength(256), 0);
    EXPECT_EQ(ContactFile::recordCountForLength(257), 1);
    EXPECT_EQ(ContactFile::recordCountForLength(1026), 2);
    EXPECT_EQ(ContactFile::recordCountForLength(1282), 2);
    EXPECT_EQ(ContactFile::recordCountForLength(1283), 3);
}

TEST_F(ContactFileTest, RecordCountOfRealFiles)
{
    for (const auto& [length, count] : {std::pair{0, 0}, {1026, 2}, {1282, 2}, {1283, 3}}) {
        writeBytes(path, QByteArray(length, 'x'));
        file.open(path);
        EXPECT_EQ(file.recordCount(), count) << length << " bytes";
        file.close();
    }
}

TEST_F(ContactFileTest, RecordNumberZeroOrBelowIsError63)
{
    file.open(path);
    file.append(makeContact(QStringLiteral("Ann"), QStringLiteral("Lee")));
    for (int n : {0, -1, -513}) {
        try {
            file.read(n);
            FAIL() << "read " << n;
        } catch (const AppError& error) {
            EXPECT_EQ(error.number(), 63);
            EXPECT_EQ(error.description(), QStringLiteral("Bad record number"));
        }
        EXPECT_EQ(errorNumberOf([&] { file.write(n, Contact()); }), 63);
    }
    EXPECT_EQ(readBytes(path).size(), 513);
}

TEST_F(ContactFileTest, ReadPastTheEndIsABlankContact)
{
    file.open(path);
    EXPECT_EQ(file.read(1), Contact::blank());
    file.append(makeContact(QStringLiteral("Ann"), QStringLiteral("Lee")));
    EXPECT_EQ(file.read(2), Contact::blank());
    EXPECT_EQ(file.read(1000), Contact::blank());
    EXPECT_EQ(readBytes(path).size(), 513);
}

TEST_F(ContactFileTest, WriteAppendAndOverwriteByRecordNumber)
{
    file.open(path);
    const Contact a = makeContact(QStringLiteral("Ann"), QStringLiteral("Lee"));
    const Contact b = makeContact(QStringLiteral("Bob"), QStringLiteral("Ray"));
    const Contact c = makeContact(QStringLiteral("Cy"), QStringLiteral("Day"));
    file.append(a);
    file.write(2, b); // RecordCount + 1 appends
    EXPECT_EQ(file.recordCount(), 2);
    file.write(1, c);
    EXPECT_EQ(file.recordCount(), 2);
    const QByteArray bytes = readBytes(path); // another reader, while the handle is open
    ASSERT_EQ(bytes.size(), 1026);
    EXPECT_EQ(recordBytes(bytes, 1), c.toRecord());
    EXPECT_EQ(recordBytes(bytes, 2), b.toRecord());
    EXPECT_EQ(Contact::fromRecord(c.toRecord()), file.read(1));
}

TEST_F(ContactFileTest, EveryWriteIsInTheFileWhenItReturns)
{
    file.open(path);
    for (int i = 1; i <= 3; ++i) {
        file.append(makeContact(QStringLiteral("N%1").arg(i), QStringLiteral("L")));
        EXPECT_EQ(readBytes(path).size(), 513 * i);
    }
    EXPECT_EQ(file.seam().writes(), 3);
    EXPECT_EQ(file.seam().flushes(), 3);
}

TEST_F(ContactFileTest, ReadAllIsEveryRecordInOrder)
{
    writeContacts(path, 7);
    file.open(path);
    const QVector<Contact> all = file.readAll();
    ASSERT_EQ(all.size(), 7);
    for (int n = 1; n <= 7; ++n)
        EXPECT_EQ(all[n - 1], file.read(n));
    EXPECT_EQ(all[6].FirstName.trimmed(), QStringLiteral("Name7"));
}

TEST_F(ContactFileTest, AFragmentOf257BytesOrMoreIsARecordPaddedWithSpaces)
{
    QByteArray bytes = makeContact(QStringLiteral("Ann"), QStringLiteral("Lee")).toRecord();
    bytes.append(makeContact(QStringLiteral("Bob"), QStringLiteral("Ray")).toRecord().left(300));
    writeBytes(path, bytes);
    file.open(path);
    ASSERT_EQ(file.recordCount(), 2);
    const Contact second = file.read(2);
    EXPECT_EQ(second.FirstName.trimmed(), QStringLiteral("Bob"));
    EXPECT_EQ(second.Notes, QString(160, u' '));
    EXPECT_EQ(file.readAll().size(), 2);

    // An append completes the torn record as it reads, instead of leaving a hole of NUL bytes.
    file.append(makeContact(QStringLiteral("Cy"), QStringLiteral("Day")));
    const QByteArray after = readBytes(path);
    EXPECT_EQ(after.size(), 3 * 513);
    EXPECT_FALSE(after.contains('\0'));
    EXPECT_EQ(file.read(2), second);
    EXPECT_EQ(after.mid(2 * 513 - 2, 2), QByteArray("\r\n"));
}

TEST_F(ContactFileTest, OpeningNeverTruncatesAndCreatesMissingFiles)
{
    writeContacts(path, 3);
    const QByteArray before = readBytes(path);
    file.open(path);
    file.close();
    EXPECT_EQ(readBytes(path), before);

    const QString fresh = dir.filePath(QStringLiteral("NoExtension"));
    file.open(fresh);
    EXPECT_TRUE(QFile::exists(fresh));
    EXPECT_EQ(file.recordCount(), 0);
    EXPECT_EQ(file.path(), fresh);
}

TEST_F(ContactFileTest, FilesThatAreNotContactFilesOpenAndReadWithoutCrashing)
{
    QByteArray random(5000, '\0');
    QRandomGenerator generator(1234);
    for (char& b : random)
        b = char(generator.bounded(256));
    QByteArray text;
    for (int i = 0; i < 40; ++i)
        text.append("This is just a line of an ordinary text file, nothing more.\n");
    for (const QByteArray& content : {random, text, QByteArray("x"), QByteArray(513 * 2, '\0')}) {
        writeBytes(path, content);
        file.open(path);
        const int count = file.recordCount();
        EXPECT_EQ(count, ContactFile::recordCountForLength(content.size()));
        for (int n = 1; n <= count + 1; ++n)
            file.read(n);
        EXPECT_EQ(file.readAll().size(), count);
        file.close();
        EXPECT_EQ(readBytes(path), content); // reading changes nothing
    }
}

TEST_F(ContactFileTest, ARandomFullRecordSurvivesReadAndWriteBack)
{
    // Every byte value maps to one character and back, so a read-write of a record whose
    // separators and line end are in place changes nothing.
    QByteArray record = Contact().toRecord();
    QRandomGenerator generator(99);
    for (int i = 0; i < 19; ++i) {
        const Contact::FieldInfo& info = Contact::fieldInfo(i);
        for (int k = 0; k < info.width; ++k)
            record[info.offset + k] = char(generator.bounded(256));
    }
    writeBytes(path, record);
    file.open(path);
    file.write(1, file.read(1));
    EXPECT_EQ(readBytes(path), record);
}

TEST_F(ContactFileTest, AFolderCannotBeOpened)
{
    EXPECT_EQ(errorNumberOf([&] { file.open(dir.path()); }), 75);
    EXPECT_FALSE(file.isOpen());
    EXPECT_TRUE(file.path().isEmpty());
}

TEST_F(ContactFileTest, APathUnderAMissingFolderCannotBeOpened)
{
    EXPECT_EQ(errorNumberOf([&] { file.open(dir.filePath(QStringLiteral("missing/Friends.DAT"))); }), 53);
    EXPECT_FALSE(file.isOpen());
}

TEST_F(ContactFileTest, AnEmptyNameIsABadFileName)
{
    EXPECT_EQ(errorNumberOf([&] { file.open(QString()); }), 52);
}

TEST_F(ContactFileTest, NoFileOpenIsError52)
{
    EXPECT_EQ(errorNumberOf([&] { file.recordCount(); }), 52);
    EXPECT_EQ(errorNumberOf([&] { file.read(1); }), 52);
    EXPECT_EQ(errorNumberOf([&] { file.append(Contact()); }), 52);
    file.close(); // no effect
    EXPECT_FALSE(file.isOpen());
}

TEST_F(ContactFileTest, AnInjectedWriteFailureIsDiskFullAndWritesNothing)
{
    writeContacts(path, 2);
    const QByteArray before = readBytes(path);
    file.open(path);
    file.seam().failAtWrite(1);
    EXPECT_EQ(errorNumberOf([&] { file.write(1, makeContact(QStringLiteral("X"), QStringLiteral("Y"))); }), 61);
    EXPECT_EQ(readBytes(path), before);
    // Fires once; the handle goes on working.
    file.append(makeContact(QStringLiteral("Cy"), QStringLiteral("Day")));
    EXPECT_EQ(file.recordCount(), 3);
}

TEST_F(ContactFileTest, ReopenAfterClose)
{
    writeContacts(path, 2);
    file.open(path);
    file.close();
    EXPECT_FALSE(file.isOpen());
    file.open(path);
    EXPECT_EQ(file.read(2).FirstName.trimmed(), QStringLiteral("Name2"));
}
