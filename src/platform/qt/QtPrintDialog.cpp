#include "platform/qt/QtMapping.h"
#include "platform/qt/QtPrinterDevice.h"
#include "platform/qt/QtPlatform.h"

#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

std::optional<PrintChoice> QtPlatform::printDialog(const PrintDialogRequest& request)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    // The label stocks are letter sheets; the user may still pick another paper.
    printer->setPageSize(QPageSize(QPageSize::Letter));
    printer->setFullPage(true);

    QPrintDialog dialog(printer.get(), m_parent);
    configurePrintDialog(dialog, request);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;

    PrintChoice choice;
    choice.copies = std::max(1, printer->copyCount());
    // The program prints each copy as a document of its own.
    printer->setCopyCount(1);
    choice.selectionChosen = dialog.printRange() == QAbstractPrintDialog::Selection;
    if (dialog.printRange() == QAbstractPrintDialog::PageRange) {
        choice.fromPage = dialog.fromPage();
        choice.toPage = dialog.toPage();
    }
    choice.printer = printerDeviceFor(*this, std::move(printer));
    return choice;
}

QStringList QtPlatform::printerNames()
{
    return QPrinterInfo::availablePrinterNames();
}
