#include "print/ReturnAddressFlow.h"

#include "platform/Platform.h"
#include "print/PrintPreview.h"
#include "print/ReturnAddressSheet.h"

ReturnAddressLines refuseUnfitReturnAddress(Platform& platform, const std::array<QString, 5>& lines)
{
    if (lines[0].isEmpty() && lines[1].isEmpty() && lines[2].isEmpty()) {
        platform.beep();
        platform.messageBox(QStringLiteral("Fill in Lines 1, 2, and 3, then press Print."),
                            QStringLiteral("Instructions"), MessageButtons::Ok, MessageIcon::Exclamation);
        return ReturnAddressLines::Missing;
    }
    if (!lines[3].isEmpty() || !lines[4].isEmpty()) {
        platform.beep();
        platform.messageBox(QStringLiteral("Leave Lines 4 and 5 blank"), QStringLiteral("Small label can fit only 3 lines"),
                            MessageButtons::Ok, MessageIcon::Exclamation);
        return ReturnAddressLines::TooMany;
    }
    return ReturnAddressLines::Fit;
}

namespace {

// Lines that the small labels cannot take: the message, and where the main window goes next.
bool refused(Platform& platform, const std::array<QString, 5>& lines, ReturnAddressResult& result)
{
    switch (refuseUnfitReturnAddress(platform, lines)) {
    case ReturnAddressLines::Missing:
        result.state = {true, false};
        return true;
    case ReturnAddressLines::TooMany:
        result.focusLine4 = true;
        return true;
    case ReturnAddressLines::Fit:
        break;
    }
    return false;
}

} // namespace

ReturnAddressResult runReturnAddressLabels(Platform& platform, const std::array<QString, 5>& lines,
                                           ReturnAddressState state)
{
    ReturnAddressResult result;
    result.state = state;
    for (;;) {
        platform.messageBox(
            QStringLiteral("Prints 80 return address labels on Avery 5167 [1/2 inch x 1 3/4 inch] labels"),
            QStringLiteral("Load printer with Avery 5167, 8167, or 18167 label stock"), MessageButtons::Ok,
            MessageIcon::Information);
        if (refused(platform, lines, result))
            return result;

        const PrintOutcome outcome = printReturnAddressSheets(platform, {lines[0], lines[1], lines[2]});
        // Each sheet clears Bold before it prints, whether or not the printer then fails.
        if (outcome != PrintOutcome::Cancelled)
            result.boldCleared = true;
        if (outcome != PrintOutcome::Printed) {
            // After a Yes the normal Print button is back; the options must come back with it,
            // or Label stock and Envelope stay greyed out with no way to reach them.
            if (!result.state.waiting)
                result.state.mediumOptionsEnabled = true;
            return result;
        }
        result.state.waiting = false;

        const MessageAnswer again = platform.messageBox(
            QStringLiteral("Done!  Do you want to print another page of Return Address Labels?"),
            QStringLiteral("Completed"), MessageButtons::YesNoCancel, MessageIcon::None);
        if (again != MessageAnswer::Yes) {
            result.state.mediumOptionsEnabled = true;
            return result;
        }
    }
}

ReturnAddressResult previewReturnAddressLabels(Platform& platform, const std::array<QString, 5>& lines,
                                               ReturnAddressState state)
{
    ReturnAddressResult result;
    result.state = state;
    if (refused(platform, lines, result))
        return result;
    PreviewPlatform previewing(platform, PreviewStock::EightyLabels);
    printReturnAddressSheets(previewing, {lines[0], lines[1], lines[2]});
    previewing.showDrawn();
    return result;
}
