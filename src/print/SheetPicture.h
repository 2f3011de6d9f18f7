#pragma once

#include "platform/PreviewDocument.h"
#include "print/Composer.h"
#include "print/PrintPreview.h"

#include <QPointF>
#include <QRectF>
#include <QString>
#include <memory>
#include <vector>

class Platform;
class PrinterDevice;
class TextMeasure;

// A label of the 30-label sheet as the picture shows it.
enum class SheetLabel { Free, Used, Chosen };

// What Print would do with the composer now, as one page: drawn by the print code itself on the
// preview's recording printer, so it cannot differ from the printout.
struct SheetPicture {
    PreviewStock stock = PreviewStock::ThirtyLabels;
    // The first page Print would put on paper; the bare stock when Print would put nothing there.
    PreviewPage page;
    // The 30-label sheet's labels by position (1 first); empty for other stock.
    std::vector<SheetLabel> labels;
    int firstChosen = 0; // positions Print fills, 0 when none
    int lastChosen = 0;
    // Runs of lines that will not stay on their label or envelope, points from the paper's corner.
    std::vector<QRectF> marks;
    // What Print would say instead of printing; empty when it would print.
    QString refusal;
    // The chosen labels (or envelope) in words, for a screen reader.
    QString description;
};

// Draws the composer's pictures without a dialog, a message box or a printer: refusals become
// the picture's refusal. The preview printer is asked for once and kept.
class SheetPicturer {
public:
    // measure: the boxes' long-line marks are measured with it, so the picture marks the same lines.
    SheetPicturer(Platform& platform, TextMeasure& measure);
    ~SheetPicturer();

    // returnAddress: the return-address sheet is waiting for its lines.
    SheetPicture draw(const Composer& composer, bool returnAddress);

private:
    PageGeometry bareGeometry(PreviewStock stock, const Composer& composer);

    Platform& m_platform;
    TextMeasure& m_measure;
    std::unique_ptr<PrinterDevice> m_layout;
    bool m_asked = false;
};

// The position (1..30) of the label under point (points from the paper's corner); 0 for none
// or when the picture is not of the 30-label sheet.
int labelAt(const SheetPicture& picture, const QPointF& point);

// The run's box on the paper, in points from its corner, as wide as measure makes its text.
QRectF runBox(const PlacedText& run, TextMeasure& measure);
