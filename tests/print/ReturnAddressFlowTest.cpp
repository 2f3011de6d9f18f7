#include "print/ReturnAddressFlow.h"
#include "support/FakePlatform.h"

#include <gtest/gtest.h>

namespace {

const std::array<QString, 5> kThreeLines{QStringLiteral("Ann Smith"), QStringLiteral("1 Elm St"),
                                         QStringLiteral("Springfield"), QString(), QString()};

QString titles(const FakePlatform& platform)
{
    QStringList all;
    for (const RecordedMessage& message : platform.messages)
        all << message.title;
    return all.join(u',');
}

} // namespace

TEST(ReturnAddressFlow, EachWayThroughTheFlowLeavesItsState)
{
    const QString load = QStringLiteral("Load");
    const struct {
        const char* name;
        std::array<QString, 5> lines;
        ReturnAddressState before;
        std::deque<MessageAnswer> answers;
        std::deque<FakePlatform::PrintAnswer> prints;
        QString titles; // "Load" stands for the first message's long title
        ReturnAddressState after;
        bool boldCleared, focusLine4;
        size_t documents;
    } cases[] = {
        {"empty lines wait", {}, {false, true}, {}, {}, "Load,Instructions", {true, false}, false, false, 0},
        {"line 5 refused", {"a", "", "", "", "e"}, {false, true}, {}, {}, "Load,Small label can fit only 3 lines",
         {false, true}, false, true, 0},
        {"printed, No", kThreeLines, {true, false}, {MessageAnswer::Ok, MessageAnswer::No}, {{.copies = 2}},
         "Load,Completed", {false, true}, true, false, 2},
        {"printed, Cancel", kThreeLines, {true, false}, {MessageAnswer::Ok, MessageAnswer::Cancel}, {{}},
         "Load,Completed", {false, true}, true, false, 1},
        {"Yes, then No", kThreeLines, {true, false},
         {MessageAnswer::Ok, MessageAnswer::Yes, MessageAnswer::Ok, MessageAnswer::No}, {{}, {}},
         "Load,Completed,Load,Completed", {false, true}, true, false, 2},
        {"cancel while waiting", kThreeLines, {true, false}, {}, {{.cancel = true}}, "Load", {true, false}, false,
         false, 0},
        {"failure while waiting", kThreeLines, {true, false}, {}, {{.failAtDraw = 5}}, "Load,Printer error",
         {true, false}, true, false, 1},
        {"Yes, then cancel", kThreeLines, {true, false}, {MessageAnswer::Ok, MessageAnswer::Yes},
         {{}, {.cancel = true}}, "Load,Completed,Load", {false, true}, true, false, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakePlatform platform;
        platform.messageAnswers = c.answers;
        platform.printAnswers = c.prints;
        const ReturnAddressResult result = runReturnAddressLabels(platform, c.lines, c.before);

        EXPECT_EQ(titles(platform).replace(
                      QStringLiteral("Load printer with Avery 5167, 8167, or 18167 label stock"), load),
                  c.titles);
        EXPECT_EQ(result.state.waiting, c.after.waiting);
        EXPECT_EQ(result.state.mediumOptionsEnabled, c.after.mediumOptionsEnabled);
        EXPECT_EQ(result.boldCleared, c.boldCleared);
        EXPECT_EQ(result.focusLine4, c.focusLine4);
        EXPECT_EQ(platform.allDocuments().size(), c.documents);
    }
}
