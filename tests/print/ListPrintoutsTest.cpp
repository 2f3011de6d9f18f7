#include "ListFixture.h"
#include "contacts/ContactFile.h"
#include "contacts/ContactList.h"
#include "print/ContactReport.h"
#include "print/LinePrinter.h"
#include "print/ListLabels.h"
#include "support/FakePlatform.h"

#include <QDir>
#include <QTemporaryDir>
#include "support/Transcript.h"

#include <gtest/gtest.h>

namespace {


const QStringList kHeadingRuns{"1:6:2:10:Name", "1:6:30:10:City",  "1:6:48:10:ST",           "1:6:52:10:Zip",
                               "1:6:64:10:Home", "1:6:78:10:Cell", "1:6:92:10:Email Address"};

} // namespace

TEST(ContactReport, PageEstimateRoundsHalvesToEven)
{
    const struct {
        int lines, pages;
    } cases[] = {{0, 1}, {27, 2}, {81, 2}, {100, 3}, {53, 2}, {108, 3}, {135, 4}};
    for (const auto& c : cases) {
        EXPECT_EQ(reportPageEstimate(c.lines), c.pages) << c.lines;
        FakePlatform platform;
        platform.printAnswers.push_back({.cancel = true});
        printContactReport(platform, {QStringList(c.lines, QStringLiteral("x"))});
        ASSERT_EQ(platform.printRequests.size(), 1u);
        EXPECT_TRUE(platform.printRequests[0].offerPageRange);
        EXPECT_EQ(platform.printRequests[0].minPage, 1);
        EXPECT_EQ(platform.printRequests[0].maxPage, c.pages) << c.lines;
        EXPECT_TRUE(platform.messages.empty()) << "a cancelled dialog shows nothing";
        EXPECT_TRUE(platform.allDocuments().empty());
    }
}

TEST(ContactReport, PrintsTitleFileHeadingAndEachLinesPartsAtTheirColumns)
{
    Contact john = addressee(1);
    john.HomePhone = QStringLiteral("(937) 555-0100");
    john.CellPhone = QStringLiteral("937-555-0199");
    john.Email = QStringLiteral("john@example.com");
    john = Contact::fromRecord(john.toRecord());
    const QString longName = QString(29, u'n'); // the name part ends past column 30
    const QStringList lines{
        ContactList::listLine(john, ContactList::SortOrder::ByFirstName),
        QString(28, u'm') + QStringLiteral("\tFits"),
        longName + QStringLiteral("\tPushed"),
        QStringLiteral("   pasted without tabs  "),
        QStringLiteral("stops\t\tafter the empty part"),
        // What would pass the paper's edge goes on under its own column.
        QStringLiteral("Bart\tReno\tNV\t89501\t1\t2\tbartholomew.featherstonehaugh@averyverylongname.com"),
        QStringLiteral("abcde ").repeated(22),
    };
    FakePlatform platform;
    platform.printAnswers.push_back({.copies = 2});
    EXPECT_EQ(printContactReport(platform, {lines, {}, {}, false, QStringLiteral("Friends")}), PrintOutcome::Printed);
    EXPECT_FALSE(platform.printRequests.at(0).offerSelection) << "nothing is selected";

    const auto documents = platform.allDocuments();
    ASSERT_EQ(documents.size(), 2u) << "each copy is a document";
    QStringList expected{"1:2:18:24:Tessaprint", "1:4:48:10:File: Friends"};
    expected << kHeadingRuns;
    expected << "1:7:2:10:First1 Q. Last1" << "1:7:30:10:Dayton" << "1:7:48:10:OH" << "1:7:52:10:45402"
             << "1:7:78:10:937-555-0199" << "1:7:92:10:john@example.com";
    expected << "1:8:2:10:" + QString(28, u'm') << "1:8:30:10:Fits";
    expected << "1:9:2:10:" + longName << "1:10:30:10:Pushed";
    expected << "1:11:2:10:pasted without tabs";
    expected << "1:12:2:10:stops";
    expected << "1:13:2:10:Bart" << "1:13:30:10:Reno" << "1:13:48:10:NV" << "1:13:52:10:89501" << "1:13:64:10:1"
             << "1:13:78:10:2" << "1:13:92:10:bartholomew.featherstonehaugh@avery" << "1:14:92:10:verylongname.com";
    expected << "1:15:2:10:" + QStringLiteral("abcde ").repeated(20) + "abcde" << "1:16:2:10:abcde";
    for (const FakeDocument& document : documents) {
        EXPECT_EQ(transcript(document, EmptyRuns::Skip), expected);
        EXPECT_EQ(document.orientation, Orientation::Landscape);
        EXPECT_EQ(document.pages, 1) << "the closing new page leaves no blank page";
        EXPECT_TRUE(document.ended);
    }
    // The part after an empty one is not printed, and the blank home phone prints nothing.
    const auto& runs = documents[0].runs;
    const auto home = std::find_if(runs.begin(), runs.end(), [](const PlacedText& r) { return r.line == 7 && r.column == 64; });
    ASSERT_NE(home, runs.end());
    EXPECT_EQ(home->text, QString());
}

