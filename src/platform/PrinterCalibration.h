#pragma once

#include <QString>

class Platform;

// How far one printer's output lands from where it should: every printed position is first
// stretched by scalePercent away from the print origin, then moved by the offsets. The type
// itself keeps its size.
struct PrinterCalibration {
    static constexpr int kMaxOffset = 100; // one inch either way
    static constexpr double kMinScale = 90;
    static constexpr double kMaxScale = 110;

    int offsetX = 0; // hundredths of an inch; right is positive
    int offsetY = 0; // hundredths of an inch; down is positive
    double scalePercent = 100;

    bool isIdentity() const { return offsetX == 0 && offsetY == 0 && scalePercent == 100; }
    bool inRange() const;
    // A position in points from the print origin, as it must be sent to this printer; the
    // identity gives back exactly the position it was given.
    double mapX(double x) const { return x * (scalePercent / 100) + offsetX * 0.72; }
    double mapY(double y) const { return y * (scalePercent / 100) + offsetY * 0.72; }

    bool operator==(const PrinterCalibration&) const = default;
};

// The calibration stored for a printer; none stored, or a stored text that does not read back
// as a calibration within range, gives the identity rather than a wild shift.
PrinterCalibration loadCalibration(Platform& platform, const QString& deviceName);
void saveCalibration(Platform& platform, const QString& deviceName, const PrinterCalibration& calibration);

// The stored form, "offsetX offsetY scale", and back; nothing for a text that is not one.
QString calibrationText(const PrinterCalibration& calibration);
bool readCalibrationText(const QString& text, PrinterCalibration& calibration);
