#include "ComposerFixture.h"
#include "support/PdfPrinter.h"
#include "support/PdfWords.h"
#include "print/LabelStock.h"
#include "platform/qt/QtTextMeasure.h"
#include "print/LineFit.h"
#include "print/PrintCommand.h"
#include "print/ReturnAddressSheet.h"

#include <QDir>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

// Letters without spaces, so that the file gives each printed line back as one word.
QString word(int length)
{
    QString text;
    for (int i = 0; i < length; ++i)
        text += QChar(u'A' + i % 26);
    return text;
}

// The right edge of the label that holds the word's first letter, in inches from the paper's edge.
double labelRightEdge(const LabelStock& sheet, const PdfWord& printed)
{
    int label = static_cast<int>((printed.xMin - sheet.left) / sheet.columnPitch);
    label = std::clamp(label, 0, sheet.across - 1);
    return sheet.left + label * sheet.columnPitch + sheet.width;
}

// Words whose end passes the right edge of their label.
int wordsPastTheirLabel(const std::vector<PdfWord>& words, const LabelStock& sheet)
{
    return static_cast<int>(std::count_if(words.begin(), words.end(), [&](const PdfWord& printed) {
        return printed.xMax > labelRightEdge(sheet, printed);
    }));
}

// A file printer to measure with, as the dialog would hand it out.
std::unique_ptr<PrinterDevice> pdfDevice(const QString& path)
{
    return pdfAnswer(path).device();
}

} // namespace

TEST(LineFitPdf, ThirtyLabelSheetHoldsWhatTheFitSaysAndNoMore)
{
    QTemporaryDir folder;
    auto measure = pdfDevice(QDir(folder.path()).filePath(QStringLiteral("measure.pdf")));
    for (int length : {29, 30}) {
        SCOPED_TRACE(length);
        Composer composer = labelComposer(QStringLiteral("1-3"));
        composer.lines = {word(length), QString(), QString(), QString(), QString()};
        const LineFit fit = fitComposer(composer, false, *measure)[0];
        EXPECT_EQ(fit.fitting, 29);

        const QString path = pdfOutputPath(QStringLiteral("fit-labels-%1.pdf").arg(length), folder.path());
        FakePlatform platform;
        platform.printAnswers.push_back(pdfAnswer(path));
        printComposer(platform, composer);
        ASSERT_TRUE(platform.messages.empty());
        const std::vector<PdfWord> words = readPdfWords(path);
        ASSERT_EQ(words.size(), 3u);
        const int past = wordsPastTheirLabel(words, kThirtyLabelSheet);
        EXPECT_EQ(past, length == 29 ? 0 : 3);
        EXPECT_EQ(fit.problem == LineFitProblem::None, past == 0);
    }
}

TEST(LineFitPdf, ReturnAddressLabelsHoldWhatTheFitSaysAndNoMore)
{
    QTemporaryDir folder;
    auto measure = pdfDevice(QDir(folder.path()).filePath(QStringLiteral("measure.pdf")));
    for (int length : {23, 24}) {
        SCOPED_TRACE(length);
        const std::array<QString, 5> lines{word(length), QString(), QString(), QString(), QString()};
        const LineFit fit = fitLines(lines, fitLayout({}, true, *measure), *measure)[0];
        EXPECT_EQ(fit.fitting, 23);

        const QString path = pdfOutputPath(QStringLiteral("fit-return-%1.pdf").arg(length), folder.path());
        FakePlatform platform;
        platform.printAnswers.push_back(pdfAnswer(path));
        ASSERT_EQ(printReturnAddressSheets(platform, {lines[0], lines[1], lines[2]}), PrintOutcome::Printed);
        const std::vector<PdfWord> words = readPdfWords(path);
        ASSERT_EQ(words.size(), 80u);
        const int past = wordsPastTheirLabel(words, kEightyLabelSheet);
        // The first column has a little more room than the other three.
        EXPECT_EQ(past, length == 23 ? 0 : 60);
        EXPECT_EQ(fit.problem == LineFitProblem::None, past == 0);
    }
}

