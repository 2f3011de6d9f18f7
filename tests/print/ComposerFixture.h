#pragma once

#include "print/Composer.h"
#include "print/LabelPositions.h"
#include "support/FakePlatform.h"

// A composer as the main window leaves it after the user chose a label position.
inline Composer labelComposer(const QString& entry, bool centered = false)
{
    Composer composer;
    composer.lines = {QStringLiteral("Alexandra Montgomery-Smith"), QStringLiteral("1234 Wintergreen Avenue"),
                      QStringLiteral("Apt 5B"), QStringLiteral("Springfield, IL 62704"), QString()};
    composer.labelStock = true;
    composer.centered = centered;
    composer.leftJustified = !centered;
    composer.positionEntry = entry;
    PositionRange range;
    parsePositionEntry(entry, range);
    composer.startPosition = range.start;
    composer.endPosition = range.end;
    composer.labelCount = range.count;
    composer.positionCaption = QStringLiteral("Label Position ") + entry;
    composer.leftPad = QStringLiteral("2");
    composer.topPad = QStringLiteral("3");
    return composer;
}

// An envelope of the given list entry, with the margins its pick writes.
inline Composer envelopeComposer(int size, int indent, int padRows)
{
    Composer composer;
    composer.lines = {QStringLiteral("Mr. John Q. Public"), QStringLiteral("742 Evergreen Terrace"),
                      QStringLiteral("Springfield, OR 97477"), QString(), QString()};
    composer.envelope = true;
    composer.envelopeSizeNumber = QString::number(size);
    composer.leftJustified = true;
    composer.portrait = false;
    composer.leftPad = QString::number(indent);
    composer.topPad = QString::number(padRows);
    return composer;
}

inline std::vector<PlacedText> textRuns(const FakeDocument& document)
{
    std::vector<PlacedText> runs;
    for (const PlacedText& run : document.runs)
        if (!run.text.trimmed().isEmpty())
            runs.push_back(run);
    return runs;
}
