#pragma once

#include "platform/PrinterDevice.h"

#include <QString>
#include <memory>

class Platform;
class QPrinter;

// True when the QPrinter writes a file (Print to File, PDF, an output file name) rather than
// feeding paper through a printer.
bool printsToFile(const QPrinter& printer);

// The device every printout draws on for a chosen QPrinter: a real printer in the calibration
// stored for its name, a file exactly as laid out. Whatever opens a printer (the print dialog, a
// printer named on a command line) turns it into a device here. deviceName, when given, is the
// name the device reports (QtPrinterDevice.h).
std::unique_ptr<PrinterDevice> printerDeviceFor(Platform& platform, std::unique_ptr<QPrinter> printer,
                                                const QString& deviceName = QString());
