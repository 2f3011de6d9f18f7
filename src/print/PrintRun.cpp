#include "print/PrintRun.h"

#include "platform/AppError.h"
#include "print/LinePrinter.h"

#include <memory>

PrintOutcome printEachCopy(Platform& platform, const PrintRun& run,
                           const std::function<void(LinePrinter&)>& printCopy)
{
    std::unique_ptr<PrinterDevice> device;
    std::unique_ptr<LinePrinter> printer;
    try {
        std::optional<PrintChoice> choice = platform.printDialog(run.dialog);
        if (!choice)
            return PrintOutcome::Cancelled;
        device = std::move(choice->printer);
        printer = std::make_unique<LinePrinter>(*device);
        printer->setFont(run.font);
        if (choice->selectionChosen && run.selection) {
            if (run.selection(*printer))
                printer->endDocument();
            return PrintOutcome::Printed;
        }
        if (run.beforeCopies && !run.beforeCopies(*device))
            return PrintOutcome::Cancelled;
        if (run.orientation)
            device->setOrientation(*run.orientation);
        for (int copy = 1; copy <= choice->copies; ++copy) {
            printCopy(*printer);
            if (!run.copiesAsPages)
                printer->endDocument();
        }
        if (run.copiesAsPages)
            printer->endDocument();
        return PrintOutcome::Printed;
    } catch (const AppError& error) {
        if (printer)
            printer->abandonDocument();
        if (error.isRefusal()) {
            platform.beep();
            platform.messageBox(error.refusalText(), error.refusalTitle(), MessageButtons::Ok, MessageIcon::Exclamation);
        } else {
            showPrinterProblem(platform, run.problemTitle);
        }
        return PrintOutcome::Failed;
    } catch (...) {
        // Everything else a printout throws is the printer's problem to the user, whatever it was.
        if (printer)
            printer->abandonDocument();
        showPrinterProblem(platform, run.problemTitle);
        return PrintOutcome::Failed;
    }
}
