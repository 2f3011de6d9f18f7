#include "ExchangeTestSupport.h"

#include "contacts/ContactFile.h"
#include "exchange/ContactExport.h"
#include "exchange/CsvImport.h"
#include "support/FakePlatform.h"

#include <QDir>
#include <QTemporaryDir>

using namespace exchange_testing;

namespace {

Contact full(const QString& first, const QString& last, const QString& birthdate)
{
    Contact c;
    c.FirstName = first;
    c.MiddleInitial = QStringLiteral("Q");
    c.LastName = last;
    c.Street1 = QStringLiteral("12 Main St");
    c.Street2 = QStringLiteral("Apt 4");
    c.City = QStringLiteral("Springfield");
    c.State = QStringLiteral("IL");
    c.Zip = QStringLiteral("62701-1234");
    c.Country = QStringLiteral("USA");
    c.HomePhone = QStringLiteral("555-123-4567");
    c.CellPhone = QStringLiteral("555-987-6543");
    c.WorkPhone = QStringLiteral("555-111-2222");
    c.Email = first.toLower() + QStringLiteral("@example.com");
    c.Birthdate = birthdate;
    c.Category = QStringLiteral("Golf;Family");
    c.Notes = QStringLiteral("Likes tea");
    c.Company = QStringLiteral("Acme Widgets");
    c.IncludeCompany = QStringLiteral("1");
    c.BirthdayReminder = QStringLiteral("1");
    return c;
}

} // namespace

class ContactExportTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fake.folder = QDir(dir.path()).filePath(QStringLiteral("program"));
        QDir().mkpath(fake.folder);
    }

    QString inProgram(const QString& name) const { return QDir(fake.folder).filePath(name); }

    void openContacts(const QString& path, const std::vector<Contact>& records)
    {
        contactPath = path;
        contacts.open(path);
        for (const Contact& c : records)
            contacts.append(c);
    }

    ExportResult run(ExportKind kind) { return exportContacts(fake, contacts, {kind, contactPath}); }

    QString lastMessage() const { return fake.messages.empty() ? QString() : fake.messages.back().text; }

    QTemporaryDir dir;
    FakePlatform fake;
    ContactFile contacts;
    QString contactPath;
};

TEST_F(ContactExportTest, BothKindsWriteTheHeaderAndEveryRecordInOrder)
{
    Contact plain = Contact::blank();
    plain.FirstName = QStringLiteral("Bo");
    plain.LastName = QStringLiteral("Ng");
    plain.IncludeCompany = QStringLiteral("0");
    openContacts(inProgram("family.DAT"), {full("Ann", "Lee", "19760704"), plain, full("Cy", "Ott", "20010229")});

    const struct {
        ExportKind kind;
        const char* file;
        QByteArray bytes;
        const char* message;
    } rows[] = {
        {ExportKind::Csv, "ZAZE_family.csv",
         "First Name,MI,Last Name,Street1,Street2,City,State,Zip,Country,Company,Include Company in Address,"
         "Home Phone,Cell Phone,Work Phone,Email,Birthdate,Category,Notes\r\n"
         "Ann,Q,Lee,12 Main St,Apt 4,Springfield,IL,62701-1234,USA,Acme Widgets,1,555-123-4567,555-987-6543,"
         "555-111-2222,ann@example.com,07-04-1976,Golf;Family,Likes tea\r\n"
         "Bo,,Ng,,,,,,,,0,,,,,,,\r\n"
         "Cy,Q,Ott,12 Main St,Apt 4,Springfield,IL,62701-1234,USA,Acme Widgets,1,555-123-4567,555-987-6543,"
         "555-111-2222,cy@example.com,02-29-2001,Golf;Family,Likes tea\r\n",
         "D O N E !  A csv file of contacts has been created and stored in your Tessaprint folder.  "
         "This file is named ZAZE_family.csv"},
        {ExportKind::Text, "DODU_family.txt",
         "First Name|MI|Last Name|Street1|Street2|City|State|Zip|Country|Company|Include Company in Address|"
         "Home Phone|Cell Phone|Work Phone|Email|Birthdate|Category|Notes\r\n"
         "Ann|Q|Lee|12 Main St|Apt 4|Springfield|IL|62701-1234|USA|Acme Widgets|1|555-123-4567|555-987-6543|"
         "555-111-2222|ann@example.com|07-04-1976|Golf;Family|Likes tea\r\n"
         "Bo||Ng||||||||0|||||||\r\n"
         "Cy|Q|Ott|12 Main St|Apt 4|Springfield|IL|62701-1234|USA|Acme Widgets|1|555-123-4567|555-987-6543|"
         "555-111-2222|cy@example.com|02-29-2001|Golf;Family|Likes tea\r\n",
         "D O N E !  A text file of contacts has been created and stored in your Tessaprint folder.  "
         "This file is named DODU_family.txt"},
    };
    for (const auto& row : rows) {
        // An older file of the same name is replaced.
        writeBytes(inProgram(QString::fromLatin1(row.file)), QByteArray(5000, 'x'));
        const ExportResult r = run(row.kind);
        EXPECT_EQ(r.outcome, ExportResult::Created);
        EXPECT_EQ(r.path, inProgram(QString::fromLatin1(row.file)));
        EXPECT_EQ(readBytes(r.path), row.bytes) << row.file;
        ASSERT_FALSE(fake.messages.empty());
        EXPECT_EQ(fake.messages.back().text, row.message);
        EXPECT_EQ(fake.messages.back().title, "Export file created");
        EXPECT_EQ(fake.messages.back().buttons, MessageButtons::Ok);
    }
}

