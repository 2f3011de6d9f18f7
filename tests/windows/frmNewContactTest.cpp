#include "ContactWindowFixture.h"
#include "support/Controls.h"

#include "exchange/ComposerParse.h"

#include <QLabel>

namespace {

const QStringList kBoxes{"txtACFName",   "txtACMiddleInit", "txtACLName",    "txtACFStreet",   "txtACSStreet",
                         "txtACCity",    "txtACState",      "txtACZip",      "txtACCountry",   "txtACCompany",
                         "txtACBirthdate", "txtACHPhone",   "txtACCPhone",   "txtACWPhone",    "txtACEmail",
                         "txtACCategory", "txtACNotes"};

} // namespace

class frmNewContactTest : public ContactWindowTest {
protected:
    frmNewContact* openWindow(const ComposerBoxes& filled = {})
    {
        frmNewContact* w = main->newContactWindow();
        w->open(filled);
        QApplication::processEvents();
        return w;
    }
};

TEST_F(frmNewContactTest, OpensEmptyInFrontWithItsTitleAndFocus)
{
    openFile({});
    ComposerBoxes filled;
    filled.txtACFName = QStringLiteral("Ann");
    filled.txtACCity = QStringLiteral("Reno");
    frmNewContact* w = openWindow(filled);
    EXPECT_TRUE(w->isVisible());
    EXPECT_FALSE(main->isVisible());
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Add Contact  [Friends]"));
    EXPECT_EQ(focusName(), QStringLiteral("txtACFName"));
    EXPECT_EQ(named<QLineEdit>(w, "txtACFName")->text(), QStringLiteral("Ann"));
    EXPECT_EQ(named<QLineEdit>(w, "txtACCity")->text(), QStringLiteral("Reno"));
    EXPECT_TRUE(named<QLineEdit>(w, "txtACLName")->text().isEmpty());
    EXPECT_TRUE(named<QLabel>(w, "lblIncCompName")->isHidden());
    EXPECT_TRUE(named<QCheckBox>(w, "chkIncComp")->isHidden());
    EXPECT_EQ(caption(named<QPushButton>(w, "cmdSave")->text()), QStringLiteral("Save"));
    EXPECT_EQ(named<QPushButton>(w, "cmdSave")->toolTip(), QStringLiteral("Saves contact to file"));
    EXPECT_EQ(caption(named<QPushButton>(w, "cmdCancel")->text()), QStringLiteral("Close"));
    EXPECT_EQ(named<QPushButton>(w, "cmdCancel")->toolTip(), QStringLiteral("Return to main screen"));

    // The company box shows the question for good and never ticks it.
    typeInto(named<QLineEdit>(w, "txtACCompany"), QStringLiteral("Acme"));
    EXPECT_FALSE(named<QCheckBox>(w, "chkIncComp")->isHidden());
    EXPECT_FALSE(named<QCheckBox>(w, "chkIncComp")->isChecked());
    named<QCheckBox>(w, "chkIncComp")->setChecked(true);
    typeInto(named<QLineEdit>(w, "txtACCompany"), QString());
    EXPECT_FALSE(named<QLabel>(w, "lblIncCompName")->isHidden());
    EXPECT_TRUE(named<QCheckBox>(w, "chkIncComp")->isChecked());

    // Closing and opening again starts over.
    named<QPushButton>(w, "cmdCancel")->click();
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(focusName(), QStringLiteral("txtLMLine1"));
    w = openWindow();
    EXPECT_TRUE(named<QLineEdit>(w, "txtACFName")->text().isEmpty());
    EXPECT_TRUE(named<QCheckBox>(w, "chkIncComp")->isHidden());
    EXPECT_FALSE(named<QCheckBox>(w, "chkIncComp")->isChecked());
}

