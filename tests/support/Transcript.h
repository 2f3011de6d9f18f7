#pragma once

#include "support/FakePlatform.h"

#include <QStringList>

enum class EmptyRuns { Keep, Skip };

// "page:line:column:size:text" for every run of a printed document.
inline QStringList transcript(const FakeDocument& document, EmptyRuns empty = EmptyRuns::Keep)
{
    QStringList lines;
    for (const PlacedText& run : document.runs) {
        if (empty == EmptyRuns::Skip && run.text.isEmpty())
            continue;
        lines << QStringLiteral("%1:%2:%3:%4:%5")
                     .arg(run.page)
                     .arg(run.line)
                     .arg(run.column)
                     .arg(run.font.pointSize)
                     .arg(run.text);
    }
    return lines;
}
