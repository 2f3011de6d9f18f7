#include "print/LabelStock.h"

std::vector<QRectF> labelOutlines(const LabelStock& stock)
{
    std::vector<QRectF> labels;
    labels.reserve(static_cast<std::size_t>(stock.across * stock.down));
    for (int row = 0; row < stock.down; ++row)
        for (int column = 0; column < stock.across; ++column)
            labels.emplace_back((stock.left + column * stock.columnPitch) * 72, (stock.top + row * stock.rowPitch) * 72,
                                stock.width * 72, stock.height * 72);
    return labels;
}
