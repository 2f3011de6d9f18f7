#pragma once

#include "print/Composer.h"
#include "print/LabelPositions.h"

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

// A margin box as Print reads it: its leading number, rounded to the nearest integer with halves
// to even. A number past the 16-bit range stays readable here; value() raises the overflow, so
// the print fails where it first uses the margin, as it does when it reads the box there.
class Int16Box {
public:
    Int16Box() = default;
    explicit Int16Box(const QString& text);
    explicit Int16Box(int value) : m_value(static_cast<int16_t>(value)) {}

    int16_t value() const;

private:
    std::optional<int16_t> m_value{0}; // none: past the 16-bit range
};

// EnvelopeSizeNumber as a number: 0 while no size is chosen, 1..7 the size list's entries, and
// -1 or 8 for anything past them.
int envelopeSizeOf(const QString& sizeNumber);

// What the main window's Print reads from the composer, once, as the numbers its copies use.
struct ComposerPrintRequest {
    std::array<QString, 5> lines;
    bool labelStock = false;
    bool envelope = false;
    bool centered = false;
    bool leftJustified = false;
    bool portrait = true;
    bool bold = false;
    bool largeFont = false;
    int envelopeSize = 0;

    // Label stock with a position entered: the stored entry is parsed again, and the start's
    // margins from the table replace the boxes.
    bool reparsed = false;
    bool endBeforeStart = false; // the entry no longer parses: Print refuses
    PositionRange positions;     // StartPosition, EndPosition, LabelCount as the window keeps them
    double startPosition = 0;
    int labelCount = 0;
    Int16Box indent;  // txtLMLeftPad
    Int16Box padRows; // txtLMToppad
    bool tableMargins = false; // indent and pad rows are the start position's
};

ComposerPrintRequest readComposerPrint(const Composer& composer);

// After the parse: the positions and, when the table gave them, the margins the window shows.
void showReparsedPositions(Composer& composer, const ComposerPrintRequest& request);
