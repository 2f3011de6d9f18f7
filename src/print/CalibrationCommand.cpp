#include "print/CalibrationCommand.h"

#include "platform/CalibratedDevice.h"
#include "platform/Platform.h"
#include "print/CalibrationSheet.h"
#include "print/LinePrinter.h"
#include "print/PrintRun.h"

#include <QRegularExpression>

namespace {

const QString kRefusalTitle = QStringLiteral("Incorrect entry");
const PrintFont kSheetFont{QStringLiteral("Courier New"), 10, false, false};

std::optional<int> readOffset(const QString& text)
{
    static const QRegularExpression whole(QStringLiteral("^[+-]?[0-9]{1,3}$"));
    const QString trimmed = text.trimmed();
    if (!whole.match(trimmed).hasMatch())
        return std::nullopt;
    const int value = trimmed.toInt();
    if (value < -PrinterCalibration::kMaxOffset || value > PrinterCalibration::kMaxOffset)
        return std::nullopt;
    return value;
}

std::optional<double> readScale(const QString& text)
{
    static const QRegularExpression percent(QStringLiteral("^[0-9]{1,3}([.][0-9]{1,2})?$"));
    QString trimmed = text.trimmed();
    if (trimmed.endsWith(u'%'))
        trimmed = trimmed.chopped(1).trimmed();
    trimmed.replace(u',', u'.');
    if (!percent.match(trimmed).hasMatch())
        return std::nullopt;
    const double value = trimmed.toDouble();
    if (value < PrinterCalibration::kMinScale || value > PrinterCalibration::kMaxScale)
        return std::nullopt;
    return value;
}

QString offsetMessage(const QString& which)
{
    return QStringLiteral("The %1 offset must be a whole number of hundredths of an inch from %2 to %3.")
        .arg(which)
        .arg(-PrinterCalibration::kMaxOffset)
        .arg(PrinterCalibration::kMaxOffset);
}

QString inches(int hundredths)
{
    return QString::number(hundredths / 100.0, 'f', 2) + QStringLiteral(" in");
}

QStringList sheetHeading(PrinterDevice& device)
{
    auto* calibrated = dynamic_cast<CalibratedDevice*>(&device);
    if (!calibrated)
        return {QStringLiteral("Calibration sheet, printed to a file: no calibration applied.")};
    const PrinterCalibration& applied = calibrated->calibration();
    return {QStringLiteral("Calibration sheet for ") + device.deviceName(),
            QStringLiteral("Applied: across %1, down %2, scale %3 %")
                .arg(inches(applied.offsetX), inches(applied.offsetY),
                     QString::number(applied.scalePercent, 'f', 2)),
            QStringLiteral("Crosshairs mark the corners of the label area.")};
}

} // namespace

CalibrationReading readCalibrationBoxes(const CalibrationBoxes& boxes)
{
    CalibrationReading reading;
    const std::optional<int> offsetX = readOffset(boxes.offsetX);
    if (!offsetX) {
        reading.wrong = CalibrationField::OffsetX;
        reading.message = offsetMessage(QStringLiteral("horizontal"));
        return reading;
    }
    const std::optional<int> offsetY = readOffset(boxes.offsetY);
    if (!offsetY) {
        reading.wrong = CalibrationField::OffsetY;
        reading.message = offsetMessage(QStringLiteral("vertical"));
        return reading;
    }
    const std::optional<double> scale = readScale(boxes.scale);
    if (!scale) {
        reading.wrong = CalibrationField::Scale;
        reading.message = QStringLiteral("The scale must be a percentage from %1 to %2, with at most two "
                                         "decimals; 100 leaves the size as it is.")
                              .arg(PrinterCalibration::kMinScale)
                              .arg(PrinterCalibration::kMaxScale);
        return reading;
    }
    reading.calibration = PrinterCalibration{*offsetX, *offsetY, *scale};
    return reading;
}

CalibrationBoxes calibrationBoxes(const PrinterCalibration& calibration)
{
    QString scale = QString::number(calibration.scalePercent, 'f', 2);
    // 100.00 reads as 100, 99.50 as 99.5.
    while (scale.endsWith(u'0'))
        scale.chop(1);
    if (scale.endsWith(u'.'))
        scale.chop(1);
    return {QString::number(calibration.offsetX), QString::number(calibration.offsetY), scale};
}

CalibrationBoxes loadCalibrationBoxes(Platform& platform, const QString& printer)
{
    return calibrationBoxes(loadCalibration(platform, printer));
}

CalibrationResult saveCalibrationBoxes(Platform& platform, const QString& printer, const CalibrationBoxes& boxes)
{
    CalibrationResult result;
    result.printer = printer;
    result.boxes = boxes;
    if (printer.isEmpty()) {
        platform.beep();
        platform.messageBox(QStringLiteral("There is no printer to calibrate.  Set up a printer first."),
                            QStringLiteral("Printer Calibration"), MessageButtons::Ok, MessageIcon::Information);
        return result;
    }
    const CalibrationReading reading = readCalibrationBoxes(boxes);
    if (!reading.calibration) {
        platform.beep();
        platform.messageBox(reading.message, kRefusalTitle, MessageButtons::Ok, MessageIcon::Exclamation);
        result.focus = reading.wrong;
        return result;
    }
    saveCalibration(platform, printer, *reading.calibration);
    result.done = true;
    result.boxes = calibrationBoxes(*reading.calibration);
    result.status = QStringLiteral("Saved for ") + printer + u'.';
    return result;
}

CalibrationResult printCalibrationSheet(Platform& platform, const QString& printer, const CalibrationBoxes& boxes)
{
    CalibrationResult result;
    result.printer = printer;
    result.boxes = boxes;
    if (!printer.isEmpty()) {
        result = saveCalibrationBoxes(platform, printer, boxes);
        if (!result.done)
            return result;
        result.done = false;
    }
    QString printedOn;
    bool calibrated = false;
    const PrintRun run{.font = kSheetFont, .orientation = Orientation::Portrait};
    const PrintOutcome outcome = printEachCopy(platform, run, [&](LinePrinter& sheet) {
        PrinterDevice& device = sheet.device();
        calibrated = dynamic_cast<CalibratedDevice*>(&device) != nullptr;
        printedOn = device.deviceName();
        drawCalibrationSheet(sheet, sheetHeading(device));
    });
    if (outcome != PrintOutcome::Printed)
        return result;
    result.done = true;
    if (!calibrated) {
        result.status = QStringLiteral("The sheet went to a file, which is never calibrated.");
        return result;
    }
    result.printer = printedOn;
    result.boxes = loadCalibrationBoxes(platform, printedOn);
    result.status = QStringLiteral("Calibration sheet sent to ") + printedOn + u'.';
    return result;
}