TEST(ContactReport, EmptyListPrintsTheHeaderOnOneLandscapePage)
{
    FakePlatform platform;
    printContactReport(platform, {{}, {}, {}, false, QStringLiteral("Club")});
    const auto documents = platform.allDocuments();
    ASSERT_EQ(documents.size(), 1u);
    QStringList expected{"1:2:18:24:Tessaprint", "1:4:48:10:File: Club"};
    expected << kHeadingRuns;
    EXPECT_EQ(transcript(documents[0], EmptyRuns::Skip), expected);
    EXPECT_EQ(documents[0].pages, 1);
    EXPECT_EQ(documents[0].orientation, Orientation::Landscape);
}

TEST(ContactReport, SelectionPrintsTheSelectedLinesOrTheHeadingTextOnce)
{
    const QStringList lines{QStringLiteral("Ann\tA"), QStringLiteral("Bob\tB"), QStringLiteral("Cy\tC")};
    {
        FakePlatform platform;
        platform.printAnswers.push_back({.copies = 3, .selection = true});
        printContactReport(platform, {lines, {0, 2}, {}, false, QStringLiteral("F")});
        EXPECT_TRUE(platform.printRequests.at(0).offerSelection);
        const auto documents = platform.allDocuments();
        ASSERT_EQ(documents.size(), 1u) << "one copy whatever the count";
        QStringList heading = kHeadingRuns;
        for (QString& run : heading)
            run.replace(QStringLiteral("1:6:"), QStringLiteral("1:1:"));
        // As the report prints its lines: each part under its heading, on landscape paper.
        EXPECT_EQ(transcript(documents[0], EmptyRuns::Skip),
                  heading + QStringList({"1:3:2:10:Ann", "1:3:30:10:A", "1:4:2:10:Cy", "1:4:30:10:C"}));
        for (const PlacedText& run : documents[0].runs)
            EXPECT_EQ(run.font.name, QStringLiteral("Courier New"));
        EXPECT_EQ(documents[0].orientation, Orientation::Landscape);
        EXPECT_EQ(documents[0].pages, 1);
    }
    {
        FakePlatform platform;
        platform.printAnswers.push_back({.selection = true});
        printContactReport(platform, {lines, {}, QStringLiteral("City   ST"), true, QStringLiteral("F")});
        EXPECT_TRUE(platform.printRequests.at(0).offerSelection) << "heading text is selected";
        const auto documents = platform.allDocuments();
        ASSERT_EQ(documents.size(), 1u);
        EXPECT_EQ(transcript(documents[0], EmptyRuns::Skip), QStringList{"1:2:1:10:City   ST"});
        EXPECT_EQ(documents[0].runs.at(0).font.name, QStringLiteral("Courier New"));
    }
}

TEST(ContactReport, ALineOfEightPartsAbandonsTheReportWithThePrinterMessage)
{
    FakePlatform platform;
    platform.printAnswers.push_back({.copies = 2});
    const QStringList lines{QStringLiteral("a\tb\tc\td\te\tf\tg"), QStringLiteral("1\t2\t3\t4\t5\t6\t7\t8")};
    EXPECT_EQ(printContactReport(platform, {lines, {}, {}, false, QStringLiteral("F")}), PrintOutcome::Failed);
    const auto documents = platform.allDocuments();
    ASSERT_EQ(documents.size(), 1u) << "the second copy is dropped";
    EXPECT_TRUE(documents[0].abandoned);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, QStringLiteral("A printer problem exists.  Check printer."));
    EXPECT_EQ(platform.messages[0].title, QStringLiteral("Printer error"));
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Exclamation);
}

