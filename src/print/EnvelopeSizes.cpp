#include "print/EnvelopeSizes.h"

#include <array>

namespace {

// Two tables: picking a size and clicking Envelope with a size already chosen place the
// address differently.
constexpr std::array<EnvelopeMargins, 7> kMarginsOnSizePick{
    {{38, 33}, {23, 32}, {20, 32}, {28, 30}, {30, 30}, {36, 25}, {30, 30}}};
constexpr std::array<EnvelopeMargins, 7> kMarginsOnEnvelopeClick{
    {{38, 33}, {28, 39}, {24, 37}, {34, 36}, {36, 36}, {44, 30}, {36, 36}}};

EnvelopeSizeChoice choose(int selectedIndex, const std::array<EnvelopeMargins, 7>& table)
{
    const int size = selectedIndex + 1;
    EnvelopeSizeChoice choice;
    choice.sizeNumber = QString::number(size);
    if (size >= 1 && size <= 7)
        choice.margins = table[size - 1];
    return choice;
}

} // namespace

QStringList envelopeSizeEntries()
{
    return {
        QStringLiteral("#10 Standard Business envelope (4 1/8 in x 9 1/2 in)"),
        QStringLiteral("#6 3/4 Small envelope (3 5/8 in x 6 1/2 in)"),
        QStringLiteral("#A2 Invitation envelope (4 3/8 in x 5 3/4 in)"),
        QStringLiteral("#A7 Announcement envelope (5 1/4 in x 7 1/4 in)"),
        QStringLiteral("#A8 Std Greeting Card envelope (5.5 in x 8 1/8 in)"),
        QStringLiteral("#A10 Lrg Greeting Card envelope (6 in x 9 1/2 in)"),
        QStringLiteral("Custom (edit Left and Top margin boxes)"),
    };
}

std::optional<std::pair<double, double>> envelopeInches(int sizeNumber)
{
    static constexpr std::array<std::pair<double, double>, 6> sizes{{
        {9.5, 4.125},  // #10
        {6.5, 3.625},  // #6 3/4
        {5.75, 4.375}, // #A2
        {7.25, 5.25},  // #A7
        {8.125, 5.5},  // #A8
        {9.5, 6.0},    // #A10
    }};
    if (sizeNumber < 1 || sizeNumber > 6)
        return std::nullopt;
    return sizes[sizeNumber - 1];
}

EnvelopeSizeChoice envelopeOptionChosen(int selectedIndex)
{
    return choose(selectedIndex, kMarginsOnEnvelopeClick);
}

EnvelopeSizeChoice envelopeSizePicked(int selectedIndex)
{
    return choose(selectedIndex, kMarginsOnSizePick);
}
