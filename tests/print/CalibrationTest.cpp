#include "ComposerFixture.h"
#include "platform/CalibratedDevice.h"
#include "print/CalibrationCommand.h"
#include "print/CalibrationSheet.h"
#include "print/LabelStock.h"
#include "print/LinePrinter.h"
#include "print/PrintCommand.h"
#include "print/PrintPreview.h"

#include <gtest/gtest.h>
#include <cmath>

namespace {

struct Shift {
    const char* name;
    PrinterCalibration calibration;
};

const Shift kShifts[] = {
    {"none", {0, 0, 100}},
    {"right 10", {10, 0, 100}},
    {"up 25", {0, -25, 100}},
    {"left and down an inch", {-100, 100, 100}},
    {"shrunk to 95 %", {0, 0, 95}},
    {"stretched and moved", {5, -5, 102.5}},
    {"widest", {100, -100, 110}},
};

// A few lines at several columns and lines, as the label printing sends them.
void printSample(LinePrinter& printer)
{
    printer.printLine({{1, 0, QStringLiteral("top left")}});
    for (int i = 0; i < 40; ++i)
        printer.emptyLine();
    printer.printLine({{35, 0, QStringLiteral("middle")}, {68, 2, QStringLiteral("right")}});
}

void printThrough(PrinterDevice& device)
{
    LinePrinter printer(device);
    printSample(printer);
    printer.endDocument();
}

} // namespace

TEST(Calibration, AnOffsetMovesEveryRunByExactlyThatAmountAndTheScaleStretchesFromTheOrigin)
{
    FakePrinter plain;
    printThrough(plain);
    const std::vector<PlacedText>& reference = plain.documents.at(0).runs;
    ASSERT_EQ(reference.size(), 3u);

    for (const Shift& shift : kShifts) {
        auto owned = std::make_unique<FakePrinter>();
        FakePrinter* fake = owned.get();
        CalibratedDevice device(std::move(owned), shift.calibration);
        printThrough(device);
        const std::vector<PlacedText>& runs = fake->documents.at(0).runs;
        ASSERT_EQ(runs.size(), reference.size()) << shift.name;
        const double s = shift.calibration.scalePercent / 100;
        for (std::size_t i = 0; i < runs.size(); ++i) {
            // 1/100 inch is 0.72 points.
            EXPECT_NEAR(runs[i].x, reference[i].x * s + shift.calibration.offsetX * 0.72, 1e-9) << shift.name;
            EXPECT_NEAR(runs[i].y, reference[i].y * s + shift.calibration.offsetY * 0.72, 1e-9) << shift.name;
            EXPECT_EQ(runs[i].text, reference[i].text);
            EXPECT_EQ(runs[i].line, reference[i].line);
            EXPECT_EQ(runs[i].font, reference[i].font) << "the type keeps its size";
        }
    }
}

TEST(Calibration, RulesMoveWithTheText)
{
    for (const Shift& shift : kShifts) {
        auto owned = std::make_unique<FakePrinter>();
        FakePrinter* fake = owned.get();
        CalibratedDevice device(std::move(owned), shift.calibration);
        LinePrinter printer(device);
        printer.drawRule(0, 0, 100, 200, 0.5);
        printer.endDocument();
        const PlacedRule& rule = fake->documents.at(0).rules.at(0);
        const double s = shift.calibration.scalePercent / 100;
        EXPECT_NEAR(rule.x1, shift.calibration.offsetX * 0.72, 1e-9) << shift.name;
        EXPECT_NEAR(rule.y1, shift.calibration.offsetY * 0.72, 1e-9) << shift.name;
        EXPECT_NEAR(rule.x2, 100 * s + shift.calibration.offsetX * 0.72, 1e-9) << shift.name;
        EXPECT_NEAR(rule.y2, 200 * s + shift.calibration.offsetY * 0.72, 1e-9) << shift.name;
        EXPECT_EQ(rule.width, 0.5);
    }
}

