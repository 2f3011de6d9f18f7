#include "MainWindowFixture.h"
#include "support/Controls.h"

#include <QAction>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace {

void type(QLineEdit* box, const QString& text)
{
    box->setFocus();
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(box, &press);
    }
}

void backspace(QLineEdit* box)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
    QApplication::sendEvent(box, &press);
}

bool marked(const QLineEdit* box)
{
    return !box->styleSheet().isEmpty();
}

} // namespace

TEST_F(MainWindowTest, TypingPastWhatALabelHoldsMarksTheLineAndSaysHowMuchFits)
{
    choosePositions(QStringLiteral("5"));
    QLineEdit* line2 = named<QLineEdit>(window, "txtLMLine2");
    type(named<QLineEdit>(window, "txtLMLine1"), QStringLiteral("Ann Smith"));
    type(line2, QString(29, u'x'));
    EXPECT_FALSE(marked(line2));
    EXPECT_EQ(line2->toolTip(), "");
    EXPECT_EQ(named<QLabel>(window, "lblLMFitHint")->text(), "");

    type(line2, QStringLiteral("y"));
    const QString message = QStringLiteral("Line 2 is too long: 29 characters fit on a label.");
    EXPECT_TRUE(marked(line2));
    EXPECT_EQ(line2->toolTip(), message);
    EXPECT_EQ(line2->accessibleDescription(), message);
    EXPECT_EQ(named<QLabel>(window, "lblLMFitHint")->text(), message);
    EXPECT_FALSE(marked(named<QLineEdit>(window, "txtLMLine1")));
    EXPECT_TRUE(fake->messages.empty()) << "no message box while typing";

    backspace(line2);
    EXPECT_FALSE(marked(line2));
    EXPECT_EQ(line2->accessibleDescription(), "");
    EXPECT_EQ(named<QLabel>(window, "lblLMFitHint")->text(), "");
}

TEST_F(MainWindowTest, TheHintFollowsTheStockAndItsOptions)
{
    QLineEdit* line1 = named<QLineEdit>(window, "txtLMLine1");
    line1->setText(QString(40, u'x'));
    EXPECT_FALSE(marked(line1)) << "no medium chosen yet";

    choosePositions(QStringLiteral("1-30"));
    EXPECT_TRUE(marked(line1));

    named<QRadioButton>(window, "optLMEnvelope")->click();
    EXPECT_FALSE(marked(line1)) << "no envelope size yet";
    pickEnvelopeSize(1);
    EXPECT_FALSE(marked(line1)) << "40 characters fit across a #10 envelope";
    line1->setText(QString(70, u'x'));
    EXPECT_TRUE(marked(line1));
    EXPECT_TRUE(named<QLabel>(window, "lblLMFitHint")->text().startsWith(QStringLiteral("Line 1 is too long: ")));
    EXPECT_TRUE(
        named<QLabel>(window, "lblLMFitHint")->text().endsWith(QStringLiteral(" characters fit on the envelope.")));

    const QString regular = named<QLabel>(window, "lblLMFitHint")->text();
    named<QCheckBox>(window, "chkLargeFont")->click();
    EXPECT_TRUE(marked(line1));
    EXPECT_NE(named<QLabel>(window, "lblLMFitHint")->text(), regular) << "the large font holds fewer";
    named<QLineEdit>(window, "txtLMLeftPad")->setText(QStringLiteral("2"));
    EXPECT_FALSE(marked(line1)) << "from the left edge the line fits";

    named<QRadioButton>(window, "optPortrait")->click();
    EXPECT_FALSE(marked(line1)) << "an upright envelope says nothing";
    EXPECT_EQ(named<QLabel>(window, "lblLMFitHint")->text(), "");

    named<QPushButton>(window, "cmdLMClear")->click();
    EXPECT_FALSE(marked(line1));
    EXPECT_EQ(named<QLabel>(window, "lblLMFitHint")->text(), "");
}

TEST_F(MainWindowTest, ReturnAddressSheetWaitingForItsLinesHintsAtItsSmallLabels)
{
    named<QAction>(window, "mnuRetAddress")->trigger();
    ASSERT_FALSE(named<QPushButton>(window, "cmdRetAddress")->isHidden());
    type(named<QLineEdit>(window, "txtLMLine1"), QString(23, u'x'));
    EXPECT_FALSE(marked(named<QLineEdit>(window, "txtLMLine1")));
    type(named<QLineEdit>(window, "txtLMLine1"), QStringLiteral("x"));
    EXPECT_TRUE(marked(named<QLineEdit>(window, "txtLMLine1")));
    EXPECT_EQ(named<QLabel>(window, "lblLMFitHint")->text(), "Line 1 is too long: 23 characters fit on a label.");

    named<QPushButton>(window, "cmdLMClear")->click();
    EXPECT_EQ(named<QLabel>(window, "lblLMFitHint")->text(), "");
}

TEST_F(MainWindowTest, AMarkedLineStillPrintsAsTyped)
{
    choosePositions(QStringLiteral("1"));
    const QString typed = QString(34, u'x');
    named<QLineEdit>(window, "txtLMLine1")->setText(typed);
    ASSERT_TRUE(marked(named<QLineEdit>(window, "txtLMLine1")));

    named<QPushButton>(window, "cmdLMStart")->click();
    EXPECT_TRUE(fake->messages.empty());
    const auto documents = fake->allDocuments();
    ASSERT_EQ(documents.size(), 1u);
    EXPECT_EQ(documents[0].runs.at(0).text, typed);
    EXPECT_EQ(named<QLineEdit>(window, "txtLMLine1")->text(), typed);
}
