#include "platform/QtCalibratedPrinter.h"

#include "platform/CalibratedDevice.h"
#include "platform/QtPrinterDevice.h"

#include <QPrinter>

bool printsToFile(const QPrinter& printer)
{
    return printer.outputFormat() == QPrinter::PdfFormat || !printer.outputFileName().isEmpty();
}

std::unique_ptr<PrinterDevice> printerDeviceFor(Platform& platform, std::unique_ptr<QPrinter> printer,
                                                const QString& deviceName)
{
    const bool file = printsToFile(*printer);
    auto device = std::make_unique<QtPrinterDevice>(std::move(printer), deviceName);
    if (file)
        return device;
    return calibratedPrinter(platform, std::move(device));
}