TEST(Calibration, StoredPerPrinterAndReadBackWhateverThePrinterIsCalled)
{
    const struct {
        QString name;
        PrinterCalibration calibration;
    } cases[] = {
        {QStringLiteral("Office Laser"), {12, -7, 100}},
        {QStringLiteral("ipp://print.local/printers/Kitchen Inkjet"), {-100, 100, 90}},
        {QStringLiteral("\\\\server\\Front Desk"), {0, 3, 99.5}},
        {QStringLiteral("Étiquettes 5160"), {1, 1, 110}},
    };
    FakePlatform platform;
    for (const auto& c : cases)
        saveCalibration(platform, c.name, c.calibration);
    for (const auto& c : cases)
        EXPECT_EQ(loadCalibration(platform, c.name), c.calibration) << c.name.toStdString();
    EXPECT_EQ(platform.settings.size(), 4) << "one key per printer, slashes and all";
    EXPECT_TRUE(loadCalibration(platform, QStringLiteral("Never Calibrated")).isIdentity());
    EXPECT_TRUE(loadCalibration(platform, QString()).isIdentity());
}

TEST(Calibration, AStoredTextThatIsNotACalibrationInRangeIsIgnored)
{
    const PrinterCalibration none;
    const struct {
        const char* stored;
        PrinterCalibration read;
    } cases[] = {
        {"3 -4 99.50", {3, -4, 99.5}}, {"-100 100 110.00", {-100, 100, 110}},
        {"", none}, {"1 2", none}, {"a b c", none}, {"5 5 200", none}, {"101 0 100", none},
        {"0 -101 100", none}, {"1 2 3 4", none}, {"0 0 nan", none}, {"0 0 inf", none}, {"1.5 0 100", none},
    };
    for (const auto& c : cases) {
        FakePlatform platform;
        platform.settings.insert(QStringLiteral("Calibration/Office%20Laser"), QString::fromLatin1(c.stored));
        EXPECT_EQ(loadCalibration(platform, QStringLiteral("Office Laser")), c.read) << c.stored;
    }
}

TEST(Calibration, BoxesAreReadStrictlyAndEachRefusalNamesItsBox)
{
    const QString xMessage =
        QStringLiteral("The horizontal offset must be a whole number of hundredths of an inch from -100 to 100.");
    const QString yMessage =
        QStringLiteral("The vertical offset must be a whole number of hundredths of an inch from -100 to 100.");
    const QString scaleMessage = QStringLiteral(
        "The scale must be a percentage from 90 to 110, with at most two decimals; 100 leaves the size as it is.");
    const struct {
        CalibrationBoxes boxes;
        std::optional<PrinterCalibration> read;
        CalibrationField wrong;
        QString message;
    } cases[] = {
        {{"0", "0", "100"}, PrinterCalibration{0, 0, 100}, CalibrationField::None, {}},
        {{" -12 ", "+7", "99.5"}, PrinterCalibration{-12, 7, 99.5}, CalibrationField::None, {}},
        {{"100", "-100", "90"}, PrinterCalibration{100, -100, 90}, CalibrationField::None, {}},
        {{"1", "2", "101,25"}, PrinterCalibration{1, 2, 101.25}, CalibrationField::None, {}},
        {{"1", "2", "110 %"}, PrinterCalibration{1, 2, 110}, CalibrationField::None, {}},
        {{"abc", "0", "100"}, std::nullopt, CalibrationField::OffsetX, xMessage},
        {{"", "0", "100"}, std::nullopt, CalibrationField::OffsetX, xMessage},
        {{"1.5", "0", "100"}, std::nullopt, CalibrationField::OffsetX, xMessage},
        {{"12abc", "0", "100"}, std::nullopt, CalibrationField::OffsetX, xMessage},
        {{"101", "0", "100"}, std::nullopt, CalibrationField::OffsetX, xMessage},
        {{"0", "-101", "100"}, std::nullopt, CalibrationField::OffsetY, yMessage},
        {{"0", "x", "100"}, std::nullopt, CalibrationField::OffsetY, yMessage},
        {{"0", "0", "89.99"}, std::nullopt, CalibrationField::Scale, scaleMessage},
        {{"0", "0", "110.01"}, std::nullopt, CalibrationField::Scale, scaleMessage},
        {{"0", "0", "1e2"}, std::nullopt, CalibrationField::Scale, scaleMessage},
        {{"0", "0", "99.125"}, std::nullopt, CalibrationField::Scale, scaleMessage},
        {{"0", "0", ""}, std::nullopt, CalibrationField::Scale, scaleMessage},
        {{"x", "y", "z"}, std::nullopt, CalibrationField::OffsetX, xMessage},
    };
    for (const auto& c : cases) {
        const CalibrationReading reading = readCalibrationBoxes(c.boxes);
        const std::string name = (c.boxes.offsetX + u'|' + c.boxes.offsetY + u'|' + c.boxes.scale).toStdString();
        EXPECT_EQ(reading.calibration, c.read) << name;
        EXPECT_EQ(reading.wrong, c.wrong) << name;
        EXPECT_EQ(reading.message, c.message) << name;

        FakePlatform platform;
        const CalibrationResult saved = saveCalibrationBoxes(platform, QStringLiteral("Office Laser"), c.boxes);
        EXPECT_EQ(saved.done, c.read.has_value()) << name;
        EXPECT_EQ(saved.focus, c.wrong) << name;
        if (c.read) {
            EXPECT_EQ(loadCalibration(platform, QStringLiteral("Office Laser")), *c.read) << name;
            EXPECT_TRUE(platform.messages.empty()) << name;
            EXPECT_EQ(saved.status, "Saved for Office Laser.");
        } else {
            EXPECT_TRUE(platform.settings.isEmpty()) << name << ": nothing stored";
            ASSERT_EQ(platform.messages.size(), 1u) << name;
            EXPECT_EQ(platform.messages[0].text, c.message);
            EXPECT_EQ(platform.messages[0].title, "Incorrect entry");
            EXPECT_EQ(platform.beeps, 1);
            EXPECT_EQ(saved.boxes, c.boxes) << name << ": the boxes stay as typed";
        }
    }
}

