#pragma once

#include "platform/TextMeasure.h"
#include "print/Composer.h"

#include <QStringList>
#include <vector>

class Platform;

// The printer families whose drivers need the paper named and the envelope raised; a printer
// whose name contains one of these is printed for as that family.
QStringList specialPrinterFamilies();

// The spaces printed before a composer line: below 0 the line printer prints none.
int centringSpaces(const QString& text, bool centered);

// The main window's Print: the checks, the print dialog, then one document per copy of the
// label range or the envelope. Reports through the platform's message boxes and writes back
// into composer what a print run changes (start position, margin boxes, Bold). True when every
// copy went to the printer; a refusal, a cancelled dialog and a printer problem give false.
bool printComposer(Platform& platform, Composer& composer);

// Where Print puts the composer's lines: their font, and the column the lines of each label
// start at, in the order printed (one for an envelope). No columns when Print would refuse or
// fail before it prints a line.
struct ComposerLayout {
    PrintFont font;
    std::vector<int> columns;
};

ComposerLayout composerLayout(const Composer& composer);
