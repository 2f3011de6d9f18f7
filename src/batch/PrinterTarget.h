#pragma once

#include "batch/BatchRequest.h"
#include "platform/PrinterDevice.h"

#include <QStringList>
#include <memory>

class Platform;

namespace Batch {

// The printers installed here, by name.
QStringList installedPrinters();
bool printerInstalled(const QString& name);

// The one place a print target becomes a device: a PDF file as the print dialog's
// "Print to File" leaves it, or the named printer in its stored calibration, each on letter
// paper as the dialog starts.
std::unique_ptr<PrinterDevice> makePrinterDevice(Platform& platform, const PrintTarget& target);

} // namespace Batch
