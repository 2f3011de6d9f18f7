#include "print/PrintCommand.h"

#include "platform/AppError.h"
#include "platform/Numbers.h"
#include "platform/PagePlacement.h"
#include "platform/Platform.h"
#include "print/EnvelopeSizes.h"
#include "print/LabelPositions.h"
#include "print/LinePrinter.h"
#include "print/PrintRun.h"

#include <algorithm>

namespace {

const QString kCourier = QStringLiteral("Courier New");
const QString kTrebuchet = QStringLiteral("Trebuchet MS");

bool isSpecialFamily(const QString& deviceName)
{
    const QStringList families = specialPrinterFamilies();
    return std::any_of(families.begin(), families.end(),
                       [&](const QString& family) { return deviceName.contains(family); });
}

void printComposerLine(LinePrinter& printer, const QString& text, int indent, bool centered)
{
    printer.printLine({{indent, centringSpaces(text, centered), text}});
}

void printPadRows(LinePrinter& printer, int padRows)
{
    for (int i = 0; i < padRows; ++i)
        printer.emptyLine();
}

void applyLabelMargins(Composer& composer)
{
    if (const auto margins = labelMargins(leadingNumber(composer.startPosition))) {
        composer.leftPad = QString::number(margins->indent);
        composer.topPad = QString::number(margins->padRows);
    }
}

void printCopy(LinePrinter& printer, Composer& composer)
{
    PrinterDevice& device = printer.device();
    const int labels = composer.envelope ? 1 : composer.labelCount;
    if (composer.portrait) {
        device.setOrientation(Orientation::Portrait);
        printer.setFontSize(10);
    } else {
        device.setOrientation(Orientation::Landscape);
        printer.setFontSize(12);
    }
    const bool special = isSpecialFamily(device.deviceName());
    if (special)
        device.setPaperSize(composer.envelope ? PaperSize::Envelope10 : PaperSize::Letter);
    if (composer.envelope && !composer.portrait) {
        if (const auto inches = envelopeInches(static_cast<int>(leadingNumber(composer.envelopeSizeNumber))))
            device.feedEnvelope(inches->first, inches->second);
    }

    if (composer.envelope)
        printer.oneEnvelope();
    printer.emptyLine();
    printer.setFontName(kCourier);
    if (composer.envelope) {
        if (composer.bold)
            printer.setBold(true);
        if (composer.largeFont) {
            printer.setFontName(kTrebuchet);
            printer.setFontSize(14);
            printer.setItalic(true);
        }
    }
    if (!composer.envelope || !composer.largeFont) {
        printer.setFontName(kCourier);
        printer.setItalic(false);
    }
    if (composer.envelope && !composer.bold)
        printer.setBold(false);
    if (composer.labelStock) {
        printer.setBold(false);
        composer.bold = false;
        composer.boldVisible = false;
    }

    // The envelope corrections work on copies: the boxes keep what the user saw.
    int indent = readInt16(composer.leftPad);
    int padRows = readInt16(composer.topPad);
    if (composer.envelope) {
        if (composer.bold)
            padRows -= 1;
        if (composer.largeFont) {
            indent += 4;
            padRows -= 8;
        }
        if (special)
            padRows -= 2;
    }
    printPadRows(printer, padRows);

    for (int label = 1; label <= labels; ++label) {
        for (const QString& line : composer.lines)
            printComposerLine(printer, line, indent, composer.centered);
        if (composer.envelope)
            break;
        // Each label is reached afresh from the top-left corner of the page.
        composer.startPosition = QString::number(leadingNumber(composer.startPosition) + 1);
        printer.home();
        printer.emptyLine();
        applyLabelMargins(composer);
        indent = readInt16(composer.leftPad);
        padRows = readInt16(composer.topPad);
        printPadRows(printer, padRows);
    }
}

// The label sheet in landscape: the last position p such that every label up to p, one empty
// line, its pad rows and five lines of 12 points, lies above the bottom of a letter page.
int lastLandscapePosition()
{
    const PagePlacement::Page page = PagePlacement::place(11 * 72, 8.5 * 72, false);
    const double line = 12 * LinePrinter::kLinePitch;
    int last = 0;
    while (last < 30) {
        const auto margins = labelMargins(last + 1);
        if ((1 + margins->padRows + 5) * line > page.printableHeight + 1e-6)
            break;
        ++last;
    }
    return last;
}

// Positions start .. start + count - 1 that the sheet has.
int lastRequestedPosition(const Composer& composer)
{
    const int start = static_cast<int>(leadingNumber(composer.startPosition));
    return std::min(30, start + std::max(composer.labelCount, 1) - 1);
}

// The checks that refuse Print before its dialog; the all-empty check aside.
bool refusesMedium(const Composer& composer)
{
    return (!composer.labelStock && !composer.envelope)
           || (composer.envelope && leadingNumber(composer.envelopeSizeNumber) == 0)
           || (!composer.leftJustified && !composer.centered);
}

bool refuse(Platform& platform, const QString& text, const QString& title,
            MessageIcon icon = MessageIcon::Exclamation)
{
    platform.beep();
    platform.messageBox(text, title, MessageButtons::Ok, icon);
    return false;
}

} // namespace

