#pragma once

#include "platform/PrinterCalibration.h"

#include <QString>
#include <optional>

class Platform;

// What the calibration window's boxes read.
struct CalibrationBoxes {
    QString offsetX;
    QString offsetY;
    QString scale;

    bool operator==(const CalibrationBoxes&) const = default;
};

enum class CalibrationField { None, OffsetX, OffsetY, Scale };

struct CalibrationReading {
    std::optional<PrinterCalibration> calibration; // empty when a box is refused
    CalibrationField wrong = CalibrationField::None;
    QString message;
};

// Offsets are whole hundredths of an inch within one inch either way; the scale a percentage
// within 90..110 with at most two decimals (a comma serves as the decimal point too).
CalibrationReading readCalibrationBoxes(const CalibrationBoxes& boxes);
CalibrationBoxes calibrationBoxes(const PrinterCalibration& calibration);

// What the window shows after Save or Print.
struct CalibrationResult {
    bool done = false; // saved, or the sheet printed
    CalibrationField focus = CalibrationField::None;
    QString printer;   // the printer the boxes now belong to
    CalibrationBoxes boxes;
    QString status;
};

// The stored calibration of a printer, as the boxes show it.
CalibrationBoxes loadCalibrationBoxes(Platform& platform, const QString& printer);

// Stores the boxes for printer; a refused box beeps, says why and keeps everything as it was.
CalibrationResult saveCalibrationBoxes(Platform& platform, const QString& printer, const CalibrationBoxes& boxes);

// Stores the boxes (as Save does, when a printer is chosen), then prints the calibration sheet
// through the print dialog. A real printer prints it in its stored calibration, which the sheet's
// heading names, and becomes the printer the boxes belong to; a file is never calibrated.
CalibrationResult printCalibrationSheet(Platform& platform, const QString& printer, const CalibrationBoxes& boxes);
