#include "ContactWindowFixture.h"
#include "support/Controls.h"

#include "help/frmLMAbout.h"
#include "windows/frmLMExport.h"
#include "windows/frmLMImport.h"
#include "windows/frmViewAll.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QListView>
#include <QRadioButton>

// What a screen reader reads from the windows, through Qt's accessibility interfaces.
class AccessibilityTest : public ContactWindowTest {
protected:
    void SetUp() override
    {
        ContactWindowTest::SetUp();
        openFile({{"Al", "Smith"}, {"Bea", "Jones"}});
    }

    static QAccessibleInterface* reader(QObject* object) { return QAccessible::queryAccessibleInterface(object); }
};

TEST_F(AccessibilityTest, EveryControlOfEveryWindowHasANameAndADescription)
{
    named<QAction>(main, "mnuFileCalibrate")->trigger();
    const QList<QWidget*> windows{main.get(),
                                  main->newContactWindow(),
                                  main->contactBrowser(),
                                  main->contactList(),
                                  main->importWindow(),
                                  main->exportWindow(),
                                  main->findChild<QWidget*>("frmCalibrate"),
                                  frmLMAbout::showBeside(main.get(), *fake)};
    for (QWidget* window : windows) {
        int controls = 0;
        for (QWidget* control : window->findChildren<QWidget*>()) {
            const bool isControl = qobject_cast<QAbstractButton*>(control) || qobject_cast<QLineEdit*>(control)
                || qobject_cast<QComboBox*>(control) || qobject_cast<QAbstractItemView*>(control);
            // Qt's own parts (the menu bar's overflow button) are Qt's to name.
            if (!isControl || controls_detail::ownerWindow(control) != window
                || control->objectName().startsWith("qt_"))
                continue;
            ++controls;
            SCOPED_TRACE((window->objectName() + u' ' + control->objectName()).toStdString());
            EXPECT_FALSE(reader(control)->text(QAccessible::Name).isEmpty());
            EXPECT_FALSE(reader(control)->text(QAccessible::Description).isEmpty());
        }
        EXPECT_GE(controls, 2) << qPrintable(window->objectName());
    }
}

TEST_F(AccessibilityTest, ControlsReadAsWhatTheyAreAndStatusesAsNotifications)
{
    named<QAction>(main, "mnuFileCalibrate")->trigger();
    fake->inputAnswers = {QStringLiteral("5")};
    named<QRadioButton>(main, "optLMLabel")->click();
    frmViewAll* list = main->contactList();
    named<QAction>(main, "mnuViewAll")->trigger();
    named<QPushButton>(list, "cmdACGetReport")->click();
    const struct {
        QWidget* window;
        const char* control;
        QAccessible::Role role;
        QString name;
    } cases[] = {
        {main->contactBrowser(), "cboFindContact", QAccessible::ComboBox, "Select Contact"},
        {main->contactBrowser(), "cmdFirst", QAccessible::Button, "First contact"},
        {main->contactBrowser(), "cmdPrevious", QAccessible::Button, "Previous contact"},
        {main->contactBrowser(), "cmdNext", QAccessible::Button, "Next contact"},
        {main->contactBrowser(), "cmdLast", QAccessible::Button, "Last contact"},
        {main->newContactWindow(), "cmdStateAbb", QAccessible::Button, "State abbreviations"},
        {main->newContactWindow(), "txtACBirthdate", QAccessible::EditableText, "Birthdate"},
        {main->importWindow(), "txtImpFilename", QAccessible::EditableText, "File to import"},
        {list, "lblTotContacts", QAccessible::Notification, "Contacts Found = 2"},
        {main.get(), "lblLMPosition", QAccessible::Notification, "Label Position 5"},
        {main.get(), "cboLMEnvelope", QAccessible::ComboBox, "Envelope size"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.control);
        QAccessibleInterface* control = reader(named<QWidget>(c.window, c.control));
        EXPECT_EQ(control->role(), c.role);
        EXPECT_EQ(control->text(QAccessible::Name).toStdString(), c.name.toStdString());
    }
    for (QWidget* dialog :
         {main->findChild<QWidget*>("frmCalibrate"), static_cast<QWidget*>(frmLMAbout::showBeside(main.get(), *fake))})
        EXPECT_EQ(reader(dialog)->role(), QAccessible::Dialog) << qPrintable(dialog->objectName());

    // The heading is read, not typed into, and not a stop of the tab order.
    QLineEdit* heading = named<QLineEdit>(list, "txtViewAllHeader");
    EXPECT_EQ(reader(heading)->text(QAccessible::Name), "Column headings");
    EXPECT_TRUE(reader(heading)->state().readOnly);
    EXPECT_FALSE(heading->focusPolicy() & Qt::TabFocus);
    // Each line says its values by their columns.
    QAccessibleInterface* lines = reader(named<QListView>(list, "lstAllContacts"));
    ASSERT_EQ(lines->childCount(), 2);
    EXPECT_EQ(lines->child(0)->text(QAccessible::Name), "Name: Al Smith, City: Reno");
}

TEST_F(AccessibilityTest, ArrowKeysStepThroughEnvelopeSizesAndAPickGoesToPrint)
{
    named<QRadioButton>(main, "optLMEnvelope")->click();
    QComboBox* sizes = named<QComboBox>(main, "cboLMEnvelope");
    sizes->setFocus();
    const QString margins[] = {"38/33", "23/32"};
    for (int step = 0; step < 2; ++step) {
        pressKeys(main.get(), QKeySequence(Qt::Key_Down));
        EXPECT_EQ(sizes->currentIndex(), step);
        EXPECT_EQ(named<QLineEdit>(main, "txtLMLeftPad")->text() + u'/' + named<QLineEdit>(main, "txtLMToppad")->text(),
                  margins[step]);
        EXPECT_EQ(focusName(), "cboLMEnvelope");
    }
    emit sizes->activated(2); // a pick from the open list
    EXPECT_EQ(focusName(), "cmdLMStart");
}

TEST_F(AccessibilityTest, AfterADateErrorTheFocusIsInTheBirthDate)
{
    named<QPushButton>(main, "cmdAddContact")->click();
    frmNewContact* add = main->newContactWindow();
    named<QLineEdit>(add, "txtACLName")->setText(QStringLiteral("Lee"));
    named<QLineEdit>(add, "txtACBirthdate")->setText(QStringLiteral("4/10/1980"));
    named<QPushButton>(add, "cmdSave")->setFocus();
    named<QPushButton>(add, "cmdSave")->click();
    ASSERT_EQ(fake->messages.size(), 1u);
    EXPECT_EQ(fake->messages[0].title, "Date error");
    EXPECT_EQ(focusName(), "txtACBirthdate");
}
