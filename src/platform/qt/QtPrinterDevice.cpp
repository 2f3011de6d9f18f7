#include "platform/qt/QtPrinterDevice.h"

#include "platform/AppError.h"
#include "platform/CalibratedDevice.h"
#include "platform/PagePlacement.h"
#include "platform/PrintFiles.h"
#include "platform/TabStops.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QScreen>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinterInfo>
#include <QPen>
#include <QTextOption>

#include <cstdio>
#include <optional>

QFont printerFont(const PrintFont& font)
{
    QFont qfont(font.name);
    qfont.setPointSizeF(font.pointSize);
    qfont.setBold(font.bold);
    qfont.setItalic(font.italic);
    return qfont;
}

namespace {

double toDevice(const QPrinter& printer, double points)
{
    return points * printer.resolution() / 72.0;
}

double toDevice(const QPaintDevice& device, double points)
{
    return points * device.logicalDpiY() / 72.0;
}

void drawTabbed(QPainter& painter, QPaintDevice& printer, const QFontMetricsF& metrics, const QPointF& topLeft,
                const QString& text)
{
    // Lines with TABs are the contact list's: set at the list's own stops, so they read as it shows them.
    const QString letters = QString::fromLatin1(TabStops::letters);
    // Text layout scales tab positions from screen to printer resolution itself.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double screenDpi = screen ? qRound(screen->logicalDotsPerInchY()) : 96.0;
    const double unit = metrics.horizontalAdvance(letters) / letters.size() / 4 * screenDpi / printer.logicalDpiY();
    QTextOption option(Qt::AlignLeft | Qt::AlignTop);
    option.setWrapMode(QTextOption::NoWrap);
    option.setTabStopDistance(TabStops::defaultStop * unit);
    QList<QTextOption::Tab> tabs;
    for (int stop : TabStops::listStops)
        tabs << QTextOption::Tab(stop * unit, QTextOption::LeftTab);
    option.setTabs(tabs);
    painter.drawText(QRectF(topLeft, QSizeF(printer.width(), metrics.height() * 2)), text, option);
}

} // namespace

void drawPlacedRuns(QPainter& painter, QPaintDevice& printer, const std::vector<PlacedText>& runs)
{
    // Runs in a row share their font: it is made once for them.
    const PlacedText* previous = nullptr;
    std::optional<QFontMetricsF> metrics;
    for (const PlacedText& run : runs) {
        if (!previous || !(previous->font == run.font)) {
            const QFont font = printerFont(run.font);
            painter.setFont(font);
            metrics.emplace(font, &printer);
        }
        previous = &run;
        const QPointF topLeft(toDevice(printer, PagePlacement::kOriginLeft + run.x),
                              toDevice(printer, PagePlacement::kOriginTop + run.y));
        if (run.text.contains(u'\t')) {
            drawTabbed(painter, printer, *metrics, topLeft, run.text);
            continue;
        }
        painter.drawText(QPointF(topLeft.x(), topLeft.y() + metrics->ascent()), run.text);
    }
}

void drawPlacedRules(QPainter& painter, QPrinter& printer, const std::vector<PlacedRule>& rules)
{
    const auto point = [&printer](double x, double y) {
        return QPointF(toDevice(printer, PagePlacement::kOriginLeft + x), toDevice(printer, PagePlacement::kOriginTop + y));
    };
    painter.save();
    for (const PlacedRule& rule : rules) {
        QPen pen(Qt::black);
        pen.setWidthF(toDevice(printer, rule.width));
        pen.setCapStyle(Qt::FlatCap);
        painter.setPen(pen);
        painter.drawLine(point(rule.x1, rule.y1), point(rule.x2, rule.y2));
    }
    painter.restore();
}

bool printsToFile(const QPrinter& printer)
{
    return printer.outputFormat() == QPrinter::PdfFormat || !printer.outputFileName().isEmpty();
}

