#pragma once

#include <QList>

// Where a TAB moves to in the contact list and in its lines when they are printed: stops in
// quarters of the font's average letter width, and every 32 quarters after the last one.
namespace TabStops {
inline const QList<int> listStops{100, 110, 120, 154, 176, 212, 242};
constexpr int defaultStop = 32;
inline constexpr const char* letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
} // namespace TabStops
