#include "exchange/ComposerParse.h"
#include "platform/AppError.h"
#include "support/FakePlatform.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::array<const char*, 5>;
// The eight boxes in order: first, middle, last, street, second street, city, state, ZIP.
// nullptr = the box is not touched.
using Boxes = std::array<const char*, 8>;

std::array<QString, 5> toLines(const Lines& lines)
{
    std::array<QString, 5> out;
    for (size_t i = 0; i < lines.size(); ++i)
        out[i] = QString::fromUtf8(lines[i]);
    return out;
}

std::array<std::optional<QString>, 8> toArray(const ComposerBoxes& b)
{
    return {b.txtACFName, b.txtACMiddleInit, b.txtACLName, b.txtACFStreet,
            b.txtACSStreet, b.txtACCity, b.txtACState, b.txtACZip};
}

std::string show(const std::optional<QString>& box)
{
    return box ? "\"" + box->toStdString() + "\"" : std::string("untouched");
}

struct ParseCase {
    const char* what;
    Lines lines;
    Boxes boxes;
};

const char* const N = nullptr;

const ParseCase parseCases[] = {
    {"all lines empty", {"", "", "", "", ""}, {N, N, N, N, N, N, N, N}},
    {"name with dotted initial", {"John Q. Public", "", "", "", ""}, {"John", "Q", "Public", N, N, N, N, N}},
    {"two-word last name", {"Mary Ann Smith", "", "", "", ""}, {"Mary", N, "Ann Smith", N, N, N, N, N}},
    {"bare initial", {"Jo A Smith", "", "", "", ""}, {"Jo", "A", "Smith", N, N, N, N, N}},
    {"underscore after the initial empties it",
     {"John Q _ Public", "", "", "", ""},
     {"John", "", "Q _ Public", N, N, N, N, N}},
    {"dotted title left out of both names",
     {"Mr. John Q. Public", "742 Evergreen Terrace", "Springfield, OR 97477", "", ""},
     {"John", "Q", "Public", "742 Evergreen Terrace", "", "Springfield", "OR", "97477"}},
    {"bare title Mrs", {"Mrs Jane Doe", "", "", "", ""}, {"Jane", N, "Doe", N, N, N, N, N}},
    {"title Miss", {"Miss Ann Lee", "", "", "", ""}, {"Ann", N, "Lee", N, N, N, N, N}},
    {"title Ms. with initial", {"Ms. Jo A Smith", "", "", "", ""}, {"Jo", "A", "Smith", N, N, N, N, N}},
    {"title Dr before a name starting Dr", {"Dr Drew Carey", "", "", "", ""}, {"Drew", N, "Carey", N, N, N, N, N}},
    {"address without a name",
     {"", "12 Oak Lane", "Reno NV 89501", "", ""},
     {N, N, N, "12 Oak Lane", "", "Reno", "NV", "89501"}},
    {"line 2 not an address fills nothing below",
     {"", "Oak Lane 12", "Apt 4", "Reno, NV 89501", ""},
     {N, N, N, N, N, N, N, N}},
    {"blank line 2", {"Jo A Smith", "   ", "Reno, NV 89501", "", ""}, {"Jo", "A", "Smith", N, N, N, N, N}},
    {"post office box",
     {"", "P.O. Box 77", "Reno, NV 89501", "", ""},
     {N, N, N, "PO Box 77", "", "Reno", "NV", "89501"}},
    {"rest of line 2 wins over an Apt line 3",
     {"", "12 Elm ave 4B", "Apt 4", "Reno, NV 89501", ""},
     {N, N, N, "12 Elm ave", "4B", N, N, N}},
    {"short Apt line is the second street line",
     {"", "12 Elm Lane", "Apt 4", "Reno, NV 89501", ""},
     {N, N, N, "12 Elm Lane", "Apt 4", "Reno", "NV", "89501"}},
    {"Apartment is no marker, and a short city line fills nothing",
     {"", "12 Elm Lane", "Apartment 4", "Reno, NV 89501", ""},
     {N, N, N, "12 Elm Lane", "", N, N, N}},
    {"Suite marker", {"", "12 Elm Lane", "Suite 1200", "Reno, NV 89501", ""},
     {N, N, N, "12 Elm Lane", "Suite 1200", "Reno", "NV", "89501"}},
    {"marker line of 12 characters counts its spaces and is the city line",
     {"", "12 Elm Lane", " Apt 4      ", "Reno, NV 89501", ""},
     {N, N, N, "12 Elm Lane", "", "Apt", "Ap", ""}},
    {"city search starts at character 5", {"", "12 Oak Lane", "Ely NV 89301", "", ""},
     {N, N, N, "12 Oak Lane", "", "Ely NV", "NV", "89301"}},
    {"ZIP+4", {"", "12 Oak Lane", "Reno NV 89501-1234", "", ""},
     {N, N, N, "12 Oak Lane", "", "Reno", "NV", "89501-1234"}},
    {"two-word city with comma", {"", "12 Oak Lane", "San Jose, CA 95101", "", ""},
     {N, N, N, "12 Oak Lane", "", "San Jose", "CA", "95101"}},
    {"long city cut at 16", {"", "12 Oak Lane", "Salt Lake City, UT 84101", "", ""},
     {N, N, N, "12 Oak Lane", "", "Salt Lake City", "UT", "84101"}},
    {"comma ends the street", {"", "12 Main St, Apt 4", "Reno, NV 89501", "", ""},
     {N, N, N, "12 Main St", "Apt 4", "Reno", "NV", "89501"}},
    {"number sign ends the street", {"", "12 Main #5", "Reno, NV 89501", "", ""},
     {N, N, N, "12 Main", "#5", "Reno", "NV", "89501"}},
    {"capitalised St at the end matches no group", {"", "12 Main St", "Reno, NV 89501", "", ""},
     {N, N, N, "12 Main St", "", "Reno", "NV", "89501"}},
    {"dotted abbreviation", {"", "12 Elm ave. 4B", "Reno, NV 89501", "", ""},
     {N, N, N, "12 Elm ave", "4B", "Reno", "NV", "89501"}},
    {"dot before the suffix", {"", "12 N. Main ave 4B", "Reno, NV 89501", "", ""},
     {N, N, N, "12 N Main ave", "4B", "Reno", "NV", "89501"}},
    {"Dr group", {"", "5 Oak Dr Apt 2", "Reno, NV 89501", "", ""},
     {N, N, N, "5 Oak Dr", "Apt 2", "Reno", "NV", "89501"}},
    {"Way found from character 8", {"", "12 Broad Way 3", "Reno, NV 89501", "", ""},
     {N, N, N, "12 Broad Way", "3", "Reno", "NV", "89501"}},
    {"Way before character 8 is no suffix", {"", "1 Way 5", "Reno, NV 89501", "", ""},
     {N, N, N, "1 Way 5", "", "Reno", "NV", "89501"}},
    {"suffix at the end of the line, position text with a trailing space",
     {"", "12 Main Blvd", "Reno, NV 89501", "", ""},
     {N, N, N, "12 Main Blvd", "", "Reno", "NV", "89501"}},
    {"capital CT at the end", {"", "12 Oak CT", "Reno, NV 89501", "", ""},
     {N, N, N, "12 Oak CT", "", "Reno", "NV", "89501"}},
    {"an earlier word that starts like the suffix", {"", "10 Avery ave 2", "Reno, NV 89501", "", ""},
     {N, N, N, "10 Avery ave", "2", "Reno", "NV", "89501"}},
    {"line 5 alone opens an empty window", {"", "", "", "", "note"}, {N, N, N, N, N, N, N, N}},
};

} // namespace

