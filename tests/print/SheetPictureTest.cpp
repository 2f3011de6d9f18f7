#include "ComposerFixture.h"
#include "support/PdfPrinter.h"
#include "support/PdfWords.h"
#include "platform/PagePlacement.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/QtPreview.h"
#include "platform/qt/QtTextMeasure.h"
#include "print/PrintCommand.h"
#include "print/ReturnAddressSheet.h"
#include "print/SheetPicture.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <set>

namespace {

Composer returnAddressLines(const QString& line4 = QString())
{
    Composer composer;
    composer.lines = {QStringLiteral("Margaret H. Whitfield"), QStringLiteral("88 Orchard Lane"),
                      QStringLiteral("Dayton, OH 45402"), line4, QString()};
    return composer;
}

Composer with(Composer composer, const std::function<void(Composer&)>& change)
{
    change(composer);
    return composer;
}

// The labels that hold a line's text.
std::set<int> labelsWithText(const SheetPicture& picture)
{
    std::set<int> labels;
    for (const PlacedText& run : picture.page.runs)
        if (!run.text.trimmed().isEmpty())
            labels.insert(labelAt(picture, {PagePlacement::kOriginLeft + run.x, PagePlacement::kOriginTop + run.y}));
    return labels;
}

} // namespace

TEST(SheetPicture, ShowsWhatPrintWouldDoWithoutADialogOrAMessage)
{
    const QString tooLong(40, u'x');
    const struct {
        const char* name;
        Composer composer;
        bool returnAddress;
        PreviewStock stock;
        std::size_t outlines;
        int first, last;    // chosen labels
        std::size_t marks;  // runs marked as not fitting
        const char* refusal; // its start; empty when Print would print
        const char* description;
    } cases[] = {
        {"one label", labelComposer(QStringLiteral("5")), false, PreviewStock::ThirtyLabels, 30, 5, 5, 0, "",
         "Label 5 chosen; labels 1 to 4 used"},
        {"a range, centred", labelComposer(QStringLiteral("4-9"), true), false, PreviewStock::ThirtyLabels, 30, 4, 9,
         0, "", "Labels 4 to 9 chosen; labels 1 to 3 used"},
        {"landscape", with(labelComposer(QStringLiteral("1-3")), [](Composer& c) { c.portrait = false; }), false,
         PreviewStock::ThirtyLabels, 30, 1, 3, 0, "", "Labels 1 to 3 chosen"},
        {"landscape past the sheet", with(labelComposer(QStringLiteral("1-30")), [](Composer& c) { c.portrait = false; }),
         false, PreviewStock::ThirtyLabels, 30, 1, 30, 0, "In Landscape only label positions", "Labels 1 to 30 chosen; "},
        {"a long line", with(labelComposer(QStringLiteral("2-3")), [&](Composer& c) { c.lines[1] = tooLong; }), false,
         PreviewStock::ThirtyLabels, 30, 2, 3, 2, "", "Labels 2 to 3 chosen; label 1 used"},
        {"no medium", with(labelComposer(QStringLiteral("5")), [](Composer& c) { c.labelStock = false; }), false,
         PreviewStock::ThirtyLabels, 30, 0, 0, 0, "Select Label stock or Envelope", "No label chosen; "},
        {"no lines yet", with(labelComposer(QStringLiteral("7")), [](Composer& c) { c.lines = {}; }), false,
         PreviewStock::ThirtyLabels, 30, 7, 7, 0, "No information entered", "Label 7 chosen; labels 1 to 6 used; "},
        {"envelope", envelopeComposer(1, 38, 33), false, PreviewStock::Envelope, 0, 0, 0, 0, "",
         "Envelope: #10 Standard Business envelope (4 1/8 in x 9 1/2 in)"},
        // Print refuses a line past the envelope's edge before it prints one.
        {"envelope, long line", with(envelopeComposer(3, 20, 32), [&](Composer& c) { c.lines[0] = QString(60, u'x'); }),
         false, PreviewStock::Envelope, 0, 0, 0, 0, "The address does not fit on the envelope", "Envelope: #A2"},
        {"envelope past its bottom", envelopeComposer(2, 23, 60), false, PreviewStock::Envelope, 0, 0, 0, 0,
         "The address does not fit on the envelope", "Envelope: #6 3/4"},
        {"envelope of no size", envelopeComposer(0, 38, 33), false, PreviewStock::Envelope, 0, 0, 0, 0,
         "Select Envelope size", "No envelope size chosen; "},
        {"return address", returnAddressLines(), true, PreviewStock::EightyLabels, 80, 0, 0, 0, "",
         "80 return-address labels"},
        // Too long for its label, short of the next label's column.
        {"return address, long line", with(returnAddressLines(), [](Composer& c) { c.lines[2] = QString(27, u'x'); }), true,
         PreviewStock::EightyLabels, 80, 0, 0, 80, "", "80 return-address labels"},
        {"return address, four lines", returnAddressLines(QStringLiteral("USA")), true, PreviewStock::EightyLabels,
         80, 0, 0, 0, "Leave Lines 4 and 5 blank", "80 return-address labels; Print would stop"},
    };
    FakePlatform platform;
    FakePrinter measure;
    SheetPicturer picturer(platform, measure);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const SheetPicture picture = picturer.draw(c.composer, c.returnAddress);
        EXPECT_EQ(picture.stock, c.stock);
        EXPECT_EQ(picture.page.outlines.size(), c.outlines);
        EXPECT_EQ(picture.firstChosen, c.first);
        EXPECT_EQ(picture.lastChosen, c.last);
        EXPECT_EQ(picture.marks.size(), c.marks);
        EXPECT_EQ(picture.refusal.isEmpty(), *c.refusal == 0) << picture.refusal.toStdString();
        EXPECT_TRUE(picture.refusal.startsWith(QLatin1String(c.refusal)) || !*c.refusal) << picture.refusal.toStdString();
        EXPECT_EQ(picture.page.runs.empty(), *c.refusal != 0);
        EXPECT_TRUE(picture.description.startsWith(QLatin1String(c.description))) << picture.description.toStdString();
        EXPECT_EQ(picture.page.geometry.width > picture.page.geometry.height,
                  !c.composer.portrait && !c.returnAddress);
        if (c.stock == PreviewStock::ThirtyLabels) {
            for (int p = 1; p <= 30; ++p) {
                const SheetLabel expected = p < c.first ? SheetLabel::Used
                                            : c.first > 0 && p <= c.last ? SheetLabel::Chosen
                                                                         : SheetLabel::Free;
                EXPECT_EQ(picture.labels[std::size_t(p - 1)], expected) << p;
                // A point inside each label hits it, and only it.
                EXPECT_EQ(labelAt(picture, picture.page.outlines[std::size_t(p - 1)].center()), p);
            }
            // Upright, the lines land on the chosen labels; the turned sheet has them elsewhere.
            std::set<int> chosen;
            for (int p = c.first; c.first > 0 && p <= c.last && picture.refusal.isEmpty(); ++p)
                chosen.insert(p);
            if (c.composer.portrait) {
                EXPECT_EQ(labelsWithText(picture), chosen);
            }
        }
        EXPECT_EQ(labelAt(picture, {1, 1}), 0);
    }
    // Nothing reached the user or a printer; the preview printer was asked for once.
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(platform.prompts.empty());
    EXPECT_EQ(platform.beeps, 0);
    EXPECT_TRUE(platform.printRequests.empty());
    EXPECT_TRUE(platform.printers.empty());
    EXPECT_TRUE(platform.previews.empty());
    ASSERT_EQ(platform.previewPrinters.size(), 1u);
    for (const FakeDocument& document : platform.previewPrinters.front()->documents)
        EXPECT_TRUE(document.runs.empty() && !document.ended);
}

