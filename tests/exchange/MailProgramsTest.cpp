#include "ExchangeTestSupport.h"

#include "contacts/ContactFile.h"
#include "contacts/Windows1252.h"
#include "exchange/CsvImport.h"
#include "support/FakePlatform.h"

#include <QDir>
#include <QTemporaryDir>

using namespace exchange_testing;

// Whole exports as the mail programs write them, imported into an empty contact file.
class MailProgramsTest : public ::testing::Test {
protected:
    std::vector<std::string> import(const QByteArray& bytes)
    {
        QTemporaryDir dir;
        FakePlatform fake;
        fake.folder = dir.path();
        const QString csv = QDir(dir.path()).filePath(QStringLiteral("export.csv"));
        writeBytes(csv, bytes);
        ContactFile file;
        file.open(QDir(dir.path()).filePath(QStringLiteral("c.DAT")));
        const ImportResult r = importContacts(fake, file, {csv, true});
        EXPECT_EQ(r.outcome, ImportResult::Done);
        std::vector<std::string> out;
        for (Contact c : file.readAll()) {
            EXPECT_EQ(c.BirthdayReminder, "1");
            c.BirthdayReminder.clear();
            out.push_back(describe(c).toStdString());
        }
        return out;
    }

    static QByteArray utf16le(const QString& text)
    {
        QByteArray bytes("\xFF\xFE", 2);
        for (const QChar c : text) {
            bytes.append(char(c.unicode() & 0xFF));
            bytes.append(char(c.unicode() >> 8));
        }
        return bytes;
    }
};

TEST_F(MailProgramsTest, GoogleContacts)
{
    const QString text = QStringLiteral(
        "First Name,Middle Name,Last Name,Phonetic First Name,Phonetic Middle Name,Phonetic Last Name,Name Prefix,"
        "Name Suffix,Nickname,File As,Organization Name,Organization Title,Organization Department,Birthday,Notes,"
        "Photo,Labels,E-mail 1 - Label,E-mail 1 - Value,E-mail 2 - Label,E-mail 2 - Value,Phone 1 - Label,"
        "Phone 1 - Value,Phone 2 - Label,Phone 2 - Value,Address 1 - Label,Address 1 - Formatted,Address 1 - Street,"
        "Address 1 - City,Address 1 - PO Box,Address 1 - Region,Address 1 - Postal Code,Address 1 - Country,"
        "Address 1 - Extended Address,Address 2 - Label,Address 2 - Formatted,Address 2 - Street,Address 2 - City,"
        "Address 2 - PO Box,Address 2 - Region,Address 2 - Postal Code,Address 2 - Country,"
        "Address 2 - Extended Address\n"
        "Jos\u00e9,luis,Pe\u00f1a,,,,,,,,\"Acme, Inc.\",,,1976-07-04,\"Met at the club,\nlikes golf\",,"
        "* myContacts ::: Golf ::: Family,* Home,jose@example.com ::: jl@example.org,Work,jpena@acme.example.com,"
        "Mobile,+1 555-123-4567,Home,(555) 987-6543,Work,\"1 Corp Way\",1 Corp Way,Chicago,,IL,60601,"
        "United States,,Home,\"12 Main St\nApt 4\nSpringfield IL\",\"12 Main St\nApt 4\",Springfield,,IL,62701,US,\n"
        "Ann,,Lee,,,,,,,,,,,--07-04,,,* myContacts,,ann@example.com,,,,,,,,,,,,,,,,,,,,,,,,\n");
    EXPECT_EQ(import(text.toUtf8()),
              (std::vector<std::string>{
                  "FirstName=Jos\u00e9 MiddleInitial=L LastName=Pe\u00f1a Street1=12 Main St Street2=Apt 4 "
                  "City=Springfield State=IL Zip=62701 Country=US HomePhone=555-987-6543 CellPhone=1555-123-4567 "
                  "Email=jose@example.com Birthdate=19760704 Category=Golf;Family "
                  "Notes=Met at the club  likes golf Company=Acme Inc. IncludeCompany=1",
                  "FirstName=Ann LastName=Lee Email=ann@example.com IncludeCompany=0"}));
}

