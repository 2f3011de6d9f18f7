#include "ExchangeTestSupport.h"

#include "exchange/CsvImport.h"
#include "platform/AppError.h"

using namespace exchange_testing;

namespace {

std::string layoutName(CsvLayout layout)
{
    switch (layout) {
    case CsvLayout::None: return "none";
    case CsvLayout::GoogleContacts: return "google";
    case CsvLayout::GoogleLegacy: return "google-legacy";
    case CsvLayout::Outlook: return "outlook";
    case CsvLayout::Thunderbird: return "thunderbird";
    case CsvLayout::OutlookExpress: return "outlook-express";
    case CsvLayout::Yahoo: return "A";
    case CsvLayout::WebMail: return "B";
    case CsvLayout::AddressBook: return "C";
    case CsvLayout::OwnExport: return "D";
    case CsvLayout::Generic: return "E";
    }
    return "?";
}

std::string detect(const QString& firstLine)
{
    const QVector<CsvRecord> records = splitCsvRecords(firstLine);
    return records.isEmpty() ? "empty" : layoutName(detectCsvLayout(records.front()));
}

} // namespace

TEST(CsvLayoutDetection, FirstLinePicksTheLayoutInOrder)
{
    const struct {
        QString firstLine;
        std::string layout;
    } rows[] = {
        {kYahooHeader, "A"},
        {QStringLiteral("First,Last,Yahoo Phone,Primary Phone,Web Page"), "A"}, // A before B
        {kWebMailHeader, "B"},
        {QStringLiteral("Web Page,Primary Phone,Name,E-mail Address"), "B"}, // B before C
        {QStringLiteral("Title,First Name,Last Name,E-mail Address"), "C"},    // "Name,E-mail Address"
        {QStringLiteral("Title,First Name,Last Name,Name,E-mail Address,Home Street"), "C"},
        // Outlook Express names its columns: read by name, in whichever of them were ticked.
        {QStringLiteral("First Name,Last Name,E-mail Address"), "outlook-express"},
        {QStringLiteral("First Name,Last Name,Name,E-mail Address,Home Street"), "outlook-express"},
        {QStringLiteral("Name,Nickname,E-mail Address,Home Phone,Notes"), "outlook-express"},
        {QStringLiteral("Home Street,Home City,Notes"), "none"}, // neither an e-mail nor a name column
        {kOwnHeader, "D"},
        {QStringLiteral("First Name,MI,Name,E-mail Address,Birthdate,Category,Notes"), "C"}, // C before D
        {QStringLiteral("First Name,Last Name,Title,Company,Phone,Fax,Mobile,Email,Notes"), "E"},
        {QStringLiteral("First Name,Last Name,Email"), "E"},
        {QStringLiteral("Name,Suffix,Initials,Web Page,Email,"), "none"},
        {QStringLiteral("Name,Email,Distribution Lists"), "none"},
        {QStringLiteral("Name,Email,Birthdate,Category,Notes"), "none"},
        {QStringLiteral("Company,Phone,Email"), "none"},
        {QString(), "empty"},
        // The exports of today, each known by its own header before the layout it would fall into.
        {QStringLiteral("First Name,Middle Name,Last Name,Phonetic First Name,Phonetic Middle Name,Name Prefix,"
                        "E-mail 1 - Value"), "google"},
        {QStringLiteral("Name,Given Name,Additional Name,Family Name,Yomi Name,Name Suffix,Initials,Nickname,"
                        "E-mail 1 - Value"), "google-legacy"},
        {QStringLiteral("\"Title\",\"First Name\",\"Middle Name\",\"Last Name\",\"Suffix\",\"Company\","
                        "\"Primary Phone\",\"Web Page\",\"E-mail Address\""), "outlook"},
        {QStringLiteral("First Name,Middle Name,Last Name,Title,Suffix,Nickname,Given Yomi,Surname Yomi,"
                        "E-mail Address,E-mail 2 Address,E-mail 3 Address,Home Phone,Home Phone 2,Business Phone,"
                        "Business Phone 2,Mobile Phone,Car Phone,Other Phone,Primary Phone,Web Page,Birthday"),
         "outlook"},
        {QStringLiteral("First Name,Last Name,Display Name,Nickname,Primary Email,Secondary Email,Screen Name"),
         "thunderbird"},
        // Quoted cells are read as cells: this header is the address book's.
        {QStringLiteral("\"Title\",\"First Name\",\"Last Name\",\"E-mail Address\""), "C"},
        // A text with NUL characters is no CSV file.
        {QString::fromLatin1("Name,\0Email,x", 13), "none"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(detect(row.firstLine), row.layout) << row.firstLine.toStdString();
}

TEST(CsvLayoutYahoo, LinesAndTheirFields)
{
    const auto line = [](std::initializer_list<std::pair<int, const char*>> cells) { return cellsAt(39, cells); };
    const struct {
        QString line;
        std::string fields;
    } rows[] = {
        {line({{0, "Ann"}, {1, "marie"}, {2, "Lee"}, {4, "ann@example.com"}, {5, "Golf"}, {8, "555-1111"},
               {9, "555-2222"}, {12, "555-3333"}, {21, "Acme"}, {27, "12 Main St"}, {28, "Springfield"},
               {29, "il"}, {30, "62701-1234"}, {31, "USA"}, {32, "7/4/1976"}, {38, "a comment"}}),
         "FirstName=Ann MiddleInitial=m LastName=Lee Street1=12 Main St City=Springfield State=IL Zip=62701-1234 "
         "Country=USA HomePhone=555-1111 CellPhone=555-3333 WorkPhone=555-2222 Email=ann@example.com "
         "Birthdate=19760704 Category=Golf Company=Acme IncludeCompany=1"},
        // The work number stands in for a missing home number.
        {line({{0, "Bo"}, {9, "555-1234"}}), "FirstName=Bo HomePhone=555-1234 WorkPhone=555-1234 IncludeCompany=1"},
        // Phones need a number at the end and a dash.
        {line({{0, "Cy"}, {8, "5551234"}, {12, "555-12ab"}, {9, "(555) 123-4567"}}),
         "FirstName=Cy HomePhone=(555) 123-4567 WorkPhone=(555) 123-4567 IncludeCompany=1"},
        // Short street, city with a digit, state too long, zip not numeric, country with a digit.
        {line({{0, "Di"}, {27, "12 A"}, {28, "Apt 5"}, {29, "Ill"}, {30, "AB123"}, {31, "US1"}}),
         "FirstName=Di IncludeCompany=1"},
        {line({{0, "Ed"}, {29, "I#"}, {31, "Nr #1"}}), "FirstName=Ed IncludeCompany=1"},
        {line({{0, "Fay"}, {32, "13/01/1980"}}), "FirstName=Fay IncludeCompany=1"},
        {line({{0, "Gus"}, {32, "1/2/3456"}}), "FirstName=Gus IncludeCompany=1"},
        {line({{0, "Hal"}, {32, "12/25/1980"}}), "FirstName=Hal Birthdate=19801225 IncludeCompany=1"},
        {line({{0, "Ida"}, {14, "Yahoo! Phone"}}), "skipped"},
        {QStringLiteral("Jo,Yahoo Phone"), "skipped"},
        // Quotes go; a comma inside a quoted cell stays in its cell, and goes as the windows take it.
        {QStringLiteral("\"Kim\",\"\",\"Smith, Jr.\"") + QString(36, u','), "FirstName=Kim LastName=Smith Jr. IncludeCompany=1"},
        {cellsAt(39, {{0, "\"Lu\""}, {5, "\"Golf,Friends\""}, {27, "\"12 Oak Lane, Apt 4\""}}),
         "FirstName=Lu Street1=12 Oak Lane Apt 4 Category=Golf Friends IncludeCompany=1"},
        // A short line fills what it has (nothing past its end is read).
        {QStringLiteral("Lu,,Ng,,lu@example.com"), "FirstName=Lu LastName=Ng Email=lu@example.com IncludeCompany=1"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(readLine(kYahooHeader, row.line), row.fields) << row.line.toStdString();
}

TEST(CsvLayoutWebMail, LinesAndTheirFields)
{
    const auto line = [](std::initializer_list<std::pair<int, const char*>> cells) { return cellsAt(28, cells); };
    const struct {
        QString line;
        std::string fields;
    } rows[] = {
        {line({{0, "Ann"}, {1, "Marie"}, {2, "Lee"}, {8, "7/4/1976"}, {13, "notes"}, {14, "ann@example.com"},
               {18, "+1 (555) 123-4567"}, {20, "(555)987-6543"}, {24, "12 Main St"}}),
         "FirstName=Ann MiddleInitial=M LastName=Lee HomePhone=1 555 123-4567 CellPhone=555987-6543 "
         "Email=ann@example.com Birthdate=19760704 IncludeCompany=1"},
        {line({{0, "Bo"}, {2, "Ng"}, {8, "02/30/1980"}, {14, "bo@example.com"}, {18, "5551234"}}),
         "FirstName=Bo LastName=Ng Email=bo@example.com Birthdate=19800230 IncludeCompany=1"},
        {line({{0, "Cy"}, {14, "cy@example.com"}}), "skipped"}, // no last name
        {line({{0, "Di"}, {2, "Ott"}}), "skipped"},             // no e-mail
        {QStringLiteral("Ed,,Fox"), "skipped"},                 // cell 14 missing counts as empty
    };
    for (const auto& row : rows)
        EXPECT_EQ(readLine(kWebMailHeader, row.line), row.fields) << row.line.toStdString();

    // A quoted header is read as cells, so its names match.
    QStringList quoted;
    for (const QString& cell : kWebMailHeader.split(u','))
        quoted << u'"' + cell + u'"';
    EXPECT_EQ(readLine(quoted.join(u','), line({{0, "Fay"}, {2, "Lee"}, {14, "fay@example.com"}})),
              "FirstName=Fay LastName=Lee Email=fay@example.com IncludeCompany=1");
}

TEST(CsvLayoutAddressBook, LinesAndTheirFields)
{
    const QString header = QStringLiteral("Title,First Name,Last Name,Name,E-mail Address,Home Street,Home City");
    const struct {
        QString header;
        QString line;
        std::string fields;
    } rows[] = {
        {header, QStringLiteral("Ann,Lee,Ann Lee,ann@example.com,12 Main St,Springfield"),
         "FirstName=Ann LastName=Lee Email=ann@example.com IncludeCompany=1"},
        {header, QStringLiteral("Ann,Lee,Ann Lee,ann@example.co.uk"), "skipped"},
        {header, QStringLiteral(",Lee,Lee,lee@example.com"), "skipped"},
        {header, QStringLiteral("Ann,,Ann,ann@example.com"), "skipped"},
        {header, QStringLiteral("x,Name,E-mail Address,a@b.com"), "skipped"},
        // The cut is after the e-mail address's own domain, not inside "company".
        {header, QStringLiteral("Bo,Ng,Bo Ng,bo@mail.company.com,Home"),
         "FirstName=Bo LastName=Ng Email=bo@mail.company.com IncludeCompany=1"},
        // A later domain of the list moves the cut; the e-mail column still decides.
        {header, QStringLiteral("Cy,Ott,Cy Ott,cy@example.net,cy@example.org"),
         "FirstName=Cy LastName=Ott Email=cy@example.net IncludeCompany=1"},
        // Three header cells: the e-mail comes from cell 2 and from the last cell.
        {QStringLiteral("Title,First Name,Last Name,E-mail Address"), QStringLiteral("Di,Fox,di@example.edu"),
         "FirstName=Di LastName=Fox Email=di@example.edu IncludeCompany=1"},
        {QStringLiteral("Title,First Name,Last Name,Middle Name,E-mail Address"), QStringLiteral("Ed,Gray,quinn,ed@example.gov"),
         "FirstName=Ed MiddleInitial=q LastName=Gray Email=ed@example.gov IncludeCompany=1"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(readLine(row.header, row.line), row.fields) << row.line.toStdString();
}

TEST(CsvLayoutAddressBook, HeaderWithoutFirstNameIsAnInvalidCall)
{
    auto reader = CsvLineReader::forLayout(CsvLayout::AddressBook);
    try {
        reader->readHeader(splitCsvRecords(QStringLiteral("Name,E-mail Address")).front());
        FAIL() << "no error";
    } catch (const AppError& error) {
        EXPECT_EQ(error.number(), 5);
        EXPECT_EQ(error.description(), "Invalid procedure call or argument");
    }
}

TEST(CsvLayoutOwnExport, LinesAndTheirFields)
{
    const struct {
        QString line;
        std::string fields;
    } rows[] = {
        {QStringLiteral("Ann,M,Lee,12 Main St,Apt 4,Springfield,il,62701,USA,Acme,1,555-1111,555-2222,555-3333,"
                        "ann@example.com,07-04-1976,Golf;Friends,Likes tea"),
         "FirstName=Ann MiddleInitial=M LastName=Lee Street1=12 Main St Street2=Apt 4 City=Springfield State=IL "
         "Zip=62701 Country=USA HomePhone=555-1111 CellPhone=555-2222 WorkPhone=555-3333 Email=ann@example.com "
         "Birthdate=19760704 Category=Golf;Friends Notes=Likes tea Company=Acme IncludeCompany=1"},
        // One-digit month and day padded; every value the windows store comes back as it went.
        {QStringLiteral("Bo,,Ng,,,,,,,,0,555-CALL,5551234,n/a,,7-4-1976,,"),
         "FirstName=Bo LastName=Ng HomePhone=555-CALL CellPhone=5551234 WorkPhone=n/a Birthdate=19760704 "
         "IncludeCompany=0"},
        {QStringLiteral("Cy,,Ott,,,,,,,,,,,,,13-01-1980,,"), "FirstName=Cy LastName=Ott Birthdate=19801301"},
        {QStringLiteral("Di,,Fox,,,29 Palms,C1,K1A 0B1,U#S,,,,,,,1-2-3456,,"),
         "FirstName=Di LastName=Fox City=29 Palms State=C1 Zip=K1A 0B1 Country=U#S"},
        // Quotes as RFC 4180 has them: a quote inside a plain cell is a character.
        {QStringLiteral("Fay,,Lee,,,,,,,,,,,,,ab-cd-efgh,,\"Says \"\"hi\"\", loud\""),
         "FirstName=Fay LastName=Lee Birthdate=efghabcd Notes=Says \"hi\"  loud"},
        {QStringLiteral("Gus,,Ng,,,,,,,,,,,,,,,5\" disk"), "FirstName=Gus LastName=Ng Notes=5\" disk"},
        {kOwnHeader, "skipped"},
        {QStringLiteral("\"Ed\",,\"Gray\""), "FirstName=Ed LastName=Gray"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(readLine(kOwnHeader, row.line), row.fields) << row.line.toStdString();
}

TEST(CsvLayoutGeneric, LinesAndTheirFields)
{
    const QString wide = QStringLiteral("First Name,Last Name,Title,Company,Phone,Fax,Mobile,Email,Notes");
    const struct {
        QString header;
        QString line;
        std::string fields;
    } rows[] = {
        {wide, QStringLiteral("Ann,Lee,Dr,Acme,555-1,555-2,555-3,ann@example.com,a note"),
         "FirstName=Ann LastName=Lee Email=ann@example.com IncludeCompany=1"},
        {wide, QStringLiteral("Ann,Lee,Dr,Acme,555-1,555-2,555-3,ann@example.de,a note"), "skipped"},
        {wide, QStringLiteral("Bo,,,,,,,bo@example.com"), "skipped"},
        {wide, QStringLiteral(",Ng,,,,,,ng@example.com"), "skipped"},
        {wide, QStringLiteral("Name,Ng,,,,,,ng@example.com"), "skipped"},
        {wide, QStringLiteral("First,Ng,,,,,,ng@example.com"), "skipped"},
        // Once an index error; now the map reads the cells there are.
        {QStringLiteral("First Name,Last Name,Email,Phone"), QStringLiteral("Cy,Ott,cy@example.com,555-1234"),
         "FirstName=Cy LastName=Ott Email=cy@example.com IncludeCompany=1"},
        {QStringLiteral("Last Name,First Name,MI,E-mail Address,x"), QStringLiteral("Fox,Di,q,di@example.org"),
         "FirstName=Di MiddleInitial=q LastName=Fox Email=di@example.org IncludeCompany=1"},
        {QStringLiteral("\"First Name\",\"Last\",\"Middle\",\"E-mail\",\"x\""),
         QStringLiteral("\"Ed\",\"Gray\",\"quinn\",\"ed@example.mil\""),
         "FirstName=Ed MiddleInitial=q LastName=Gray Email=ed@example.mil IncludeCompany=1"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(readLine(row.header, row.line), row.fields) << row.line.toStdString();

    // The header is cut after the e-mail column's name.
    EXPECT_EQ(readLines(QStringLiteral("First Name,Last Name,Email\r\nAnn,Lee,ann@example.com\r\n")),
              std::vector<std::string>{"no import"});
}

TEST(CsvBirthdate, RulesForThePositionalLayouts)
{
    const struct {
        const char* value;
        char separator;
        bool range;
        const char* result; // after the century test
    } rows[] = {
        {"7/4/1976", '/', true, "19760704"},   {"07/4/1976", '/', true, "19760704"},
        {"7/04/1976", '/', true, "19760704"},  {"12/25/1980", '/', true, "19801225"},
        {"13/01/1980", '/', true, ""},         {"01/32/1980", '/', true, ""},
        {"1/2/3456", '/', true, ""},           {"", '/', true, ""},
        {"07-04-1976", '-', false, "19760704"}, {"7-4-1976", '-', false, "19760704"},
        {"13-01-1980", '-', false, "19801301"}, {"ab-cd-efgh", '-', false, ""},
        {"7/4/1976", '-', false, ""}, // the rules would leave "19767//1"
    };
    for (const auto& row : rows)
        EXPECT_EQ(centuryTest(birthdateByRules(QString::fromLatin1(row.value), QChar(row.separator), row.range)),
                  QString::fromLatin1(row.result))
            << row.value;
}

TEST(CsvBirthdate, MailProgramForms)
{
    const struct {
        const char* text;
        const char* stored;
    } rows[] = {
        {"1976-07-04", "19760704"}, {"1976-7-4", "19760704"}, {"7/4/1976", "19760704"}, {"07/04/1976", "19760704"},
        {"0/0/00", ""}, {"--07-04", ""}, {"2/30/1980", ""}, {"1899-12-31", ""}, {"7/4/76", ""}, {"", ""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(birthdateFromText(QString::fromLatin1(row.text)), QString::fromLatin1(row.stored)) << row.text;
    EXPECT_EQ(birthdateFromParts("1976", "7", "4"), "19760704");
    EXPECT_EQ(birthdateFromParts("", "7", "4"), "");
    EXPECT_EQ(birthdateFromParts("2001", "2", "29"), "");
}

TEST(CsvDuplicates, EmailOrContainedNames)
{
    Contact ann;
    ann.FirstName = QStringLiteral("Ann        ");
    ann.LastName = QStringLiteral("Lee             ");
    ann.Email = QStringLiteral("ann@example.com");
    Contact robert;
    robert.FirstName = QStringLiteral("Robert");
    robert.LastName = QStringLiteral("Johnson");
    robert.Email = QString(50, u' ');
    const DuplicateIndex index({ann, robert});

    const struct {
        const char* first;
        const char* last;
        const char* email;
        bool duplicate;
    } rows[] = {
        {"Zed", "Zed", "ann@example.com", true},     // same e-mail
        {"Zed", "Zed", "  ann@example.com ", true},  // trimmed
        {"Zed", "Zed", "", true},                    // two empty e-mails are equal
        {"Ann", "Lee", "other@example.com", true},   // same names
        {"Rob", "John", "rob@example.com", true},    // contained in the record's names
        {"rob", "johnson", "rob@example.com", false}, // exact case
        {"Anna", "Lee", "anna@example.com", false},
        {"", "Lee", "x@example.com", true},          // an empty name is contained in every name
        {"", "", "x@example.com", false},            // but two empty names match no one
        {"", "", "ann@example.com", true},           // while the e-mail still does
        {"Bob", "Smith", "bob@example.com", false},
        {"Ann", "Zed", "ANN@example.com", false},
    };
    for (const auto& row : rows) {
        Contact w;
        w.FirstName = QString::fromLatin1(row.first);
        w.LastName = QString::fromLatin1(row.last);
        w.Email = QString::fromLatin1(row.email);
        EXPECT_EQ(index.matches(w), row.duplicate) << row.first << " " << row.last << " " << row.email;
    }
    EXPECT_FALSE(DuplicateIndex({}).matches(Contact()));
}