TEST_F(ContactExportTest, EmptyFileLeavesTheHeaderAndSaysSo)
{
    openContacts(inProgram("empty.dat"), {});
    const ExportResult r = run(ExportKind::Csv);
    EXPECT_EQ(r.outcome, ExportResult::NoContacts);
    EXPECT_EQ(readBytes(inProgram("ZAZE_empty.csv")), exportHeader(u',').toLatin1() + "\r\n");
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text, "Export file could not be created.  There were no contacts on file.");
    EXPECT_EQ(fake.messages[0].title, "Export file not created");
    EXPECT_EQ(fake.messages[0].icon, MessageIcon::Information);
}

TEST_F(ContactExportTest, ValuesAreQuotedOnlyWhereTheyMustBe)
{
    const struct {
        const char* value;
        QChar separator;
        const char* cell;
    } rows[] = {
        {"tea, no sugar", u',', "\"tea, no sugar\""}, {"tea, no sugar", u'|', "tea, no sugar"},
        {"a | b", u'|', "\"a | b\""},                  {"5\" disk", u',', "\"5\"\" disk\""},
        {"\"Bo\"", u'|', "\"\"\"Bo\"\"\""},            {"two\r\nlines", u',', "\"two\r\nlines\""},
        {"K1A 0B1", u',', "K1A 0B1"},                {"", u',', ""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(exportCell(QString::fromLatin1(row.value), row.separator), QString::fromLatin1(row.cell)) << row.value;

    Contact c = Contact::blank();
    c.FirstName = QStringLiteral("Ann");
    c.Notes = QStringLiteral("tea, no sugar");
    EXPECT_EQ(splitCsvRecords(exportLine(c, u',')).front().cells.size(), 18) << "a comma stays in its cell";
    c.Birthdate = QStringLiteral("        ");
    EXPECT_EQ(exportLine(c, u'|').split(u'|')[15], "");
}

TEST_F(ContactExportTest, ContactFileElsewhereIsNamedByItsOwnName)
{
    const QString elsewhere = QDir(dir.path()).filePath(QStringLiteral("data"));
    QDir().mkpath(elsewhere);
    openContacts(QDir(elsewhere).filePath(QStringLiteral("club.DAT")), {full("Ann", "Lee", "19760704")});

    ExportResult r = run(ExportKind::Csv);
    EXPECT_EQ(r.outcome, ExportResult::Created);
    EXPECT_EQ(r.path, inProgram("ZAZE_club.csv"));
    EXPECT_TRUE(QFile::exists(r.path));
    // Installed, it goes where the user's files go, never beside the program.
    fake.userFiles = elsewhere;
    EXPECT_EQ(run(ExportKind::Csv).path, QDir(elsewhere).filePath(QStringLiteral("ZAZE_club.csv")));
    fake.userFiles.clear();

    // A program folder that cannot be written: the file goes beside the contact file.
    fake.folder = QDir(dir.path()).filePath(QStringLiteral("no-such-folder"));
    r = run(ExportKind::Text);
    EXPECT_EQ(r.outcome, ExportResult::Created);
    EXPECT_EQ(r.path, QDir(elsewhere).filePath(QStringLiteral("DODU_club.txt")));
    EXPECT_TRUE(QFile::exists(r.path));
    EXPECT_EQ(lastMessage(), "D O N E !  A text file of contacts has been created and stored in the folder of your "
                             "contact file, " + QDir::toNativeSeparators(elsewhere)
                                 + ", since your Tessaprint folder cannot be written to.  This file is named "
                                   "DODU_club.txt");
}

TEST_F(ContactExportTest, ErrorsShowTheProgramMessage)
{
    // Neither folder can be written.
    const QString gone = QDir(dir.path()).filePath(QStringLiteral("gone"));
    QDir().mkpath(gone);
    openContacts(QDir(gone).filePath(QStringLiteral("x.DAT")), {full("Ann", "Lee", "")});
    fake.folder = gone + QStringLiteral("/missing");
    QDir().mkpath(QDir(gone).filePath(QStringLiteral("DODU_x.txt"))); // a folder where the file would go
    fake.messageAnswers = {MessageAnswer::Cancel};
    ExportResult r = run(ExportKind::Text);
    EXPECT_EQ(r.outcome, ExportResult::ErrorCancel);
    EXPECT_TRUE(lastMessage().startsWith("An error has occurred. Error number "));
    EXPECT_TRUE(lastMessage().endsWith(".  Try again, or notify author."));
    EXPECT_EQ(fake.messages.back().title, "Error");

    // No contact file open.
    contacts.close();
    fake.messageAnswers = {MessageAnswer::Retry};
    r = run(ExportKind::Csv);
    EXPECT_EQ(r.outcome, ExportResult::ErrorRetry);
    EXPECT_EQ(lastMessage(), "An error has occurred. Error number 52 -- Bad file name or number.  Try again, or notify author.");
}

TEST_F(ContactExportTest, ExportThenImportGivesTheSameRecords)
{
    Contact accented = full(QStringLiteral("Jos\u00e9"), QStringLiteral("Pe\u00f1a"), QStringLiteral("        "));
    accented.Zip = QString();
    accented.HomePhone = QString();
    accented.Company = QString();
    accented.IncludeCompany = QStringLiteral("0");
    // Values the contact windows store that the import's tests for other programs' files would drop.
    Contact odd = full(QStringLiteral("Di"), QStringLiteral("O\"Neil"), QStringLiteral("efghabcd"));
    odd.City = QStringLiteral("29 Palms");
    odd.State = QStringLiteral("N1");
    odd.Zip = QStringLiteral("K1A 0B1");
    odd.Country = QStringLiteral("CANADA 2");
    odd.HomePhone = QStringLiteral("1-800-FLOWERS");
    odd.CellPhone = QStringLiteral("555-12ab");
    odd.Notes = QStringLiteral("Says \"hi\" | waves");
    odd.Category = QStringLiteral("\"Golf\"");
    openContacts(inProgram("family.DAT"),
                 {full("Ann", "Lee", "19760704"), accented, full("Cy", "Ott", "20001231"), odd});
    const QByteArray original = readBytes(contactPath);
    ASSERT_EQ(run(ExportKind::Csv).outcome, ExportResult::Created);

    ContactFile target;
    target.open(inProgram("copy.DAT"));
    const ImportResult first = importContacts(fake, target, {inProgram("ZAZE_family.csv"), true});
    EXPECT_EQ(first.written, 4);
    EXPECT_EQ(readBytes(inProgram("copy.DAT")), original);

    const ImportResult second = importContacts(fake, target, {inProgram("ZAZE_family.csv"), true});
    EXPECT_EQ(second.written, 0);
    EXPECT_EQ(readBytes(inProgram("copy.DAT")), original);
}
