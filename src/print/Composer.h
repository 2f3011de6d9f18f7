#pragma once

#include <QString>
#include <array>

// What the Print command reads from the main window, and the few things it writes back.
struct Composer {
    std::array<QString, 5> lines;
    bool labelStock = false;
    bool envelope = false;
    QString envelopeSizeNumber; // "1".."7"; "0" or empty while none is chosen
    bool centered = false;
    bool leftJustified = false;
    bool portrait = true; // otherwise landscape
    bool bold = false;
    bool boldVisible = false;
    bool largeFont = false;
    QString leftPad; // indent: txtLMLeftPad
    QString topPad;  // pad rows: txtLMToppad
    QString positionEntry;
    QString startPosition;
    QString endPosition;
    int labelCount = 0;
    QString positionCaption; // lblLMPosition
};
