#include "MainWindowFixture.h"
#include "support/Controls.h"

#include <QAction>
#include <QCheckBox>
#include <QPushButton>

namespace {

const QString kLoadPrinter = QStringLiteral("Load printer with Avery 5167, 8167, or 18167 label stock");

QStringList titles(const std::vector<RecordedMessage>& messages)
{
    QStringList all;
    for (const RecordedMessage& message : messages)
        all << message.title;
    return all;
}

} // namespace

class ReturnAddressTest : public MainWindowTest {
protected:
    void fillLines()
    {
        named<QLineEdit>(window, "txtLMLine1")->setText("Ann Smith");
        named<QLineEdit>(window, "txtLMLine2")->setText("1 Elm St");
        named<QLineEdit>(window, "txtLMline3")->setText("Springfield");
    }

    // Normal: the ordinary Print button with both options usable.
    bool inNormalState() const
    {
        return !named<QPushButton>(window, "cmdLMStart")->isHidden()
            && named<QPushButton>(window, "cmdRetAddress")->isHidden()
            && named<QRadioButton>(window, "optLMLabel")->isEnabled()
            && named<QRadioButton>(window, "optLMEnvelope")->isEnabled();
    }

    bool inWaitingState() const
    {
        return named<QPushButton>(window, "cmdLMStart")->isHidden()
            && !named<QPushButton>(window, "cmdRetAddress")->isHidden()
            && !named<QRadioButton>(window, "optLMLabel")->isEnabled()
            && !named<QRadioButton>(window, "optLMEnvelope")->isEnabled();
    }

    void enterWaitingState()
    {
        named<QAction>(window, "mnuRetAddress")->trigger();
        ASSERT_TRUE(inWaitingState());
        fake->messages.clear();
        fake->beeps = 0;
    }
};

TEST_F(ReturnAddressTest, EmptyLinesExplainAndWaitForTheLines)
{
    named<QAction>(window, "mnuRetAddress")->trigger();

    ASSERT_EQ(fake->messages.size(), 2u);
    EXPECT_EQ(fake->messages[0].text,
              "Prints 80 return address labels on Avery 5167 [1/2 inch x 1 3/4 inch] labels");
    EXPECT_EQ(fake->messages[0].title, kLoadPrinter);
    EXPECT_EQ(fake->messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(fake->messages[1].text, "Fill in Lines 1, 2, and 3, then press Print.");
    EXPECT_EQ(fake->messages[1].title, "Instructions");
    EXPECT_EQ(fake->messages[1].icon, MessageIcon::Exclamation);
    EXPECT_EQ(fake->beeps, 1);
    EXPECT_TRUE(fake->printRequests.empty());
    EXPECT_TRUE(inWaitingState());
}

TEST_F(ReturnAddressTest, LineFiveFilledIsRefusedWithFocusOnLineFour)
{
    fillLines();
    named<QLineEdit>(window, "txtLMLine5")->setText("USA");
    named<QAction>(window, "mnuRetAddress")->trigger();

    ASSERT_EQ(fake->messages.size(), 2u);
    EXPECT_EQ(fake->messages[1].text, "Leave Lines 4 and 5 blank");
    EXPECT_EQ(fake->messages[1].title, "Small label can fit only 3 lines");
    EXPECT_EQ(fake->messages[1].icon, MessageIcon::Exclamation);
    EXPECT_EQ(fake->beeps, 1);
    EXPECT_TRUE(fake->printRequests.empty());
    EXPECT_EQ(QApplication::focusWidget(), named<QLineEdit>(window, "txtLMLine4"));
    EXPECT_TRUE(inNormalState());
}

TEST_F(ReturnAddressTest, NoOrCancelAfterPrintingReturnsToNormal)
{
    for (MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Cancel}) {
        SCOPED_TRACE(int(answer));
        restart();
        enterWaitingState();
        fillLines();
        fake->messageAnswers = {MessageAnswer::Ok, answer};
        fake->printAnswers.push_back({.copies = 2});
        named<QPushButton>(window, "cmdRetAddress")->click();

        EXPECT_EQ(titles(fake->messages).join(u','), kLoadPrinter + ",Completed");
        EXPECT_EQ(fake->messages[1].text, "Done!  Do you want to print another page of Return Address Labels?");
        EXPECT_EQ(fake->messages[1].buttons, MessageButtons::YesNoCancel);
        EXPECT_EQ(fake->messages[1].icon, MessageIcon::None);
        ASSERT_EQ(fake->allDocuments().size(), 2u) << "two copies, then one question";
        EXPECT_EQ(fake->allDocuments()[1].runs.front().text, "Ann Smith");
        EXPECT_TRUE(inNormalState());
    }
}

