#include "platform/qt/QtPreview.h"

#include "platform/qt/QtPlatform.h"
#include "platform/qt/QtPrinterDevice.h"

#include <QAction>
#include <QCoreApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

// Light enough to read the text through, dark enough to see on a white page.
const QColor kOutlineColour(120, 150, 210, 160);

QPageLayout layoutOf(const PageGeometry& page)
{
    const bool lying = page.width > page.height;
    const QSizeF upright = lying ? QSizeF(page.height, page.width) : QSizeF(page.width, page.height);
    return QPageLayout(QPageSize(upright, QPageSize::Point, QString(), QPageSize::FuzzyMatch),
                       lying ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF());
}

} // namespace

int hideLayoutActions(QPrintPreviewDialog& dialog)
{
    const QStringList captions{QCoreApplication::translate("QPrintPreviewDialog", "Print"),
                               QCoreApplication::translate("QPrintPreviewDialog", "Page setup"),
                               QCoreApplication::translate("QPrintPreviewDialog", "Portrait"),
                               QCoreApplication::translate("QPrintPreviewDialog", "Landscape")};
    int hidden = 0;
    for (QAction* action : dialog.findChildren<QAction*>()) {
        if (captions.contains(action->text())) {
            action->setVisible(false);
            ++hidden;
        }
    }
    return hidden;
}

void layOutPreviewPrinter(QPrinter& printer, const PreviewDocument& document)
{
    printer.setFullPage(true);
    if (!document.pages.empty())
        printer.setPageLayout(layoutOf(document.pages.front().geometry));
}

void paintPreview(QPrinter& printer, const PreviewDocument& document)
{
    layOutPreviewPrinter(printer, document);
    QPainter painter;
    if (!painter.begin(&printer))
        return;
    const double scale = printer.resolution() / 72.0;
    for (std::size_t page = 0; page < document.pages.size(); ++page) {
        if (page > 0)
            printer.newPage();
        const PreviewPage& current = document.pages[page];
        drawPlacedRuns(painter, printer, current.runs);
        drawPlacedRules(painter, printer, current.rules);
        painter.save();
        painter.setPen(QPen(kOutlineColour, 0)); // hairline at any zoom
        painter.setBrush(Qt::NoBrush);
        // An envelope's edge is the page's: kept a point inside, so all four sides show.
        const QRectF paper = QRectF(0, 0, current.geometry.width * scale, current.geometry.height * scale)
                                 .adjusted(scale, scale, -scale, -scale);
        for (const QRectF& outline : current.outlines)
            painter.drawRect(QRectF(outline.topLeft() * scale, outline.size() * scale).intersected(paper));
        painter.restore();
    }
    painter.end();
}

std::unique_ptr<PrinterDevice> QtPlatform::previewPrinter()
{
    // What the print dialog starts from: letter paper, laid out as a file is and named as the
    // default printer, whose name some printouts go by.
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setPageSize(QPageSize(QPageSize::Letter));
    return std::make_unique<QtPrinterDevice>(std::move(printer), QPrinterInfo::defaultPrinterName());
}

void QtPlatform::showPreview(const PreviewDocument& document)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    layOutPreviewPrinter(printer, document);
    QPrintPreviewDialog dialog(&printer, m_parent);
    dialog.setWindowTitle(QStringLiteral("Print Preview"));
    hideLayoutActions(dialog);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&document](QPrinter* target) { paintPreview(*target, document); });
    dialog.resize(900, 1000);
    dialog.exec();
}
