#pragma once

#include "platform/TextMeasure.h"
#include "print/Composer.h"

#include <QString>
#include <array>
#include <vector>

// Whether the composer's lines stay on what they are printed on: a label of the 30-label
// sheet, a return-address label, or an envelope.
enum class FitStock { None, LabelSheet, ReturnAddressSheet, Envelope };

// One place a line is printed: the column it starts at, the right edge of its label or
// envelope (points from the print origin), and the column of the text printed after it on
// the same printed line (0 when none follows).
struct FitPlace {
    int column = 1;
    double rightEdge = 0;
    int nextColumn = 0;

    bool operator==(const FitPlace&) const = default;
};

struct FitLayout {
    FitStock stock = FitStock::None;
    PrintFont font;
    bool centered = false;
    int lineCount = 0; // the first lineCount composer lines are printed
    std::vector<FitPlace> places;
};

enum class LineFitProblem {
    None,
    TooLong,          // its text passes the label's (or envelope's) right edge
    PushesNextLabel,  // its width, trailing spaces and all, reaches the next label's column
};

struct LineFit {
    LineFitProblem problem = LineFitProblem::None;
    int fitting = 0; // characters of the line, from its start, that fit; all of them when it fits

    bool operator==(const LineFit&) const = default;
};

// What the composer prints on, from the options Print reads; returnAddress while the
// return-address sheet is waiting for its lines. Stock None when nothing meaningful can be said
// (no medium, an envelope of no known size or upright, a Print that would refuse).
FitLayout fitLayout(const Composer& composer, bool returnAddress, TextMeasure& measure);

// Where a line that starts at column of the 30-label sheet may go in font; nextColumn as in FitPlace.
FitPlace labelSheetPlace(int column, int nextColumn, const PrintFont& font, TextMeasure& measure);

std::array<LineFit, 5> fitLines(const std::array<QString, 5>& lines, const FitLayout& layout, TextMeasure& measure);

// Both at once, for the composer's own lines.
std::array<LineFit, 5> fitComposer(const Composer& composer, bool returnAddress, TextMeasure& measure);

// The sentence for line lineNumber (1-based); empty when it fits.
QString lineFitMessage(int lineNumber, const LineFit& fit, FitStock stock);

// Every line's sentence that has one, a line each.
QString lineFitHint(const std::array<LineFit, 5>& fits, FitStock stock);
