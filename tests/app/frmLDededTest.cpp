#include "MainWindowFixture.h"
#include "support/Controls.h"

#include <QAction>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

TEST_F(MainWindowTest, StartsWithPortraitLeftJustifiedAndNoMedium)
{
    EXPECT_EQ(window->windowTitle(), "Tessaprint");
    EXPECT_EQ(named<QLabel>(window, "lblLMInstruct")->text(),
              "Tessaprint prints labels (compatible with Avery 5160 and 8160 labels) and envelopes.\n"
              "Power tip: click 'Search Contacts' to print labels for a specific subset of your contacts.");
    EXPECT_TRUE(named<QRadioButton>(window, "optPortrait")->isChecked());
    EXPECT_TRUE(named<QRadioButton>(window, "optLMLeftjust")->isChecked());
    EXPECT_FALSE(named<QRadioButton>(window, "optLMLabel")->isChecked());
    EXPECT_FALSE(named<QRadioButton>(window, "optLMEnvelope")->isChecked());
    EXPECT_EQ(margins(), "2/3");
    EXPECT_EQ(named<QComboBox>(window, "cboLMEnvelope")->count(), 7);
    EXPECT_EQ(named<QComboBox>(window, "cboLMEnvelope")->itemText(6), "Custom (edit Left and Top margin boxes)");
    EXPECT_TRUE(named<QComboBox>(window, "cboLMEnvelope")->isHidden());
    EXPECT_TRUE(named<QCheckBox>(window, "chkBold")->isHidden());
    EXPECT_TRUE(named<QCheckBox>(window, "chkLargeFont")->isHidden());
    EXPECT_TRUE(named<QPushButton>(window, "cmdRetAddress")->isHidden());
    EXPECT_FALSE(named<QPushButton>(window, "cmdLMStart")->isHidden());
    EXPECT_EQ(QApplication::focusWidget(), named<QLineEdit>(window, "txtLMLine1"));

    EXPECT_FALSE(named<QAction>(window, "mnuBarcode")->isEnabled());
    for (QAction* item :
         {named<QAction>(window, "mnuAdd"), named<QAction>(window, "mnuEdit"), named<QAction>(window, "mnuDelete"),
          named<QAction>(window, "mnuFind"), named<QAction>(window, "mnuViewOne"), named<QAction>(window, "mnuViewAll"),
          named<QAction>(window, "mnuImport"), named<QAction>(window, "mnuExport"),
          named<QAction>(window, "mnuSrchContacts"), named<QAction>(window, "mnuFileBdayOn"),
          named<QAction>(window, "mnuFileBdayOff")})
        EXPECT_FALSE(item->isEnabled()) << item->objectName().toStdString();
    EXPECT_FALSE(named<QPushButton>(window, "cmdAddContact")->isEnabled());
    EXPECT_FALSE(named<QPushButton>(window, "cmdFindContact")->isEnabled());
}

