#include "print/PrinterProblem.h"

#include "platform/Platform.h"

void showPrinterProblem(Platform& platform)
{
    platform.messageBox(QStringLiteral("A printer problem exists.  Check printer."), QStringLiteral("Printer error"),
                        MessageButtons::Ok, MessageIcon::Exclamation);
}
