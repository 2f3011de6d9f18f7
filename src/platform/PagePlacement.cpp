#include "platform/PagePlacement.h"

#include <algorithm>

namespace PagePlacement {

Page place(double widthPoints, double heightPoints, bool envelope)
{
    Page page;
    if (envelope && widthPoints >= heightPoints && heightPoints < kLetterShortSide)
        page.offset = kLetterShortSide - heightPoints;
    page.printableHeight = heightPoints + page.offset - kOriginTop - kBottomMargin;
    return page;
}

bool looksLikeEnvelope(double widthPoints, double heightPoints)
{
    return std::min(widthPoints, heightPoints) <= 7 * 72 + 1e-6;
}

} // namespace PagePlacement
