#include "print/EnvelopeSizes.h"

#include <array>

std::optional<std::pair<double, double>> envelopeInches(int sizeNumber)
{
    static constexpr std::array<std::pair<double, double>, 6> sizes{{
        {9.5, 4.125},  // #10
        {6.5, 3.625},  // #6 3/4
        {5.75, 4.375}, // #A2
        {7.25, 5.25},  // #A7
        {8.125, 5.5},  // #A8
        {9.5, 6.0},    // #A10
    }};
    if (sizeNumber < 1 || sizeNumber > 6)
        return std::nullopt;
    return sizes[sizeNumber - 1];
}
