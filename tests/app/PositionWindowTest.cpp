#include "MainWindowFixture.h"
#include "support/Controls.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

namespace {

struct Accepted {
    std::optional<QString> answer;
    QString entry;
    QString start;
    QString end;
    int count;
    QString margins;
};

struct Refused {
    QString answer;
    QString text;
    QString title;
    MessageIcon icon;
};

const QString kDash = QStringLiteral("Use a dash when specifying a range of labels to print.  Examples: 1-30, 5-8, "
                                     "15-22.  Each number represents a label position on label sheet.");
const QString kOver30 = QStringLiteral("Label position cannot exceed 30");
const QString kEndBeforeStart = QStringLiteral("Label starting position cannot exceed ending position.");

} // namespace

// The entries themselves are tried in tests/print; these check what the window shows of them.
TEST_F(MainWindowTest, PositionEntriesThatPassShowTheirPositionAndMargins)
{
    const Accepted cases[] = {
        {"5", "5", "5", "", 1, "35/10"},
        {"4-9", "4-9", "4", "9", 6, "2/10"},
        // No label has a negative number: the margins stay as the reset left them (label 1's).
        {"-5", "-5", "-5", "", 1, "2/3"},
    };
    for (const Accepted& c : cases) {
        SCOPED_TRACE(c.answer->toStdString());
        restart();
        named<QRadioButton>(window, "optLandscape")->click();
        named<QLineEdit>(window, "txtLMLeftPad")->setText("44");
        choosePositions(c.answer);

        ASSERT_EQ(fake->prompts.size(), 1u);
        EXPECT_EQ(fake->prompts[0].title, "Label position reading L to R");
        EXPECT_EQ(fake->prompts[0].defaultAnswer, "1");
        EXPECT_TRUE(fake->prompts[0].prompt.startsWith("Enter the label position [a number between 1 and 30]"));
        EXPECT_TRUE(fake->messages.empty());
        EXPECT_EQ(fake->beeps, 0);
        EXPECT_EQ(window->PositionEntry, c.entry);
        EXPECT_EQ(window->StartPosition, c.start);
        EXPECT_EQ(window->EndPosition, c.end);
        EXPECT_EQ(window->LabelCount, c.count);
        EXPECT_EQ(margins(), c.margins);
        EXPECT_EQ(named<QLabel>(window, "lblLMPosition")->text(), "Label Position " + c.entry);
        EXPECT_FALSE(named<QLabel>(window, "lblLMPosition")->isHidden());
        EXPECT_TRUE(named<QRadioButton>(window, "optLMLabel")->isChecked());
        EXPECT_TRUE(named<QRadioButton>(window, "optPortrait")->isChecked());
        EXPECT_EQ(QApplication::focusWidget(), named<QPushButton>(window, "cmdLMStart"));
    }
}

TEST_F(MainWindowTest, RefusedPositionEntriesAskAgainWithTheDefault)
{
    const Refused cases[] = {
        {"123", kDash, "Include dash for range of labels", MessageIcon::Information},
        {"31", kOver30, "Maximum is 30", MessageIcon::Information},
        {"9-4", kEndBeforeStart, "Try again", MessageIcon::Information},
    };
    for (const Refused& c : cases) {
        SCOPED_TRACE(c.answer.toStdString());
        restart();
        named<QRadioButton>(window, "optLMEnvelope")->click();
        pickEnvelopeSize(2);
        choosePositions(c.answer);

        ASSERT_EQ(fake->messages.size(), 1u);
        EXPECT_EQ(fake->messages[0].text, c.text);
        EXPECT_EQ(fake->messages[0].title, c.title);
        EXPECT_EQ(fake->messages[0].icon, c.icon);
        EXPECT_EQ(fake->messages[0].buttons, MessageButtons::Ok);
        EXPECT_EQ(fake->beeps, 1);
        ASSERT_EQ(fake->prompts.size(), 2u);
        EXPECT_EQ(fake->prompts[1].defaultAnswer, "1");
        EXPECT_EQ(fake->prompts[1].title, "Label position reading L to R");
        // The Cancel after the message ends the dialog with nothing chosen.
        EXPECT_FALSE(named<QRadioButton>(window, "optLMLabel")->isChecked());
        EXPECT_FALSE(named<QRadioButton>(window, "optLMEnvelope")->isChecked());
        EXPECT_TRUE(named<QLabel>(window, "lblLMPosition")->isHidden());
        EXPECT_TRUE(named<QLabel>(window, "lblLMPosition")->text().isEmpty());
        EXPECT_TRUE(named<QComboBox>(window, "cboLMEnvelope")->isHidden());
        EXPECT_TRUE(named<QCheckBox>(window, "chkBold")->isHidden());
        EXPECT_EQ(margins(), "2/3");
    }
}

TEST_F(MainWindowTest, StartOfZeroEndsTheDialogWithNoMediumChosen)
{
    const std::optional<QString> answers[] = {QString("0"), QString("x"), QString(""), std::nullopt};
    for (const std::optional<QString>& answer : answers) {
        SCOPED_TRACE(answer.value_or("<Cancel>").toStdString());
        restart();
        choosePositions("5");
        ASSERT_TRUE(named<QRadioButton>(window, "optLMLabel")->isChecked());
        fake->prompts.clear();

        choosePositions(answer);

        EXPECT_EQ(fake->prompts.size(), 1u);
        EXPECT_TRUE(fake->messages.empty());
        EXPECT_FALSE(named<QRadioButton>(window, "optLMLabel")->isChecked());
        EXPECT_FALSE(named<QRadioButton>(window, "optLMEnvelope")->isChecked());
        EXPECT_TRUE(named<QLabel>(window, "lblLMPosition")->isHidden());
        EXPECT_TRUE(named<QLabel>(window, "lblLMPosition")->text().isEmpty());
        EXPECT_EQ(margins(), "2/3");

        // Print now asks for the medium rather than printing the old positions.
        named<QLineEdit>(window, "txtLMLine1")->setText("Ann");
        named<QPushButton>(window, "cmdLMStart")->click();
        ASSERT_EQ(fake->messages.size(), 1u);
        EXPECT_EQ(fake->messages[0].text, "Select Label stock or Envelope");
    }
}