TEST_F(MailProgramsTest, GoogleLegacyInUtf16)
{
    const QString text = QStringLiteral(
        "Name,Given Name,Additional Name,Family Name,Yomi Name,Given Name Yomi,Additional Name Yomi,"
        "Family Name Yomi,Name Prefix,Name Suffix,Initials,Nickname,Short Name,Maiden Name,Birthday,Gender,"
        "Location,Billing Information,Directory Server,Mileage,Occupation,Hobby,Sensitivity,Priority,Subject,Notes,"
        "Group Membership,E-mail 1 - Type,E-mail 1 - Value,Phone 1 - Type,Phone 1 - Value,Phone 2 - Type,"
        "Phone 2 - Value,Address 1 - Type,Address 1 - Formatted,Address 1 - Street,Address 1 - City,"
        "Address 1 - PO Box,Address 1 - Region,Address 1 - Postal Code,Address 1 - Country,"
        "Address 1 - Extended Address,Organization 1 - Type,Organization 1 - Name,Organization 1 - Title\r\n"
        "Zo\u00eb Brontë,Zo\u00eb,,Bront\u00eb,,,,,,,,,,,1980-02-29,,,,,,,,,,,,System Group: My Contacts ::: Book Club,"
        "* Other,zoe@example.net,Work,555-222-3333,Mobile,555-444-5555,Home,,9 Elm Rd,Portland,,OR,97201,USA,,,"
        "Moors Ltd,\r\n");
    EXPECT_EQ(import(utf16le(text)),
              (std::vector<std::string>{
                  "FirstName=Zo\u00eb LastName=Bront\u00eb Street1=9 Elm Rd City=Portland State=OR Zip=97201 "
                  "Country=USA CellPhone=555-444-5555 WorkPhone=555-222-3333 Email=zoe@example.net "
                  "Birthdate=19800229 Category=Book Club Company=Moors Ltd IncludeCompany=1"}));
}

TEST_F(MailProgramsTest, OutlookDesktopInWindows1252)
{
    const QString text = QStringLiteral(
        "\"Title\",\"First Name\",\"Middle Name\",\"Last Name\",\"Suffix\",\"Company\",\"Department\",\"Job Title\","
        "\"Business Street\",\"Business Street 2\",\"Business Street 3\",\"Business City\",\"Business State\","
        "\"Business Postal Code\",\"Business Country/Region\",\"Home Street\",\"Home Street 2\",\"Home Street 3\","
        "\"Home City\",\"Home State\",\"Home Postal Code\",\"Home Country/Region\",\"Business Phone\",\"Home Phone\","
        "\"Mobile Phone\",\"Primary Phone\",\"Birthday\",\"Categories\",\"E-mail Address\",\"E-mail Type\","
        "\"E-mail 2 Address\",\"Notes\",\"Web Page\"\r\n"
        "\"Mr.\",\"Andr\u00e9\",\"\",\"M\u00fcller\",\"\",\"Smith, Jones & Co\",\"\",\"\",\"1 Corp Way\",\"\",\"\","
        "\"Chicago\",\"IL\",\"60601\",\"United States\",\"\",\"\",\"\",\"\",\"\",\"\",\"\","
        "\"(312) 555-0100\",\"\",\"312 555 0199\",\"\",\"7/4/1976\",\"Clients; Golf\","
        "\"/o=ExchangeLabs/ou=Exchange/cn=Recipients/cn=andre\",\"EX\",\"andre@example.com\","
        "\"Two lines\r\nof notes\",\"\"\r\n"
        "\"\",\"Ann\",\"B\",\"Lee\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"12 Main St\",\"\",\"\","
        "\"Springfield\",\"IL\",\"62701\",\"\",\"\",\"555-123-4567\",\"\",\"\",\"0/0/00\",\"\",\"ann@example.com\","
        "\"SMTP\",\"\",\"\",\"\"\r\n");
    EXPECT_EQ(import(toWindows1252(text)),
              (std::vector<std::string>{
                  "FirstName=Andr\u00e9 LastName=M\u00fcller Street1=1 Corp Way City=Chicago State=IL Zip=60601 "
                  "Country=UNITED STATES CellPhone=3125550199 WorkPhone=312-555-0100 "
                  "Email=andre@example.com Birthdate=19760704 Category=Clients;Golf Notes=Two lines of notes "
                  "Company=Smith Jones & Co IncludeCompany=1",
                  "FirstName=Ann MiddleInitial=B LastName=Lee Street1=12 Main St City=Springfield State=IL "
                  "Zip=62701 HomePhone=555-123-4567 Email=ann@example.com IncludeCompany=0"}));
}

