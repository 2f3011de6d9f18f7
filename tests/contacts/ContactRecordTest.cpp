#include "ContactTestSupport.h"

#include "contacts/Birthdate.h"
#include "contacts/Contact.h"
#include "contacts/ContactFile.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace testing_contacts;

namespace {

// The record layout, written out independently of the implementation.
struct LayoutField {
    const char* name;
    int offset;
    int width;
};
const LayoutField layout[19] = {
    {"FirstName", 0, 11},   {"MiddleInitial", 12, 1}, {"LastName", 14, 16},  {"Street1", 31, 30},
    {"Street2", 62, 15},    {"City", 78, 16},         {"State", 95, 2},      {"Zip", 98, 10},
    {"Country", 109, 19},   {"HomePhone", 129, 15},   {"CellPhone", 145, 15}, {"WorkPhone", 161, 13},
    {"Email", 175, 50},     {"Birthdate", 226, 8},    {"Category", 235, 80}, {"Notes", 316, 160},
    {"Company", 477, 30},   {"IncludeCompany", 508, 1}, {"BirthdayReminder", 510, 1},
};
const int separatorOffsets[18] = {11, 13, 30, 61, 77, 94, 97, 108, 128, 144, 160, 174, 225, 234, 315, 476, 507, 509};

void expectFrame(const QByteArray& record)
{
    ASSERT_EQ(record.size(), 513);
    for (int offset : separatorOffsets)
        EXPECT_EQ(record[offset], '|') << "separator at " << offset;
    EXPECT_EQ(record.count('|'), 18);
    EXPECT_EQ(record[511], '\r');
    EXPECT_EQ(record[512], '\n');
}

} // namespace

TEST(ContactRecord, FieldTableMatchesTheRecordLayout)
{
    for (int i = 0; i < 19; ++i) {
        EXPECT_STREQ(Contact::fieldInfo(i).name, layout[i].name);
        EXPECT_EQ(Contact::fieldInfo(i).offset, layout[i].offset) << layout[i].name;
        EXPECT_EQ(Contact::fieldInfo(i).width, layout[i].width) << layout[i].name;
    }
}

TEST(ContactRecord, EmptyRecordIsNineteenSpaceFieldsEighteenBarsAndCrLf)
{
    const QByteArray record = Contact().toRecord();
    expectFrame(record);
    QByteArray expected;
    for (int i = 0; i < 19; ++i) {
        expected.append(QByteArray(layout[i].width, ' '));
        if (i < 18)
            expected.append('|');
    }
    expected.append("\r\n");
    EXPECT_EQ(record, expected);
}

TEST(ContactRecord, EmptySaveWithFlagsIsStill513Bytes)
{
    Contact c;
    c.IncludeCompany = QStringLiteral("0");
    c.BirthdayReminder = QStringLiteral("1");
    c.Birthdate = birthdateToStored(QString());
    const QByteArray record = c.toRecord();
    expectFrame(record);
    EXPECT_EQ(record[508], '0');
    EXPECT_EQ(record[510], '1');
    EXPECT_EQ(record.mid(226, 8), QByteArray(8, ' '));
    EXPECT_EQ(record.count(' '), 513 - 18 - 2 - 2);
}

TEST(ContactRecord, FullWidthValuesFillTheirFieldsExactly)
{
    Contact c;
    for (int i = 0; i < 19; ++i)
        c.field(i) = QString(layout[i].width, QChar(u'A' + i));
    const QByteArray record = c.toRecord();
    expectFrame(record);
    for (int i = 0; i < 19; ++i)
        EXPECT_EQ(record.mid(layout[i].offset, layout[i].width),
                  QByteArray(layout[i].width, char('A' + i)))
            << layout[i].name;
    EXPECT_EQ(Contact::fromRecord(record), c);
}

TEST(ContactRecord, TooLongValuesAreCutAndNothingShifts)
{
    Contact c = Contact::blank();
    c.FirstName = QStringLiteral("Maximiliano-Alejandro");
    c.State = QStringLiteral("Illinois");
    c.BirthdayReminder = QStringLiteral("10");
    c.Notes = QString(400, u'n');
    const QByteArray record = c.toRecord();
    expectFrame(record);
    EXPECT_EQ(record.mid(0, 11), QByteArray("Maximiliano"));
    EXPECT_EQ(record.mid(95, 2), QByteArray("Il"));
    EXPECT_EQ(record.mid(316, 160), QByteArray(160, 'n'));
    EXPECT_EQ(record[510], '1');
}

