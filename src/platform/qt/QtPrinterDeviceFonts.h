#pragma once

#include "platform/TextMeasure.h"

#include <QFont>
#include <QFontMetricsF>

#include <array>
#include <memory>
#include <vector>

class QPaintDevice;

// The Qt fonts a paint device draws printer fonts in, each made once with its metrics. A line
// printer asks for the width of every run; building a font and its metrics and shaping the text
// each time cost more than drawing it. Widths are in the device's pixels.
class PrinterFonts {
public:
    explicit PrinterFonts(QPaintDevice* device) : m_device(device) {}

    struct Font {
        PrintFont key;
        QFont font;
        QFontMetricsF metrics;
        double averageCharWidth = 0;
        // Fixed pitch: a run is as wide as its characters one by one, which are measured once.
        bool fixedPitch = false;
        // Latin-1 characters' advances; NotMeasured, or Unsure for those measured with their run.
        std::array<double, 256> advances;
    };
    static constexpr double NotMeasured = -1, Unsure = -2;

    const Font& font(const PrintFont& key) { return entry(key); }
    double averageCharWidth(const PrintFont& key) { return font(key).averageCharWidth; }
    // As QFontMetricsF::horizontalAdvance(text) answers it.
    double textWidth(const PrintFont& key, const QString& text);

private:
    Font& entry(const PrintFont& key);

    QPaintDevice* m_device;
    std::vector<std::unique_ptr<Font>> m_fonts;
    Font* m_last = nullptr;
};