int centringSpaces(const QString& text, bool centered)
{
    // Centred in the 30 columns from the indent; a line longer than that starts at the indent.
    return centered ? toInt16(15 - text.size() / 2.0) : 0;
}

QStringList specialPrinterFamilies()
{
    return {QStringLiteral("HP DeskJet 640C/642C/648C"), QStringLiteral("Officejet Pro")};
}

bool printComposer(Platform& platform, Composer& composer)
{
    const bool allEmpty = std::all_of(composer.lines.begin(), composer.lines.end(),
                                      [](const QString& line) { return line.isEmpty(); });
    if (allEmpty)
        return refuse(platform, QStringLiteral("No information entered"), QStringLiteral("Missing Data"));
    if (!composer.labelStock && !composer.envelope)
        return refuse(platform, QStringLiteral("Select Label stock or Envelope"),
                      QStringLiteral("Media Selection"));
    if (composer.envelope && leadingNumber(composer.envelopeSizeNumber) == 0)
        return refuse(platform, QStringLiteral("Select Envelope size"), QStringLiteral("Envelope Size"));
    if (!composer.leftJustified && !composer.centered)
        return refuse(platform, QStringLiteral("Select Left-Justified or Centered"),
                      QStringLiteral("Text Alignment"));

    if (composer.labelStock && !composer.positionCaption.isEmpty()) {
        PositionRange range{composer.startPosition, composer.endPosition, composer.labelCount};
        if (!parsePositionEntry(composer.positionEntry, range)) {
            const PositionMessage message = positionMessage(PositionProblem::EndBeforeStart);
            return refuse(platform, message.text, message.title, MessageIcon::Information);
        }
        composer.startPosition = range.start;
        composer.endPosition = range.end;
        composer.labelCount = range.count;
        applyLabelMargins(composer);
    }

    // A label past the page's bottom would start a page of its own, and every later label
    // would stay on it: a request spread over many sheets instead of one.
    if (composer.labelStock && !composer.portrait) {
        const int last = lastLandscapePosition();
        if (lastRequestedPosition(composer) > last)
            return refuse(platform,
                          QStringLiteral("In Landscape only label positions 1 to %1 fit on the sheet.  Choose "
                                         "positions from 1 to %1, or choose Portrait to print on any of the "
                                         "30 positions.")
                              .arg(last),
                          QStringLiteral("Landscape"));
    }

    // Every copy prints the same labels: each starts again from the first position.
    const Composer firstLabel = composer;
    const PrintOutcome outcome =
        printEachCopy(platform, {.font = {kCourier, 10, false, false}}, [&](LinePrinter& printer) {
            composer.startPosition = firstLabel.startPosition;
            composer.leftPad = firstLabel.leftPad;
            composer.topPad = firstLabel.topPad;
            printCopy(printer, composer);
        });
    return outcome == PrintOutcome::Printed;
}

ComposerLayout composerLayout(const Composer& composer)
{
    if (refusesMedium(composer))
        return {};
    ComposerLayout layout;
    layout.font = {kCourier, composer.portrait ? 10.0 : 12.0, false, false};
    try {
        if (composer.envelope) {
            layout.font.bold = composer.bold;
            if (composer.largeFont)
                layout.font = {kTrebuchet, 14, composer.bold, true};
            layout.columns.push_back(readInt16(composer.leftPad) + (composer.largeFont ? 4 : 0));
            return layout;
        }
        Composer labels = composer;
        if (!labels.positionCaption.isEmpty()) {
            PositionRange range{labels.startPosition, labels.endPosition, labels.labelCount};
            if (!parsePositionEntry(labels.positionEntry, range))
                return {};
            labels.startPosition = range.start;
            labels.labelCount = range.count;
            applyLabelMargins(labels);
        }
        if (!labels.portrait && lastRequestedPosition(labels) > lastLandscapePosition())
            return {};
        for (int label = 1; label <= labels.labelCount; ++label) {
            layout.columns.push_back(readInt16(labels.leftPad));
            labels.startPosition = QString::number(leadingNumber(labels.startPosition) + 1);
            applyLabelMargins(labels);
        }
    } catch (const std::exception&) {
        // A margin past the 16-bit range: Print reports a printer problem before any line.
        return {};
    }
    return layout;
}
