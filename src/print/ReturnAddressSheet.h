#pragma once

#include "print/PrinterProblem.h"

#include <QString>
#include <array>

class Platform;
class LinePrinter;

// One sheet of 80 return-address labels (4 across, 20 down) of the three lines.
void printReturnAddressSheet(LinePrinter& printer, const std::array<QString, 3>& lines);

// The print dialog, then one sheet per copy, each a document of its own. A failure abandons
// the document and shows the printer problem; a cancelled dialog shows nothing.
PrintOutcome printReturnAddressSheets(Platform& platform, const std::array<QString, 3>& lines);