TEST(Calibration, BoxesShowTheStoredValuesPlainly)
{
    EXPECT_EQ(calibrationBoxes({0, 0, 100}), (CalibrationBoxes{"0", "0", "100"}));
    EXPECT_EQ(calibrationBoxes({-5, 12, 99.5}), (CalibrationBoxes{"-5", "12", "99.5"}));
    EXPECT_EQ(calibrationBoxes({1, 2, 101.25}), (CalibrationBoxes{"1", "2", "101.25"}));
    FakePlatform platform;
    EXPECT_EQ(loadCalibrationBoxes(platform, QStringLiteral("Fake Printer")), (CalibrationBoxes{"0", "0", "100"}));
}

TEST(Calibration, SavingWithNoPrinterToCalibrateSaysSoAndStoresNothing)
{
    FakePlatform platform;
    const CalibrationResult result = saveCalibrationBoxes(platform, QString(), {"1", "2", "100"});
    EXPECT_FALSE(result.done);
    EXPECT_TRUE(platform.settings.isEmpty());
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "There is no printer to calibrate.  Set up a printer first.");
}

TEST(Calibration, EveryPrintoutOnTheCalibratedPrinterMovesAndOtherPrintersAreUntouched)
{
    const auto labelRuns = [](FakePlatform& platform, const QString& printer) {
        platform.printAnswers.push_back({});
        platform.printAnswers.back().deviceName = printer;
        Composer composer = labelComposer(QStringLiteral("4-9"));
        printComposer(platform, composer);
        EXPECT_TRUE(platform.messages.empty());
        return textRuns(platform.printers.back()->documents.at(0));
    };
    FakePlatform reference;
    const std::vector<PlacedText> plain = labelRuns(reference, QStringLiteral("Office Laser"));
    ASSERT_FALSE(plain.empty());

    FakePlatform platform;
    saveCalibration(platform, QStringLiteral("Office Laser"), {8, -3, 100});
    const std::vector<PlacedText> moved = labelRuns(platform, QStringLiteral("Office Laser"));
    const std::vector<PlacedText> other = labelRuns(platform, QStringLiteral("Kitchen Inkjet"));
    ASSERT_EQ(moved.size(), plain.size());
    ASSERT_EQ(other.size(), plain.size());
    for (std::size_t i = 0; i < plain.size(); ++i) {
        EXPECT_DOUBLE_EQ(moved[i].x, plain[i].x + 8 * 0.72);
        EXPECT_DOUBLE_EQ(moved[i].y, plain[i].y - 3 * 0.72);
        EXPECT_EQ(other[i].x, plain[i].x) << "a printer with no calibration stored prints as before";
        EXPECT_EQ(other[i].y, plain[i].y);
    }
}

