#pragma once

#include "platform/Platform.h"
#include "print/PrinterProblem.h"

#include <functional>
#include <optional>

class LinePrinter;

// What sets one printout's print run apart from another's.
struct PrintRun {
    PrintDialogRequest dialog;
    PrintFont font;                         // the printer font from the dialog on, kept from copy to copy
    std::optional<Orientation> orientation; // for the copies; none leaves it to the printout
    // When the dialog's Selection is chosen: printed once instead of the copies, as a document of
    // its own. False when there is nothing to print (no document is started). Empty for a
    // printout that offers no Selection: its copies print whatever the dialog says.
    std::function<bool(LinePrinter&)> selection;
    // Called once the printer is chosen, before the first copy; false prints nothing.
    std::function<bool(PrinterDevice&)> beforeCopies;
    bool copiesAsPages = false; // the copies are pages of one document
    QString problemTitle = QStringLiteral("Printer error");
};

// The print dialog, then printCopy once per copy, each copy a document of its own (unless the run
// says otherwise). A cancelled dialog prints nothing and shows nothing; any failure abandons the
// open document, drops the copies still to come and shows the printer problem, or the refusal's
// own message for an AppError refusal.
PrintOutcome printEachCopy(Platform& platform, const PrintRun& run,
                           const std::function<void(LinePrinter&)>& printCopy);
