#pragma once

#include "platform/PagePlacement.h"
#include "platform/PrinterDevice.h"

#include <vector>

// Places text as a line printer does: empty lines down the page, character columns across,
// from a fixed origin on the paper. Every printout goes through this class.
class LinePrinter {
public:
    // Line height is a fixed pitch per point size, not the font's own spacing: the label
    // tables count lines of 0.15 inch at 10 points.
    static constexpr double kLinePitch = 1.08;

    struct Item {
        int column = 1; // 1-based; below 1 counts as 1
        int spaces = 0; // printed before the text; below 0 counts as 0
        QString text;
    };

    explicit LinePrinter(PrinterDevice& device);

    PrinterDevice& device() { return m_device; }

    void setFont(const PrintFont& font) { m_font = font; }
    void setFontName(const QString& name) { m_font.name = name; }
    void setFontSize(double pointSize) { m_font.pointSize = pointSize; }
    void setBold(bool bold) { m_font.bold = bold; }
    void setItalic(bool italic) { m_font.italic = italic; }
    const PrintFont& font() const { return m_font; }

    double lineHeight() const { return m_font.pointSize * kLinePitch; }

    // The document is one envelope: its page never advances, however far down the text goes
    // (a second page would feed a second envelope). Until the document ends.
    void oneEnvelope() { m_oneEnvelope = true; }
    // Text that would pass the right edge of the printable area goes on under its own column,
    // line after line, broken after a word where one ends in time. Until the document ends.
    void wrapAtRightEdge() { m_wrap = true; }

    void emptyLine();
    // A rule on the current page, ends in points from the print origin; the line position stays.
    void drawRule(double x1, double y1, double x2, double y2, double width);
    void printLine(const std::vector<Item>& items);
    // Column 1 of line 1 on the current page.
    void home();
    // Column 1 at yPoints below the print origin, counted as line 1 of the current page.
    void setPosition(double yPoints);
    // The next text goes on a fresh page. The page starts with that text, so a document that
    // ends right after a new page has no blank page at its end.
    void newPage();
    void endDocument();
    void abandonDocument();

    // Points below the origin where the next line's top goes on the current page.
    double lineTop() const { return m_y; }
    // The room below and right of the origin on the current page before its bottom and right
    // margins (a quarter inch each), in points.
    double printableHeight();
    double printableWidth();

    // Where the next line goes: 1-based on the current page.
    int line() const { return m_line; }
    int page() const { return m_page; }

private:
    // Starts the next page when this line would pass the bottom of the printable area.
    void fitLine();
    void nextLine();
    void startPendingPage();
    void drawRun(int column, double x, const QString& text);
    // How many of the text's first characters fit in width points: at least one.
    qsizetype fittingLength(const QString& text, double width);
    // Where the device's page lies under the line printer's origin.
    PagePlacement::Page placement();

    PrinterDevice& m_device;
    PrintFont m_font;
    int m_page = 1;
    int m_line = 1;
    double m_x = 0;
    double m_y = 0;
    int m_pendingPages = 0; // started but not yet sent: they wait for text
    bool m_oneEnvelope = false;
    bool m_wrap = false;
};
