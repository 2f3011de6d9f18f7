#pragma once

#include "platform/TextMeasure.h"
#include "print/PrinterProblem.h"

#include <QString>
#include <array>

class Platform;
class LinePrinter;

// The sheet's font, and the character columns at which the four labels of a row start.
PrintFont returnAddressFont();
const std::array<int, 4>& returnAddressColumns();

// One sheet of 80 return-address labels (4 across, 20 down) of the three lines.
void printReturnAddressSheet(LinePrinter& printer, const std::array<QString, 3>& lines);

// The print dialog, then one sheet per copy, each a document of its own. A failure abandons
// the document and shows the printer problem; a cancelled dialog shows nothing.
PrintOutcome printReturnAddressSheets(Platform& platform, const std::array<QString, 3>& lines);