bool printerCanPrint(const QPrinter& printer)
{
    if (printsToFile(printer))
        return true;
    // A queue that was stopped or removed since it was chosen would swallow the job unseen.
    const QPrinterInfo queue = QPrinterInfo::printerInfo(printer.printerName());
    return !queue.isNull() && queue.state() != QPrinter::Error;
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

bool isEnvelopePaper(const QPageSize& size)
{
    const QPageSize::PageSizeId id = size.id();
    if ((id >= QPageSize::EnvelopeB4 && id <= QPageSize::EnvelopeYou4) || id == QPageSize::EnvelopeC5
        || id == QPageSize::EnvelopeDL || id == QPageSize::Envelope10)
        return true;
    const QSizeF points = size.size(QPageSize::Point);
    return PagePlacement::looksLikeEnvelope(points.width(), points.height());
}

QtPrinterDevice::QtPrinterDevice(std::unique_ptr<QPrinter> printer, const QString& deviceName)
    : m_printer(std::move(printer)), m_fonts(m_printer.get()), m_deviceName(deviceName)
{
    m_printer->setFullPage(true);
    m_outputBase = m_printer->outputFileName();
}

QString QtPrinterDevice::deviceName() const
{
    return m_deviceName.isEmpty() ? m_printer->printerName() : m_deviceName;
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
    // Envelope paper chosen in the dialog, or named by the program, is what gets printed on.
    if (m_printer->outputFormat() != QPrinter::PdfFormat || isEnvelopePaper(m_printer->pageLayout().pageSize()))
        return;
    // Page sizes are named upright; the landscape orientation turns the envelope on its side.
    m_printer->setPageSize(QPageSize(QSizeF(heightInches, widthInches), QPageSize::Inch, QString(),
                                     QPageSize::ExactMatch));
}

PageGeometry QtPrinterDevice::page()
{
    const QPageLayout layout = m_printer->pageLayout();
    const QRectF full = layout.fullRectPoints();
    return {full.width(), full.height(), isEnvelopePaper(layout.pageSize())};
}

double QtPrinterDevice::toPoints(double pixels) const
{
    return pixels * 72.0 / m_printer->resolution();
}

double QtPrinterDevice::averageCharWidth(const PrintFont& font)
{
    return toPoints(m_fonts.averageCharWidth(font));
}

double QtPrinterDevice::textWidth(const PrintFont& font, const QString& text)
{
    return toPoints(m_fonts.textWidth(font, text));
}

QString QtPrinterDevice::documentFile() const
{
    // Each copy is a document of its own; in a file, later copies go beside the first.
    return m_outputBase.isEmpty() ? m_printer->outputFileName() : copyFileName(m_outputBase, m_documents + 1);
}

void QtPrinterDevice::openDocument()
{
    if (m_open)
        return;
    m_pages.assign(1, {});
    m_open = true;
    // Where no file can be made beside the target, the document is kept until it ends and
    // drawn straight into the target.
    const QString file = documentFile();
    m_streaming = !m_keepWhole && printsToFile(*m_printer) && !file.isEmpty()
        && QFileInfo(QFileInfo(file).absolutePath()).isWritable();
}

void QtPrinterDevice::drawText(const PlacedText& run)
{
    openDocument();
    m_pages.back().runs.push_back(run);
}

void QtPrinterDevice::drawRule(const PlacedRule& rule)
{
    openDocument();
    m_pages.back().rules.push_back(rule);
}

void QtPrinterDevice::newPage()
{
    openDocument();
    if (!m_streaming) {
        m_pages.emplace_back();
        return;
    }
    drawPage(m_pages.back());
    m_pages.back() = {};
}

void QtPrinterDevice::endDocument()
{
    openDocument();
    for (const Page& page : m_pages)
        drawPage(page);
    endPainting();
    m_pages.clear();
    m_open = false;
}

void QtPrinterDevice::abandonDocument()
{
    if (m_painter.isActive())
        m_painter.end();
    if (!m_partial.isEmpty())
        QFile::remove(m_partial);
    m_partial.clear();
    m_pagesStarted = false;
    m_pages.clear();
    m_open = false;
}

namespace {

// The file a link leads to, or the path itself where it names nothing yet.
QString linkedFile(const QString& path)
{
    const QString real = QFileInfo(path).canonicalFilePath();
    return real.isEmpty() ? path : real;
}

// Where a document for `target` is drawn until it ends: beside it, in a file of this process's.
QString partialFileFor(const QString& target)
{
    const QFileInfo info(target);
    return info.absoluteDir().filePath(
        QStringLiteral(".%1.%2.part").arg(info.fileName()).arg(QCoreApplication::applicationPid()));
}

} // namespace

void QtPrinterDevice::startPage()
{
    if (m_pagesStarted) {
        if (!m_printer->newPage())
            throw AppError::printerError();
        return;
    }
    const QString file = documentFile();
    if (!m_outputBase.isEmpty() && m_printer->outputFileName() != file)
        m_printer->setOutputFileName(file);
    if (!printerCanPrint(*m_printer))
        throw AppError::printerError();
    if (m_streaming) {
        m_partial = partialFileFor(linkedFile(file));
        QFile::remove(m_partial);
        m_printer->setOutputFileName(m_partial);
    }
    if (!m_painter.begin(m_printer.get()))
        throw AppError::printerError();
    m_pagesStarted = true;
}

void QtPrinterDevice::drawPage(const Page& page)
{
    startPage();
    drawPlacedRuns(m_painter, *m_printer, page.runs);
    drawPlacedRules(m_painter, *m_printer, page.rules);
}

void QtPrinterDevice::endPainting()
{
    if (!m_painter.end())
        throw AppError::printerError();
    m_pagesStarted = false;
    if (!m_partial.isEmpty()) {
        const QString into = linkedFile(documentFile());
        // A file it replaces keeps who may read it.
        if (QFileInfo::exists(into))
            QFile::setPermissions(m_partial, QFile::permissions(into));
        if (::rename(QFile::encodeName(m_partial).constData(), QFile::encodeName(into).constData()) != 0)
            throw AppError::printerError();
        m_partial.clear();
    }
    ++m_documents;
}
