#include "ComposerFixture.h"
#include "ListFixture.h"
#include "support/ContactDetailsBuilder.h"
#include "support/PdfPrinter.h"
#include "support/PdfWords.h"
#include "platform/AppError.h"
#include "platform/PagePlacement.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/QtPreview.h"
#include "platform/qt/QtPrinterDevice.h"
#include "print/LabelStock.h"
#include "print/PrintCommand.h"
#include "print/PrintPreview.h"
#include "print/ReturnAddressFlow.h"
#include "print/ReturnAddressSheet.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <set>

namespace {

const std::array<QString, 3> kReturnLines{QStringLiteral("Margaret H. Whitfield"), QStringLiteral("88 Orchard Lane"),
                                          QStringLiteral("Dayton, OH 45402")};

ContactDetails someDetails()
{
    ContactDetails d = addressedTo("Alexandra", "Montgomery", "1234 Wintergreen Avenue", "Springfield", "IL", "62704");
    d.notes = QString(150, u'n');
    return d;
}

ReportRequest someReport(int lines)
{
    ReportRequest request;
    for (int n = 1; n <= lines; ++n)
        request.lines << QStringLiteral("First%1 Last%1\tDayton\tOH\t45402\t555-%1\t\tf%1@example.com").arg(n);
    request.fileTitle = QStringLiteral("FRIENDS");
    request.selected = {0, 2};
    return request;
}

// What a printout put on paper, page by page, as one transcript.
QStringList transcript(const std::vector<PlacedText>& runs)
{
    QStringList lines;
    for (const PlacedText& r : runs)
        lines << QStringLiteral("p%1 l%2 c%3 x%4 y%5 %6 %7%8%9 [%10]")
                     .arg(r.page)
                     .arg(r.line)
                     .arg(r.column)
                     .arg(r.x, 0, 'f', 3)
                     .arg(r.y, 0, 'f', 3)
                     .arg(r.font.name)
                     .arg(r.font.pointSize)
                     .arg(r.font.bold ? QStringLiteral("b") : QString())
                     .arg(r.font.italic ? QStringLiteral("i") : QString())
                     .arg(r.text);
    return lines;
}

std::vector<PlacedText> previewRuns(const PreviewDocument& document)
{
    std::vector<PlacedText> runs;
    for (const PreviewPage& page : document.pages)
        runs.insert(runs.end(), page.runs.begin(), page.runs.end());
    return runs;
}

struct Printout {
    const char* name;
    std::function<void(Platform&)> print;
    std::function<bool(Platform&)> preview;
    std::size_t outlinesPerPage;
};

std::vector<Printout> fivePrintouts(const Book& contacts)
{
    const Composer labels = labelComposer(QStringLiteral("4-30"), true);
    const Composer envelope = envelopeComposer(1, 38, 33);
    const std::array<QString, 5> returnLines{kReturnLines[0], kReturnLines[1], kReturnLines[2], QString(), QString()};
    return {
        {"composer labels", [=](Platform& p) { Composer c = labels; printComposer(p, c); },
         [=](Platform& p) { return previewComposer(p, labels); }, 30},
        {"composer envelope", [=](Platform& p) { Composer c = envelope; printComposer(p, c); },
         [=](Platform& p) { return previewComposer(p, envelope); }, 0},
        {"return-address sheet", [](Platform& p) { printReturnAddressSheets(p, kReturnLines); },
         [=](Platform& p) {
             previewReturnAddressLabels(p, returnLines, {});
             return true;
         },
         80},
        {"list labels", [&](Platform& p) { printListLabels(p, contacts.numbers(), contacts.reader()); },
         [&](Platform& p) { return previewListLabels(p, contacts.numbers(), contacts.reader()); }, 30},
        {"contact report", [](Platform& p) { printContactReport(p, someReport(70)); },
         [](Platform& p) { return previewContactReport(p, someReport(70)); }, 0},
        {"contact details", [](Platform& p) { printContactDetails(p, someDetails(), std::nullopt); },
         [](Platform& p) { return previewContactDetails(p, someDetails()); }, 0},
    };
}

} // namespace

