#include "print/PrintCommand.h"

#include "platform/AppError.h"
#include "platform/Numbers.h"
#include "platform/PagePlacement.h"
#include "platform/Platform.h"
#include "print/ComposerPrintRequest.h"
#include "print/EnvelopeSizes.h"
#include "print/LabelPositions.h"
#include "print/LinePrinter.h"
#include "print/PrintRun.h"

#include <algorithm>
#include <cmath>

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

QString withoutTrailingSpaces(const QString& text)
{
    qsizetype end = text.size();
    while (end > 0 && text[end - 1].isSpace())
        --end;
    return text.left(end);
}

[[noreturn]] void refuseEnvelope(const QString& text)
{
    throw AppError::refusal(5, QStringLiteral("Invalid procedure call or argument"),
                            QStringLiteral("The address does not fit on the envelope: ") + text,
                            QStringLiteral("Envelope margins"));
}

// An envelope is one page: a line below its bottom or past its right edge could go nowhere, so
// such an address is refused before anything is printed. The printer stands where the pad rows
// begin, in the font of the lines; indent and padRows are corrected, the boxes' values in request.
void refuseUnfitEnvelope(LinePrinter& printer, const ComposerPrintRequest& request, int indent, int padRows)
{
    constexpr double kSlack = 1e-6;
    int last = 0; // the lines up to the last with text
    for (int i = 0; i < int(request.lines.size()); ++i)
        if (!withoutTrailingSpaces(request.lines[i]).isEmpty())
            last = i + 1;
    if (last == 0)
        return;
    const double height = printer.lineHeight();
    const double room = printer.printableHeight() - printer.lineTop();
    if ((std::max(0, padRows) + last) * height > room + kSlack) {
        const int fewest = static_cast<int>(std::floor((room + kSlack) / height)) - last;
        if (fewest < 0)
            refuseEnvelope(QStringLiteral("even without pad rows its line %1 would print below the envelope's "
                                          "bottom edge.  Print fewer lines.")
                               .arg(last));
        refuseEnvelope(QStringLiteral("with %1 pad rows its line %2 would print below the envelope's bottom edge.  "
                                      "Use at most %3 pad rows (Top margin).")
                           .arg(request.padRows.value())
                           .arg(last)
                           .arg(request.padRows.value() - padRows + fewest));
    }

    PrinterDevice& device = printer.device();
    double width = printer.printableWidth();
    if (const auto inches = envelopeInches(request.envelopeSize); inches && !request.portrait)
        width = std::min(width, inches->first * 72 - PagePlacement::kOriginLeft - PagePlacement::kRightMargin);
    const double column = device.averageCharWidth(printer.font());
    for (int i = 0; i < last; ++i) {
        const QString ink = withoutTrailingSpaces(request.lines[i]);
        if (ink.isEmpty())
            continue;
        const QString text = QString(std::max(0, centringSpaces(request.lines[i], request.centered)), u' ') + ink;
        const double over = (std::max(1, indent) - 1) * column + device.textWidth(printer.font(), text) - width;
        if (over <= kSlack)
            continue;
        const int furthest = std::max(1, indent) - static_cast<int>(std::ceil((over - kSlack) / column));
        if (furthest < 1)
            refuseEnvelope(QStringLiteral("its line %1 is too long for the envelope.").arg(i + 1));
        refuseEnvelope(QStringLiteral("with an indent of %1 its line %2 would print past the envelope's right "
                                      "edge.  Use an indent of at most %3 (Left margin).")
                           .arg(request.indent.value())
                           .arg(i + 1)
                           .arg(request.indent.value() - indent + furthest));
    }
}

