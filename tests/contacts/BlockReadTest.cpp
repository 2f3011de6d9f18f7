#include "ContactTestSupport.h"

#include "contacts/BirthdayReminders.h"
#include "contacts/Compaction.h"
#include "contacts/ContactFile.h"
#include "support/FakePlatform.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace testing_contacts;

// The readers of every record read the file in blocks and decode only what they need: they
// must give exactly what reading record by record and decoding all of it gives.
namespace {

// A record that is no save's output: any byte anywhere, separators and line end included.
QByteArray wildRecord(int n)
{
    QByteArray bytes(Contact::RecordLength, ' ');
    for (int i = 0; i < Contact::RecordLength; ++i)
        bytes[i] = char((n * 131 + i * 37) % 256);
    return bytes;
}

class BlockReadTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("Big.DAT"));
};

} // namespace

TEST_F(BlockReadTest, EveryRecordOnceInOrderAcrossBlockEdgesAndFragments)
{
    // 2048 records make one block.
    const struct {
        int records;
        int fragment; // bytes after the last whole record
    } cases[] = {{0, 0}, {0, 257}, {1, 0}, {2047, 0}, {2048, 0}, {2048, 300}, {2049, 0}, {4101, 256}, {4101, 512}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.records << " records + " << c.fragment);
        QByteArray bytes;
        for (int n = 1; n <= c.records; ++n)
            bytes += wildRecord(n);
        bytes += wildRecord(c.records + 1).left(c.fragment);
        writeBytes(path, bytes);

        ContactFile file;
        file.open(path);
        const int count = file.recordCount();
        int expected = 1;
        file.forEachRecord([&](int n, const char* record) {
            ASSERT_EQ(n, expected++);
            QByteArray whole = bytes.mid(qint64(n - 1) * Contact::RecordLength, Contact::RecordLength);
            whole.append(Contact::RecordLength - whole.size(), ' ');
            ASSERT_EQ(QByteArray(record, Contact::RecordLength), whole);
        });
        EXPECT_EQ(expected - 1, count);

        const QVector<Contact> all = file.readAll();
        ASSERT_EQ(all.size(), count);
        for (int n = 1; n <= count; ++n)
            ASSERT_EQ(all[n - 1], file.read(n)) << "record " << n;
    }
}

TEST_F(BlockReadTest, TheBirthdayCheckGivesWhatEachRecordsOwnTextGives)
{
    // Birth dates of every shape the field can hold, each with reminders on, off and blank.
    const QStringList dates = {
        "19700602", "19700616", "19700617", "19700601", "19700531", "19841231", "19840101", "19840229",
        "1970 602", "1970 0 60", " 1970061", "19700A02", "1970+602", "1970-6-2", "        ", "0000    ",
        "00000602", "99990610", "1970\xe9" "602", "19701302", "19700632", "19700600", "1970061 "};
    QVector<Contact> contacts;
    for (const QString& reminder : {QStringLiteral("1"), QStringLiteral("0"), QStringLiteral(" ")})
        for (int i = 0; i < dates.size(); ++i)
            contacts << makeContact(QStringLiteral("F%1").arg(i), QStringLiteral("L %1").arg(reminder),
                                    dates[i], reminder);
    {
        ContactFile file;
        file.open(path);
        for (const Contact& c : contacts)
            file.append(c);
    }
    ContactFile file;
    file.open(path);
    for (const QDate& today : {QDate(2026, 6, 1), QDate(2026, 12, 24), QDate(2028, 2, 20), QDate(2026, 5, 30)}) {
        SCOPED_TRACE(today.toString(Qt::ISODate).toStdString());
        QStringList expected;
        for (int n = 1; n <= file.recordCount(); ++n)
            if (const std::optional<QString> text = birthdayReminderText(file.read(n), today))
                expected << *text;
        FakePlatform platform;
        platform.todayDate = today;
        runBirthdayCheck(platform, file);
        QStringList shown;
        for (const RecordedMessage& m : platform.messages)
            shown << m.text;
        EXPECT_EQ(shown, expected);
    }
}

TEST_F(BlockReadTest, CompactionWritesEachSurvivorAsAWriterWouldAcrossBlocks)
{
    QByteArray bytes;
    const int records = 2050;
    for (int n = 1; n <= records; ++n) {
        QByteArray record = wildRecord(n);
        if (n % 3 == 0)
            record.replace(0, 9, "*DELETED*");
        bytes += record;
    }
    bytes += wildRecord(records + 1).left(400); // a fragment that counts as a record
    writeBytes(path, bytes);

    QByteArray expected;
    for (int n = 1; n <= records + 1; ++n) {
        const QByteArray record = bytes.mid(qint64(n - 1) * Contact::RecordLength, Contact::RecordLength);
        if (n == 2048 || n % 3 == 0)
            continue;
        expected += Contact::fromRecord(record).toRecord();
    }

    ContactFile file;
    file.open(path);
    compactContactFile(file, 2048);
    EXPECT_EQ(readBytes(path), expected);
    EXPECT_TRUE(file.isOpen());
}
