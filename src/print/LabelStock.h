#pragma once

#include <QRectF>
#include <vector>

// A sheet of labels as it comes from the box, upright: the first label's top-left corner, the
// labels' size and the pitch between them, in inches from the sheet's top-left corner.
struct LabelStock {
    int across, down;
    double left, top, width, height, columnPitch, rowPitch;
};

// The 30-label address sheet (1 in x 2 5/8 in, three across, ten down).
inline constexpr LabelStock kThirtyLabelSheet{3, 10, 0.1875, 0.5, 2.625, 1.0, 2.75, 1.0};
// The 80-label return-address sheet (1/2 in x 1 3/4 in, four across, twenty down).
inline constexpr LabelStock kEightyLabelSheet{4, 20, 0.28125, 0.5, 1.75, 0.5, 2.0625, 0.5};

// Every label of the sheet, row by row, in points from the upright sheet's top-left corner.
std::vector<QRectF> labelOutlines(const LabelStock& stock);
