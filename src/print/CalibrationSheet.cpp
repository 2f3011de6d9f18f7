#include "print/CalibrationSheet.h"

#include "platform/PagePlacement.h"
#include "print/LabelPositions.h"
#include "print/LabelStock.h"
#include "print/LinePrinter.h"

namespace {

constexpr double kRuleWidth = 0.5; // points

// A rule between two points of the paper, in points from its top-left corner.
void rule(LinePrinter& printer, QPointF from, QPointF to)
{
    const QPointF origin(PagePlacement::kOriginLeft, PagePlacement::kOriginTop);
    from -= origin;
    to -= origin;
    printer.drawRule(from.x(), from.y(), to.x(), to.y(), kRuleWidth);
}

void crosshair(LinePrinter& printer, QPointF centre)
{
    const double arm = kCrosshairArm * 72;
    rule(printer, centre - QPointF(arm, 0), centre + QPointF(arm, 0));
    rule(printer, centre - QPointF(0, arm), centre + QPointF(0, arm));
}

} // namespace

void drawCalibrationSheet(LinePrinter& printer, const QStringList& heading)
{
    printer.home();
    for (const QString& line : heading)
        printer.printLine({{1, 0, line}});

    QRectF area;
    for (const QRectF& label : labelOutlines(kThirtyLabelSheet)) {
        rule(printer, label.topLeft(), label.topRight());
        rule(printer, label.topRight(), label.bottomRight());
        rule(printer, label.bottomRight(), label.bottomLeft());
        rule(printer, label.bottomLeft(), label.topLeft());
        area = area.united(label);
    }
    for (const QPointF& corner : {area.topLeft(), area.topRight(), area.bottomLeft(), area.bottomRight()})
        crosshair(printer, corner);

    // Where a label's first line lands, placed as the label printing places it.
    for (int position = 1; position <= kThirtyLabelSheet.across * kThirtyLabelSheet.down; ++position) {
        const LabelMargins margins = *labelMargins(position);
        printer.home();
        printer.emptyLine();
        for (int i = 0; i < margins.padRows; ++i)
            printer.emptyLine();
        printer.printLine({{margins.indent, 0, QString::number(position)}});
    }
}
