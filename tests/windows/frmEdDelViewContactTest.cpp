#include "ContactWindowFixture.h"
#include "support/Controls.h"

#include <QLabel>

class frmEdDelViewContactTest : public ContactWindowTest {
protected:
    frmEdDelViewContact* browser() { return main->contactBrowser(); }

    QStringList listTexts()
    {
        QStringList texts;
        for (int i = 0; i < named<QComboBox>(browser(), "cboFindContact")->count(); ++i)
            texts << named<QComboBox>(browser(), "cboFindContact")->itemText(i) + u'#'
                    + QString::number(browser()->findRecordAt(i));
        return texts;
    }

    void pick(const QString& text)
    {
        const int index = named<QComboBox>(browser(), "cboFindContact")->findText(text);
        ASSERT_GE(index, 0) << text.toStdString();
        named<QComboBox>(browser(), "cboFindContact")->setCurrentIndex(index);
        emit named<QComboBox>(browser(), "cboFindContact")->activated(index);
    }

    bool editingEnabled()
    {
        frmEdDelViewContact* w = browser();
        const bool enabled = named<QLineEdit>(w, "txtACFName")->isEnabled();
        for (QWidget* widget : {static_cast<QWidget*>(named<QLineEdit>(w, "txtACNotes")),
                                static_cast<QWidget*>(named<QCheckBox>(w, "chkCompanyInclude")),
                                static_cast<QWidget*>(named<QPushButton>(w, "cmdSave")),
                                static_cast<QWidget*>(named<QPushButton>(w, "cmdDelete")),
                                static_cast<QWidget*>(named<QPushButton>(w, "cmdPrintLabel"))})
            EXPECT_EQ(widget->isEnabled(), enabled) << widget->objectName().toStdString();
        return enabled;
    }
};

TEST_F(frmEdDelViewContactTest, EveryContactCommandOpensItAndCloseComesBack)
{
    openFile({{"Ann", "Lee"}});
    const std::vector<std::pair<const char*, std::function<void()>>> commands{
        {"cmdFindContact", [&] { named<QPushButton>(main, "cmdFindContact")->click(); }},
        {"mnuEdit", [&] { named<QAction>(main, "mnuEdit")->trigger(); }},
        {"mnuFind", [&] { named<QAction>(main, "mnuFind")->trigger(); }},
        {"mnuDelete", [&] { named<QAction>(main, "mnuDelete")->trigger(); }},
        {"mnuViewOne", [&] { named<QAction>(main, "mnuViewOne")->trigger(); }},
    };
    for (const auto& [name, command] : commands) {
        SCOPED_TRACE(name);
        command();
        EXPECT_TRUE(browser()->isVisible());
        EXPECT_FALSE(main->isVisible());
        EXPECT_EQ(browser()->windowTitle(), QStringLiteral("Contact Information  [Friends]"));
        EXPECT_EQ(focusName(), QStringLiteral("cboFindContact"));
        EXPECT_FALSE(editingEnabled());
        pick(QStringLiteral("Ann  Lee"));
        EXPECT_EQ(main->session().CurrentRecord, 1);
        named<QPushButton>(browser(), "cmdCancel")->click();
        EXPECT_EQ(main->session().CurrentRecord, 0);
        EXPECT_FALSE(browser()->isVisible());
        EXPECT_TRUE(main->isVisible());
        EXPECT_EQ(focusName(), QStringLiteral("txtLMLine1"));
    }
}

