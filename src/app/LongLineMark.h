#pragma once

#include <QColor>
#include <QPalette>

// The long-line mark in the palette's own colours: its text on a tint of its base, with a
// border and the hint in a red as light or dark as the palette needs to stand out. The boxes
// and the sheet beside them mark the same lines alike.
struct MarkColours {
    QColor background;
    QColor text;
    QColor alarm;
};

inline MarkColours markColours(const QPalette& palette)
{
    const QColor base = palette.color(QPalette::Base);
    const bool dark = palette.color(QPalette::Window).lightness() < 128;
    const QColor alarm = dark ? QColor(0xff, 0x8a, 0x80) : QColor(0xc6, 0x28, 0x28);
    const double tint = dark ? 0.2 : 0.12;
    const auto mix = [&](int from, int to) { return int(from + (to - from) * tint); };
    const QColor background(mix(base.red(), alarm.red()), mix(base.green(), alarm.green()),
                            mix(base.blue(), alarm.blue()));
    return {background, palette.color(QPalette::Text), alarm};
}