TEST(ContactRecord, ReadFieldsKeepTheirPadding)
{
    const Contact c = Contact::fromRecord(makeContact(QStringLiteral("Ann"), QStringLiteral("Lee")).toRecord());
    EXPECT_EQ(c.FirstName, QStringLiteral("Ann        "));
    EXPECT_EQ(c.LastName, QStringLiteral("Lee") + QString(13, u' '));
    EXPECT_EQ(c.MiddleInitial, QStringLiteral(" "));
    EXPECT_EQ(c.BirthdayReminder, QStringLiteral("1"));
}

TEST(ContactRecord, ReadThenWriteIsByteExact)
{
    Contact c = makeContact(QStringLiteral("  Bo"), QStringLiteral("Chan"), QStringLiteral("19751231"));
    c.Notes = QStringLiteral("  leading spaces stay; so does | a bar");
    const QByteArray record = c.toRecord();
    EXPECT_EQ(Contact::fromRecord(record).toRecord(), record);
}

TEST(ContactRecord, ShortBytesReadAsSpaces)
{
    const Contact c = Contact::fromRecord(QByteArray("Zed"));
    EXPECT_EQ(c.FirstName, QStringLiteral("Zed        "));
    EXPECT_EQ(c.Notes, QString(160, u' '));
    EXPECT_EQ(c.BirthdayReminder, QStringLiteral(" "));
}

TEST(Birthdate, StoredAsYearMonthDayAndShownBack)
{
    EXPECT_EQ(birthdateToStored(QStringLiteral("04/10/1980")), QStringLiteral("19800410"));
    EXPECT_EQ(birthdateToShown(QStringLiteral("19800410")), QStringLiteral("04/10/1980"));
    EXPECT_EQ(birthdateToStored(QString()), QStringLiteral("        "));
    EXPECT_EQ(birthdateToShown(QStringLiteral("        ")), QString());
    EXPECT_EQ(birthdateToShown(QStringLiteral("1       ")), QString());
    EXPECT_EQ(birthdateToShown(QStringLiteral("abcdefgh")), QString());
}

TEST(Birthdate, RoundTripThroughTheFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Birth.DAT"));
    ContactFile file;
    file.open(path);
    Contact c = makeContact(QStringLiteral("Ann"), QStringLiteral("Lee"), birthdateToStored(QStringLiteral("04/10/1980")));
    file.append(c);
    file.append(makeContact(QStringLiteral("Bob"), QStringLiteral("Ray"), birthdateToStored(QString())));
    const QByteArray bytes = readBytes(path);
    EXPECT_EQ(bytes.mid(226, 8), QByteArray("19800410"));
    EXPECT_EQ(bytes.mid(513 + 226, 8), QByteArray(8, ' '));
    EXPECT_EQ(birthdateToShown(file.read(1).Birthdate), QStringLiteral("04/10/1980"));
    EXPECT_EQ(birthdateToShown(file.read(2).Birthdate), QString());
}

TEST(ContactRecord, Windows1252CharactersAreSingleBytesInTheFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Accents.DAT"));
    ContactFile file;
    file.open(path);
    Contact c = makeContact(QString::fromUtf8("José"), QString::fromUtf8("Muñoz"));
    c.Notes = QString::fromUtf8("costs 5 €");
    file.append(c);
    const QByteArray bytes = readBytes(path);
    ASSERT_EQ(bytes.size(), 513);
    EXPECT_EQ(bytes.mid(0, 11), QByteArray("Jos\xE9       "));
    EXPECT_EQ(bytes.mid(14, 5), QByteArray("Mu\xF1oz"));
    EXPECT_EQ(bytes.mid(316, 9), QByteArray("costs 5 \x80"));
    const Contact back = file.read(1);
    EXPECT_EQ(back.FirstName.trimmed(), QString::fromUtf8("José"));
    EXPECT_EQ(back.LastName.trimmed(), QString::fromUtf8("Muñoz"));
    EXPECT_EQ(back.Notes.trimmed(), QString::fromUtf8("costs 5 €"));
}