TEST(CalibrationSheet, OutlinesEveryLabelCrossesTheCornersAndNumbersEachLabel)
{
    const LabelStock& stock = kThirtyLabelSheet;
    FakePrinter fake;
    LinePrinter printer(fake);
    drawCalibrationSheet(printer, {QStringLiteral("heading one"), QStringLiteral("heading two")});
    printer.endDocument();
    ASSERT_EQ(fake.documents.size(), 1u);
    const FakeDocument& sheet = fake.documents[0];
    EXPECT_EQ(sheet.pages, 1);
    ASSERT_EQ(sheet.rules.size(), 30u * 4 + 4 * 2);

    // Paper inches of every rule end, back from the print origin's points.
    const auto inchesX = [](double points) { return (points + PagePlacement::kOriginLeft) / 72; };
    const auto inchesY = [](double points) { return (points + PagePlacement::kOriginTop) / 72; };
    for (int position = 1; position <= 30; ++position) {
        const int row = (position - 1) / 3, column = (position - 1) % 3;
        const double left = stock.left + column * stock.columnPitch, top = stock.top + row * stock.rowPitch;
        const PlacedRule* topEdge = &sheet.rules[(position - 1) * 4];
        EXPECT_NEAR(inchesX(topEdge->x1), left, 1e-9) << position;
        EXPECT_NEAR(inchesY(topEdge->y1), top, 1e-9) << position;
        EXPECT_NEAR(inchesX(topEdge->x2), left + stock.width, 1e-9) << position;
        const PlacedRule& rightEdge = sheet.rules[(position - 1) * 4 + 1];
        EXPECT_NEAR(inchesY(rightEdge.y2), top + stock.height, 1e-9) << position;
    }
    // Each crosshair: a level and an upright arm crossing at a corner of the label area.
    const double corners[4][2] = {{0.1875, 0.5}, {8.3125, 0.5}, {0.1875, 10.5}, {8.3125, 10.5}};
    for (int i = 0; i < 4; ++i) {
        const PlacedRule& level = sheet.rules[120 + i * 2];
        const PlacedRule& upright = sheet.rules[120 + i * 2 + 1];
        EXPECT_NEAR(inchesX((level.x1 + level.x2) / 2), corners[i][0], 1e-9) << i;
        EXPECT_NEAR(inchesY(level.y1), corners[i][1], 1e-9) << i;
        EXPECT_NEAR(inchesX(upright.x1), corners[i][0], 1e-9) << i;
        EXPECT_NEAR(inchesY((upright.y1 + upright.y2) / 2), corners[i][1], 1e-9) << i;
        EXPECT_NEAR(inchesX(level.x2) - inchesX(level.x1), 2 * kCrosshairArm, 1e-9);
    }

    const std::vector<PlacedText> runs = textRuns(sheet);
    ASSERT_EQ(runs.size(), 2u + 30);
    EXPECT_EQ(runs[0].text, "heading one");
    EXPECT_EQ(runs[1].line, 2);
    for (int position = 1; position <= 30; ++position) {
        const PlacedText& number = runs[1 + position];
        const LabelMargins margins = *labelMargins(position);
        EXPECT_EQ(number.text, QString::number(position));
        EXPECT_EQ(number.column, margins.indent);
        EXPECT_EQ(number.line, margins.padRows + 2) << "where the label's first line prints";
    }
}