TEST(ListLabels, FourContactsPrintAFullRowThenTheFourthAlone)
{
    Book b = book(4);
    b.records[3] = addressee(4, QStringLiteral("Acme"), QStringLiteral("1"));
    FakePlatform platform;
    EXPECT_EQ(printListLabels(platform, b.numbers(), b.reader()), PrintOutcome::Printed);
    const auto documents = platform.allDocuments();
    ASSERT_EQ(documents.size(), 1u);
    EXPECT_EQ(transcript(documents[0], EmptyRuns::Skip),
              (QStringList{"1:5:2:10:First1 Q Last1", "1:5:35:10:First2 Last2", "1:5:67:10:First3 Q Last3",
                           "1:6:2:10:1 Elm St ", "1:6:35:10:2 Elm St ", "1:6:67:10:3 Elm St Apt 3",
                           "1:7:2:10:Dayton, OH  45402", "1:7:35:10:Dayton, OH  45402", "1:7:67:10:Dayton, OH  45402",
                           // a last row puts the company above the name
                           "1:12:2:10:Acme", "1:13:2:10:First4 Last4", "1:14:2:10:4 Elm St ",
                           "1:15:2:10:Dayton, OH  45402"}));
    EXPECT_EQ(documents[0].orientation, Orientation::Portrait);
    EXPECT_EQ(documents[0].pages, 1);
    // Three lines of 10 points, one of 11 and three of 9 between the rows.
    EXPECT_NEAR(documents[0].runs.at(9).y - documents[0].runs.at(0).y, (3 * 10 + 11 + 3 * 9) * LinePrinter::kLinePitch,
                1e-9);
    EXPECT_NEAR(documents[0].runs.at(0).y, 4 * 10 * LinePrinter::kLinePitch, 1e-9);
}

TEST(ListLabels, CompanyLinesShowOnlyWhenIncludedAndSpaceTheRowAtNinePoints)
{
    Book b = book(6);
    b.records[0] = addressee(1, QStringLiteral("Hidden Co"), QStringLiteral("0"));
    b.records[1] = addressee(2, QString(), QStringLiteral("1"));
    b.records[2] = addressee(3, QStringLiteral("Third Co"), QStringLiteral("1"));
    FakePlatform platform;
    printListLabels(platform, b.numbers(), b.reader());
    const QStringList runs = transcript(platform.allDocuments().at(0), EmptyRuns::Skip);
    ASSERT_EQ(runs.size(), 10u + 9u);
    EXPECT_EQ(runs.mid(0, 10),
              (QStringList{"1:5:2:10:First1 Q Last1", "1:5:35:10:First2 Last2", "1:5:67:10:First3 Q Last3",
                           "1:6:2:10:1 Elm St ", "1:6:35:10:2 Elm St ", "1:6:67:10:Third Co",
                           "1:7:2:10:Dayton, OH  45402", "1:7:35:10:Dayton, OH  45402", "1:7:67:10:3 Elm St Apt 3",
                           "1:8:67:10:Dayton, OH  45402"}));
    const auto placed = platform.allDocuments().at(0).runs;
    EXPECT_NEAR(placed.at(10).y - placed.at(0).y, (4 * 10 + 3 * 9) * LinePrinter::kLinePitch, 1e-9);
    EXPECT_EQ(runs.at(10), QStringLiteral("1:12:2:10:First4 Last4")) << "three 9-point lines, then the next row";
}

TEST(ListLabels, ALongStreetPushesTheNextColumnDownALine)
{
    Book b = book(2);
    b.records[0].Street1 = QStringLiteral("12345 North Longwood Boulevard");
    b.records[0].Street2 = QStringLiteral("Suite 1");
    ASSERT_GT(LabelSlot::of(b.records[0]).streetLine().size(), 33);
    FakePlatform platform;
    printListLabels(platform, b.numbers(), b.reader());
    const QStringList runs = transcript(platform.allDocuments().at(0), EmptyRuns::Skip);
    EXPECT_TRUE(runs.contains(QStringLiteral("1:6:2:10:12345 North Longwood Boulevard Suite 1")));
    EXPECT_TRUE(runs.contains(QStringLiteral("1:7:35:10:2 Elm St "))) << runs.join(u'\n').toStdString();
}

TEST(ListLabels, ThirtyOneContactsEndTheSheetAndPutTheLastAloneOnTheNext)
{
    for (int count : {30, 31}) {
        Book b = book(count);
        FakePlatform platform;
        printListLabels(platform, b.numbers(), b.reader());
        const auto documents = platform.allDocuments();
        ASSERT_EQ(documents.size(), 1u);
        const FakeDocument& doc = documents[0];
        EXPECT_EQ(doc.pages, count == 30 ? 1 : 2) << "no blank page after a full sheet";
        int onFirst = 0;
        for (const PlacedText& run : doc.runs)
            onFirst += run.page == 1 && run.text.startsWith(QStringLiteral("First"));
        EXPECT_EQ(onFirst, 30);
        if (count == 31) {
            const QStringList runs = transcript(doc, EmptyRuns::Skip);
            EXPECT_EQ(runs.mid(runs.size() - 3),
                      (QStringList{"2:5:2:10:First31 Q Last31", "2:6:2:10:31 Elm St ", "2:7:2:10:Dayton, OH  45402"}));
            // 40 twips, then four lines of 10 points.
            EXPECT_NEAR(doc.runs[doc.runs.size() - 3].y, 2 + 4 * 10 * LinePrinter::kLinePitch, 1e-9);
        }
    }
}

