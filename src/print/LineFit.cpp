#include "print/LineFit.h"

#include "platform/PagePlacement.h"
#include "print/ComposerPrintRequest.h"
#include "print/EnvelopeSizes.h"
#include "print/LabelStock.h"
#include "print/PrintCommand.h"
#include "print/ReturnAddressSheet.h"

#include <algorithm>

namespace {

// The line printer's own slack: text ending exactly at a column has not reached it.
constexpr double kEpsilon = 1e-6;
// Printers leave about a quarter inch at the paper's edge unprinted.
constexpr double kEnvelopeEdge = 0.25 * 72;

// The right edge of the label under a line that starts x points right of the print origin.
// scale > 1 spreads the sheet as a larger font spreads the margin table's columns.
double labelRightEdge(const LabelStock& sheet, double x, double scale)
{
    const auto left = [&](int label) {
        return ((sheet.left + label * sheet.columnPitch) * 72 - PagePlacement::kOriginLeft) * scale;
    };
    int label = 0;
    while (label + 1 < sheet.across && left(label + 1) <= x + kEpsilon)
        ++label;
    return left(label) + sheet.width * 72 * scale;
}

double columnX(int column, double charWidth)
{
    return (std::max(1, column) - 1) * charWidth;
}

void addPlace(std::vector<FitPlace>& places, const FitPlace& place)
{
    if (std::find(places.begin(), places.end(), place) == places.end())
        places.push_back(place);
}

FitLayout returnAddressLayout(TextMeasure& measure)
{
    FitLayout layout;
    layout.stock = FitStock::ReturnAddressSheet;
    layout.font = returnAddressFont();
    layout.lineCount = 3;
    const double charWidth = measure.averageCharWidth(layout.font);
    const auto& columns = returnAddressColumns();
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const double edge = labelRightEdge(kEightyLabelSheet, columnX(columns[i], charWidth), 1);
        addPlace(layout.places, {columns[i], edge, i + 1 < columns.size() ? columns[i + 1] : 0});
    }
    return layout;
}

QString withoutTrailingSpaces(const QString& text)
{
    qsizetype end = text.size();
    while (end > 0 && text[end - 1].isSpace())
        --end;
    return text.left(end);
}

LineFitProblem problemAt(const QString& text, const FitPlace& place, const FitLayout& layout, TextMeasure& measure,
                         bool checkNext)
{
    const double charWidth = measure.averageCharWidth(layout.font);
    const QString spaces(std::max(0, centringSpaces(text, layout.centered)), u' ');
    const double start = columnX(place.column, charWidth);
    // Spaces print no ink: only the visible text must stay on the label.
    const QString ink = withoutTrailingSpaces(text);
    if (!ink.isEmpty() && start + measure.textWidth(layout.font, spaces + ink) > place.rightEdge + kEpsilon)
        return LineFitProblem::TooLong;
    // But the line printer counts them: past the next column, the rest of the line goes one down.
    if (checkNext && place.nextColumn > 0
        && start + measure.textWidth(layout.font, spaces + text) > columnX(place.nextColumn, charWidth) + kEpsilon)
        return LineFitProblem::PushesNextLabel;
    return LineFitProblem::None;
}

LineFitProblem problemOf(const QString& text, const FitLayout& layout, TextMeasure& measure)
{
    for (const FitPlace& place : layout.places)
        if (problemAt(text, place, layout, measure, false) != LineFitProblem::None)
            return LineFitProblem::TooLong;
    for (const FitPlace& place : layout.places)
        if (problemAt(text, place, layout, measure, true) != LineFitProblem::None)
            return LineFitProblem::PushesNextLabel;
    return LineFitProblem::None;
}

} // namespace

FitLayout fitLayout(const Composer& composer, bool returnAddress, TextMeasure& measure)
{
    if (returnAddress)
        return returnAddressLayout(measure);
    const ComposerLayout printed = composerLayout(composer);
    if (printed.columns.empty())
        return {};
    FitLayout layout;
    layout.font = printed.font;
    layout.centered = composer.centered;
    layout.lineCount = 5;
    if (composer.envelope) {
        const auto inches = envelopeInches(envelopeSizeOf(composer.envelopeSizeNumber));
        // Upright, the envelope's long side runs down the page and the margins mean nothing.
        if (!inches || composer.portrait)
            return {};
        layout.stock = FitStock::Envelope;
        layout.places.push_back({printed.columns.front(), inches->first * 72 - PagePlacement::kOriginLeft - kEnvelopeEdge, 0});
        return layout;
    }
    layout.stock = FitStock::LabelSheet;
    for (int column : printed.columns)
        addPlace(layout.places, labelSheetPlace(column, 0, layout.font, measure));
    return layout;
}

FitPlace labelSheetPlace(int column, int nextColumn, const PrintFont& font, TextMeasure& measure)
{
    const double charWidth = measure.averageCharWidth(font);
    // The margin table counts columns of 10-point Courier; a larger font spreads them.
    const double scale = charWidth / measure.averageCharWidth({font.name, 10, false, false});
    return {column, labelRightEdge(kThirtyLabelSheet, columnX(column, charWidth), scale), nextColumn};
}

std::array<LineFit, 5> fitLines(const std::array<QString, 5>& lines, const FitLayout& layout, TextMeasure& measure)
{
    std::array<LineFit, 5> fits;
    for (int i = 0; i < 5; ++i) {
        const QString& line = lines[i];
        fits[i].fitting = static_cast<int>(line.size());
        if (i >= layout.lineCount || layout.places.empty())
            continue;
        fits[i].problem = problemOf(line, layout, measure);
        if (fits[i].problem == LineFitProblem::None)
            continue;
        // The longest start of the line that fits: the empty start always does, the whole line not.
        qsizetype fitsUpTo = 0, failsAt = line.size();
        while (failsAt - fitsUpTo > 1) {
            const qsizetype middle = fitsUpTo + (failsAt - fitsUpTo) / 2;
            if (problemOf(line.left(middle), layout, measure) == LineFitProblem::None)
                fitsUpTo = middle;
            else
                failsAt = middle;
        }
        fits[i].fitting = static_cast<int>(fitsUpTo);
    }
    return fits;
}

std::array<LineFit, 5> fitComposer(const Composer& composer, bool returnAddress, TextMeasure& measure)
{
    return fitLines(composer.lines, fitLayout(composer, returnAddress, measure), measure);
}

QString lineFitMessage(int lineNumber, const LineFit& fit, FitStock stock)
{
    switch (fit.problem) {
    case LineFitProblem::None:
        return {};
    case LineFitProblem::PushesNextLabel:
        return QStringLiteral("Line %1 ends in spaces that push the next label down a line.").arg(lineNumber);
    case LineFitProblem::TooLong:
        break;
    }
    const QString on = stock == FitStock::Envelope ? QStringLiteral("the envelope") : QStringLiteral("a label");
    const QString count = fit.fitting == 1 ? QStringLiteral("1 character fits")
                                           : QStringLiteral("%1 characters fit").arg(fit.fitting);
    return QStringLiteral("Line %1 is too long: %2 on %3.").arg(lineNumber).arg(count, on);
}

QString lineFitHint(const std::array<LineFit, 5>& fits, FitStock stock)
{
    QStringList sentences;
    for (int i = 0; i < 5; ++i)
        if (const QString sentence = lineFitMessage(i + 1, fits[i], stock); !sentence.isEmpty())
            sentences << sentence;
    return sentences.join(u'\n');
}
