#include "MainWindowFixture.h"
#include "app/SheetView.h"
#include "support/Controls.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

namespace {

void press(QWidget* widget, int key)
{
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void clickLabel(SheetView* sheet, int position)
{
    const QPointF at = sheet->toWidget(sheet->picture().page.outlines[std::size_t(position - 1)].center());
    QMouseEvent event(QEvent::MouseButtonPress, at, sheet->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(sheet, &event);
}

} // namespace

TEST_F(MainWindowTest, AClickedLabelIsChosenAsThePositionEntryChoosesIt)
{
    auto* sheet = named<SheetView>(window, "picLMSheet");
    named<QLineEdit>(window, "txtLMLine1")->setText(QStringLiteral("Ann Lee"));
    EXPECT_EQ(sheet->picture().firstChosen, 0);
    EXPECT_TRUE(sheet->picture().page.runs.empty()) << "no medium: Print would stop";

    clickLabel(sheet, 7);
    EXPECT_TRUE(named<QRadioButton>(window, "optLMLabel")->isChecked());
    EXPECT_EQ(named<QLabel>(window, "lblLMPosition")->text(), QStringLiteral("Label Position 7"));
    EXPECT_EQ(margins(), QStringLiteral("2/16"));
    EXPECT_TRUE(fake->prompts.empty() && fake->messages.empty());
    EXPECT_EQ(sheet->picture().firstChosen, 7);
    EXPECT_TRUE(sheet->accessibleDescription().startsWith(QStringLiteral("Label 7 chosen; labels 1 to 6 used")));
    EXPECT_EQ(sheet->accessibleName(), QStringLiteral("Label sheet"));

    // Typing redraws it; an orientation already chosen stays.
    named<QLineEdit>(window, "txtLMLine2")->setText(QStringLiteral("12 Oak St"));
    EXPECT_TRUE(std::any_of(sheet->picture().page.runs.begin(), sheet->picture().page.runs.end(),
                            [](const PlacedText& run) { return run.text == QStringLiteral("12 Oak St"); }));
    named<QRadioButton>(window, "optLandscape")->click();
    clickLabel(sheet, 2);
    EXPECT_TRUE(named<QRadioButton>(window, "optLandscape")->isChecked());
    EXPECT_EQ(margins(), QStringLiteral("35/3"));
    EXPECT_GT(sheet->picture().page.geometry.width, sheet->picture().page.geometry.height);
}

TEST_F(MainWindowTest, TabReachesTheSheetLastAndEnterChoosesTheLabelTheArrowsReach)
{
    auto* sheet = named<SheetView>(window, "picLMSheet");
    auto* first = named<QLineEdit>(window, "txtLMLine1");
    first->setFocus();
    QWidget* last = nullptr;
    for (int i = 0; i < 40 && (i == 0 || QApplication::focusWidget() != first); ++i) {
        last = QApplication::focusWidget();
        press(last, Qt::Key_Tab);
    }
    EXPECT_EQ(last, sheet) << "the sheet comes after every other control";

    sheet->setFocus();
    press(sheet, Qt::Key_Right);
    press(sheet, Qt::Key_Down);
    EXPECT_EQ(sheet->currentLabel(), 5);
    EXPECT_TRUE(sheet->accessibleDescription().endsWith(QStringLiteral("Enter chooses label 5")));
    press(sheet, Qt::Key_Return);
    EXPECT_EQ(named<QLabel>(window, "lblLMPosition")->text(), QStringLiteral("Label Position 5"));
    EXPECT_EQ(margins(), QStringLiteral("35/10"));
}

TEST_F(MainWindowTest, ViewShowSheetTurnsTheSheetOffAndIsRemembered)
{
    auto* item = named<QAction>(window, "mnuViewSheet");
    EXPECT_TRUE(item->isChecked() && item->isEnabled());
    EXPECT_TRUE(named<SheetView>(window, "picLMSheet")->isVisible());
    item->trigger();
    EXPECT_FALSE(named<SheetView>(window, "picLMSheet")->isVisible());
    EXPECT_EQ(fake->settings.value(QStringLiteral("Settings/ShowSheet")), QStringLiteral("0"));

    window = std::make_unique<frmLDeded>(*fake);
    window->show();
    EXPECT_FALSE(named<QAction>(window, "mnuViewSheet")->isChecked());
    EXPECT_FALSE(named<SheetView>(window, "picLMSheet")->isVisible());
    named<QAction>(window, "mnuViewSheet")->trigger();
    EXPECT_TRUE(named<SheetView>(window, "picLMSheet")->isVisible());
    EXPECT_EQ(fake->settings.value(QStringLiteral("Settings/ShowSheet")), QStringLiteral("1"));
}
