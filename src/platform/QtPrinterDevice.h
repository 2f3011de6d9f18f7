#pragma once

#include "platform/PrinterDevice.h"

#include <QPrinter>

class QFontMetricsF;
class QPainter;
class QPointF;
#include <memory>
#include <vector>

// The line printer's calls drawn onto a QPrinter: a real printer or a PDF file.
// Its column 1, line 1 is a fixed point on the paper, whatever the printer's hardware
// margins, so a label sheet lands the same on every printer and in a PDF.
// A document is kept until it ends, then drawn in one go: an abandoned one never reaches
// the printer, which a started print job could not promise.
class QtPrinterDevice : public PrinterDevice {
public:
    static constexpr double kOriginLeft = 0.25 * 72; // points from the paper's left edge
    static constexpr double kOriginTop = 0.04 * 72;  // points from the paper's top edge
    static constexpr double kBottomMargin = 0.25 * 72;

    explicit QtPrinterDevice(std::unique_ptr<QPrinter> printer);

    QPrinter& printer() { return *m_printer; }

    QString deviceName() const override;
    void setOrientation(Orientation orientation) override;
    void setPaperSize(PaperSize size) override;
    void feedEnvelope(double widthInches, double heightInches) override;
    double averageCharWidth(const PrintFont& font) override;
    double textWidth(const PrintFont& font, const QString& text) override;
    double printableHeight() override;
    void drawText(const PlacedText& run) override;
    void newPage() override;
    void endDocument() override;
    void abandonDocument() override;

private:
    void openDocument();
    void drawPages();
    void drawTabbed(QPainter& painter, const QFontMetricsF& metrics, const QPointF& topLeft, const QString& text);
    QFont qtFont(const PrintFont& font) const;
    double toDevice(double points) const;
    double toPoints(double pixels) const;

    std::unique_ptr<QPrinter> m_printer;
    std::vector<std::vector<PlacedText>> m_pages; // of the open document
    bool m_open = false;
    QString m_outputBase;
    int m_documents = 0;
    // How far the page starts below the letter page that envelope placement counts from.
    double m_envelopeOffset = 0;
};
