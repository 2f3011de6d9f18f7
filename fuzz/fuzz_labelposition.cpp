// The label-position entry as the Label stock dialog and the print run read it: any answer is
// cleaned, checked and parsed without failing, and what passes names labels on the sheet.
#include "FuzzPlatform.h"

#include "contacts/Windows1252.h"
#include "platform/Numbers.h"
#include "print/LabelPositions.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    for (const QString& answer : {QString::fromUtf8(bytes), fromWindows1252(bytes)}) {
        const QString entry = cleanPositionEntry(answer);
        FUZZ_CHECK(!entry.contains(u' ') && !entry.contains(u'.'));

        PositionRange range{QStringLiteral("7"), QStringLiteral("9"), 3};
        const PositionProblem problem = checkPositionEntry(entry, range);
        (void)positionMessage(problem);
        if (problem == PositionProblem::None) {
            FUZZ_CHECK(entry.size() <= 5);
            const double start = leadingNumber(range.start);
            FUZZ_CHECK(start >= -9 && start <= 30);
            if (entry.size() >= 3) {
                const double end = leadingNumber(range.end);
                FUZZ_CHECK(end >= start && end <= 30);
                FUZZ_CHECK(range.count == static_cast<int>(end - start) + 1);
            } else if (!entry.isEmpty()) {
                FUZZ_CHECK(range.count == 1);
            } else {
                FUZZ_CHECK(range.count == 3); // an empty entry (a Cancel) names nothing new
            }
            (void)toInt16(range.count);
            if (const auto margins = labelMargins(start)) {
                FUZZ_CHECK(margins->indent >= 2 && margins->indent <= 68);
                FUZZ_CHECK(margins->padRows >= 3 && margins->padRows <= 63);
            }
        }

        // The print run parses the stored entry again, with whatever range it holds.
        PositionRange again{QStringLiteral("1"), QString(), 0};
        (void)parsePositionEntry(entry, again);
        (void)labelMargins(leadingNumber(again.start));
        (void)labelMargins(leadingNumber(answer));
    }
    return 0;
}