TEST(ComposerParse, FillsTheBoxesFromTheLines)
{
    for (const ParseCase& c : parseCases) {
        SCOPED_TRACE(c.what);
        FakePlatform platform;
        const ComposerParseResult result = parseComposerLines(platform, toLines(c.lines));
        EXPECT_TRUE(result.openWindow);
        EXPECT_TRUE(platform.messages.empty());
        EXPECT_EQ(platform.beeps, 0);
        const auto got = toArray(result.boxes);
        for (size_t i = 0; i < got.size(); ++i) {
            const std::optional<QString> want =
                c.boxes[i] ? std::optional<QString>(QString::fromUtf8(c.boxes[i])) : std::nullopt;
            EXPECT_EQ(show(got[i]), show(want)) << "box " << i;
        }
    }
}

TEST(ComposerParse, CutsThatWouldBeNegativeRaiseError5)
{
    const std::pair<const char*, Lines> cases[] = {
        {"no space in the first 18 characters of line 1", {"Christopher-Alexander Smith", "", "", "", ""}},
        {"line 1 of spaces only", {"   ", "", "", "", ""}},
        {"title and nothing after it", {"Mrs. ", "", "", "", ""}},
        {"line 2 with its only comma in the first 5", {"", "1, Main Street", "", "", ""}},
        {"number sign only before character 6", {"", "12 #5", "", "", ""}},
        {"city line without a space from 5 or a comma", {"", "12 Oak Lane", "Sacramento-CA-95814", "", ""}},
        {"city line with its comma before character 3", {"", "12 Oak Lane", "A,Reno NV 89501", "", ""}},
    };
    for (const auto& [what, lines] : cases) {
        SCOPED_TRACE(what);
        FakePlatform platform;
        try {
            parseComposerLines(platform, toLines(lines));
            ADD_FAILURE() << "no error";
        } catch (const AppError& error) {
            EXPECT_EQ(error.number(), 5);
            EXPECT_EQ(error.description(), QStringLiteral("Invalid procedure call or argument"));
        }
        EXPECT_TRUE(platform.messages.empty());
    }
}

TEST(ComposerParse, RefusesALine1WithoutASpace)
{
    FakePlatform platform;
    const ComposerParseResult result =
        parseComposerLines(platform, toLines({"Cher", "12 Oak Lane", "Reno NV 89501", "", ""}));
    EXPECT_FALSE(result.openWindow);
    EXPECT_EQ(platform.beeps, 1);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, QStringLiteral("Line 1 must contain a space."));
    EXPECT_EQ(platform.messages[0].title, QStringLiteral("Incorrect entry"));
    EXPECT_EQ(platform.messages[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::None);
    for (const auto& box : toArray(result.boxes))
        EXPECT_FALSE(box.has_value());
}