TEST(PrintPreview, ShowsExactlyWhatPrintingPutsOnPaperAndPrintsNothing)
{
    const Book contacts = book(34);
    for (const Printout& printout : fivePrintouts(contacts)) {
        SCOPED_TRACE(printout.name);
        FakePlatform printing;
        printout.print(printing);
        const std::vector<FakeDocument> printed = printing.allDocuments();
        ASSERT_EQ(printed.size(), 1u);

        FakePlatform previewing;
        EXPECT_TRUE(printout.preview(previewing));
        ASSERT_EQ(previewing.previews.size(), 1u);
        const PreviewDocument& shown = previewing.previews.front();

        EXPECT_EQ(transcript(previewRuns(shown)), transcript(printed.front().runs));
        EXPECT_EQ(static_cast<int>(shown.pages.size()), printed.front().pages);
        for (std::size_t page = 0; page < shown.pages.size(); ++page) {
            EXPECT_EQ(shown.pages[page].outlines.size(), printout.outlinesPerPage) << "page " << page + 1;
            for (const PlacedText& run : shown.pages[page].runs)
                EXPECT_EQ(run.page, static_cast<int>(page) + 1) << run.text.toStdString();
        }

        // No dialog, no printer, and the preview's own printer was sent nothing.
        EXPECT_TRUE(previewing.printRequests.empty());
        EXPECT_TRUE(previewing.printers.empty());
        ASSERT_EQ(previewing.previewPrinters.size(), 1u);
        for (const FakeDocument& document : previewing.previewPrinters.front()->documents)
            EXPECT_TRUE(document.runs.empty() && !document.ended);
        EXPECT_TRUE(previewing.messages.empty());
    }
}