namespace {
// The program's own preview printer under the fake's dialogs.
class QtLaidOutPlatform : public FakePlatform {
public:
    std::unique_ptr<PrinterDevice> previewPrinter() override { return QtPlatform().previewPrinter(); }
};
} // namespace

TEST(SheetPicture, PutsEveryWordWherePrintingToAFilePutsIt)
{
    const struct {
        const char* name;
        Composer composer;
        bool returnAddress;
    } cases[] = {
        {"label range", labelComposer(QStringLiteral("4-9"), true), false},
        {"landscape labels", with(labelComposer(QStringLiteral("2-6")), [](Composer& c) { c.portrait = false; }), false},
        {"envelope", envelopeComposer(4, 28, 30), false},
        {"return address", returnAddressLines(), true},
    };
    QTemporaryDir folder;
    QtLaidOutPlatform platform;
    QtTextMeasure measure;
    SheetPicturer picturer(platform, measure);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString printedPath = folder.filePath(QStringLiteral("printed.pdf"));
        const QString shownPath = folder.filePath(QStringLiteral("shown.pdf"));
        FakePlatform printing;
        printing.printAnswers.push_back(pdfAnswer(printedPath));
        Composer printed = c.composer;
        if (c.returnAddress)
            printReturnAddressSheets(printing, {printed.lines[0], printed.lines[1], printed.lines[2]});
        else
            printComposer(printing, printed);
        ASSERT_TRUE(printing.messages.empty());

        const SheetPicture picture = picturer.draw(c.composer, c.returnAddress);
        paintPreview(*pdfPrinter(shownPath), PreviewDocument{{picture.page}});
        const std::vector<PdfWord> onPaper = readPdfWords(printedPath);
        const std::vector<PdfWord> shown = readPdfWords(shownPath);
        ASSERT_FALSE(onPaper.empty());
        ASSERT_EQ(shown.size(), onPaper.size());
        for (std::size_t i = 0; i < onPaper.size(); ++i) {
            EXPECT_EQ(shown[i].text, onPaper[i].text);
            EXPECT_NEAR(shown[i].xMin, onPaper[i].xMin, 0.005) << onPaper[i].text.toStdString();
            EXPECT_NEAR(shown[i].yMin, onPaper[i].yMin, 0.005) << onPaper[i].text.toStdString();
        }
        EXPECT_EQ(readPdfPageSize(shownPath), readPdfPageSize(printedPath));
        if (c.composer.envelope) {
            EXPECT_EQ(picture.page.outlines.size(), 1u) << "the envelope's edge";
        }
    }
}
