#include "print/PositionDialog.h"
#include "support/FakePlatform.h"

#include <gtest/gtest.h>

namespace {

const QString kDash = QStringLiteral("Use a dash when specifying a range of labels to print.  Examples: 1-30, 5-8, "
                                     "15-22.  Each number represents a label position on label sheet.");
const QString kOver30 = QStringLiteral("Label position cannot exceed 30");
const QString kMoreThan30 =
    QStringLiteral("No more than 30 labels may be printed.  To print an entire sheet, enter 1-30.");
const QString kEndBeforeStart = QStringLiteral("Label starting position cannot exceed ending position.");

} // namespace

TEST(PositionDialog, EntriesThatPassGiveTheirRangeMarginsAndCaption)
{
    const struct {
        QString answer, entry, start, end;
        int count, indent, padRows;
    } cases[] = {
        {"5", "5", "5", "", 1, 35, 10},
        {"4-9", "4-9", "4", "9", 6, 2, 10},
        {"15-18", "15-18", "15", "18", 4, 68, 30},
        {"1-30", "1-30", "1", "30", 30, 2, 3},
        {"9-12", "9-12", "9", "12", 4, 68, 16},
        {" 4 - 9", "4-9", "4", "9", 6, 2, 10},
        {"4.-9", "4-9", "4", "9", 6, 2, 10},
        {"  7 ", "7", "7", "", 1, 2, 16},
        // No label has a negative number: the margins stay as the reset left them (label 1's).
        {"-5", "-5", "-5", "", 1, 2, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer.toStdString());
        FakePlatform platform;
        platform.inputAnswers = {c.answer};
        const PositionDialogResult result = runPositionDialog(platform, {});

        ASSERT_EQ(platform.prompts.size(), 1u);
        EXPECT_EQ(platform.prompts[0].title, "Label position reading L to R");
        EXPECT_EQ(platform.prompts[0].defaultAnswer, "1");
        EXPECT_TRUE(platform.messages.empty());
        EXPECT_EQ(platform.beeps, 0);
        EXPECT_TRUE(result.chosen);
        EXPECT_EQ(result.positionEntry, c.entry);
        EXPECT_EQ(result.range.start, c.start);
        EXPECT_EQ(result.range.end, c.end);
        EXPECT_EQ(result.range.count, c.count);
        EXPECT_EQ(result.margins.indent, c.indent);
        EXPECT_EQ(result.margins.padRows, c.padRows);
        EXPECT_EQ(result.caption, "Label Position " + c.entry);
    }
}

TEST(PositionDialog, RefusedEntriesAreAnsweredAndAskedAgain)
{
    const struct {
        QString answer, text, title;
    } cases[] = {
        {"123", kDash, "Include dash for range of labels"},
        {"1-100", kMoreThan30, "Maximum is 30"},
        {"10-200", kMoreThan30, "Maximum is 30"},
        {"31", kOver30, "Maximum is 30"},
        {"5-35", kOver30, "Maximum is 30"},
        {"9-4", kEndBeforeStart, "Try again"},
        {"12-9", kEndBeforeStart, "Try again"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer.toStdString());
        FakePlatform platform;
        platform.inputAnswers = {c.answer, QStringLiteral("5")};
        const PositionDialogResult result = runPositionDialog(platform, {});

        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].text, c.text);
        EXPECT_EQ(platform.messages[0].title, c.title);
        EXPECT_EQ(platform.messages[0].icon, MessageIcon::Information);
        EXPECT_EQ(platform.messages[0].buttons, MessageButtons::Ok);
        EXPECT_EQ(platform.beeps, 1);
        ASSERT_EQ(platform.prompts.size(), 2u);
        EXPECT_EQ(platform.prompts[1].defaultAnswer, "1");
        // The second answer is what counts.
        EXPECT_EQ(result.positionEntry, "5");
        EXPECT_EQ(result.range.count, 1);
        EXPECT_EQ(result.margins.indent, 35);
    }
}

TEST(PositionDialog, AStartOfZeroChoosesNothingAndKeepsTheHeldEnd)
{
    for (const std::optional<QString>& answer : {std::optional<QString>(QStringLiteral("0")),
                                                 std::optional<QString>(QStringLiteral("x")),
                                                 std::optional<QString>(QString()), std::optional<QString>()}) {
        SCOPED_TRACE(answer.value_or(QStringLiteral("<Cancel>")).toStdString());
        FakePlatform platform;
        platform.inputAnswers = {answer};
        const PositionDialogResult result = runPositionDialog(platform, {QStringLiteral("4"), QStringLiteral("9"), 6});
        EXPECT_FALSE(result.chosen);
        EXPECT_TRUE(result.caption.isEmpty());
        EXPECT_EQ(result.margins.indent, 2);
        EXPECT_EQ(result.margins.padRows, 3);
        EXPECT_TRUE(platform.messages.empty());
        // An entry without a dash names no end: the window's end stays.
        EXPECT_EQ(result.range.end, "9");
    }
}
