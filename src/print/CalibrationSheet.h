#pragma once

#include <QStringList>

class LinePrinter;

// The 30-label stock as it lies on its letter sheet, inches from the paper's top-left corner.
namespace ThirtyLabelStock {
constexpr int kAcross = 3;
constexpr int kDown = 10;
constexpr double kLeft = 0.15625;
constexpr double kTop = 0.5;
constexpr double kWidth = 2.625;
constexpr double kHeight = 1.0;
constexpr double kColumnPitch = 2.78125;
constexpr double kRowPitch = 1.0;
} // namespace ThirtyLabelStock

// Half the length of a crosshair's arm, inches.
constexpr double kCrosshairArm = 0.25;

// One calibration sheet: the heading lines at the top, the outline of every label of the
// stock, a crosshair on each of the label area's four corners, and each label's position
// number where its first line prints.
void drawCalibrationSheet(LinePrinter& printer, const QStringList& heading);
