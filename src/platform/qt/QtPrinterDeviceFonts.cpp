#include "platform/qt/QtPrinterDeviceFonts.h"

#include "platform/qt/QtPrinterDevice.h"

#include <QFontInfo>

PrinterFonts::Font& PrinterFonts::entry(const PrintFont& key)
{
    if (m_last && m_last->key == key)
        return *m_last;
    for (const std::unique_ptr<Font>& f : m_fonts)
        if (f->key == key)
            return *(m_last = f.get());
    const QFont font(printerFont(key), m_device);
    const QFontMetricsF metrics(font, m_device);
    m_fonts.push_back(std::unique_ptr<Font>(new Font{key, font, metrics, metrics.averageCharWidth(),
                                                     QFontInfo(font).fixedPitch(), {}}));
    m_last = m_fonts.back().get();
    m_last->advances.fill(NotMeasured);
    return *m_last;
}

namespace {

// A character that shaping leaves as one glyph of its own advance, whatever stands beside it.
bool standsAlone(QChar c)
{
    return c.isPrint() && c.category() != QChar::Other_Format && c != u'\t';
}

} // namespace

double PrinterFonts::textWidth(const PrintFont& key, const QString& text)
{
    Font& f = entry(key);
    if (!f.fixedPitch)
        return f.metrics.horizontalAdvance(text);
    double width = 0;
    for (const QChar c : text) {
        if (c.unicode() >= f.advances.size())
            return f.metrics.horizontalAdvance(text);
        double& advance = f.advances[c.unicode()];
        if (advance == NotMeasured)
            advance = standsAlone(c) && f.metrics.inFont(c) ? f.metrics.horizontalAdvance(QString(c)) : Unsure;
        if (advance == Unsure)
            return f.metrics.horizontalAdvance(text);
        width += advance;
    }
    return width;
}
