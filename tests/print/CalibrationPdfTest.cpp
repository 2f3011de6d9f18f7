#include "platform/CalibratedDevice.h"
#include "platform/qt/QtPrinterDevice.h"
#include "print/CalibrationSheet.h"
#include "print/LinePrinter.h"
#include "support/FakePlatform.h"
#include "support/PdfPrinter.h"
#include "support/PdfWords.h"

#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {


// Two words at the top, two down the page; each word a run of its own, so that where it
// starts is where its run was placed.
std::vector<PdfWord> printSample(PrinterDevice& device, const QString& path)
{
    LinePrinter printer(device);
    printer.printLine({{1, 0, QStringLiteral("top")}, {20, 0, QStringLiteral("left")}});
    for (int i = 0; i < 40; ++i)
        printer.emptyLine();
    printer.printLine({{35, 0, QStringLiteral("middle")}, {68, 0, QStringLiteral("right")}});
    printer.endDocument();
    return readPdfWords(path);
}

// Gray pixels of a page rendered at kDpi.
constexpr int kDpi = 100;
struct Raster {
    int width = 0, height = 0;
    QByteArray pixels;
    int at(int x, int y) const { return static_cast<unsigned char>(pixels[y * width + x]); }
    // The darkest pixel within two of (x, y) inches.
    int darkestNear(double xInches, double yInches) const
    {
        int darkest = 255;
        const int cx = qRound(xInches * kDpi), cy = qRound(yInches * kDpi);
        for (int y = cy - 2; y <= cy + 2; ++y)
            for (int x = cx - 2; x <= cx + 2; ++x)
                if (x >= 0 && y >= 0 && x < width && y < height)
                    darkest = std::min(darkest, at(x, y));
        return darkest;
    }
};

Raster render(const QString& pdf)
{
    const QString base = pdf + QStringLiteral("-page");
    QProcess::execute(QStringLiteral("pdftoppm"),
                      {QStringLiteral("-gray"), QStringLiteral("-r"), QString::number(kDpi),
                       QStringLiteral("-singlefile"), pdf, base});
    QFile file(base + QStringLiteral(".pgm"));
    Raster raster;
    if (!file.open(QIODevice::ReadOnly))
        return raster;
    // P5, width, height, maxval, then the bytes.
    QList<QByteArray> header;
    while (header.size() < 4) {
        const QByteArray line = file.readLine().trimmed();
        for (const QByteArray& field : line.split(' '))
            if (!field.isEmpty())
                header << field;
    }
    raster.width = header[1].toInt();
    raster.height = header[2].toInt();
    raster.pixels = file.readAll();
    return raster;
}

} // namespace

TEST(CalibrationPdf, AnOffsetMovesThePrintedTextByExactlyThatAmount)
{
    QTemporaryDir folder;
    const QString referencePath = pdfOutputPath(QStringLiteral("calibration-none.pdf"), folder.path());
    QtPrinterDevice plain(pdfPrinter(referencePath));
    const std::vector<PdfWord> reference = printSample(plain, referencePath);
    ASSERT_EQ(reference.size(), 4u);
    // Line 1 of the page stands at the print origin; the middle line 41 lines of 0.15 in below.
    const double lineY[] = {0, 0, 41 * 0.15, 41 * 0.15};

    const struct {
        const char* name;
        PrinterCalibration calibration;
    } cases[] = {
        {"right 10", {10, 0, 100}},        {"up 3", {0, -3, 100}},
        {"left 20, down 100", {-20, 100, 100}}, {"95 %", {0, 0, 95}},
        {"102.5 % and moved", {7, -2, 102.5}},  {"110 %", {0, 0, 110}},
    };
    for (const auto& c : cases) {
        const QString path = pdfOutputPath(QStringLiteral("calibration-%1.pdf").arg(&c - cases), folder.path());
        // Forced on: a file is never calibrated on the way from the dialog.
        CalibratedDevice device(std::make_unique<QtPrinterDevice>(pdfPrinter(path)), c.calibration);
        const std::vector<PdfWord> words = printSample(device, path);
        ASSERT_EQ(words.size(), reference.size()) << c.name;
        const double s = c.calibration.scalePercent / 100;
        const double dx = c.calibration.offsetX / 100.0, dy = c.calibration.offsetY / 100.0;
        for (std::size_t i = 0; i < words.size(); ++i) {
            EXPECT_EQ(words[i].text, reference[i].text);
            // Across: from the origin 1/4 inch in from the paper's edge.
            EXPECT_NEAR(words[i].xMin - 0.25, s * (reference[i].xMin - 0.25) + dx, 0.002)
                << c.name << " '" << words[i].text.toStdString() << "'";
            // Down: the line's place moves; where the type sits on its line does not.
            EXPECT_NEAR(words[i].yMin - reference[i].yMin, (s - 1) * lineY[i] + dy, 0.002)
                << c.name << " '" << words[i].text.toStdString() << "'";
        }
    }
}