TEST(CalibrationSheet, PrintsInTheStoredCalibrationNamesItAndPicksThatPrinter)
{
    FakePlatform platform;
    saveCalibration(platform, QStringLiteral("Kitchen Inkjet"), {-4, 6, 98});
    platform.printAnswers.push_back({});
    platform.printAnswers.back().deviceName = QStringLiteral("Kitchen Inkjet");
    // The boxes belong to another printer: they are saved for it, and the sheet goes where the
    // dialog sent it.
    const CalibrationResult result =
        printCalibrationSheet(platform, QStringLiteral("Office Laser"), {"5", "-3", "100"});
    EXPECT_TRUE(result.done);
    EXPECT_EQ(loadCalibration(platform, QStringLiteral("Office Laser")), (PrinterCalibration{5, -3, 100}));
    EXPECT_EQ(result.printer, "Kitchen Inkjet");
    EXPECT_EQ(result.boxes, (CalibrationBoxes{"-4", "6", "98"}));
    EXPECT_EQ(result.status, "Calibration sheet sent to Kitchen Inkjet.");

    const FakeDocument& sheet = platform.printers.at(0)->documents.at(0);
    EXPECT_TRUE(sheet.ended);
    const std::vector<PlacedText> runs = textRuns(sheet);
    ASSERT_GE(runs.size(), 3u);
    EXPECT_EQ(runs[0].text, "Calibration sheet for Kitchen Inkjet");
    EXPECT_EQ(runs[1].text, "Applied: across -0.04 in, down 0.06 in, scale 98.00 %");
    EXPECT_NEAR(runs[0].x, -4 * 0.72, 1e-9);
    EXPECT_NEAR(runs[0].y, 6 * 0.72, 1e-9);
}

TEST(CalibrationSheet, RefusedBoxesOrACancelledDialogPrintNothing)
{
    FakePlatform refused;
    const CalibrationResult bad = printCalibrationSheet(refused, QStringLiteral("Office Laser"), {"0", "0", "200"});
    EXPECT_FALSE(bad.done);
    EXPECT_EQ(bad.focus, CalibrationField::Scale);
    EXPECT_TRUE(refused.printRequests.empty());

    FakePlatform cancelled;
    cancelled.printAnswers.push_back({});
    cancelled.printAnswers.back().cancel = true;
    const CalibrationResult none = printCalibrationSheet(cancelled, QStringLiteral("Office Laser"), {"1", "1", "100"});
    EXPECT_FALSE(none.done);
    EXPECT_EQ(none.printer, "Office Laser");
    EXPECT_TRUE(cancelled.messages.empty());
    EXPECT_TRUE(cancelled.printers.empty());

    FakePlatform failing;
    failing.printAnswers.push_back({});
    failing.printAnswers.back().failAtDraw = 3;
    const CalibrationResult failed = printCalibrationSheet(failing, QString(), {"1", "1", "100"});
    EXPECT_FALSE(failed.done);
    ASSERT_EQ(failing.messages.size(), 1u);
    EXPECT_EQ(failing.messages[0].text, "A printer problem exists.  Check printer.");
    EXPECT_TRUE(failing.printers.at(0)->documents.at(0).abandoned);
}

TEST(CalibrationSheet, APreviewShowsItsRulesUnmoved)
{
    FakePlatform platform;
    saveCalibration(platform, QStringLiteral("Fake Printer"), {10, 10, 100});
    PreviewPlatform previewing(platform, PreviewStock::ThirtyLabels);
    printCalibrationSheet(previewing, QString(), {"0", "0", "100"});
    ASSERT_TRUE(previewing.showDrawn());
    ASSERT_EQ(platform.previews.size(), 1u);
    const PreviewPage& page = platform.previews[0].pages.at(0);
    ASSERT_EQ(page.rules.size(), 128u);
    // The preview is laid out as a file is: the first label's top edge at its paper place.
    EXPECT_NEAR(page.rules[0].x1 + PagePlacement::kOriginLeft, 0.1875 * 72, 1e-9);
    EXPECT_NEAR(page.rules[0].y1 + PagePlacement::kOriginTop, 0.5 * 72, 1e-9);
}
