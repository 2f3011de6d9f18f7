#pragma once

#include <QString>
#include <array>

class Platform;

// Where the main window stands in the return-address flow.
struct ReturnAddressState {
    // The return-address Print shows in place of Print, waiting for lines 1 to 3.
    bool waiting = false;
    bool mediumOptionsEnabled = true; // Label stock and Envelope
};

struct ReturnAddressResult {
    ReturnAddressState state;
    bool boldCleared = false; // a sheet went to the printer: Bold is cleared and hidden
    bool focusLine4 = false;
};

// Whether the composer's lines fit the small labels; a refusal is shown with its beep.
enum class ReturnAddressLines { Fit, Missing, TooMany };
ReturnAddressLines refuseUnfitReturnAddress(Platform& platform, const std::array<QString, 5>& lines);

// The return-address command, from its first message to the "Completed" question, asked
// again as long as the answer is Yes. lines are the composer's five lines.
ReturnAddressResult runReturnAddressLabels(Platform& platform, const std::array<QString, 5>& lines,
                                           ReturnAddressState state);

// The sheet on screen: the same refusals of the lines, then no question and no printer; Bold
// and the main window's state stay as they were.
ReturnAddressResult previewReturnAddressLabels(Platform& platform, const std::array<QString, 5>& lines,
                                               ReturnAddressState state);
