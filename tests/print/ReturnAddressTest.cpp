#include "print/ReturnAddressSheet.h"
#include "support/FakePlatform.h"

#include <gtest/gtest.h>

TEST(ReturnAddress, SheetHasTwentyRowsOfFourAtTheirColumns)
{
    FakePlatform platform;
    platform.printAnswers.push_back({.copies = 2});
    const std::array<QString, 3> lines{QString(), QStringLiteral("PO Box 12"), QString()};
    EXPECT_EQ(printReturnAddressSheets(platform, lines), PrintOutcome::Printed);

    const auto documents = platform.allDocuments();
    ASSERT_EQ(documents.size(), 2u);
    for (const FakeDocument& document : documents) {
        EXPECT_TRUE(document.ended);
        EXPECT_EQ(document.orientation, Orientation::Portrait);
        EXPECT_EQ(document.pages, 1);
        ASSERT_EQ(document.runs.size(), 20u * 3 * 4);
        for (int row = 0; row < 20; ++row) {
            const int extra = (row >= 8 ? 1 : 0) + (row >= 13 ? 1 : 0);
            for (int line = 0; line < 3; ++line) {
                for (int across = 0; across < 4; ++across) {
                    const PlacedText& run = document.runs[(row * 3 + line) * 4 + across];
                    EXPECT_EQ(run.line, 6 + row * 4 + extra + line) << "row " << row + 1;
                    EXPECT_EQ(run.column, (std::array{3, 35, 66, 97})[across]);
                    EXPECT_EQ(run.text, lines[line]);
                    EXPECT_EQ(run.font, (PrintFont{QStringLiteral("Courier New"), 8, false, false}));
                }
            }
        }
    }
    EXPECT_TRUE(platform.messages.empty());
}

TEST(ReturnAddress, CancelAndFailure)
{
    FakePlatform cancelled;
    cancelled.printAnswers.push_back({.cancel = true});
    EXPECT_EQ(printReturnAddressSheets(cancelled, {QStringLiteral("a"), QString(), QString()}),
              PrintOutcome::Cancelled);
    EXPECT_TRUE(cancelled.messages.empty());
    EXPECT_TRUE(cancelled.allDocuments().empty());

    FakePlatform failing;
    failing.printAnswers.push_back({.copies = 2, .failAtDraw = 100});
    EXPECT_EQ(printReturnAddressSheets(failing, {QStringLiteral("a"), QString(), QString()}),
              PrintOutcome::Failed);
    const auto documents = failing.allDocuments();
    ASSERT_EQ(documents.size(), 1u) << "the second copy is dropped";
    EXPECT_TRUE(documents[0].abandoned);
    ASSERT_EQ(failing.messages.size(), 1u);
    EXPECT_EQ(failing.messages[0].title, QStringLiteral("Printer error"));
}