TEST_F(frmNewContactTest, SaveAppendsAndReturnsToTheMainWindow)
{
    openFile({{"A", "One"}, {"B", "Two"}, {"C", "Three"}});
    // Reminders are on (Enable greyed out); a save that writes "1" turns Disable on.
    named<QAction>(main, "mnuFileBdayOff")->setEnabled(false);
    const QByteArray before = bytes();
    frmNewContact* w = openWindow();
    typeInto(named<QLineEdit>(w, "txtACFName"), QStringLiteral("Mary"));
    typeInto(named<QLineEdit>(w, "txtACLName"), QStringLiteral("Major"));
    typeInto(named<QLineEdit>(w, "txtACHPhone"), QStringLiteral("(555) 123-4567"));
    typeInto(named<QLineEdit>(w, "txtACCompany"), QStringLiteral("Acme"));
    named<QCheckBox>(w, "chkIncComp")->setChecked(true);
    named<QPushButton>(w, "cmdSave")->click();

    ASSERT_EQ(fake->messages.size(), 1u);
    EXPECT_EQ(fake->messages[0].text, QStringLiteral("S A V E D"));
    const QByteArray after = bytes();
    ASSERT_EQ(after.size(), 2052);
    EXPECT_EQ(after.left(3 * 513), before);
    const Contact saved = Contact::fromRecord(record(after, 4));
    EXPECT_EQ(saved.FirstName.trimmed(), QStringLiteral("Mary"));
    EXPECT_EQ(saved.HomePhone.trimmed(), QStringLiteral("555-123-4567"));
    EXPECT_EQ(saved.IncludeCompany, QStringLiteral("1"));
    EXPECT_EQ(saved.BirthdayReminder, QStringLiteral("1"));
    EXPECT_TRUE(named<QAction>(main, "mnuFileBdayOff")->isEnabled());
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(focusName(), QStringLiteral("txtLMLine1"));
}

TEST_F(frmNewContactTest, RefusalKeepsTheWindowWithItsCleanUps)
{
    openFile({});
    frmNewContact* w = openWindow();
    typeInto(named<QLineEdit>(w, "txtACFName"), QStringLiteral("Jo,hn"));
    typeInto(named<QLineEdit>(w, "txtACHPhone"), QStringLiteral("(555) 1"));
    named<QPushButton>(w, "cmdSave")->click();
    ASSERT_EQ(fake->messages.size(), 1u);
    EXPECT_EQ(fake->messages[0].text, QStringLiteral("Enter last name, 16 characters or less."));
    EXPECT_EQ(fake->messages[0].title, QStringLiteral("Incorrect entry"));
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(focusName(), QStringLiteral("txtACLName"));
    EXPECT_EQ(named<QLineEdit>(w, "txtACFName")->text(), QStringLiteral("John"));
    EXPECT_EQ(named<QLineEdit>(w, "txtACHPhone")->text(), QStringLiteral("(555) 1"));
    EXPECT_EQ(bytes().size(), 0);

    // An error answered Cancel closes the window; Retry keeps it.
    typeInto(named<QLineEdit>(w, "txtACLName"), QStringLiteral("Smith"));
    main->session().file.seam().failAtWrite(1);
    fake->messageAnswers = {MessageAnswer::Retry};
    named<QPushButton>(w, "cmdSave")->click();
    EXPECT_EQ(fake->messages.back().title, QStringLiteral("Error"));
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(named<QLineEdit>(w, "txtACLName")->text(), QStringLiteral("Smith"));
    main->session().file.seam().failAtWrite(1);
    fake->messageAnswers = {MessageAnswer::Cancel};
    named<QPushButton>(w, "cmdSave")->click();
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(bytes().size(), 0);
}

TEST_F(frmNewContactTest, EnterAndTabWalkTheBoxesToSave)
{
    openFile({});
    frmNewContact* w = openWindow();
    QStringList expected = kBoxes;
    expected << "cmdSave";
    EXPECT_EQ(walk(named<QLineEdit>(w, "txtACFName"), 17, Qt::Key_Return), expected);
    expected << "cmdCancel" << "cmdStateAbb" << "cmdPeopleFind" << "cmdZipFinder";
    EXPECT_EQ(walk(named<QLineEdit>(w, "txtACFName"), 21, Qt::Key_Tab), expected);
    // With the company typed the check box joins the order after Close.
    typeInto(named<QLineEdit>(w, "txtACCompany"), QStringLiteral("Acme"));
    EXPECT_EQ(walk(named<QPushButton>(w, "cmdCancel"), 1, Qt::Key_Tab), (QStringList{"cmdCancel", "chkIncComp"}));

    // Enter on the focused Save button presses it.
    named<QPushButton>(w, "cmdSave")->setFocus();
    press(named<QPushButton>(w, "cmdSave"), Qt::Key_Return);
    EXPECT_EQ(fake->messages.back().text, QStringLiteral("Enter last name, 16 characters or less."));
}

