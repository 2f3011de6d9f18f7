#pragma once

#include "print/LabelPositions.h"

#include <QString>
#include <optional>

class Platform;

// What the label-position dialog leaves in the main window.
struct PositionDialogResult {
    QString positionEntry;      // PositionEntry
    PositionRange range;        // StartPosition, EndPosition, LabelCount
    LabelMargins margins{2, 3}; // the margin boxes
    // A start other than 0: the caption shows and the focus goes to Print. Otherwise neither
    // medium stays chosen and the caption is hidden.
    bool chosen = false;
    QString caption; // lblLMPosition
};

// One answer to the position prompt judged: what it leaves in the window when it passes, or the
// refusal to show before the prompt is asked again. held is the range the window holds; it
// takes the range of an entry that passes its checks even when the start is then refused.
struct PositionAnswer {
    PositionDialogResult result;
    std::optional<PositionMessage> refusal;
};
PositionAnswer judgePositionAnswer(const QString& answer, PositionRange& held);
// A refused entry's beep and message.
void showPositionRefusal(Platform& platform, const PositionMessage& refusal);

// The dialog of the Label stock option: asks for a position or range until an entry passes,
// answering each refused one with its message. current is the range the window holds, which
// an entry keeps whatever parts it does not name. The caller has already reset the window
// (Portrait, envelope controls hidden, caption empty); that reset is the same on every round.
PositionDialogResult runPositionDialog(Platform& platform, const PositionRange& current);
