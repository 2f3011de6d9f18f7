#include "print/PrintRun.h"

#include "print/LinePrinter.h"

#include <memory>

PrintOutcome printEachCopy(Platform& platform, const PrintDialogRequest& request, const PrintFont& font,
                           Orientation orientation, const std::function<void(LinePrinter&)>& printOne)
{
    std::unique_ptr<PrinterDevice> device;
    std::unique_ptr<LinePrinter> printer;
    try {
        std::optional<PrintChoice> choice = platform.printDialog(request);
        if (!choice)
            return PrintOutcome::Cancelled;
        device = std::move(choice->printer);
        printer = std::make_unique<LinePrinter>(*device);
        printer->setFont(font);
        device->setOrientation(orientation);
        for (int copy = 1; copy <= choice->copies; ++copy) {
            printOne(*printer);
            printer->endDocument();
        }
        return PrintOutcome::Printed;
    } catch (...) {
        if (printer)
            printer->abandonDocument();
        showPrinterProblem(platform);
        return PrintOutcome::Failed;
    }
}
