#include "ComposerFixture.h"
#include "print/PrintCommand.h"

#include <gtest/gtest.h>

TEST(LabelPrint, PositionFiveCenteredStartsAtColumn35OnTheTwelfthLine)
{
    FakePlatform platform;
    Composer composer = labelComposer(QStringLiteral("5"), true);
    printComposer(platform, composer);

    const auto documents = platform.allDocuments();
    ASSERT_EQ(documents.size(), 1u);
    const auto& runs = documents[0].runs;
    ASSERT_EQ(runs.size(), 5u);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(runs[i].line, 12 + i);
        EXPECT_EQ(runs[i].column, 35);
        EXPECT_EQ(runs[i].font, (PrintFont{QStringLiteral("Courier New"), 10, false, false}));
        const QString& typed = composer.lines[i];
        // Centred in the 30 columns from 35: the leading spaces, then the line itself.
        EXPECT_EQ(runs[i].text.trimmed(), typed.trimmed());
        const int spaces = runs[i].text.size() - typed.size();
        EXPECT_LE(35 + spaces + typed.size() - 1, 64) << typed.toStdString();
    }
    EXPECT_EQ(runs[4].text, QString(15, u' ')) << "an empty line centred is 15 spaces";
    EXPECT_EQ(runs[2].text, QString(12, u' ') + QStringLiteral("Apt 5B"));
    EXPECT_EQ(documents[0].orientation, Orientation::Portrait);
    EXPECT_TRUE(documents[0].ended);
    EXPECT_EQ(composer.startPosition, QStringLiteral("6"));
    EXPECT_EQ(composer.leftPad, QStringLiteral("68")) << "the boxes end on the next position's margins";
    EXPECT_EQ(composer.topPad, QStringLiteral("10"));
    EXPECT_TRUE(platform.messages.empty());
}

TEST(LabelPrint, CentringCountsHalvesToEven)
{
    const struct {
        int length;
        int spaces;
    } cases[] = {{10, 10}, {11, 10}, {13, 8}, {30, 0}, {0, 15}, {1, 14}, {3, 14}, {40, 0}};
    for (const auto& c : cases) {
        FakePlatform platform;
        Composer composer = labelComposer(QStringLiteral("1"), true);
        composer.lines = {QString(c.length, u'x'), QStringLiteral("y"), QString(), QString(), QString()};
        printComposer(platform, composer);
        const PlacedText first = platform.allDocuments().at(0).runs.at(0); // a copy: allDocuments() is a temporary
        EXPECT_EQ(first.text.size() - c.length, c.spaces) << c.length;
    }
}

TEST(LabelPrint, RangeFourToNinePrintsSixLabelsEachFromTheTop)
{
    FakePlatform platform;
    platform.printAnswers.push_back({.copies = 2});
    Composer composer = labelComposer(QStringLiteral("4-9"));
    composer.leftPad = QStringLiteral("50"); // hand edits do not survive Print
    printComposer(platform, composer);

    const auto documents = platform.allDocuments();
    ASSERT_EQ(documents.size(), 2u) << "each copy is a document";
    for (const FakeDocument& document : documents) {
        EXPECT_TRUE(document.ended);
        EXPECT_EQ(document.pages, 1);
        ASSERT_EQ(document.runs.size(), 30u);
        const int columns[] = {2, 35, 68, 2, 35, 68};
        for (int label = 0; label < 6; ++label) {
            const int expectedFirstLine = label < 3 ? 12 : 18; // rows 2 and 3: pad rows 10 and 16
            for (int line = 0; line < 5; ++line) {
                const PlacedText& run = document.runs[label * 5 + line];
                EXPECT_EQ(run.line, expectedFirstLine + line) << "label " << label + 4;
                EXPECT_EQ(run.column, columns[label]) << "label " << label + 4;
                EXPECT_EQ(run.text, composer.lines[line]);
            }
        }
    }
    EXPECT_EQ(composer.startPosition, QStringLiteral("10"));
    EXPECT_EQ(composer.leftPad, QStringLiteral("2"));
    EXPECT_EQ(composer.topPad, QStringLiteral("23"));
}

TEST(LabelPrint, RefusalsComeBeforeThePrintDialog)
{
    const struct {
        const char* name;
        void (*arrange)(Composer&);
        const char* text;
        const char* title;
    } cases[] = {
        {"no lines", [](Composer& c) { c.lines = {}; }, "No information entered", "Missing Data"},
        {"no medium", [](Composer& c) { c.labelStock = false; }, "Select Label stock or Envelope", "Media Selection"},
        {"envelope without size",
         [](Composer& c) {
             c.labelStock = false;
             c.envelope = true;
             c.envelopeSizeNumber = QStringLiteral("0");
         },
         "Select Envelope size", "Envelope Size"},
        {"no alignment",
         [](Composer& c) {
             c.leftJustified = false;
             c.centered = false;
         },
         "Select Left-Justified or Centered", "Text Alignment"},
    };
    for (const auto& c : cases) {
        FakePlatform platform;
        Composer composer = labelComposer(QStringLiteral("5"));
        c.arrange(composer);
        printComposer(platform, composer);
        ASSERT_EQ(platform.messages.size(), 1u) << c.name;
        EXPECT_EQ(platform.messages[0].text, QString::fromUtf8(c.text)) << c.name;
        EXPECT_EQ(platform.messages[0].title, QString::fromUtf8(c.title)) << c.name;
        EXPECT_EQ(platform.messages[0].icon, MessageIcon::Exclamation) << c.name;
        EXPECT_EQ(platform.beeps, 1) << c.name;
        EXPECT_TRUE(platform.printRequests.empty()) << c.name;
    }
}

