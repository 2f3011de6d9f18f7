#pragma once

#include <QString>
#include <optional>

// The 30-label sheet: positions 1..30, left to right, row by row, three across.
struct LabelMargins {
    int indent = 0;  // character column of the label's lines
    int padRows = 0; // empty lines above them, after the first
};

// The margins of a position; none for a number outside 1..30 or not whole.
std::optional<LabelMargins> labelMargins(double position);

// Spaces and periods removed, then trimmed.
QString cleanPositionEntry(const QString& answer);

// Why the position dialog refuses an entry, in the order the checks run.
enum class PositionProblem { None, NoDash, PositionOver30, MoreThan30, EndBeforeStart };

struct PositionRange {
    QString start;
    QString end;
    int count = 0;
};

// Parses by the entry's length into range (which keeps what the entry does not set;
// an entry of 6 or more characters sets only the start).
// False when the end comes before the start.
bool parsePositionEntry(const QString& entry, PositionRange& range);

// Runs the checks and, when they pass, the parse into range.
PositionProblem checkPositionEntry(const QString& entry, PositionRange& range);

struct PositionMessage {
    QString text;
    QString title;
    bool information = true; // otherwise exclamation
};

PositionMessage positionMessage(PositionProblem problem);

// The start outside 1..30 message, shown after the margins are looked up.
PositionMessage startOver30Message();

QString positionPrompt();
QString positionPromptTitle();