TEST_F(frmEdDelViewContactTest, FindListPickAndNavigation)
{
    openFile({{"bob", "Young"}, {"Alice", "Zane"}, {"carl", "Ray"}});
    named<QPushButton>(main, "cmdFindContact")->click();
    frmEdDelViewContact* w = browser();
    EXPECT_EQ(listTexts(), (QStringList{"Alice  Zane#2", "bob  Young#1", "carl  Ray#3"}));
    EXPECT_EQ(named<QComboBox>(w, "cboFindContact")->currentIndex(), -1);
    EXPECT_EQ(named<QComboBox>(w, "cboFindContact")->placeholderText(), QStringLiteral("Select Contact"));

    // Stepping shows records but leaves editing off.
    named<QPushButton>(w, "cmdNext")->click();
    EXPECT_EQ(named<QLineEdit>(w, "txtACFName")->text(), QStringLiteral("bob"));
    EXPECT_EQ(main->session().CurrentRecord, 1);
    EXPECT_FALSE(editingEnabled());
    named<QPushButton>(w, "cmdPrevious")->click();
    EXPECT_EQ(fake->messages.back().text, QStringLiteral("Beginning of file."));
    EXPECT_EQ(main->session().CurrentRecord, 1);

    pick(QStringLiteral("carl  Ray"));
    EXPECT_EQ(main->session().CurrentRecord, 3);
    EXPECT_EQ(named<QLineEdit>(w, "txtACLName")->text(), QStringLiteral("Ray"));
    EXPECT_EQ(named<QLineEdit>(w, "txtACCity")->text(), QStringLiteral("Reno"));
    EXPECT_TRUE(editingEnabled());
    named<QPushButton>(w, "cmdNext")->click();
    EXPECT_EQ(fake->messages.back().text, QStringLiteral("End of file."));
    named<QPushButton>(w, "cmdFirst")->click();
    EXPECT_EQ(named<QLineEdit>(w, "txtACFName")->text(), QStringLiteral("bob"));
    EXPECT_EQ(named<QComboBox>(w, "cboFindContact")->currentIndex(), -1); // the list was reloaded
    EXPECT_TRUE(editingEnabled());
    named<QPushButton>(w, "cmdLast")->click();
    EXPECT_EQ(main->session().CurrentRecord, 3);

    for (QPushButton* button : {named<QPushButton>(w, "cmdFirst"), named<QPushButton>(w, "cmdPrevious"),
                                named<QPushButton>(w, "cmdNext"), named<QPushButton>(w, "cmdLast")})
        EXPECT_FALSE(button->toolTip().isEmpty());
    EXPECT_EQ(named<QPushButton>(w, "cmdFirst")->text(), QStringLiteral("|<"));
    EXPECT_EQ(named<QPushButton>(w, "cmdLast")->text(), QStringLiteral(">|"));
}

TEST_F(frmEdDelViewContactTest, CompanyBoxTicksWhileTyping)
{
    openFile({{"Ann", "Lee"}, {"Bo", "Ek"}});
    {
        Contact withCompany = contact(QStringLiteral("Cy"), QStringLiteral("Orr"));
        withCompany.Company = QStringLiteral("Acme");
        withCompany.IncludeCompany = QStringLiteral("0");
        main->session().file.append(withCompany);
    }
    named<QPushButton>(main, "cmdFindContact")->click();
    frmEdDelViewContact* w = browser();
    EXPECT_TRUE(named<QCheckBox>(w, "chkCompanyInclude")->isHidden());
    pick(QStringLiteral("Cy  Orr"));
    EXPECT_FALSE(named<QCheckBox>(w, "chkCompanyInclude")->isHidden());
    EXPECT_FALSE(named<QCheckBox>(w, "chkCompanyInclude")->isChecked());
    typeInto(named<QLineEdit>(w, "txtACCompany"), QStringLiteral("Acme2"));
    EXPECT_TRUE(named<QCheckBox>(w, "chkCompanyInclude")->isChecked());
    named<QCheckBox>(w, "chkCompanyInclude")->setChecked(false);
    typeInto(named<QLineEdit>(w, "txtACCompany"), QString());
    EXPECT_FALSE(named<QCheckBox>(w, "chkCompanyInclude")->isChecked());
    EXPECT_FALSE(named<QLabel>(w, "lblACCompOnLabel")->isHidden());

    // A contact without a company hides them again.
    pick(QStringLiteral("Ann  Lee"));
    EXPECT_TRUE(named<QCheckBox>(w, "chkCompanyInclude")->isHidden());
    EXPECT_TRUE(named<QLabel>(w, "lblACCompOnLabel")->isHidden());
}

