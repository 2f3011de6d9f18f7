#include "platform/QtPrinterDevice.h"

#include "platform/AppError.h"

#include <QFile>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>

QtPrinterDevice::QtPrinterDevice(std::unique_ptr<QPrinter> printer) : m_printer(std::move(printer))
{
    m_printer->setFullPage(true);
    m_outputBase = m_printer->outputFileName();
}

QtPrinterDevice::~QtPrinterDevice()
{
    if (m_painter.isActive())
        abandonDocument();
}

QString QtPrinterDevice::deviceName() const
{
    return m_printer->printerName();
}

void QtPrinterDevice::setOrientation(Orientation orientation)
{
    m_printer->setPageOrientation(orientation == Orientation::Portrait ? QPageLayout::Portrait
                                                                       : QPageLayout::Landscape);
}

void QtPrinterDevice::setPaperSize(PaperSize size)
{
    m_printer->setPageSize(QPageSize(size == PaperSize::Letter ? QPageSize::Letter : QPageSize::Envelope10));
}

void QtPrinterDevice::feedEnvelope(double widthInches, double heightInches)
{
    if (m_printer->outputFormat() != QPrinter::PdfFormat)
        return;
    const bool landscape = m_printer->pageLayout().orientation() == QPageLayout::Landscape;
    const QSizeF portraitSize = landscape ? QSizeF(heightInches, widthInches) : QSizeF(widthInches, heightInches);
    m_printer->setPageSize(QPageSize(portraitSize, QPageSize::Inch, QString(), QPageSize::ExactMatch));
    const double letterHeight = landscape ? 8.5 : 11;
    m_envelopeOffset = (letterHeight - heightInches) * 72;
}

QFont QtPrinterDevice::qtFont(const PrintFont& font) const
{
    QFont qfont(font.name);
    qfont.setPointSizeF(font.pointSize);
    qfont.setBold(font.bold);
    qfont.setItalic(font.italic);
    return qfont;
}

double QtPrinterDevice::toDevice(double points) const
{
    return points * m_printer->resolution() / 72.0;
}

double QtPrinterDevice::toPoints(double pixels) const
{
    return pixels * 72.0 / m_printer->resolution();
}

double QtPrinterDevice::averageCharWidth(const PrintFont& font)
{
    return toPoints(QFontMetricsF(qtFont(font), m_printer.get()).averageCharWidth());
}

double QtPrinterDevice::textWidth(const PrintFont& font, const QString& text)
{
    return toPoints(QFontMetricsF(qtFont(font), m_printer.get()).horizontalAdvance(text));
}

double QtPrinterDevice::printableHeight()
{
    return m_printer->pageLayout().fullRectPoints().height() + m_envelopeOffset - kOriginTop - kBottomMargin;
}

void QtPrinterDevice::beginDocument()
{
    if (m_painter.isActive())
        return;
    ++m_documents;
    // Each copy is a document of its own; in a file, later copies go beside the first.
    if (!m_outputBase.isEmpty() && m_documents > 1) {
        QString name = m_outputBase;
        const QString suffix = QStringLiteral("-%1").arg(m_documents);
        if (name.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
            name.insert(name.size() - 4, suffix);
        else
            name += suffix;
        m_printer->setOutputFileName(name);
    }
    if (!m_painter.begin(m_printer.get()))
        throw AppError::printerError();
}

void QtPrinterDevice::drawText(const PlacedText& run)
{
    beginDocument();
    const QFont font = qtFont(run.font);
    m_painter.setFont(font);
    const QFontMetricsF metrics(font, m_printer.get());
    const QPointF baseline(toDevice(kOriginLeft + run.x), toDevice(kOriginTop + run.y - m_envelopeOffset) + metrics.ascent());
    m_painter.drawText(baseline, run.text);
}

void QtPrinterDevice::newPage()
{
    beginDocument();
    if (!m_printer->newPage())
        throw AppError::printerError();
}

void QtPrinterDevice::endDocument()
{
    beginDocument();
    if (!m_painter.end())
        throw AppError::printerError();
}

void QtPrinterDevice::abandonDocument()
{
    if (!m_painter.isActive())
        return;
    m_printer->abort();
    m_painter.end();
    // A file printer still writes what it had: drop it, as a printer drops an aborted job.
    if (m_printer->outputFormat() == QPrinter::PdfFormat && !m_printer->outputFileName().isEmpty())
        QFile::remove(m_printer->outputFileName());
}
