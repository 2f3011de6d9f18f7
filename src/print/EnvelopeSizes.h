#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <utility>

// The entries of the envelope size list, in order: entry n is size number n (1..7).
QStringList envelopeSizeEntries();

// The envelope of a size-list entry (1..6) as it lies in landscape, width x height in inches;
// none for the custom entry and for anything else.
std::optional<std::pair<double, double>> envelopeInches(int sizeNumber);

struct EnvelopeMargins {
    int indent = 0;
    int padRows = 0;
};

// What choosing an envelope size leaves in the main window: EnvelopeSizeNumber, and the
// margins to write into the boxes when a size is chosen (none while no size is).
struct EnvelopeSizeChoice {
    QString sizeNumber; // "1".."7"; "0" while none is chosen
    std::optional<EnvelopeMargins> margins;
};

// The Envelope option clicked while list entry selectedIndex (0-based, -1 for none) is chosen.
EnvelopeSizeChoice envelopeOptionChosen(int selectedIndex);
// List entry selectedIndex picked from the size list.
EnvelopeSizeChoice envelopeSizePicked(int selectedIndex);