TEST(LabelPrint, CancelPrintsNothingAndShowsNothing)
{
    FakePlatform platform;
    platform.printAnswers.push_back({.cancel = true});
    Composer composer = labelComposer(QStringLiteral("1-30"));
    printComposer(platform, composer);
    EXPECT_EQ(platform.printRequests.size(), 1u);
    EXPECT_TRUE(platform.allDocuments().empty());
    EXPECT_TRUE(platform.messages.empty());
}

TEST(LabelPrint, PrinterErrorsAbandonTheDocumentAndDropLaterCopies)
{
    const struct {
        const char* name;
        const char* topPad;
        int failAtDraw;
        bool envelope;
    } cases[] = {
        {"margin beyond 16 bits", "40000", 0, true},
        {"printer fails mid-sheet", "3", 7, false},
    };
    for (const auto& c : cases) {
        FakePlatform platform;
        platform.printAnswers.push_back({.copies = 3, .failAtDraw = c.failAtDraw});
        Composer composer = c.envelope ? envelopeComposer(1, 38, 33) : labelComposer(QStringLiteral("4-9"));
        composer.topPad = QString::fromUtf8(c.topPad);
        printComposer(platform, composer);

        const auto documents = platform.allDocuments();
        ASSERT_EQ(documents.size(), 1u) << c.name;
        for (const FakeDocument& document : documents) {
            EXPECT_TRUE(document.abandoned) << c.name;
            EXPECT_FALSE(document.ended) << c.name;
        }
        ASSERT_EQ(platform.messages.size(), 1u) << c.name;
        EXPECT_EQ(platform.messages[0].text, QStringLiteral("A printer problem exists.  Check printer."));
        EXPECT_EQ(platform.messages[0].title, QStringLiteral("Printer error"));
        EXPECT_EQ(platform.messages[0].icon, MessageIcon::Exclamation);
    }
}

TEST(LabelPrint, LandscapeAndPrinterFamilies)
{
    const struct {
        const char* device;
        bool portrait;
        std::optional<PaperSize> paper;
        double pointSize;
    } cases[] = {
        {"Fake Printer", true, std::nullopt, 10},
        {"Fake Printer", false, std::nullopt, 12},
        {"HP DeskJet 640C/642C/648C", true, PaperSize::Letter, 10},
        {"Office Officejet Pro 8600", false, PaperSize::Letter, 12},
        {"office officejet pro", true, std::nullopt, 10},
    };
    for (const auto& c : cases) {
        FakePlatform platform;
        platform.printAnswers.push_back({.deviceName = QString::fromUtf8(c.device)});
        Composer composer = labelComposer(QStringLiteral("1"));
        composer.portrait = c.portrait;
        composer.bold = composer.boldVisible = true;
        printComposer(platform, composer);
        const FakeDocument document = platform.allDocuments().at(0);
        EXPECT_EQ(document.orientation, c.portrait ? Orientation::Portrait : Orientation::Landscape);
        EXPECT_EQ(document.paper, c.paper) << c.device;
        EXPECT_EQ(document.runs.at(0).font.pointSize, c.pointSize);
        EXPECT_FALSE(document.runs.at(0).font.bold);
        EXPECT_EQ(document.runs.at(0).line, 5) << "row 1: one empty line and 3 pad rows";
        EXPECT_FALSE(composer.bold || composer.boldVisible) << "label stock clears Bold";
    }
}

TEST(LabelPrint, LandscapeRequestsThatPassTheSheetsBottomAreRefusedBeforeAnythingPrints)
{
    const QString refusal = QStringLiteral(
        "In Landscape only label positions 1 to 18 fit on the sheet.  Choose positions from 1 to 18, "
        "or choose Portrait to print on any of the 30 positions.");
    const struct {
        const char* entry;
        int labels; // 0: refused
    } cases[] = {{"1-18", 18}, {"4-9", 6}, {"18", 1}, {"1-30", 0}, {"19", 0}, {"16-19", 0}, {"28-30", 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.entry);
        FakePlatform platform;
        Composer composer = labelComposer(QString::fromUtf8(c.entry));
        composer.portrait = false;
        printComposer(platform, composer);

        const auto documents = platform.allDocuments();
        if (c.labels == 0) {
            ASSERT_EQ(platform.messages.size(), 1u);
            EXPECT_EQ(platform.messages[0].text, refusal);
            EXPECT_EQ(platform.messages[0].title, QStringLiteral("Landscape"));
            EXPECT_EQ(platform.messages[0].icon, MessageIcon::Exclamation);
            EXPECT_EQ(platform.messages[0].buttons, MessageButtons::Ok);
            EXPECT_EQ(platform.beeps, 1);
            EXPECT_TRUE(platform.printRequests.empty());
            EXPECT_TRUE(documents.empty());
            continue;
        }
        EXPECT_TRUE(platform.messages.empty());
        ASSERT_EQ(documents.size(), 1u);
        EXPECT_EQ(documents[0].pages, 1);
        EXPECT_EQ(textRuns(documents[0]).size(), 4u * c.labels);
        for (const PlacedText& run : documents[0].runs)
            EXPECT_EQ(run.page, 1) << run.text.toStdString();
    }
}