TEST_F(MainWindowTest, FileMenuHasSeparatorsAfterCloseBirthdaysStatesAndPrint)
{
    QStringList items;
    for (QAction* action : named<QMenu>(window, "mnuFile")->actions())
        items << (action->isSeparator() ? QStringLiteral("-") : caption(action->text()));
    EXPECT_EQ(items.join(u','),
              "New,Open,Close,-,Enable Birthday Reminders,Disable Birthday Reminders,-,"
              "Return Address Labels,Return Address Labels Preview,Barcode Labels,State Abbreviations,-,"
              "Print,Print Preview,-,Printer Calibration...,-,Exit");
    EXPECT_EQ(named<QAction>(window, "mnuFilePrint")->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
}

TEST_F(MainWindowTest, PrintRightAfterStartAsksForTheMedium)
{
    named<QLineEdit>(window, "txtLMLine1")->setText("Ann Smith");
    named<QPushButton>(window, "cmdLMStart")->click();

    ASSERT_EQ(fake->messages.size(), 1u);
    EXPECT_EQ(fake->messages[0].text, "Select Label stock or Envelope");
    EXPECT_EQ(fake->messages[0].title, "Media Selection");
    EXPECT_EQ(fake->messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(fake->beeps, 1);
    EXPECT_TRUE(fake->printRequests.empty());
}

TEST_F(MainWindowTest, PrintWritesBackWhereTheRangeEnded)
{
    named<QLineEdit>(window, "txtLMLine1")->setText("Ann Smith");
    choosePositions("5");
    named<QLineEdit>(window, "txtLMLeftPad")->setText("50"); // the table's values win at Print
    named<QPushButton>(window, "cmdLMStart")->click();

    ASSERT_EQ(fake->allDocuments().size(), 1u);
    EXPECT_EQ(fake->allDocuments()[0].runs[0].column, 35);
    EXPECT_EQ(window->StartPosition, "6");
    EXPECT_EQ(margins(), "68/10");
}

TEST_F(MainWindowTest, EnvelopeBeforeAnySizeKeepsMarginsAndChecksHidden)
{
    named<QLineEdit>(window, "txtLMLeftPad")->setText("7");
    named<QLineEdit>(window, "txtLMToppad")->setText("8");
    named<QRadioButton>(window, "optLMEnvelope")->click();

    EXPECT_EQ(margins(), "7/8");
    EXPECT_EQ(window->EnvelopeSizeNumber, "0");
    EXPECT_TRUE(named<QRadioButton>(window, "optLandscape")->isChecked());
    EXPECT_FALSE(named<QComboBox>(window, "cboLMEnvelope")->isHidden());
    EXPECT_TRUE(named<QCheckBox>(window, "chkBold")->isHidden());
    EXPECT_TRUE(named<QCheckBox>(window, "chkLargeFont")->isHidden());
    EXPECT_EQ(QApplication::focusWidget(), named<QLineEdit>(window, "txtLMLine1"));
}

TEST_F(MainWindowTest, EnvelopeMarginsDependOnWhetherSizeOrEnvelopeWasClicked)
{
    const QStringList onPick{"38/33", "23/32", "20/32", "28/30", "30/30", "36/25", "30/30"};
    const QStringList onEnvelope{"38/33", "28/39", "24/37", "34/36", "36/36", "44/30", "36/36"};
    named<QRadioButton>(window, "optLMEnvelope")->click();
    for (int size = 1; size <= 7; ++size) {
        SCOPED_TRACE(size);
        pickEnvelopeSize(size);
        EXPECT_EQ(window->EnvelopeSizeNumber, QString::number(size));
        EXPECT_EQ(margins(), onPick[size - 1]);
        EXPECT_FALSE(named<QCheckBox>(window, "chkBold")->isHidden());
        EXPECT_FALSE(named<QCheckBox>(window, "chkLargeFont")->isHidden());
        EXPECT_EQ(QApplication::focusWidget(), named<QPushButton>(window, "cmdLMStart"));

        choosePositions("5");
        EXPECT_TRUE(named<QComboBox>(window, "cboLMEnvelope")->isHidden());
        EXPECT_TRUE(named<QCheckBox>(window, "chkBold")->isHidden());
        named<QRadioButton>(window, "optLMEnvelope")->click();
        EXPECT_EQ(margins(), onEnvelope[size - 1]);
        EXPECT_TRUE(named<QLabel>(window, "lblLMPosition")->text().isEmpty());
    }
}

TEST_F(MainWindowTest, PortraitOverwritesHandEditedMarginsLandscapeDoesNot)
{
    named<QLineEdit>(window, "txtLMLeftPad")->setText("9");
    named<QLineEdit>(window, "txtLMToppad")->setText("11");
    named<QRadioButton>(window, "optLandscape")->click();
    EXPECT_EQ(margins(), "9/11");
    EXPECT_EQ(QApplication::focusWidget(), named<QLineEdit>(window, "txtLMLine1"));

    named<QRadioButton>(window, "optPortrait")->click();
    EXPECT_EQ(margins(), "2/3");
}

TEST_F(MainWindowTest, ClearFormReturnsToStartButKeepsOrientationAndAlignment)
{
    named<QRadioButton>(window, "optLMEnvelope")->click();
    pickEnvelopeSize(4);
    named<QCheckBox>(window, "chkBold")->click();
    named<QRadioButton>(window, "optLMCenter")->click();
    for (QLineEdit* line : {named<QLineEdit>(window, "txtLMLine4"), named<QLineEdit>(window, "txtLMLine5")})
        line->setText("text");
    named<QAction>(window, "mnuRetAddress")->trigger(); // lines 1-3 empty: the waiting state
    ASSERT_TRUE(named<QPushButton>(window, "cmdLMStart")->isHidden());

    named<QPushButton>(window, "cmdLMClear")->click();

    EXPECT_FALSE(named<QCheckBox>(window, "chkBold")->isChecked());
    EXPECT_TRUE(named<QCheckBox>(window, "chkBold")->isHidden());
    EXPECT_TRUE(named<QCheckBox>(window, "chkLargeFont")->isHidden());
    EXPECT_FALSE(named<QPushButton>(window, "cmdLMStart")->isHidden());
    EXPECT_TRUE(named<QPushButton>(window, "cmdRetAddress")->isHidden());
    EXPECT_TRUE(named<QRadioButton>(window, "optLMLabel")->isEnabled());
    EXPECT_TRUE(named<QRadioButton>(window, "optLMEnvelope")->isEnabled());
    EXPECT_FALSE(named<QRadioButton>(window, "optLMLabel")->isChecked());
    EXPECT_FALSE(named<QRadioButton>(window, "optLMEnvelope")->isChecked());
    EXPECT_TRUE(named<QLineEdit>(window, "txtLMLine4")->text().isEmpty());
    EXPECT_TRUE(named<QLineEdit>(window, "txtLMLine5")->text().isEmpty());
    EXPECT_EQ(window->StartPosition, "0");
    EXPECT_EQ(window->EnvelopeSizeNumber, "0");
    EXPECT_TRUE(named<QLabel>(window, "lblLMPosition")->isHidden());
    EXPECT_TRUE(named<QComboBox>(window, "cboLMEnvelope")->isHidden());
    EXPECT_EQ(margins(), "2/3");
    EXPECT_EQ(QApplication::focusWidget(), named<QLineEdit>(window, "txtLMLine1"));
    EXPECT_TRUE(named<QRadioButton>(window, "optLandscape")->isChecked());
    EXPECT_TRUE(named<QRadioButton>(window, "optLMCenter")->isChecked());
}

TEST_F(MainWindowTest, EnterMovesOnFromLineFourButNotFromLineFive)
{
    named<QLineEdit>(window, "txtLMLine4")->setFocus();
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(named<QLineEdit>(window, "txtLMLine4"), &enter);
    EXPECT_EQ(QApplication::focusWidget(), named<QLineEdit>(window, "txtLMLine5"));

    QKeyEvent again(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(named<QLineEdit>(window, "txtLMLine5"), &again);
    EXPECT_EQ(QApplication::focusWidget(), named<QLineEdit>(window, "txtLMLine5"));
}

TEST_F(MainWindowTest, CutAndCopyNeedSelectedTextInTheFocusedBox)
{
    struct Case {
        const char* name;
        bool focusButton;
        bool select;
        bool enabled;
    };
    for (const Case& c : {Case{"selection", false, true, true}, Case{"no selection", false, false, false},
                          Case{"button focused", true, false, false}}) {
        SCOPED_TRACE(c.name);
        named<QLineEdit>(window, "txtLMLine2")->setText("Main Street");
        named<QLineEdit>(window, "txtLMLine2")->setFocus();
        if (c.select)
            named<QLineEdit>(window, "txtLMLine2")->setSelection(0, 4);
        else
            named<QLineEdit>(window, "txtLMLine2")->deselect();
        if (c.focusButton)
            named<QPushButton>(window, "cmdLMClear")->setFocus();
        emit named<QMenu>(window, "mnuLMEdit")->aboutToShow();
        EXPECT_EQ(named<QAction>(window, "mnuLMEditCut")->isEnabled(), c.enabled);
        EXPECT_EQ(named<QAction>(window, "mnuLMEditCopy")->isEnabled(), c.enabled);
        EXPECT_TRUE(named<QAction>(window, "mnuLMEditPaste")->isEnabled());
    }
}

TEST_F(MainWindowTest, CutCopyAndPasteGoThroughTheClipboard)
{
    named<QLineEdit>(window, "txtLMLine2")->setText("Main Street");
    named<QLineEdit>(window, "txtLMLine2")->setFocus();

    named<QLineEdit>(window, "txtLMLine2")->setSelection(5, 6);
    named<QAction>(window, "mnuLMEditCopy")->trigger();
    EXPECT_EQ(fake->clipboard, "Street");
    EXPECT_EQ(named<QLineEdit>(window, "txtLMLine2")->text(), "Main Street");

    named<QLineEdit>(window, "txtLMLine2")->setSelection(0, 5);
    named<QAction>(window, "mnuLMEditCut")->trigger();
    EXPECT_EQ(fake->clipboard, "Main ");
    EXPECT_EQ(named<QLineEdit>(window, "txtLMLine2")->text(), "Street");

    fake->clipboard = "Elm";
    named<QLineEdit>(window, "txtLMLine2")->selectAll();
    named<QAction>(window, "mnuLMEditPaste")->trigger();
    EXPECT_EQ(named<QLineEdit>(window, "txtLMLine2")->text(), "Elm");
}

TEST_F(MainWindowTest, ClosingWritesThePlacementInTwips)
{
    window->resize(600, 500);
    QApplication::processEvents();
    const QRect frame = window->frameGeometry();
    named<QPushButton>(window, "cmdLMExit")->click();

    EXPECT_EQ(fake->settings.value("Settings/MainWidth"),
              QString::number(frame.width() * 1440 / window->logicalDpiX()));
    EXPECT_EQ(fake->settings.value("Settings/MainHeight"),
              QString::number(frame.height() * 1440 / window->logicalDpiY()));
    EXPECT_TRUE(fake->settings.contains("Settings/MainLeft"));
    EXPECT_TRUE(fake->settings.contains("Settings/MainTop"));
}

TEST_F(MainWindowTest, ClosingWhileMinimisedWritesNoPlacement)
{
    window->showMinimized();
    QApplication::processEvents();
    window->close();
    EXPECT_TRUE(fake->settings.isEmpty());
}

TEST_F(MainWindowTest, ClosingUnloadsTheOtherWindows)
{
    QWidget other;
    other.show();
    named<QAction>(window, "mnuFileExit")->trigger();
    EXPECT_FALSE(other.isVisible());
    EXPECT_FALSE(window->isVisible());
}