TEST(CalibrationPdf, AFileIsNeverCalibratedEvenUnderACalibratedPrintersName)
{
    QTemporaryDir folder;
    const QString referencePath = pdfOutputPath(QStringLiteral("calibration-file-reference.pdf"), folder.path());
    QtPrinterDevice plain(pdfPrinter(referencePath), QStringLiteral("Office Laser"));
    const std::vector<PdfWord> reference = printSample(plain, referencePath);

    FakePlatform platform;
    saveCalibration(platform, QStringLiteral("Office Laser"), {25, 25, 105});
    const QString path = pdfOutputPath(QStringLiteral("calibration-file.pdf"), folder.path());
    std::unique_ptr<PrinterDevice> device =
        printerDeviceFor(platform, pdfPrinter(path), QStringLiteral("Office Laser"));
    EXPECT_EQ(device->deviceName(), "Office Laser");
    const std::vector<PdfWord> words = printSample(*device, path);
    ASSERT_EQ(words.size(), reference.size());
    for (std::size_t i = 0; i < words.size(); ++i) {
        EXPECT_DOUBLE_EQ(words[i].xMin, reference[i].xMin);
        EXPECT_DOUBLE_EQ(words[i].yMin, reference[i].yMin);
    }

    QPrinter named(QPrinter::HighResolution);
    named.setOutputFileName(path);
    EXPECT_TRUE(printsToFile(named)) << "an output file name is a file whatever the format";
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    EXPECT_TRUE(printsToFile(pdf));
}

TEST(CalibrationPdf, TheSheetsRulesLandOnTheStockAndMoveWithTheCalibration)
{
    const double kLeft = 0.1875, kTop = 0.5, kWidth = 2.625, kColumnPitch = 2.75;
    QTemporaryDir folder;
    const struct {
        PrinterCalibration calibration;
    } cases[] = {{{0, 0, 100}}, {{10, -20, 100}}};
    for (const auto& c : cases) {
        const QString path = pdfOutputPath(
            QStringLiteral("calibration-sheet-%1-%2.pdf").arg(c.calibration.offsetX).arg(c.calibration.offsetY),
            folder.path());
        CalibratedDevice device(std::make_unique<QtPrinterDevice>(pdfPrinter(path)), c.calibration);
        LinePrinter printer(device);
        drawCalibrationSheet(printer, {QStringLiteral("Calibration sheet")});
        printer.endDocument();

        // The label numbers sit on their labels.
        std::vector<PdfWord> numbers;
        for (const PdfWord& word : readPdfWords(path))
            if (word.yMin > kTop)
                numbers.push_back(word);
        if (c.calibration.isIdentity()) {
            int labelsWithText = 0;
            const QStringList problems = checkWordsOnLabels(numbers, kThirtyLabelSheet, 0.02, labelsWithText);
            EXPECT_TRUE(problems.isEmpty()) << problems.join(u'\n').toStdString();
            EXPECT_EQ(labelsWithText, 30);
        }

        const Raster page = render(path);
        ASSERT_EQ(page.width, qRound(8.5 * kDpi));
        const double dx = c.calibration.offsetX / 100.0, dy = c.calibration.offsetY / 100.0;
        // Along the edges of labels 1 and 30 and through the crosshairs: ink. Inside a label,
        // away from its number: none.
        const double inked[][2] = {
            {kLeft + 1.0, kTop},                      // top edge of label 1
            {kLeft, kTop + 0.5},                      // its left edge
            {kLeft + kWidth, kTop + 0.7},             // its right edge
            {8.3125 - 1.0, 10.5},                    // bottom edge of label 30
            {8.3125, 10.0},                          // its right edge
            {kLeft, kTop - kCrosshairArm + 0.05},     // the top-left crosshair, above the labels
            {8.3125, 10.5 + kCrosshairArm - 0.05},   // the bottom-right one, below them
        };
        for (const auto& point : inked)
            EXPECT_LT(page.darkestNear(point[0] + dx, point[1] + dy), 128)
                << "ink expected at (" << point[0] << ", " << point[1] << ") shifted by " << dx << ", " << dy;
        const double blank[][2] = {{kLeft + 1.8, kTop + 0.8}, {kLeft + kColumnPitch + 1.8, kTop + 5.8}};
        for (const auto& point : blank)
            EXPECT_GT(page.darkestNear(point[0] + dx, point[1] + dy), 200)
                << "paper expected at (" << point[0] << ", " << point[1] << ")";
    }
}