TEST_F(ReturnAddressTest, YesAsksAgainAndPrintsAnotherSheet)
{
    enterWaitingState();
    fillLines();
    fake->messageAnswers = {MessageAnswer::Ok, MessageAnswer::Yes, MessageAnswer::Ok, MessageAnswer::No};
    named<QPushButton>(window, "cmdRetAddress")->click();

    EXPECT_EQ(titles(fake->messages).join(u','),
              kLoadPrinter + ",Completed," + kLoadPrinter + ",Completed");
    EXPECT_EQ(fake->printRequests.size(), 2u);
    EXPECT_EQ(fake->allDocuments().size(), 2u);
    EXPECT_TRUE(inNormalState());
}

TEST_F(ReturnAddressTest, CancelOrFailureWhileWaitingKeepsWaiting)
{
    struct Case {
        const char* name;
        FakePlatform::PrintAnswer print;
        QString lastTitle;
    };
    FakePlatform::PrintAnswer cancel;
    cancel.cancel = true;
    FakePlatform::PrintAnswer failure;
    failure.failAtDraw = 5;
    for (const Case& c : {Case{"cancel", cancel, kLoadPrinter}, Case{"failure", failure, "Printer error"}}) {
        SCOPED_TRACE(c.name);
        restart();
        enterWaitingState();
        fillLines();
        fake->printAnswers = {c.print};
        named<QPushButton>(window, "cmdRetAddress")->click();

        EXPECT_EQ(titles(fake->messages).last(), c.lastTitle);
        EXPECT_FALSE(titles(fake->messages).contains("Completed"));
        EXPECT_TRUE(inWaitingState());
    }
}

TEST_F(ReturnAddressTest, CancelAfterYesLeavesTheOptionsUsable)
{
    enterWaitingState();
    fillLines();
    FakePlatform::PrintAnswer cancel;
    cancel.cancel = true;
    fake->printAnswers = {{}, cancel};
    fake->messageAnswers = {MessageAnswer::Ok, MessageAnswer::Yes};
    named<QPushButton>(window, "cmdRetAddress")->click();

    EXPECT_EQ(fake->printRequests.size(), 2u);
    EXPECT_TRUE(inNormalState());
}

TEST_F(ReturnAddressTest, ASheetClearsAndHidesBoldEvenWhenThePrinterFails)
{
    for (int failAtDraw : {0, 5}) {
        SCOPED_TRACE(failAtDraw);
        restart();
        named<QRadioButton>(window, "optLMEnvelope")->click();
        pickEnvelopeSize(1);
        named<QCheckBox>(window, "chkBold")->click();
        ASSERT_TRUE(named<QCheckBox>(window, "chkBold")->isChecked());
        fillLines();
        fake->messageAnswers = {MessageAnswer::Ok, MessageAnswer::No};
        fake->printAnswers.push_back({.failAtDraw = failAtDraw});
        named<QAction>(window, "mnuRetAddress")->trigger();

        EXPECT_FALSE(named<QCheckBox>(window, "chkBold")->isChecked());
        EXPECT_TRUE(named<QCheckBox>(window, "chkBold")->isHidden());
        EXPECT_FALSE(named<QCheckBox>(window, "chkLargeFont")->isHidden());
    }
}