TEST_F(MailProgramsTest, OutlookOnTheWeb)
{
    const QString text = QStringLiteral(
        "First Name,Middle Name,Last Name,Title,Suffix,Nickname,Given Yomi,Surname Yomi,E-mail Address,"
        "E-mail 2 Address,E-mail 3 Address,Home Phone,Home Phone 2,Business Phone,Business Phone 2,Mobile Phone,"
        "Car Phone,Other Phone,Primary Phone,Pager,Business Fax,Home Fax,Other Fax,Company Main Phone,Callback,"
        "Radio Phone,Telex,TTY/TDD Phone,IMAddress,Job Title,Department,Company,Office Location,Manager's Name,"
        "Assistant's Name,Assistant's Phone,Company Yomi,Business Street,Business City,Business State,"
        "Business Postal Code,Business Country/Region,Home Street,Home City,Home State,Home Postal Code,"
        "Home Country/Region,Other Street,Other City,Other State,Other Postal Code,Other Country/Region,"
        "Personal Web Page,Spouse,Schools,Hobby,Location,Web Page,Birthday,Anniversary,Notes\r\n"
        "Bo,,Ng,,,,,,bo@example.com,,,555-000-1111,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,9 Oak Ave,Austin,TX,73301,,,,,,"
        ",,,,,,,12/25/1980,,\r\n");
    EXPECT_EQ(import(text.toUtf8()),
              (std::vector<std::string>{"FirstName=Bo LastName=Ng Street1=9 Oak Ave City=Austin State=TX Zip=73301 "
                                        "HomePhone=555-000-1111 Email=bo@example.com Birthdate=19801225 "
                                        "IncludeCompany=0"}));
}

TEST_F(MailProgramsTest, Thunderbird)
{
    const QString text = QStringLiteral(
        "First Name,Last Name,Display Name,Nickname,Primary Email,Secondary Email,Screen Name,Work Phone,"
        "Home Phone,Fax Number,Pager Number,Mobile Number,Home Address,Home Address 2,Home City,Home State,"
        "Home ZipCode,Home Country,Work Address,Work Address 2,Work City,Work State,Work ZipCode,Work Country,"
        "Job Title,Department,Organization,Web Page 1,Web Page 2,Birth Year,Birth Month,Birth Day,Custom 1,"
        "Custom 2,Custom 3,Custom 4,Notes,\n"
        "Ann,Lee,Ann Lee,,ann@example.com,,,555-111-2222,,,,555-333-4444,12 Main St,Apt 4,Springfield,IL,62701,"
        "USA,,,,,,,,,Acme,,,1976,7,4,,,,,\"Notes, with comma\",\n"
        ",,Carlos Ruiz,,carlos@example.com,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,\n"
        ",,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,\n");
    EXPECT_EQ(import(text.toUtf8()),
              (std::vector<std::string>{
                  "FirstName=Ann LastName=Lee Street1=12 Main St Street2=Apt 4 City=Springfield State=IL Zip=62701 "
                  "Country=USA CellPhone=555-333-4444 WorkPhone=555-111-2222 Email=ann@example.com "
                  "Birthdate=19760704 Notes=Notes  with comma Company=Acme IncludeCompany=1",
                  "FirstName=Carlos LastName=Ruiz Email=carlos@example.com IncludeCompany=0"}));
}