TEST(PrintPreview, RefusalsShowTheMessagesOfPrintingAndNoPreview)
{
    Composer noLines = labelComposer(QStringLiteral("5"));
    noLines.lines = {};
    Composer noMedium = labelComposer(QStringLiteral("5"));
    noMedium.labelStock = false;
    Composer noSize = envelopeComposer(1, 38, 33);
    noSize.envelopeSizeNumber = QStringLiteral("0");
    Composer noAlignment = labelComposer(QStringLiteral("5"));
    noAlignment.leftJustified = false;
    Composer backwards = labelComposer(QStringLiteral("9-3"));
    Composer landscapePastTheFold = labelComposer(QStringLiteral("1-30"));
    landscapePastTheFold.portrait = false;
    const std::array<QString, 5> noReturnLines{};
    const std::array<QString, 5> fiveReturnLines{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"),
                                                 QStringLiteral("d"), QString()};

    const struct {
        const char* name;
        std::function<void(Platform&)> print;
        std::function<void(Platform&)> preview;
    } cases[] = {
        {"no lines", [=](Platform& p) { Composer c = noLines; printComposer(p, c); },
         [=](Platform& p) { previewComposer(p, noLines); }},
        {"no medium", [=](Platform& p) { Composer c = noMedium; printComposer(p, c); },
         [=](Platform& p) { previewComposer(p, noMedium); }},
        {"no envelope size", [=](Platform& p) { Composer c = noSize; printComposer(p, c); },
         [=](Platform& p) { previewComposer(p, noSize); }},
        {"no alignment", [=](Platform& p) { Composer c = noAlignment; printComposer(p, c); },
         [=](Platform& p) { previewComposer(p, noAlignment); }},
        {"end before start", [=](Platform& p) { Composer c = backwards; printComposer(p, c); },
         [=](Platform& p) { previewComposer(p, backwards); }},
        {"landscape past the sheet", [=](Platform& p) { Composer c = landscapePastTheFold; printComposer(p, c); },
         [=](Platform& p) { previewComposer(p, landscapePastTheFold); }},
        {"empty list", [](Platform& p) { printListLabels(p, {}, {}); },
         [](Platform& p) { previewListLabels(p, {}, {}); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakePlatform printing;
        c.print(printing);
        FakePlatform previewing;
        c.preview(previewing);
        ASSERT_FALSE(printing.messages.empty());
        ASSERT_EQ(previewing.messages.size(), printing.messages.size());
        for (std::size_t i = 0; i < printing.messages.size(); ++i) {
            EXPECT_EQ(previewing.messages[i].text, printing.messages[i].text);
            EXPECT_EQ(previewing.messages[i].title, printing.messages[i].title);
            EXPECT_EQ(previewing.messages[i].icon, printing.messages[i].icon);
        }
        EXPECT_EQ(previewing.beeps, printing.beeps);
        EXPECT_TRUE(previewing.previews.empty());
        EXPECT_TRUE(previewing.previewPrinters.empty());
    }

    // The return-address refusals: the same message, and the main window where printing leaves it.
    for (const auto& lines : {noReturnLines, fiveReturnLines}) {
        FakePlatform printing;
        const ReturnAddressResult printed = runReturnAddressLabels(printing, lines, {});
        FakePlatform previewing;
        const ReturnAddressResult previewed = previewReturnAddressLabels(previewing, lines, {});
        ASSERT_EQ(previewing.messages.size(), 1u);
        EXPECT_EQ(previewing.messages.front().text, printing.messages.back().text);
        EXPECT_EQ(previewed.state.waiting, printed.state.waiting);
        EXPECT_EQ(previewed.state.mediumOptionsEnabled, printed.state.mediumOptionsEnabled);
        EXPECT_EQ(previewed.focusLine4, printed.focusLine4);
        EXPECT_TRUE(previewing.previews.empty());
    }
}

TEST(PrintPreview, ReturnAddressPreviewAsksNothingAndLeavesTheMainWindowAsItWas)
{
    const std::array<QString, 5> lines{kReturnLines[0], kReturnLines[1], kReturnLines[2], QString(), QString()};
    for (const ReturnAddressState state : {ReturnAddressState{false, true}, ReturnAddressState{true, false}}) {
        FakePlatform previewing;
        const ReturnAddressResult result = previewReturnAddressLabels(previewing, lines, state);
        EXPECT_TRUE(previewing.messages.empty());
        EXPECT_EQ(previewing.previews.size(), 1u);
        EXPECT_FALSE(result.boldCleared);
        EXPECT_EQ(result.state.waiting, state.waiting);
        EXPECT_EQ(result.state.mediumOptionsEnabled, state.mediumOptionsEnabled);
    }
}

TEST(PrintPreview, ARecordThatCannotBeReadShowsThePrinterProblemAndNoPreview)
{
    const Book contacts = book(12);
    const RecordReader failing = [&](int n) {
        if (n == 8)
            throw AppError(63, QStringLiteral("Bad record number"));
        return contacts.reader()(n);
    };
    FakePlatform printing;
    printListLabels(printing, contacts.numbers(), failing);
    FakePlatform previewing;
    EXPECT_FALSE(previewListLabels(previewing, contacts.numbers(), failing));
    EXPECT_TRUE(previewing.previews.empty());
    ASSERT_EQ(previewing.messages.size(), 1u);
    EXPECT_EQ(previewing.messages.front().text, printing.messages.front().text);
    EXPECT_EQ(previewing.messages.front().title, printing.messages.front().title);
}

TEST(PrintPreview, OutlinesAreTheStockWhereItLiesOnThePage)
{
    const PageGeometry letter{612, 792, false};
    const PageGeometry lying{792, 612, false};
    const PageGeometry envelope{684, 297, true};
    const struct {
        PreviewStock stock;
        PageGeometry page;
        std::size_t count;
        QRectF first, last; // points
    } cases[] = {
        {PreviewStock::ThirtyLabels, letter, 30, {13.5, 36, 189, 72}, {13.5 + 2 * 198, 36 + 9 * 72, 189, 72}},
        {PreviewStock::EightyLabels, letter, 80, {20.25, 36, 126, 36}, {20.25 + 3 * 148.5, 36 + 19 * 36, 126, 36}},
        // A quarter turn counter-clockwise: the sheet's top-left label ends up at the page's bottom left.
        {PreviewStock::ThirtyLabels, lying, 30, {792 - 108, 13.5, 72, 189}, {792 - 36 - 10 * 72, 13.5 + 396, 72, 189}},
        {PreviewStock::Envelope, envelope, 1, {0, 0, 684, 297}, {0, 0, 684, 297}},
        {PreviewStock::Envelope, lying, 0, {}, {}},
        {PreviewStock::Plain, letter, 0, {}, {}},
    };
    for (const auto& c : cases) {
        const std::vector<QRectF> outlines = stockOutlines(c.stock, c.page);
        ASSERT_EQ(outlines.size(), c.count) << static_cast<int>(c.stock);
        if (c.count == 0)
            continue;
        EXPECT_EQ(outlines.front(), c.first) << static_cast<int>(c.stock);
        EXPECT_EQ(outlines.back(), c.last) << static_cast<int>(c.stock);
        for (const QRectF& outline : outlines)
            EXPECT_TRUE(QRectF(0, 0, c.page.width, c.page.height).contains(outline)) << static_cast<int>(c.stock);
    }
}

TEST(PrintPreview, EveryLineOfASheetSitsInsideOneOutline)
{
    const std::array<QString, 5> returnLines{kReturnLines[0], kReturnLines[1], kReturnLines[2], QString(), QString()};
    const struct {
        const char* name;
        std::function<void(Platform&)> preview;
        std::size_t labelsUsed;
    } cases[] = {
        {"30 labels", [](Platform& p) { previewComposer(p, labelComposer(QStringLiteral("1-30"))); }, 30},
        {"80 labels", [&](Platform& p) { previewReturnAddressLabels(p, returnLines, {}); }, 80},
    };
    for (const auto& c : cases) {
        FakePlatform previewing;
        c.preview(previewing);
        ASSERT_EQ(previewing.previews.size(), 1u) << c.name;
        const PreviewPage& page = previewing.previews.front().pages.front();
        std::set<int> used;
        for (const PlacedText& run : page.runs) {
            if (run.text.trimmed().isEmpty())
                continue;
            // The fake printer's metrics: 0.6 of the point size a character, 1.08 of it a line.
            const QRectF box(PagePlacement::kOriginLeft + run.x, PagePlacement::kOriginTop + run.y,
                             0.6 * run.font.pointSize * run.text.size(), 1.08 * run.font.pointSize);
            int holder = -1;
            for (std::size_t i = 0; i < page.outlines.size(); ++i)
                // Half a point for rounding: some rows start right at their label's top edge.
                if (page.outlines[i].adjusted(-0.5, -0.5, 0.5, 0.5).contains(box))
                    holder = static_cast<int>(i);
            EXPECT_GE(holder, 0) << c.name << ": " << run.text.toStdString() << " at " << box.x() << "," << box.y();
            used.insert(holder);
        }
        EXPECT_EQ(used.size(), c.labelsUsed) << c.name;
    }
}

namespace {
// A fake platform whose previews are laid out on the program's own preview printer.
class QtLaidOutPlatform : public FakePlatform {
public:
    std::unique_ptr<PrinterDevice> previewPrinter() override { return QtPlatform().previewPrinter(); }
};

} // namespace

TEST(PrintPreview, PaintedPreviewPutsEveryWordWherePrintingToAFilePutsIt)
{
    const Book contacts = book(34);
    QTemporaryDir folder;
    int index = 0;
    for (const Printout& printout : fivePrintouts(contacts)) {
        SCOPED_TRACE(printout.name);
        const QString printedPath = folder.filePath(QStringLiteral("printed-%1.pdf").arg(index));
        const QString previewPath = folder.filePath(QStringLiteral("preview-%1.pdf").arg(index));
        ++index;

        FakePlatform printing;
        FakePlatform::PrintAnswer toFile;
        toFile.device = [&] { return std::make_unique<QtPrinterDevice>(pdfPrinter(printedPath)); };
        printing.printAnswers.push_back(toFile);
        printout.print(printing);
        ASSERT_TRUE(printing.messages.empty());

        QtLaidOutPlatform previewing;
        printout.preview(previewing);
        ASSERT_EQ(previewing.previews.size(), 1u);
        paintPreview(*pdfPrinter(previewPath), previewing.previews.front());

        const std::vector<PdfWord> printed = readPdfWords(printedPath);
        const std::vector<PdfWord> shown = readPdfWords(previewPath);
        ASSERT_FALSE(printed.empty());
        ASSERT_EQ(shown.size(), printed.size());
        for (std::size_t i = 0; i < printed.size(); ++i) {
            EXPECT_EQ(shown[i].text, printed[i].text);
            EXPECT_EQ(shown[i].page, printed[i].page);
            EXPECT_NEAR(shown[i].xMin, printed[i].xMin, 0.005) << printed[i].text.toStdString();
            EXPECT_NEAR(shown[i].yMin, printed[i].yMin, 0.005) << printed[i].text.toStdString();
        }
        EXPECT_EQ(readPdfPageSize(previewPath), readPdfPageSize(printedPath));
    }
}