// A line that reaches the next label's column moves the rest of its row a line down, row after
// row, until the sheet runs onto a second page.
TEST(LineFitPdf, ReturnAddressSheetRunsOntoASecondPageWhereTheFitSaysItPushes)
{
    const QString spaced = QStringLiteral("Short");
    const struct {
        QString line;
        LineFitProblem problem;
        int pages;
    } cases[] = {
        {word(31), LineFitProblem::TooLong, 1},
        {word(32), LineFitProblem::TooLong, 2},
        {spaced + QString(26, u' '), LineFitProblem::None, 1},
        {spaced + QString(27, u' '), LineFitProblem::PushesNextLabel, 2},
    };
    QTemporaryDir folder;
    auto measure = pdfDevice(QDir(folder.path()).filePath(QStringLiteral("measure.pdf")));
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line.toStdString());
        const std::array<QString, 5> lines{c.line, QString(), QString(), QString(), QString()};
        EXPECT_EQ(fitLines(lines, fitLayout({}, true, *measure), *measure)[0].problem, c.problem);

        const QString path = pdfOutputPath(QStringLiteral("fit-cascade-%1.pdf").arg(++n), folder.path());
        FakePlatform platform;
        platform.printAnswers.push_back(pdfAnswer(path));
        ASSERT_EQ(printReturnAddressSheets(platform, {lines[0], lines[1], lines[2]}), PrintOutcome::Printed);
        EXPECT_EQ(readPdfPageCount(path), c.pages);
    }
}

// The main window measures without a printer; it must come to what the file printer measures.
// Both keep each font's widths: what they give, the first time and from then on, is exactly
// what Qt measures for the whole text.
TEST(LineFitPdf, WindowMeasureAgreesWithTheFilePrinter)
{
    QTemporaryDir folder;
    const std::unique_ptr<QPrinter> qprinter = pdfPrinter(QDir(folder.path()).filePath(QStringLiteral("m.pdf")));
    QtPrinterDevice printer(pdfPrinter(QDir(folder.path()).filePath(QStringLiteral("measure.pdf"))));
    QtTextMeasure window;
    const PrintFont fonts[] = {
        {QStringLiteral("Courier New"), 8, false, false},
        {QStringLiteral("Courier New"), 10, false, false},
        {QStringLiteral("Courier New"), 12, true, false},
        {QStringLiteral("Courier New"), 24, false, true},
        {QStringLiteral("Trebuchet MS"), 14, false, true},
        {QStringLiteral("Trebuchet MS"), 14, true, true},
        {QStringLiteral("MS Sans Serif"), 10, false, false},
    };
    const QString texts[] = {QStringLiteral("Margaret H. Whitfield"), QStringLiteral("iiiiiiii"),
                             QStringLiteral("WWWW 1234, Springfield"), QString(), QStringLiteral("  Zoë Ærøskøbing ÿ"),
                             QStringLiteral("fi ffl AV To"), QStringLiteral("Ann\tLee \u00AD"),
                             QStringLiteral("\u20AC 5 \u201Cso\u201D"), QStringLiteral("\u674E Wei e\u0301")};
    for (const PrintFont& font : fonts) {
        SCOPED_TRACE((font.name + QString::number(font.pointSize)).toStdString());
        const QFontMetricsF measured(printerFont(font), qprinter.get());
        const auto points = [&](double pixels) { return pixels * 72.0 / qprinter->resolution(); };
        EXPECT_EQ(printer.averageCharWidth(font), points(measured.averageCharWidth()));
        EXPECT_NEAR(window.averageCharWidth(font), printer.averageCharWidth(font), 1e-6);
        for (int pass = 0; pass < 2; ++pass)
            for (const QString& text : texts) {
                EXPECT_EQ(printer.textWidth(font, text), points(measured.horizontalAdvance(text))) << text.toStdString();
                EXPECT_NEAR(window.textWidth(font, text), printer.textWidth(font, text), 1e-6) << text.toStdString();
            }
    }
    // The fonts the layouts count columns in are measured character by character.
    PrinterFonts cached(qprinter.get());
    EXPECT_TRUE(cached.font(fonts[0]).fixedPitch);
    EXPECT_FALSE(cached.font(fonts[4]).fixedPitch);
}
