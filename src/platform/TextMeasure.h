#pragma once

#include <QString>

// The printer font the line printer sets: name, size and style.
struct PrintFont {
    QString name = QStringLiteral("Courier New");
    double pointSize = 10;
    bool bold = false;
    bool italic = false;

    bool operator==(const PrintFont&) const = default;
};

// How wide text comes out in a printer font, in points (1/72 inch). A printer device is one;
// a window that has no printer measures with the fonts a printer would use.
class TextMeasure {
public:
    virtual ~TextMeasure() = default;

    // The width of one character column.
    virtual double averageCharWidth(const PrintFont& font) = 0;
    virtual double textWidth(const PrintFont& font, const QString& text) = 0;
};
