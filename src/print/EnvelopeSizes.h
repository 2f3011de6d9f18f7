#pragma once

#include <optional>
#include <utility>

// The envelope of a size-list entry (1..6) as it lies in landscape, width x height in inches;
// none for the custom entry and for anything else.
std::optional<std::pair<double, double>> envelopeInches(int sizeNumber);
