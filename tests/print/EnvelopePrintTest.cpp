#include "ComposerFixture.h"
#include "print/EnvelopeSizes.h"
#include "print/PrintCommand.h"
#include "print/PrintPreview.h"

#include <gtest/gtest.h>

TEST(EnvelopePrint, CorrectionsForBoldLargeFontAndPrinterFamily)
{
    const struct {
        const char* name;
        const char* device;
        int size, indent, padRows;
        bool bold, largeFont, portrait;
        int firstLine; // 1 + corrected pad rows (at least 0) + 1
        int column;
        PrintFont font;
        std::optional<PaperSize> paper;
    } cases[] = {
        {"worked example", "HP Officejet Pro 8000", 1, 38, 33, true, true, false, 1 + 22 + 1, 42,
         {QStringLiteral("Trebuchet MS"), 14, true, true}, PaperSize::Envelope10},
        {"plain", "Fake Printer", 1, 38, 33, false, false, false, 1 + 33 + 1, 38,
         {QStringLiteral("Courier New"), 12, false, false}, std::nullopt},
        {"bold alone", "Fake Printer", 1, 38, 33, true, false, false, 1 + 32 + 1, 38,
         {QStringLiteral("Courier New"), 12, true, false}, std::nullopt},
        {"large font alone", "Fake Printer", 3, 20, 32, false, true, false, 1 + 24 + 1, 24,
         {QStringLiteral("Trebuchet MS"), 14, false, true}, std::nullopt},
        {"large font, pad rows below 8", "Fake Printer", 7, 10, 5, false, true, false, 2, 14,
         {QStringLiteral("Trebuchet MS"), 14, false, true}, std::nullopt},
        {"portrait", "Fake Printer", 2, 23, 32, false, false, true, 1 + 32 + 1, 23,
         {QStringLiteral("Courier New"), 10, false, false}, std::nullopt},
        {"greeting card on Officejet Pro", "Officejet Pro 9010", 5, 30, 30, false, false, false, 1 + 28 + 1, 30,
         {QStringLiteral("Courier New"), 12, false, false}, PaperSize::Envelope10},
    };
    for (const auto& c : cases) {
        FakePlatform platform;
        platform.printAnswers.push_back({.deviceName = QString::fromUtf8(c.device)});
        Composer composer = envelopeComposer(c.size, c.indent, c.padRows);
        composer.bold = c.bold;
        composer.boldVisible = true;
        composer.largeFont = c.largeFont;
        composer.portrait = c.portrait;
        printComposer(platform, composer);

        const auto documents = platform.allDocuments();
        ASSERT_EQ(documents.size(), 1u) << c.name;
        const FakeDocument& document = documents[0];
        EXPECT_TRUE(document.ended) << c.name;
        EXPECT_EQ(document.paper, c.paper) << c.name;
        EXPECT_EQ(document.orientation, c.portrait ? Orientation::Portrait : Orientation::Landscape) << c.name;
        ASSERT_EQ(document.runs.size(), 5u) << c.name;
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(document.runs[i].line, c.firstLine + i) << c.name;
            EXPECT_EQ(document.runs[i].column, c.column) << c.name;
            EXPECT_EQ(document.runs[i].font, c.font) << c.name;
            EXPECT_EQ(document.runs[i].text, composer.lines[i]) << c.name;
        }
        // The working copies are corrected; the boxes keep what the user saw.
        EXPECT_EQ(composer.leftPad, QString::number(c.indent)) << c.name;
        EXPECT_EQ(composer.topPad, QString::number(c.padRows)) << c.name;
        EXPECT_EQ(composer.bold, c.bold) << c.name;
        EXPECT_TRUE(composer.boldVisible) << c.name;
    }
}

TEST(EnvelopePrint, EmptyLinesAboveUseTheLargeFontsHeight)
{
    FakePlatform platform;
    Composer composer = envelopeComposer(1, 38, 33);
    composer.largeFont = true;
    printComposer(platform, composer);
    const PlacedText first = platform.allDocuments().at(0).runs.at(0);
    // One 12-point line, then 25 lines of 14 points.
    EXPECT_NEAR(first.y, 12 * 1.08 + 25 * 14 * 1.08, 1e-9);
}

TEST(EnvelopePrint, EachCopyIsAOneEnvelopeDocument)
{
    FakePlatform platform;
    platform.printAnswers.push_back({.copies = 2});
    Composer composer = envelopeComposer(4, 28, 30);
    composer.centered = true;
    composer.leftJustified = false;
    printComposer(platform, composer);
    const auto documents = platform.allDocuments();
    ASSERT_EQ(documents.size(), 2u);
    for (const FakeDocument& document : documents) {
        EXPECT_TRUE(document.ended);
        EXPECT_EQ(textRuns(document).size(), 3u);
        EXPECT_EQ(document.runs.at(0).column, 28);
        EXPECT_EQ(document.runs.at(0).text, QString(6, u' ') + composer.lines[0]);
    }
}