// One copy of the labels or the envelope. shown is the composer, whose start position and
// margin boxes move on label by label, as the window's do.
void printCopy(LinePrinter& printer, const ComposerPrintRequest& request, Composer& shown)
{
    PrinterDevice& device = printer.device();
    const int labels = request.envelope ? 1 : request.labelCount;
    if (request.portrait) {
        device.setOrientation(Orientation::Portrait);
        printer.setFontSize(10);
    } else {
        device.setOrientation(Orientation::Landscape);
        printer.setFontSize(12);
    }
    const bool special = isSpecialFamily(device.deviceName());
    if (special)
        device.setPaperSize(request.envelope ? PaperSize::Envelope10 : PaperSize::Letter);
    if (request.envelope && !request.portrait) {
        if (const auto inches = envelopeInches(request.envelopeSize))
            device.feedEnvelope(inches->first, inches->second);
    }

    if (request.envelope)
        printer.oneEnvelope();
    printer.emptyLine();
    printer.setFontName(kCourier);
    if (request.envelope) {
        if (request.bold)
            printer.setBold(true);
        if (request.largeFont) {
            printer.setFontName(kTrebuchet);
            printer.setFontSize(14);
            printer.setItalic(true);
        }
    }
    if (!request.envelope || !request.largeFont) {
        printer.setFontName(kCourier);
        printer.setItalic(false);
    }
    if (request.envelope && !request.bold)
        printer.setBold(false);
    if (request.labelStock) {
        printer.setBold(false);
        shown.bold = false;
        shown.boldVisible = false;
    }

    // The envelope corrections work on copies: the boxes keep what the user saw.
    int indent = request.indent.value();
    int padRows = request.padRows.value();
    if (request.envelope) {
        if (request.bold)
            padRows -= 1;
        if (request.largeFont) {
            indent += 4;
            padRows -= 8;
        }
        if (special)
            padRows -= 2;
        refuseUnfitEnvelope(printer, request, indent, padRows);
    }
    printPadRows(printer, padRows);

    double position = request.startPosition;
    for (int label = 1; label <= labels; ++label) {
        for (const QString& line : request.lines)
            printComposerLine(printer, line, indent, request.centered);
        if (request.envelope)
            break;
        // Each label is reached afresh from the top-left corner of the page.
        position += 1;
        shown.startPosition = QString::number(position);
        printer.home();
        printer.emptyLine();
        // A position past the sheet keeps the margins it had.
        if (const auto margins = labelMargins(position)) {
            indent = margins->indent;
            padRows = margins->padRows;
            shown.leftPad = QString::number(indent);
            shown.topPad = QString::number(padRows);
        }
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
int lastRequestedPosition(const ComposerPrintRequest& request)
{
    const int start = static_cast<int>(request.startPosition);
    return std::min(30, start + std::max(request.labelCount, 1) - 1);
}

// The checks that refuse Print before its dialog; the all-empty check aside.
bool refusesMedium(const ComposerPrintRequest& request)
{
    return (!request.labelStock && !request.envelope) || (request.envelope && request.envelopeSize == 0)
           || (!request.leftJustified && !request.centered);
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
    const ComposerPrintRequest request = readComposerPrint(composer);
    const bool allEmpty = std::all_of(request.lines.begin(), request.lines.end(),
                                      [](const QString& line) { return line.isEmpty(); });
    if (allEmpty)
        return refuse(platform, QStringLiteral("No information entered"), QStringLiteral("Missing Data"));
    if (!request.labelStock && !request.envelope)
        return refuse(platform, QStringLiteral("Select Label stock or Envelope"), QStringLiteral("Media Selection"));
    if (request.envelope && request.envelopeSize == 0)
        return refuse(platform, QStringLiteral("Select Envelope size"), QStringLiteral("Envelope Size"));
    if (!request.leftJustified && !request.centered)
        return refuse(platform, QStringLiteral("Select Left-Justified or Centered"), QStringLiteral("Text Alignment"));
    if (request.endBeforeStart) {
        const PositionMessage message = positionMessage(PositionProblem::EndBeforeStart);
        return refuse(platform, message.text, message.title, MessageIcon::Information);
    }
    showReparsedPositions(composer, request);

    // A label past the page's bottom would start a page of its own, and every later label
    // would stay on it: a request spread over many sheets instead of one.
    if (request.labelStock && !request.portrait) {
        const int last = lastLandscapePosition();
        if (lastRequestedPosition(request) > last)
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
            printCopy(printer, request, composer);
        });
    return outcome == PrintOutcome::Printed;
}

ComposerLayout composerLayout(const Composer& composer)
{
    const ComposerPrintRequest request = readComposerPrint(composer);
    if (refusesMedium(request))
        return {};
    ComposerLayout layout;
    layout.font = {kCourier, request.portrait ? 10.0 : 12.0, false, false};
    try {
        if (request.envelope) {
            layout.font.bold = request.bold;
            if (request.largeFont)
                layout.font = {kTrebuchet, 14, request.bold, true};
            layout.columns.push_back(request.indent.value() + (request.largeFont ? 4 : 0));
            return layout;
        }
        if (request.endBeforeStart)
            return {};
        if (!request.portrait && lastRequestedPosition(request) > lastLandscapePosition())
            return {};
        double position = request.startPosition;
        Int16Box indent = request.indent;
        for (int label = 1; label <= request.labelCount; ++label) {
            layout.columns.push_back(indent.value());
            position += 1;
            if (const auto margins = labelMargins(position))
                indent = Int16Box(margins->indent);
        }
    } catch (const AppError&) {
        // A margin past the 16-bit range: Print reports a printer problem before any line.
        return {};
    }
    return layout;
}