TEST_F(frmNewContactTest, EditMenuWorksOnTheFocusedBox)
{
    openFile({});
    frmNewContact* w = openWindow();
    typeInto(named<QLineEdit>(w, "txtACCity"), QStringLiteral("Reno West"));
    named<QLineEdit>(w, "txtACCity")->setFocus();
    named<QLineEdit>(w, "txtACCity")->deselect();
    emit named<QMenu>(w, "mnuNewEdit")->aboutToShow();
    EXPECT_FALSE(named<QAction>(w, "mnuNewEditCut")->isEnabled());
    EXPECT_FALSE(named<QAction>(w, "mnuNewEditCopy")->isEnabled());
    EXPECT_TRUE(named<QAction>(w, "mnuNewEditPaste")->isEnabled());

    named<QLineEdit>(w, "txtACCity")->setSelection(5, 4);
    emit named<QMenu>(w, "mnuNewEdit")->aboutToShow();
    EXPECT_TRUE(named<QAction>(w, "mnuNewEditCut")->isEnabled());
    named<QAction>(w, "mnuNewEditCut")->trigger();
    EXPECT_EQ(fake->clipboard, QStringLiteral("West"));
    EXPECT_EQ(named<QLineEdit>(w, "txtACCity")->text(), QStringLiteral("Reno "));
    named<QLineEdit>(w, "txtACState")->setFocus();
    named<QAction>(w, "mnuNewEditPaste")->trigger();
    EXPECT_EQ(named<QLineEdit>(w, "txtACState")->text(), QStringLiteral("West"));

    named<QPushButton>(w, "cmdSave")->setFocus(); // not a text box: the items stay enabled
    emit named<QMenu>(w, "mnuNewEdit")->aboutToShow();
    EXPECT_TRUE(named<QAction>(w, "mnuNewEditCopy")->isEnabled());
    EXPECT_EQ(named<QAction>(w, "mnuNewEditCut")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_X));
    EXPECT_EQ(named<QAction>(w, "mnuNewManual")->shortcut(), QKeySequence(Qt::Key_F1));
}

TEST_F(frmNewContactTest, CloseBoxReturnsAndTheMainWindowsEndClosesItQuietly)
{
    openFile({});
    frmNewContact* w = openWindow();
    w->close();
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(focusName(), QStringLiteral("txtLMLine1"));

    main->close();
    EXPECT_FALSE(w->isVisible());
    EXPECT_FALSE(main->isVisible());
}

TEST_F(frmNewContactTest, TextTheFileCannotHoldIsNamedAndNoGoesBackToItsBoxWritingNothing)
{
    openFile({});
    frmNewContact* w = openWindow();
    typeInto(named<QLineEdit>(w, "txtACLName"), QStringLiteral("Lee"));
    typeInto(named<QLineEdit>(w, "txtACNotes"), QStringLiteral("Call \U0001F600"));
    fake->messageAnswers = {MessageAnswer::No};
    named<QPushButton>(w, "cmdSave")->click();
    ASSERT_EQ(fake->messages.size(), 1u);
    EXPECT_EQ(fake->messages[0].title, QStringLiteral("Characters that cannot be stored"));
    EXPECT_TRUE(fake->messages[0].text.contains(QStringLiteral("Notes: \U0001F600 (U+1F600) -- saved as \"Call ?\"")));
    EXPECT_EQ(focusName(), QStringLiteral("txtACNotes"));
    EXPECT_EQ(bytes().size(), 0);
    fake->messageAnswers = {MessageAnswer::Yes};
    named<QPushButton>(w, "cmdSave")->click();
    EXPECT_EQ(Contact::fromRecord(bytes()).Notes.trimmed(), QStringLiteral("Call ?"));
}
