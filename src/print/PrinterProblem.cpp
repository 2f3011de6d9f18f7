#include "print/PrinterProblem.h"

#include "platform/Platform.h"

void showPrinterProblem(Platform& platform, const QString& title)
{
    platform.messageBox(QStringLiteral("A printer problem exists.  Check printer."), title, MessageButtons::Ok,
                        MessageIcon::Exclamation);
}
