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

// Line 1 read as a name: titles dropped, the first word the first name, a letter standing
// alone the initial, the rest the last name. The line holds a space; a cut that would have a
// negative length throws AppError 5.
struct NameLine {
    QString first;
    std::optional<QString> initial; // none: no letter stood alone
    QString last;
};
NameLine parseNameLine(const QString& line1);

// Reads the five composer lines as a postal address. Shows the refusal (with its beep)
// through the platform. A cut that would have a negative length throws AppError 5
// "Invalid procedure call or argument"; the caller's handler shows it.
ComposerParseResult parseComposerLines(Platform& platform, const std::array<QString, 5>& lines);
