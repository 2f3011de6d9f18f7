#pragma once

#include <QStringList>

class LinePrinter;

// Half the length of a crosshair's arm, inches.
constexpr double kCrosshairArm = 0.25;

// One calibration sheet for the 30-label stock (LabelStock.h): the heading lines at the top, the
// outline of every label, a crosshair on each of the label area's four corners, and each label's
// position number where its first line prints.
void drawCalibrationSheet(LinePrinter& printer, const QStringList& heading);
