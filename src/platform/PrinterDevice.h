#pragma once

#include "platform/TextMeasure.h"

#include <QString>

enum class Orientation { Portrait = 1, Landscape = 2 };
enum class PaperSize { Letter = 1, Envelope10 = 20 };

// The page as it lies (orientation applied), in points.
struct PageGeometry {
    double width = 0;
    double height = 0;
    bool envelope = false; // envelope or card paper
};

// One run of text placed by the line printer. x and y are points from the page's fixed print
// origin (y is the top of the line; see PagePlacement.h); line and column are the line printer's own count,
// kept so a recorded printout reads as a line printer's transcript.
struct PlacedText {
    int page = 1;
    int line = 1;
    int column = 1;
    double x = 0;
    double y = 0;
    PrintFont font;
    QString text;
};

// A straight rule, as the calibration sheet draws its outlines: ends in points from the
// print origin, like PlacedText; width in points.
struct PlacedRule {
    int page = 1;
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
    double width = 0.5;
};

// The printer chosen in the print dialog. Each document starts with the first drawing or
// page call after the previous one ended; endDocument sends it, abandonDocument drops it.
// Lengths are in points (1/72 inch).
class PrinterDevice : public TextMeasure {
public:
    virtual ~PrinterDevice() = default;

    virtual QString deviceName() const = 0;
    virtual void setOrientation(Orientation orientation) = 0;
    virtual void setPaperSize(PaperSize size) = 0;
    // The envelope to be printed, width x height in inches, long side across. A printer leaves
    // paper and feed to its driver; a file printer makes its page that envelope unless the
    // page is already an envelope.
    virtual void feedEnvelope(double widthInches, double heightInches) = 0;
    virtual PageGeometry page() = 0;

    virtual void drawText(const PlacedText& run) = 0;
    virtual void drawRule(const PlacedRule& rule) = 0;
    virtual void newPage() = 0;
    virtual void endDocument() = 0;
    virtual void abandonDocument() = 0;
};
