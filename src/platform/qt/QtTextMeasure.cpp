#include "platform/qt/QtTextMeasure.h"

QtTextMeasure::QtTextMeasure(int dotsPerInch) : m_device(1, 1, QImage::Format_Mono), m_dotsPerInch(dotsPerInch)
{
    const int dotsPerMeter = qRound(dotsPerInch / 0.0254);
    m_device.setDotsPerMeterX(dotsPerMeter);
    m_device.setDotsPerMeterY(dotsPerMeter);
}

double QtTextMeasure::averageCharWidth(const PrintFont& font)
{
    return m_fonts.averageCharWidth(font) * 72.0 / m_dotsPerInch;
}

double QtTextMeasure::textWidth(const PrintFont& font, const QString& text)
{
    return m_fonts.textWidth(font, text) * 72.0 / m_dotsPerInch;
}
