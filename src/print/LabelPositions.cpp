#include "print/LabelPositions.h"

#include "platform/Numbers.h"

#include <array>
#include <cmath>

std::optional<LabelMargins> labelMargins(double position)
{
    static constexpr std::array<int, 3> indents{2, 35, 68};
    static constexpr std::array<int, 10> padRows{3, 10, 16, 23, 30, 36, 43, 50, 56, 63};
    if (position < 1 || position > 30 || std::floor(position) != position)
        return std::nullopt;
    const int p = static_cast<int>(position) - 1;
    return LabelMargins{indents[p % 3], padRows[p / 3]};
}

QString cleanPositionEntry(const QString& answer)
{
    QString cleaned = answer;
    cleaned.remove(u' ');
    cleaned.remove(u'.');
    return cleaned.trimmed();
}

bool parsePositionEntry(const QString& entry, PositionRange& range)
{
    const qsizetype length = entry.size();
    if (length == 1 || length == 2) {
        range.start = entry;
        range.count = 1;
        return true;
    }
    if (length < 3 || length > 5) {
        // Other lengths name only a start.
        range.start = entry;
        return true;
    }
    const QString start = length == 5 ? entry.left(2) : entry.left(1);
    const QString end = length == 3 ? entry.right(1) : entry.right(2);
    const double first = leadingNumber(start);
    const double last = leadingNumber(end);
    range.start = start;
    range.end = end;
    if (last < first)
        return false;
    range.count = static_cast<int>(last - first + 1);
    return true;
}

PositionProblem checkPositionEntry(const QString& entry, PositionRange& range)
{
    if (!entry.contains(u'-') && entry.size() > 2)
        return PositionProblem::NoDash;
    if (leadingNumber(entry.right(2)) > 30)
        return PositionProblem::PositionOver30;
    if (entry.size() == 5 && entry[1] == u'-')
        return PositionProblem::MoreThan30;
    // Six characters or more cannot name a range within the sheet (30-30 is the longest).
    if (entry.size() >= 6)
        return PositionProblem::MoreThan30;
    if (!parsePositionEntry(entry, range))
        return PositionProblem::EndBeforeStart;
    return PositionProblem::None;
}

PositionMessage positionMessage(PositionProblem problem)
{
    switch (problem) {
    case PositionProblem::NoDash:
        return {QStringLiteral("Use a dash when specifying a range of labels to print.  Examples: 1-30, 5-8, "
                               "15-22.  Each number represents a label position on label sheet."),
                QStringLiteral("Include dash for range of labels")};
    case PositionProblem::PositionOver30:
        return {QStringLiteral("Label position cannot exceed 30"), QStringLiteral("Maximum is 30")};
    case PositionProblem::MoreThan30:
        return {QStringLiteral("No more than 30 labels may be printed.  To print an entire sheet, enter 1-30."),
                QStringLiteral("Maximum is 30")};
    case PositionProblem::EndBeforeStart:
        return {QStringLiteral("Label starting position cannot exceed ending position."),
                QStringLiteral("Try again")};
    case PositionProblem::None:
        break;
    }
    return {};
}

PositionMessage startOver30Message()
{
    return {QStringLiteral("Cannot be greater than 30"), QStringLiteral("Enter a number between 1 and 30"),
            false};
}

QString positionPrompt()
{
    return QStringLiteral(
        "Enter the label position [a number between 1 and 30] on which to print.  Example: label position 5 "
        "would be the middle label on the 2nd row of label sheet.  To print multiple labels, enter a range "
        "such as 4-9, 15-18, etc.  To print an entire sheet, enter 1-30.");
}

QString positionPromptTitle()
{
    return QStringLiteral("Label position reading L to R");
}
