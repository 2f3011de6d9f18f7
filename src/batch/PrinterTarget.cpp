#include "batch/PrinterTarget.h"

#include "platform/qt/QtPrinterDevice.h"

#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>

namespace Batch {

QStringList installedPrinters()
{
    return QPrinterInfo::availablePrinterNames();
}

bool printerInstalled(const QString& name)
{
    return installedPrinters().contains(name);
}

std::unique_ptr<PrinterDevice> makePrinterDevice(Platform& platform, const PrintTarget& target)
{
    std::unique_ptr<QPrinter> printer;
    if (target.printerName.isEmpty()) {
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(target.pdfPath);
    } else {
        printer = std::make_unique<QPrinter>(QPrinterInfo::printerInfo(target.printerName), QPrinter::HighResolution);
    }
    // The label stocks are letter sheets, as in the print dialog.
    printer->setPageSize(QPageSize(QPageSize::Letter));
    printer->setFullPage(true);
    return printerDeviceFor(platform, std::move(printer), target.deviceName);
}

} // namespace Batch
