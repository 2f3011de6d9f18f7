#pragma once

#include "platform/Platform.h"
#include "print/PrinterProblem.h"

#include <functional>

class LinePrinter;

// One print run of a sheet printout: the print dialog, then one document per copy, each drawn
// by printOne. A cancelled dialog prints nothing; any failure abandons the open document and
// shows the printer problem.
PrintOutcome printEachCopy(Platform& platform, const PrintDialogRequest& request, const PrintFont& font,
                           Orientation orientation, const std::function<void(LinePrinter&)>& printOne);
