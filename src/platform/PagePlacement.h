#pragma once

// Where the line printer's fixed origin falls on a page, for every printer device (the Qt
// printers and the test printer): column 1, line 1 is a fixed point on the paper, whatever the
// printer's hardware margins, so a label sheet lands the same on every printer and in a PDF.
namespace PagePlacement {

constexpr double kOriginLeft = 0.25 * 72; // points from the paper's left edge
constexpr double kOriginTop = 0.04 * 72;  // points from the paper's top edge
constexpr double kBottomMargin = 0.25 * 72;
constexpr double kRightMargin = 0.25 * 72;
constexpr double kLetterShortSide = 8.5 * 72;

struct Page {
    // How far the page starts below the page the text is counted on (points).
    double offset = 0;
    // Height available below the origin before a page must advance (points).
    double printableHeight = 0;
};

// A page of widthPoints x heightPoints as it lies (orientation applied). An envelope lying on
// its side is placed as if fed against the bottom edge of a landscape letter page, which is
// where the envelope margins put the address; any other page counts from its own top edge.
Page place(double widthPoints, double heightPoints, bool envelope);

// Named envelopes aside, a page whose short side is at most 7 inches is taken for an envelope
// or a card.
bool looksLikeEnvelope(double widthPoints, double heightPoints);

} // namespace PagePlacement
