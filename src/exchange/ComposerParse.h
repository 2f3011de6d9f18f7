#pragma once

#include <QString>
#include <array>
#include <optional>

class Platform;

// The add-contact boxes that the composer lines fill. A box left empty (nullopt) keeps what
// the add-contact window shows when it opens.
struct ComposerBoxes {
    std::optional<QString> txtACFName;
    std::optional<QString> txtACMiddleInit;
    std::optional<QString> txtACLName;
    std::optional<QString> txtACFStreet;
    std::optional<QString> txtACSStreet;
    std::optional<QString> txtACCity;
    std::optional<QString> txtACState;
    std::optional<QString> txtACZip;
};

struct ComposerParseResult {
    // False after the refusal of a line 1 without a space: no window opens, nothing changes.
    bool openWindow = true;
    ComposerBoxes boxes;
};

// Reads the five composer lines as a postal address. Shows the refusal (with its beep)
// through the platform. A cut that would have a negative length throws AppError 5
// "Invalid procedure call or argument"; the caller's handler shows it.
ComposerParseResult parseComposerLines(Platform& platform, const std::array<QString, 5>& lines);
