#include "ContactTestSupport.h"
#include "contacts/ContactList.h"
#include "support/FakePlatform.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace ContactList;
using enum ContactList::SearchMode;
using enum ContactList::SortOrder;

namespace {

// A record as the file gives it back: every field padded to its width.
Contact asRead(Contact c)
{
    return Contact::fromRecord(c.toRecord());
}

Contact person(const QString& first, const QString& middle, const QString& last, const QString& home = QString(),
               const QString& cell = QString())
{
    Contact c = Contact::blank();
    c.FirstName = first;
    c.MiddleInitial = middle;
    c.LastName = last;
    c.City = QStringLiteral("Springfield");
    c.State = QStringLiteral("IL");
    c.Zip = QStringLiteral("62701");
    c.HomePhone = home;
    c.CellPhone = cell;
    c.Email = QStringLiteral("js@example.com");
    return asRead(c);
}

const QString kTail = QStringLiteral("\tSpringfield     \tIL\t62701     \t");
const QString kBlankPhone(22, u' ');
const QString kEmail = QStringLiteral("js@example.com") + QString(36, u' ');

} // namespace

TEST(ContactList, LinesShowTheNameThenPaddedColumnsSeparatedBySixTabs)
{
    const Contact blank = asRead(Contact::blank());
    // Every shown field at its full width: the longest line there is.
    Contact full = Contact::blank();
    full.FirstName = QStringLiteral("Maximiliana");
    full.MiddleInitial = QStringLiteral("Q");
    full.LastName = QStringLiteral("Wolfeschlegelste");
    full.City = QStringLiteral("Rancho Cucamonga");
    full.State = QStringLiteral("CA");
    full.Zip = QStringLiteral("91730-1234");
    full.HomePhone = QStringLiteral("909-555-0101 x9");
    full.CellPhone = QStringLiteral("909-555-0199 x8");
    full.Email = QString(38, u'm') + QStringLiteral("@example.com");
    full = asRead(full);
    const QString fullTail = QStringLiteral("\tRancho Cucamonga\tCA\t91730-1234\t909-555-0101 x9\t909-555-0199 x8\t")
                             + full.Email;
    const struct {
        Contact record;
        SortOrder sortOrder;
        QString expected;
    } cases[] = {
        {person("John", "M", "Smith", "217-555-0101", "(217) 555-0199"), ByFirstName,
         "John M. Smith" + kTail + "217-555-0101   \t" + kBlankPhone + "\t" + kEmail},
        {person("John", "m", "Smith"), ByFirstName, "John Smith" + kTail + kBlankPhone + "\t" + kBlankPhone + "\t" + kEmail},
        {person("John", "M", "Smith"), ByLastName, "Smith, John M. " + kTail + kBlankPhone + "\t" + kBlankPhone + "\t" + kEmail},
        {person("John", " ", "Smith", "(217) 555-0101", "5550199"), ByLastName,
         "Smith, John " + kTail + kBlankPhone + "\t5550199        \t" + kEmail},
        {person("Ann", "7", "Lee", "0", "-5"), ByFirstName, "Ann Lee" + kTail + kBlankPhone + "\t" + kBlankPhone + "\t" + kEmail},
        {full, ByFirstName, "Maximiliana Q. Wolfeschlegelste" + fullTail},
        {full, ByLastName, "Wolfeschlegelste, Maximiliana Q. " + fullTail},
        {blank, ByFirstName,
         " \t" + QString(16, u' ') + "\t  \t" + QString(10, u' ') + "\t" + kBlankPhone + "\t" + kBlankPhone + "\t"
             + QString(50, u' ')},
        {blank, ByLastName,
         ",  \t" + QString(16, u' ') + "\t  \t" + QString(10, u' ') + "\t" + kBlankPhone + "\t" + kBlankPhone + "\t"
             + QString(50, u' ')},
    };
    for (const auto& c : cases) {
        const QString line = listLine(c.record, c.sortOrder);
        EXPECT_EQ(line, c.expected) << line.toStdString();
        EXPECT_EQ(line.count(u'\t'), 6);
    }
}

