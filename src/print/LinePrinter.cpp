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
        const QString text = QString(std::max(0, item.spaces), u' ') + item.text;
        startPendingPage();
        PlacedText run;
        run.page = m_page;
        run.line = m_line;
        run.column = column;
        run.x = target;
        run.y = m_y - placement().offset;
        run.font = m_font;
        run.text = text;
        m_device.drawText(run);
        m_x = target + m_device.textWidth(m_font, text);
    }
    nextLine();
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
    home();
}

void LinePrinter::abandonDocument()
{
    m_device.abandonDocument();
    m_page = 1;
    m_pendingPages = 0;
    m_oneEnvelope = false;
    home();
}