TEST_F(MailProgramsTest, YahooWebMailAndAddressBook)
{
    QStringList yahoo;
    for (const QString& cell : kYahooHeader.split(u','))
        yahoo << u'"' + cell + u'"';
    QStringList line(39, QStringLiteral("\"\""));
    line[0] = QStringLiteral("\"Ann\"");
    line[2] = QStringLiteral("\"Lee, Jr.\"");
    line[4] = QStringLiteral("\"ann@example.com\"");
    line[9] = QStringLiteral("\"555-1234\"");
    line[27] = QStringLiteral("\"12 Main St\"");
    line[32] = QStringLiteral("\"7/4/1976\"");
    EXPECT_EQ(import((yahoo.join(u',') + QStringLiteral("\r\n") + line.join(u',') + QStringLiteral("\r\n")).toUtf8()),
              (std::vector<std::string>{"FirstName=Ann LastName=Lee Jr. Street1=12 Main St HomePhone=555-1234 "
                                        "WorkPhone=555-1234 Email=ann@example.com Birthdate=19760704 IncludeCompany=1"}));

    EXPECT_EQ(import((kWebMailHeader + QStringLiteral("\r\n")
                      + cellsAt(28, {{0, "Bo"}, {2, "Ng"}, {14, "bo@example.com"}, {20, "555-987-6543"}}))
                         .toUtf8()),
              (std::vector<std::string>{"FirstName=Bo LastName=Ng CellPhone=555-987-6543 Email=bo@example.com "
                                        "IncludeCompany=1"}));

    EXPECT_EQ(import("First Name,Last Name,Name,E-mail Address,Home Street\r\nCy,Ott,Cy Ott,cy@example.com,"
                     "1 Elm\r\n"),
              (std::vector<std::string>{"FirstName=Cy LastName=Ott Street1=1 Elm Email=cy@example.com IncludeCompany=0"}));
}

TEST_F(MailProgramsTest, OutlookExpressByItsColumnNames)
{
    const QStringList columns = {
        "First Name", "Last Name", "Middle Name", "Name", "Nickname", "E-mail Address", "Home Street", "Home City",
        "Home Postal Code", "Home State", "Home Country/Region", "Home Phone", "Home Fax", "Mobile Phone",
        "Personal Web Page", "Business Street", "Business City", "Business Postal Code", "Business State",
        "Business Country/Region", "Business Web Page", "Business Phone", "Business Fax", "Pager", "Company",
        "Job Title", "Department", "Office Location", "Notes"};
    const auto line = [&](std::initializer_list<std::pair<const char*, const char*>> values) {
        QStringList cells(columns.size());
        for (const auto& [column, value] : values)
            cells[columns.indexOf(QLatin1String(column))] = QString::fromUtf8(value);
        return cells.join(u',') + QStringLiteral("\r\n");
    };
    const QString text = columns.join(u',') + QStringLiteral("\r\n")
        + line({{"First Name", "Ann"}, {"Last Name", "Lee"}, {"Middle Name", "beth"}, {"Name", "Ann Lee"},
                {"E-mail Address", "ann@example.com"}, {"Home Street", "\"4 Pine Ct, Apt 2\""},
                {"Home City", "Springfield"}, {"Home Postal Code", "62701"}, {"Home State", "IL"},
                {"Home Country/Region", "USA"}, {"Home Phone", "(555) 123-4567"}, {"Mobile Phone", "555-987-6543"},
                {"Business Street", "1 Corp Way"}, {"Business Phone", "555-111-2222"}, {"Company", "\"Acme, Inc.\""},
                {"Notes", "\"Met at the club,\r\nlikes golf\""}})
        + line({{"Name", "Bo Ng"}, {"E-mail Address", "bo@example.com"}, {"Business Street", "9 Oak Ave"},
                {"Business City", "Austin"}, {"Business State", "TX"}, {"Business Postal Code", "73301"}});
    EXPECT_EQ(import(text.toUtf8()),
              (std::vector<std::string>{
                  "FirstName=Ann MiddleInitial=B LastName=Lee Street1=4 Pine Ct Apt 2 City=Springfield State=IL "
                  "Zip=62701 Country=USA HomePhone=555-123-4567 CellPhone=555-987-6543 WorkPhone=555-111-2222 "
                  "Email=ann@example.com Notes=Met at the club  likes golf Company=Acme Inc. IncludeCompany=1",
                  "FirstName=Bo LastName=Ng Street1=9 Oak Ave City=Austin State=TX Zip=73301 Email=bo@example.com "
                  "IncludeCompany=0"}));
    // Only the name and the e-mail ticked.
    EXPECT_EQ(import("Name,E-mail Address\r\nCy Ott,cy@example.com\r\n"),
              (std::vector<std::string>{"FirstName=Cy LastName=Ott Email=cy@example.com IncludeCompany=0"}));
}