TEST_F(frmEdDelViewContactTest, SaveOverwritesTheShownRecordAndDeleteCloses)
{
    openFile({{"Ann", "Lee"}, {"Bo", "Ek"}, {"Cy", "Orr"}, {"Di", "Fox"}});
    const QByteArray before = bytes();
    named<QPushButton>(main, "cmdFindContact")->click();
    frmEdDelViewContact* w = browser();
    pick(QStringLiteral("Bo  Ek"));
    typeInto(named<QLineEdit>(w, "txtACCity"), QStringLiteral("Ely,"));
    named<QPushButton>(w, "cmdSave")->click();
    EXPECT_EQ(fake->messages.back().title, QStringLiteral("Changes saved"));
    EXPECT_EQ(named<QLineEdit>(w, "txtACCity")->text(), QStringLiteral("Ely"));
    EXPECT_TRUE(w->isVisible());
    const QByteArray saved = bytes();
    EXPECT_EQ(record(saved, 1), record(before, 1));
    EXPECT_EQ(record(saved, 3) + record(saved, 4), record(before, 3) + record(before, 4));
    EXPECT_EQ(Contact::fromRecord(record(saved, 2)).City.trimmed(), QStringLiteral("Ely"));

    // No leaves the window and the file.
    fake->messageAnswers = {MessageAnswer::No};
    named<QPushButton>(w, "cmdDelete")->click();
    EXPECT_EQ(fake->messages.back().text, QStringLiteral("Nothing deleted..."));
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(focusName(), QStringLiteral("cmdCancel"));
    EXPECT_EQ(bytes(), saved);

    named<QPushButton>(w, "cmdDelete")->click();
    EXPECT_EQ(fake->messages.back().text, QStringLiteral("Contact deleted!"));
    EXPECT_EQ(bytes(), record(saved, 1) + record(saved, 3) + record(saved, 4));
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(focusName(), QStringLiteral("txtLMLine1"));
    EXPECT_EQ(main->session().CurrentRecord, 0);
    EXPECT_TRUE(named<QLineEdit>(w, "txtACFName")->text().isEmpty());

    // The next opening lists what is left, nothing picked.
    named<QPushButton>(main, "cmdFindContact")->click();
    EXPECT_EQ(listTexts(), (QStringList{"Ann  Lee#1", "Cy  Orr#2", "Di  Fox#3"}));
    EXPECT_FALSE(editingEnabled());
}

TEST_F(frmEdDelViewContactTest, OpenOnRecordFillsEnablesAndRebuildsTheList)
{
    openFile({{"Ann", "Lee"}, {"Bo", "Ek"}});
    Contact shown = contact(QStringLiteral("Bo"), QStringLiteral("Ek"));
    shown.Company = QStringLiteral("Acme      ");
    shown.IncludeCompany = QStringLiteral("1");
    shown.Birthdate = QStringLiteral("19800410");
    main->session().CurrentRecord = 2;
    main->hide();
    browser()->show();
    browser()->openOnRecord(2, shown);
    frmEdDelViewContact* w = browser();
    EXPECT_EQ(named<QLineEdit>(w, "txtACCompany")->text(), QStringLiteral("Acme"));
    EXPECT_EQ(named<QLineEdit>(w, "txtACBirthdate")->text(), QStringLiteral("04/10/1980"));
    EXPECT_TRUE(named<QCheckBox>(w, "chkCompanyInclude")->isChecked());
    EXPECT_FALSE(named<QCheckBox>(w, "chkCompanyInclude")->isHidden());
    EXPECT_TRUE(editingEnabled());
    EXPECT_EQ(listTexts(), (QStringList{"Ann  Lee#1", "Bo  Ek#2"}));
    EXPECT_EQ(main->session().CurrentRecord, 2);
}

TEST_F(frmEdDelViewContactTest, KeyboardOrderAndErrors)
{
    openFile({{"Ann", "Lee"}});
    named<QPushButton>(main, "cmdFindContact")->click();
    frmEdDelViewContact* w = browser();
    pick(QStringLiteral("Ann  Lee"));
    QStringList boxes;
    for (QLineEdit* edit : w->boxes())
        boxes << edit->objectName();
    EXPECT_EQ(walk(named<QLineEdit>(w, "txtACFName"), 17, Qt::Key_Return), boxes + QStringList{"cmdFirst"});
    EXPECT_EQ(walk(named<QPushButton>(w, "cmdFirst"), 11, Qt::Key_Tab),
              (QStringList{"cmdFirst", "cmdPrevious", "cmdNext", "cmdLast", "cmdSave", "cmdDelete", "cmdPrintLabel",
                           "cmdCancel", "cmdStateAbb", "cmdPeopleFind", "cmdZipFinder", "cboFindContact"}));

    // A failing save answered Cancel closes the window.
    main->session().file.seam().failAtWrite(1);
    fake->messageAnswers = {MessageAnswer::Cancel};
    named<QPushButton>(w, "cmdSave")->click();
    EXPECT_EQ(fake->messages.back().title, QStringLiteral("Error"));
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(main->session().CurrentRecord, 0);
}