TEST(ContactList, ASpokenLineNamesEachShownValueByItsColumn)
{
    const struct {
        QString line;
        QString spoken;
    } cases[] = {
        {listLine(person("John", "M", "Smith", "(217) 555-0101", "555-4444"), ByLastName),
         "Name: Smith, John M., City: Springfield, State: IL, Zip: 62701, Cell: 555-4444, Email: js@example.com"},
        {listLine(asRead(Contact::blank()), ByLastName), ""},
        {"pasted", "pasted"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(spokenLine(c.line).toStdString(), c.spoken.toStdString());
}

TEST(ContactList, HeadingIsTheColumnTitlesInOneHundredTwentyTwoCharacters)
{
    EXPECT_EQ(heading(), QStringLiteral("Name                               City               ST     Zip         Home    "
                                        "     Cell                   Email Address"));
    EXPECT_EQ(heading().size(), 122);
}

TEST(ContactList, MatchingIgnoresCaseExceptForZipAndTrimsOnlyTheField)
{
    const struct {
        SearchMode mode;
        QString field; // the value stored in the searched field
        QString search;
        bool matches;
    } cases[] = {
        {LastName, "Smith", "smi", true},
        {LastName, "SMITHERS", "smi", true},
        {LastName, "Goldsmith", "smi", true},
        {LastName, "Jones", "smi", false},
        {Zip, "A1B 2C3", "a1b", false},
        {Zip, "A1B 2C3", "A1B", true},
        {Zip, "A1B 2C3", "B 2", true},
        {City, "Springfield", "", true},
        {City, "", "", false},
        {City, "   ", "", false},
        {Category, "Friends;Work", "ds;Wo", true},
        {Category, "Friends;Work", "DS;WO", true},
        {Category, "Friends;Work", "ds; Wo", false},
        {FirstName, "Mary Ann", "Mary ", true},
        {FirstName, "Mary", "Mary ", false},
        {FirstName, "  Mary", "Mary", true},
        {State, "IL", "il", true},
        {Email, "JS@Example.com", "example", true},
        {Company, "Acme Tools", "tools", true},
        {Company, "Acme Tools", "Acme  Tools", false},
        {All, "", "anything", true},
    };
    for (const auto& c : cases) {
        Contact record = Contact::blank();
        switch (c.mode) {
        case FirstName: record.FirstName = c.field; break;
        case LastName: record.LastName = c.field; break;
        case City: record.City = c.field; break;
        case State: record.State = c.field; break;
        case Zip: record.Zip = c.field; break;
        case Email: record.Email = c.field; break;
        case Category: record.Category = c.field; break;
        case Company: record.Company = c.field; break;
        default: break;
        }
        EXPECT_EQ(matches(asRead(record), c.mode, c.search), c.matches)
            << int(c.mode) << " '" << c.field.toStdString() << "' / '" << c.search.toStdString() << "'";
    }
}

TEST(ContactList, ListingSortsWholeLinesIgnoringCaseAndKeepsRecordNumbers)
{
    const QVector<Contact> records{
        person("bob", "", "Young"),  person("ALAN", "", "Zed"), person("alice", "", "Abbot"),
        asRead(Contact::blank()),    person("Bob", "A", "Baker"),
    };
    const auto texts = [](const std::vector<ListLine>& lines) {
        QStringList names;
        for (const ListLine& l : lines)
            names << l.text.section(u'\t', 0, 0) + QStringLiteral("#") + QString::number(l.record);
        return names;
    };
    EXPECT_EQ(texts(listRecords(records, {All, {}, ByFirstName})),
              (QStringList{" #4", "ALAN Zed#2", "alice Abbot#3", "Bob A. Baker#5", "bob Young#1"}));
    EXPECT_EQ(texts(listRecords(records, {All, {}, ByLastName})),
              (QStringList{",  #4", "Abbot, alice #3", "Baker, Bob A. #5", "Young, bob #1", "Zed, ALAN #2"}));
    EXPECT_EQ(texts(listRecords(records, {FirstName, "b", ByFirstName})),
              (QStringList{"Bob A. Baker#5", "bob Young#1"}));
}

TEST(ContactList, CopyPutsCrLfBeforeEachSelectedLineAndPasteSplitsItBack)
{
    const QStringList lines{"Ann Lee\tX", "Bob Ray\tY", "Cy Orr\tZ"};
    const QString copied = clipboardText(lines, {0, 2});
    EXPECT_EQ(copied, QStringLiteral("\r\nAnn Lee\tX\r\nCy Orr\tZ"));
    EXPECT_EQ(clipboardText(lines, {}), QString());
    EXPECT_EQ(pastedLines(copied), (QStringList{"", "Ann Lee\tX", "Cy Orr\tZ"})) << "three lines, the first empty";
    EXPECT_EQ(pastedLines(QStringLiteral("one")), QStringList{"one"});
    EXPECT_EQ(pastedLines(QStringLiteral("a\r\n")), (QStringList{"a", ""}));
    EXPECT_EQ(pastedLines(QStringLiteral("a\nb")), QStringList{"a\nb"}) << "only CR LF splits";

    const QStringList sorted{"alan", "Bob", "bob", "Cy"};
    EXPECT_EQ(sortedPosition(sorted, ""), 0);
    EXPECT_EQ(sortedPosition(sorted, "BOB"), 3) << "after the lines equal to it";
    EXPECT_EQ(sortedPosition(sorted, "carl"), 3);
    EXPECT_EQ(sortedPosition(sorted, "zed"), 4);
}

TEST(ContactList, GetReportCountsMatchesAndSaysWhenThereAreNone)
{
    QTemporaryDir dir;
    ContactSession session;
    session.txtFileNam = QDir(dir.path()).filePath("c.DAT");
    session.file.open(session.txtFileNam);

    FakePlatform platform;
    ListingResult empty = getReport(platform, session, {City, "", ByFirstName});
    EXPECT_EQ(empty.outcome, ListingResult::NoneFound);
    EXPECT_EQ(empty.totalCaption, QStringLiteral("Contacts Found = 0"));
    EXPECT_EQ(empty.searchDisplay, QStringLiteral(" = ")) << "no label without a match";
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, QStringLiteral("No contacts found."));
    EXPECT_EQ(platform.messages[0].title, QStringLiteral("Contact file empty."));
    EXPECT_EQ(platform.messages[0].buttons, MessageButtons::Ok);

    Contact noCity = testing_contacts::makeContact("Zoe", "Null");
    noCity.City = QString();
    session.file.append(testing_contacts::makeContact("Al", "Smith"));
    session.file.append(noCity);
    session.file.append(testing_contacts::makeContact("Bea", "Goldsmith"));
    platform.messages.clear();
    ListingResult cities = getReport(platform, session, {City, "", ByFirstName});
    EXPECT_EQ(cities.outcome, ListingResult::Listed);
    EXPECT_EQ(cities.totalCaption, QStringLiteral("Contacts Found = 2"));
    EXPECT_TRUE(cities.searchDisplayVisible);
    EXPECT_EQ(cities.searchDisplay, QStringLiteral("City = "));
    ASSERT_EQ(cities.lines.size(), 2u);
    EXPECT_EQ(cities.lines[0].record, 1);
    EXPECT_EQ(cities.lines[1].record, 3);
    EXPECT_TRUE(platform.messages.empty());

    ListingResult all = getReport(platform, session, {All, "", ByLastName});
    EXPECT_FALSE(all.searchDisplayVisible);
    EXPECT_EQ(all.lines.size(), 3u);
}

TEST(ContactList, FailuresAskRetryOrCancelAndOpeningSetsTheCurrentRecord)
{
    QTemporaryDir dir;
    ContactSession session;
    session.txtFileNam = QDir(dir.path()).filePath("c.DAT");
    FakePlatform platform;
    platform.messageAnswers = {MessageAnswer::Retry, MessageAnswer::Cancel};
    EXPECT_EQ(getReport(platform, session, {}).outcome, ListingResult::Retry) << "no file open";
    EXPECT_EQ(getReport(platform, session, {}).outcome, ListingResult::Cancel);
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_TRUE(platform.messages[0].text.startsWith(QStringLiteral("An error has occurred. Error number 52")));
    EXPECT_EQ(platform.messages[0].buttons, MessageButtons::RetryCancel);

    testing_contacts::writeContacts(session.txtFileNam, 3);
    session.file.open(session.txtFileNam);
    platform.messages.clear();
    const QString second = listLine(session.file.read(2), ByLastName);
    OpenedContact opened = openListedContact(platform, session, 2, second);
    EXPECT_EQ(opened.outcome, OpenedContact::Opened);
    EXPECT_EQ(opened.record.FirstName.trimmed(), QStringLiteral("Name2"));
    EXPECT_EQ(session.CurrentRecord, 2);
    EXPECT_TRUE(session.file.isOpen());

    OpenedContact pasted = openListedContact(platform, session, 0, QStringLiteral("pasted"));
    EXPECT_EQ(pasted.outcome, OpenedContact::Retry);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_TRUE(platform.messages[0].text.contains(QStringLiteral("Error number 63 -- Bad record number")));
    EXPECT_EQ(session.CurrentRecord, 2) << "a failed opening leaves the current record";

    // A stale line (its record number now names someone else) opens nobody.
    OpenedContact stale = openListedContact(platform, session, 3, second);
    EXPECT_EQ(stale.outcome, OpenedContact::Retry);
    EXPECT_EQ(platform.messages.back().title, QStringLiteral("Contact not found"));
    EXPECT_EQ(session.CurrentRecord, 2);
}