TEST(ListLabels, CopiesStartAgainAndFailuresAreReported)
{
    {
        Book b = book(4);
        FakePlatform platform;
        platform.printAnswers.push_back({.copies = 2});
        printListLabels(platform, b.numbers(), b.reader());
        const auto documents = platform.allDocuments();
        ASSERT_EQ(documents.size(), 2u);
        EXPECT_EQ(transcript(documents[0], EmptyRuns::Skip), transcript(documents[1], EmptyRuns::Skip));
        EXPECT_EQ(transcript(documents[1], EmptyRuns::Skip).at(0), QStringLiteral("1:5:2:10:First1 Q Last1"));
    }
    {
        FakePlatform platform;
        EXPECT_EQ(printListLabels(platform, {}, {}), PrintOutcome::Cancelled);
        EXPECT_TRUE(platform.printRequests.empty()) << "no dialog for an empty list";
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].text, QStringLiteral("Empty list, no labels to print."));
        EXPECT_EQ(platform.messages[0].title, QStringLiteral("No contacts found"));
    }
    {
        // A pasted line carries record 0, which the file refuses.
        QTemporaryDir dir;
        ContactFile file;
        file.open(QDir(dir.path()).filePath(QStringLiteral("c.DAT")));
        for (int n = 1; n <= 4; ++n)
            file.append(addressee(n));
        FakePlatform platform;
        platform.printAnswers.push_back({.copies = 2});
        EXPECT_EQ(printListLabels(platform, {1, 2, 3, 0}, [&](int n) { return file.read(n); }), PrintOutcome::Failed);
        const auto documents = platform.allDocuments();
        ASSERT_EQ(documents.size(), 1u);
        EXPECT_TRUE(documents[0].abandoned);
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].title, QStringLiteral("Printer error"));
    }
    {
        Book b = book(3);
        FakePlatform platform;
        platform.printAnswers.push_back({.cancel = true});
        EXPECT_EQ(printListLabels(platform, b.numbers(), b.reader()), PrintOutcome::Cancelled);
        EXPECT_TRUE(platform.messages.empty());
    }
}

TEST(ListLabels, LinesThatWillNotFitTheirLabelAreNamedBeforePrinting)
{
    Book b = book(4);
    b.records[2].Street1 = QStringLiteral("12345 North Longwood Boulevard");
    b.records[2].Street2 = QStringLiteral("Suite 100");
    b.records[3].LastName = QStringLiteral("Featherstonehaug");
    b.records[3].FirstName = QStringLiteral("Bartholomew");
    b.records[3].MiddleInitial = QStringLiteral("Q");
    b.records[3].Company = QStringLiteral("Acme");
    b.records[3].IncludeCompany = QStringLiteral("1");
    const QString sentences = QStringLiteral(
        "Some lines will not fit on their labels:\r\n\r\n"
        "Label 3 (First3 Q Last3): line 2 is too long: 31 characters fit on a label.\r\n"
        // A last row puts the company above the name.
        "Label 4 (Bartholomew Q Featherstonehaug): line 2 is too long: 29 characters fit on a label.");
    const struct {
        UnfitLabels unfit;
        MessageAnswer answer;
        MessageButtons buttons;
        QString after;
        PrintOutcome outcome;
    } cases[] = {
        {UnfitLabels::Ask, MessageAnswer::No, MessageButtons::YesNo, "Print the labels anyway?", PrintOutcome::Cancelled},
        {UnfitLabels::Ask, MessageAnswer::Yes, MessageButtons::YesNo, "Print the labels anyway?", PrintOutcome::Printed},
        {UnfitLabels::Warn, MessageAnswer::Ok, MessageButtons::Ok, "They are printed as they are.", PrintOutcome::Printed},
    };
    for (const auto& c : cases) {
        FakePlatform platform;
        platform.messageAnswers = {c.answer};
        EXPECT_EQ(printListLabels(platform, b.numbers(), b.reader(), c.unfit), c.outcome);
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].text.toStdString(), (sentences + "\r\n\r\n" + c.after).toStdString());
        EXPECT_EQ(platform.messages[0].title, QStringLiteral("Labels too long"));
        EXPECT_EQ(platform.messages[0].buttons, c.buttons);
        EXPECT_EQ(platform.allDocuments().size(), c.outcome == PrintOutcome::Printed ? 1u : 0u);
    }
}
