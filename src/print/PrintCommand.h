#pragma once

#include "platform/TextMeasure.h"
#include "print/Composer.h"

#include <vector>

class Platform;

// The main window's Print: the checks, the print dialog, then one document per copy of the
// label range or the envelope. Reports through the platform's message boxes and writes back
// into composer what a print run changes (start position, margin boxes, Bold).
void printComposer(Platform& platform, Composer& composer);

// Where Print puts the composer's lines: their font, and the column the lines of each label
// start at, in the order printed (one for an envelope). No columns when Print would refuse or
// fail before it prints a line.
struct ComposerLayout {
    PrintFont font;
    std::vector<int> columns;
};

ComposerLayout composerLayout(const Composer& composer);
