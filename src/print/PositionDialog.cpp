#include "print/PositionDialog.h"

#include "platform/Numbers.h"
#include "platform/Platform.h"

PositionAnswer judgePositionAnswer(const QString& answer, PositionRange& held)
{
    PositionAnswer judged;
    PositionDialogResult& result = judged.result;
    result.positionEntry = cleanPositionEntry(answer);
    PositionRange range = held;
    const PositionProblem problem = checkPositionEntry(result.positionEntry, range);
    if (problem != PositionProblem::None) {
        judged.refusal = positionMessage(problem);
        return judged;
    }
    // A passing entry is kept even when the start then turns out too large.
    held = range;
    result.range = range;

    const double start = leadingNumber(range.start);
    if (const auto margins = labelMargins(start))
        result.margins = *margins;
    if (start > 30) {
        judged.refusal = startOver30Message();
        return judged;
    }
    result.chosen = start != 0;
    if (result.chosen)
        result.caption = QStringLiteral("Label Position ") + result.positionEntry;
    else
        result.margins = {2, 3};
    return judged;
}

void showPositionRefusal(Platform& platform, const PositionMessage& refusal)
{
    platform.beep();
    platform.messageBox(refusal.text, refusal.title, MessageButtons::Ok,
                        refusal.information ? MessageIcon::Information : MessageIcon::Exclamation);
}

PositionDialogResult runPositionDialog(Platform& platform, const PositionRange& current)
{
    PositionRange held = current;
    for (;;) {
        const PositionAnswer judged = judgePositionAnswer(
            platform.inputBox(positionPrompt(), positionPromptTitle(), QStringLiteral("1")), held);
        if (!judged.refusal)
            return judged.result;
        showPositionRefusal(platform, *judged.refusal);
    }
}
