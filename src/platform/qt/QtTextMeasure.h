#pragma once

#include "platform/qt/QtPrinterDeviceFonts.h"
#include "platform/TextMeasure.h"

#include <QImage>

// Text measured as a printer of the given resolution measures it (a file printer's is 1200
// dpi): Qt scales a font by the device's resolution alone, so no printer need be opened.
class QtTextMeasure : public TextMeasure {
public:
    explicit QtTextMeasure(int dotsPerInch = 1200);
    QtTextMeasure(const QtTextMeasure&) = delete; // its fonts know its device
    QtTextMeasure& operator=(const QtTextMeasure&) = delete;

    double averageCharWidth(const PrintFont& font) override;
    double textWidth(const PrintFont& font, const QString& text) override;

private:
    QImage m_device;
    int m_dotsPerInch;
    PrinterFonts m_fonts{&m_device};
};
