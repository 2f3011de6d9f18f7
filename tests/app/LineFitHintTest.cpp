#include "MainWindowFixture.h"
#include "support/Controls.h"

#include <QAction>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <cmath>

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
    EXPECT_EQ(line2->accessibleDescription(), "The second line to print") << "what it says while it fits";
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

namespace {

double luminance(const QColor& c)
{
    const auto linear = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

// How far apart two colours are for reading, 1 (none) to 21; text wants 4.5.
double contrast(const QColor& a, const QColor& b)
{
    const double one = luminance(a);
    const double other = luminance(b);
    return (std::max(one, other) + 0.05) / (std::min(one, other) + 0.05);
}

QPalette darkPalette()
{
    QPalette dark;
    for (const auto& [role, colour] : {std::pair{QPalette::Window, QColor(45, 45, 48)},
                                       {QPalette::WindowText, QColor(230, 230, 230)},
                                       {QPalette::Base, QColor(30, 30, 30)},
                                       {QPalette::Text, QColor(235, 235, 235)},
                                       {QPalette::Button, QColor(55, 55, 58)},
                                       {QPalette::ButtonText, QColor(230, 230, 230)}})
        dark.setColor(role, colour);
    return dark;
}

} // namespace

TEST_F(MainWindowTest, TheLongLineMarkCanBeReadInALightAndADarkPalette)
{
    choosePositions(QStringLiteral("5"));
    QLineEdit* line = named<QLineEdit>(window, "txtLMLine2");
    line->setText(QString(40, u'x'));
    for (const QPalette& palette : {QApplication::palette(), darkPalette()}) {
        window->setPalette(palette);
        QApplication::processEvents();
        ASSERT_TRUE(marked(line));
        const QImage picture = line->grab().toImage();
        const QColor background = picture.pixelColor(picture.width() - 8, picture.height() / 2);
        const QColor border = picture.pixelColor(0, picture.height() / 2);
        EXPECT_GE(contrast(background, palette.color(QPalette::Text)), 4.5) << qPrintable(background.name());
        EXPECT_GE(contrast(border, palette.color(QPalette::Base)), 3.0) << qPrintable(border.name());
        QLabel* hint = named<QLabel>(window, "lblLMFitHint");
        const QImage said = window->grab(QRect(hint->mapTo(window.get(), QPoint()), hint->size())).toImage();
        double best = 1;
        for (int x = 0; x < said.width(); ++x)
            best = std::max(best, contrast(said.pixelColor(x, said.height() / 2), palette.color(QPalette::Window)));
        EXPECT_GE(best, 4.5) << "the hint's text on the window";
    }
}

TEST_F(MainWindowTest, LongLineHintsNeitherSquashTheLinesNorLeaveTheWindowTaller)
{
    choosePositions(QStringLiteral("5"));
    window->resize(window->sizeHint());
    QApplication::processEvents();
    const int height = window->height();
    const QStringList names{"txtLMLine1", "txtLMLine2", "txtLMline3", "txtLMLine4", "txtLMLine5"};
    QLabel* hint = named<QLabel>(window, "lblLMFitHint");
    for (int tooLong : {1, 3, 5, 0}) {
        for (int i = 0; i < 5; ++i)
            named<QLineEdit>(window, names[i])->setText(i < tooLong ? QString(40, u'x') : QStringLiteral("Ann"));
        QApplication::processEvents();
        SCOPED_TRACE(tooLong);
        EXPECT_EQ(hint->text().count(u'\n') + 1, std::max(tooLong, 1));
        for (const QString& name : names)
            EXPECT_EQ(named<QLineEdit>(window, name)->height(), named<QLineEdit>(window, name)->sizeHint().height());
        EXPECT_GE(hint->height(), hint->sizeHint().height()) << "every line of the hint shows";
    }
    EXPECT_EQ(window->height(), height) << "the window is as tall as before the hints";
}
