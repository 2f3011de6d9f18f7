#pragma once

#include "platform/PrinterDevice.h"

#include <QRectF>
#include <vector>

// One page of a printout as printing would put it on paper.
struct PreviewPage {
    PageGeometry geometry;        // the page as it lies
    std::vector<PlacedText> runs; // as the line printer placed them, from its origin (PagePlacement.h)
    std::vector<PlacedRule> rules; // the same
    // The stock's labels, or the envelope's edge, in points from the paper's top-left corner.
    std::vector<QRectF> outlines;
};

struct PreviewDocument {
    std::vector<PreviewPage> pages;
};
