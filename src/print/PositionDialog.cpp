#include "print/PositionDialog.h"

#include "platform/Numbers.h"
#include "platform/Platform.h"

PositionDialogResult runPositionDialog(Platform& platform, const PositionRange& current)
{
    PositionRange held = current;
    for (;;) {
        PositionDialogResult result;
        result.positionEntry =
            cleanPositionEntry(platform.inputBox(positionPrompt(), positionPromptTitle(), QStringLiteral("1")));
        PositionRange range = held;
        const PositionProblem problem = checkPositionEntry(result.positionEntry, range);
        if (problem != PositionProblem::None) {
            const PositionMessage message = positionMessage(problem);
            platform.beep();
            platform.messageBox(message.text, message.title, MessageButtons::Ok, MessageIcon::Information);
            continue;
        }
        // A passing entry is kept even when the start then turns out too large.
        held = range;
        result.range = range;

        const double start = leadingNumber(range.start);
        if (const auto margins = labelMargins(start))
            result.margins = *margins;
        if (start > 30) {
            const PositionMessage message = startOver30Message();
            platform.beep();
            platform.messageBox(message.text, message.title, MessageButtons::Ok, MessageIcon::Exclamation);
            continue;
        }
        result.chosen = start != 0;
        if (result.chosen)
            result.caption = QStringLiteral("Label Position ") + result.positionEntry;
        else
            result.margins = {2, 3};
        return result;
    }
}