TEST(EnvelopeSizes, MarginsDependOnWhetherTheSizeOrTheEnvelopeOptionWasClicked)
{
    const int onPick[7][2] = {{38, 33}, {23, 32}, {20, 32}, {28, 30}, {30, 30}, {36, 25}, {30, 30}};
    const int onEnvelope[7][2] = {{38, 33}, {28, 39}, {24, 37}, {34, 36}, {36, 36}, {44, 30}, {36, 36}};
    ASSERT_EQ(envelopeSizeEntries().size(), 7);
    for (int index = 0; index < 7; ++index) {
        SCOPED_TRACE(index);
        const EnvelopeSizeChoice picked = envelopeSizePicked(index);
        const EnvelopeSizeChoice clicked = envelopeOptionChosen(index);
        EXPECT_EQ(picked.sizeNumber, QString::number(index + 1));
        EXPECT_EQ(clicked.sizeNumber, QString::number(index + 1));
        ASSERT_TRUE(picked.margins && clicked.margins);
        EXPECT_EQ(picked.margins->indent, onPick[index][0]);
        EXPECT_EQ(picked.margins->padRows, onPick[index][1]);
        EXPECT_EQ(clicked.margins->indent, onEnvelope[index][0]);
        EXPECT_EQ(clicked.margins->padRows, onEnvelope[index][1]);
    }
    // Envelope clicked before any size: "0", and the boxes keep what they hold.
    const EnvelopeSizeChoice none = envelopeOptionChosen(-1);
    EXPECT_EQ(none.sizeNumber, "0");
    EXPECT_FALSE(none.margins);
}

TEST(EnvelopePrint, AnEnvelopeIsOnePageOnAnyPaper)
{
    const struct {
        const char* name;
        const char* device;
        PaperSize dialogPaper;
        int size, indent, padRows;
        bool bold, largeFont;
    } cases[] = {
        {"worked example, Officejet Pro", "HP Officejet Pro 8000", PaperSize::Letter, 1, 38, 33, true, true},
        {"worked example, DeskJet 640C", "HP DeskJet 640C/642C/648C", PaperSize::Letter, 1, 38, 33, true, true},
        {"size 1 plain on envelope paper", "Fake Printer", PaperSize::Envelope10, 1, 38, 33, false, false},
        {"size 1 large font on envelope paper", "Fake Printer", PaperSize::Envelope10, 1, 38, 33, false, true},
        {"size 1 plain on letter", "Fake Printer", PaperSize::Letter, 1, 38, 33, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakePlatform platform;
        platform.printAnswers.push_back({.deviceName = QString::fromUtf8(c.device), .paper = c.dialogPaper});
        Composer composer = envelopeComposer(c.size, c.indent, c.padRows);
        composer.bold = c.bold;
        composer.largeFont = c.largeFont;
        printComposer(platform, composer);

        const auto documents = platform.allDocuments();
        ASSERT_EQ(documents.size(), 1u);
        EXPECT_EQ(documents[0].pages, 1);
        const PageGeometry page = platform.printers.at(0)->page();
        const double width = page.width, height = page.height;
        ASSERT_EQ(textRuns(documents[0]).size(), 3u);
        // Every line of the block lies on the page, below the origin's top margin.
        for (const PlacedText& run : textRuns(documents[0])) {
            EXPECT_EQ(run.page, 1) << run.text.toStdString();
            EXPECT_GE(run.y, 0) << run.text.toStdString();
            EXPECT_LE(run.y + run.font.pointSize * 1.08, height - 0.29 * 72) << run.text.toStdString();
            EXPECT_GT(run.x, width / 2 - 2 * 72) << run.text.toStdString();
        }
    }
}

TEST(EnvelopePrint, AnAddressOffTheEnvelopeIsRefusedBeforeAnythingIsPrinted)
{
    const struct {
        int padRows, indent;
        bool largeFont;
        const char* refusal; // empty: it prints
    } cases[] = {
        {45, 38, false, "with 45 pad rows its line 3 would print below the envelope's bottom edge.  "
                        "Use at most 41 pad rows (Top margin)."},
        {41, 38, false, ""},
        // The box's value is what the user is told, whatever the corrections make of it.
        {44, 38, true, "with 44 pad rows its line 3 would print below the envelope's bottom edge.  "
                       "Use at most 43 pad rows (Top margin)."},
        {43, 38, true, ""},
        {33, 71, false, "with an indent of 71 its line 2 would print past the envelope's right edge.  "
                        "Use an indent of at most 70 (Left margin)."},
        {33, 70, false, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.padRows << " " << c.indent << " " << c.largeFont);
        Composer composer = envelopeComposer(1, c.indent, c.padRows);
        composer.largeFont = c.largeFont;
        FakePlatform printing;
        Composer printed = composer;
        EXPECT_EQ(printComposer(printing, printed), !*c.refusal);
        FakePlatform previewing;
        EXPECT_EQ(previewComposer(previewing, composer), !*c.refusal);
        for (const FakePlatform* platform : {&printing, &previewing}) {
            if (!*c.refusal) {
                EXPECT_TRUE(platform->messages.empty());
                continue;
            }
            ASSERT_EQ(platform->messages.size(), 1u);
            EXPECT_EQ(platform->messages[0].text,
                      QStringLiteral("The address does not fit on the envelope: ") + QString::fromUtf8(c.refusal));
            EXPECT_EQ(platform->messages[0].title, QStringLiteral("Envelope margins"));
            EXPECT_EQ(platform->beeps, 1);
            for (const FakeDocument& document : platform->allDocuments())
                EXPECT_TRUE(textRuns(document).empty()) << "not one line printed";
            EXPECT_TRUE(platform->previews.empty());
        }
        if (!*c.refusal)
            for (const PlacedText& run : textRuns(printing.allDocuments().at(0)))
                EXPECT_EQ(run.page, 1);
    }
}
