#pragma once

#include "platform/PrinterDevice.h"
#include "platform/qt/QtPrinterDeviceFonts.h"

#include <QPageSize>
#include <QPainter>
#include <QPrinter>

#include <memory>
#include <vector>

class Platform;

// The line printer's calls drawn onto a QPrinter: a real printer or a PDF file, with the
// line printer's origin at the fixed point of PagePlacement.h. An abandoned document never
// reaches the printer or the file. Into a file each page is drawn when it is finished, into a
// file beside the named one that takes its place when the document ends: memory stays the
// same however long the document. A printer's job, once started, cannot be taken back, so
// for a printer the document is kept until it ends and then drawn in one go.
class QtPrinterDevice : public PrinterDevice {
public:
    // deviceName, when given, is the name the device reports instead of the printer's own: a
    // file printed as a named printer would print it.
    explicit QtPrinterDevice(std::unique_ptr<QPrinter> printer, const QString& deviceName = QString());

    QPrinter& printer() { return *m_printer; }
    // Keeps every document until it ends, as for a printer, also when printing to a file.
    void keepDocumentsWhole() { m_keepWhole = true; }

    QString deviceName() const override;
    void setOrientation(Orientation orientation) override;
    void setPaperSize(PaperSize size) override;
    void feedEnvelope(double widthInches, double heightInches) override;
    double averageCharWidth(const PrintFont& font) override;
    double textWidth(const PrintFont& font, const QString& text) override;
    PageGeometry page() override;
    void drawText(const PlacedText& run) override;
    void drawRule(const PlacedRule& rule) override;
    void newPage() override;
    void endDocument() override;
    void abandonDocument() override;

private:
    struct Page {
        std::vector<PlacedText> runs;
        std::vector<PlacedRule> rules;
    };
    // The file the open document goes into, when printing to a file.
    QString documentFile() const;
    void openDocument();
    // Starts the painter on the document's first page, or the printer on a new page.
    void startPage();
    void drawPage(const Page& page);
    void endPainting();
    double toPoints(double pixels) const;

    std::unique_ptr<QPrinter> m_printer;
    PrinterFonts m_fonts;
    bool m_keepWhole = false;
    std::vector<Page> m_pages; // of the open document, not drawn yet
    bool m_open = false;
    bool m_streaming = false; // the open document is drawn page by page
    QPainter m_painter;
    bool m_pagesStarted = false;
    QString m_partial; // the file the open document is drawn into, beside its own
    QString m_outputBase;
    int m_documents = 0;
    QString m_deviceName;
};

// The Qt font a printer draws a printer font in.
QFont printerFont(const PrintFont& font);

// One page's runs drawn with painter, which paints on printer, the way a printer device draws
// them: printing, the preview and the sheet beside the composer share it. A point is the
// device's logical resolution over 72.
void drawPlacedRuns(QPainter& painter, QPaintDevice& printer, const std::vector<PlacedText>& runs);
// The same for one page's rules.
void drawPlacedRules(QPainter& painter, QPrinter& printer, const std::vector<PlacedRule>& rules);

// True when the QPrinter writes a file (Print to File, PDF, an output file name) rather than
// feeding paper through a printer.
bool printsToFile(const QPrinter& printer);
// False when a printer queue is stopped or gone: the job would never come out of it.
bool printerCanPrint(const QPrinter& printer);

// The device every printout draws on for a chosen QPrinter: a real printer in the calibration
// stored for its name (CalibratedDevice.h), a file exactly as laid out. Whatever opens a printer
// (the print dialog, a printer named on a command line) turns it into a device here.
std::unique_ptr<PrinterDevice> printerDeviceFor(Platform& platform, std::unique_ptr<QPrinter> printer,
                                                const QString& deviceName = QString());

// Envelope and card papers: the named envelopes, and any page with a short side of 7 in or less.
bool isEnvelopePaper(const QPageSize& size);
