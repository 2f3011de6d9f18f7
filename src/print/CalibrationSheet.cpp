#include "print/CalibrationSheet.h"

#include "platform/PagePlacement.h"
#include "print/LabelPositions.h"
#include "print/LinePrinter.h"

namespace {

constexpr double kRuleWidth = 0.5; // points

// Paper inches to the print origin's points.
double x(double inches)
{
    return inches * 72 - PagePlacement::kOriginLeft;
}

double y(double inches)
{
    return inches * 72 - PagePlacement::kOriginTop;
}

void rule(LinePrinter& printer, double x1, double y1, double x2, double y2)
{
    printer.drawRule(x(x1), y(y1), x(x2), y(y2), kRuleWidth);
}

void crosshair(LinePrinter& printer, double cx, double cy)
{
    rule(printer, cx - kCrosshairArm, cy, cx + kCrosshairArm, cy);
    rule(printer, cx, cy - kCrosshairArm, cx, cy + kCrosshairArm);
}

} // namespace

void drawCalibrationSheet(LinePrinter& printer, const QStringList& heading)
{
    using namespace ThirtyLabelStock;
    printer.home();
    for (const QString& line : heading)
        printer.printLine({{1, 0, line}});

    for (int row = 0; row < kDown; ++row) {
        for (int column = 0; column < kAcross; ++column) {
            const double left = kLeft + column * kColumnPitch;
            const double top = kTop + row * kRowPitch;
            rule(printer, left, top, left + kWidth, top);
            rule(printer, left + kWidth, top, left + kWidth, top + kHeight);
            rule(printer, left + kWidth, top + kHeight, left, top + kHeight);
            rule(printer, left, top + kHeight, left, top);
        }
    }
    const double right = kLeft + (kAcross - 1) * kColumnPitch + kWidth;
    const double bottom = kTop + (kDown - 1) * kRowPitch + kHeight;
    for (const double cy : {kTop, bottom})
        for (const double cx : {kLeft, right})
            crosshair(printer, cx, cy);

    // Where a label's first line lands, placed as the label printing places it.
    for (int position = 1; position <= kAcross * kDown; ++position) {
        const LabelMargins margins = *labelMargins(position);
        printer.home();
        printer.emptyLine();
        for (int i = 0; i < margins.padRows; ++i)
            printer.emptyLine();
        printer.printLine({{margins.indent, 0, QString::number(position)}});
    }
}
