#include "print/LinePrinter.h"

#include <algorithm>

namespace {
// Rounding slack, so text that ends exactly at a column's edge has not reached it.
constexpr double kEpsilon = 1e-6;
}

LinePrinter::LinePrinter(PrinterDevice& device) : m_device(device) {}

PagePlacement::Page LinePrinter::placement()
{
    const PageGeometry page = m_device.page();
    return PagePlacement::place(page.width, page.height, page.envelope);
}

void LinePrinter::fitLine()
{
    if (m_oneEnvelope)
        return;
    if (m_y > 0 && m_y + lineHeight() > placement().printableHeight + kEpsilon) {
        // Deferred so that trailing empty lines never leave a blank page behind.
        ++m_pendingPages;
        ++m_page;
        m_line = 1;
        m_x = 0;
        m_y = 0;
    }
}

void LinePrinter::startPendingPage()
{
    for (; m_pendingPages > 0; --m_pendingPages)
        m_device.newPage();
}

void LinePrinter::nextLine()
{
    m_y += lineHeight();
    m_x = 0;
    ++m_line;
}

void LinePrinter::emptyLine()
{
    fitLine();
    nextLine();
}

void LinePrinter::printLine(const std::vector<Item>& items)
{
    fitLine();
    for (const Item& item : items) {
        const int column = std::max(1, item.column);
        const double target = (column - 1) * m_device.averageCharWidth(m_font);
        if (m_x > target + kEpsilon) {
            // The line has already reached that column: continue there on the next line.
            nextLine();
            fitLine();
        }
        QString text = QString(std::max(0, item.spaces), u' ') + item.text;
        if (m_wrap) {
            const double room = printableWidth() - target;
            while (text.size() > 1 && m_device.textWidth(m_font, text) > room + kEpsilon) {
                qsizetype cut = fittingLength(text, room);
                qsizetype rest = cut;
                // After the last word that fits, when the text has one: its space is not printed.
                const qsizetype space = text.lastIndexOf(u' ', cut);
                if (space > 0 && !text.left(space).trimmed().isEmpty()) {
                    cut = space;
                    rest = space + 1;
                }
                if (rest >= text.size()) { // only a space passes the edge
                    text.truncate(cut);
                    break;
                }
                drawRun(column, target, text.left(cut));
                text = text.mid(rest);
                nextLine();
                fitLine();
            }
        }
        drawRun(column, target, text);
    }
    nextLine();
}

void LinePrinter::drawRun(int column, double x, const QString& text)
{
    startPendingPage();
    PlacedText run;
    run.page = m_page;
    run.line = m_line;
    run.column = column;
    run.x = x;
    run.y = m_y - placement().offset;
    run.font = m_font;
    run.text = text;
    m_device.drawText(run);
    m_x = x + m_device.textWidth(m_font, text);
}

qsizetype LinePrinter::fittingLength(const QString& text, double width)
{
    qsizetype fits = 1, fails = text.size();
    while (fails - fits > 1) {
        const qsizetype middle = fits + (fails - fits) / 2;
        if (m_device.textWidth(m_font, text.left(middle)) <= width + kEpsilon)
            fits = middle;
        else
            fails = middle;
    }
    return fits;
}

double LinePrinter::printableHeight()
{
    return placement().printableHeight;
}

double LinePrinter::printableWidth()
{
    return m_device.page().width - PagePlacement::kOriginLeft - PagePlacement::kRightMargin;
}

void LinePrinter::drawRule(double x1, double y1, double x2, double y2, double width)
{
    startPendingPage();
    const double offset = placement().offset;
    m_device.drawRule({m_page, x1, y1 - offset, x2, y2 - offset, width});
}

void LinePrinter::home()
{
    m_line = 1;
    m_x = 0;
    m_y = 0;
}

void LinePrinter::setPosition(double yPoints)
{
    home();
    m_y = yPoints;
}

void LinePrinter::newPage()
{
    // A page that the last line spilled onto still holds nothing: that one serves.
    if (m_pendingPages == 0) {
        m_pendingPages = 1;
        ++m_page;
    }
    home();
}

void LinePrinter::endDocument()
{
    m_device.endDocument();
    m_page = 1;
    m_pendingPages = 0;
    m_oneEnvelope = false;
    m_wrap = false;
    home();
}

void LinePrinter::abandonDocument()
{
    m_device.abandonDocument();
    m_page = 1;
    m_pendingPages = 0;
    m_oneEnvelope = false;
    m_wrap = false;
    home();
}
