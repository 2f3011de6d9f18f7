#include "ContactWindowFixture.h"

#include <QLabel>

class frmEdDelViewContactTest : public ContactWindowTest {
protected:
    frmEdDelViewContact* browser() { return main->contactBrowser(); }

    QStringList listTexts()
    {
        QStringList texts;
        for (int i = 0; i < browser()->cboFindContact->count(); ++i)
            texts << browser()->cboFindContact->itemText(i) + u'#' + QString::number(browser()->findRecordAt(i));
        return texts;
    }

    void pick(const QString& text)
    {
        const int index = browser()->cboFindContact->findText(text);
        ASSERT_GE(index, 0) << text.toStdString();
        browser()->cboFindContact->setCurrentIndex(index);
        emit browser()->cboFindContact->activated(index);
    }

    bool editingEnabled()
    {
        frmEdDelViewContact* w = browser();
        const bool enabled = w->txtACFName->isEnabled();
        for (QWidget* widget : {static_cast<QWidget*>(w->txtACNotes), static_cast<QWidget*>(w->chkCompanyInclude),
                                static_cast<QWidget*>(w->cmdSave), static_cast<QWidget*>(w->cmdDelete),
                                static_cast<QWidget*>(w->cmdPrintLabel)})
            EXPECT_EQ(widget->isEnabled(), enabled) << widget->objectName().toStdString();
        return enabled;
    }
};

TEST_F(frmEdDelViewContactTest, EveryContactCommandOpensItAndCloseComesBack)
{
    openFile({{"Ann", "Lee"}});
    const std::vector<std::pair<const char*, std::function<void()>>> commands{
        {"cmdFindContact", [&] { main->cmdFindContact->click(); }},
        {"mnuEdit", [&] { main->mnuEdit->trigger(); }},
        {"mnuFind", [&] { main->mnuFind->trigger(); }},
        {"mnuDelete", [&] { main->mnuDelete->trigger(); }},
        {"mnuViewOne", [&] { main->mnuViewOne->trigger(); }},
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
        browser()->cmdCancel->click();
        EXPECT_EQ(main->session().CurrentRecord, 0);
        EXPECT_FALSE(browser()->isVisible());
        EXPECT_TRUE(main->isVisible());
        EXPECT_EQ(focusName(), QStringLiteral("txtLMLine1"));
    }
}

TEST_F(frmEdDelViewContactTest, FindListPickAndNavigation)
{
    openFile({{"bob", "Young"}, {"Alice", "Zane"}, {"carl", "Ray"}});
    main->cmdFindContact->click();
    frmEdDelViewContact* w = browser();
    EXPECT_EQ(listTexts(), (QStringList{"Alice  Zane#2", "bob  Young#1", "carl  Ray#3"}));
    EXPECT_EQ(w->cboFindContact->currentIndex(), -1);
    EXPECT_EQ(w->cboFindContact->placeholderText(), QStringLiteral("Select Contact"));

    // Stepping shows records but leaves editing off.
    w->cmdNext->click();
    EXPECT_EQ(w->txtACFName->text(), QStringLiteral("bob"));
    EXPECT_EQ(main->session().CurrentRecord, 1);
    EXPECT_FALSE(editingEnabled());
    w->cmdPrevious->click();
    EXPECT_EQ(fake->messages.back().text, QStringLiteral("Beginning of file."));
    EXPECT_EQ(main->session().CurrentRecord, 1);

    pick(QStringLiteral("carl  Ray"));
    EXPECT_EQ(main->session().CurrentRecord, 3);
    EXPECT_EQ(w->txtACLName->text(), QStringLiteral("Ray"));
    EXPECT_EQ(w->txtACCity->text(), QStringLiteral("Reno"));
    EXPECT_TRUE(editingEnabled());
    w->cmdNext->click();
    EXPECT_EQ(fake->messages.back().text, QStringLiteral("End of file."));
    w->cmdFirst->click();
    EXPECT_EQ(w->txtACFName->text(), QStringLiteral("bob"));
    EXPECT_EQ(w->cboFindContact->currentIndex(), -1); // the list was reloaded
    EXPECT_TRUE(editingEnabled());
    w->cmdLast->click();
    EXPECT_EQ(main->session().CurrentRecord, 3);

    for (QPushButton* button : {w->cmdFirst, w->cmdPrevious, w->cmdNext, w->cmdLast})
        EXPECT_FALSE(button->toolTip().isEmpty());
    EXPECT_EQ(w->cmdFirst->text(), QStringLiteral("|<"));
    EXPECT_EQ(w->cmdLast->text(), QStringLiteral(">|"));
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
    main->cmdFindContact->click();
    frmEdDelViewContact* w = browser();
    EXPECT_TRUE(w->chkCompanyInclude->isHidden());
    pick(QStringLiteral("Cy  Orr"));
    EXPECT_FALSE(w->chkCompanyInclude->isHidden());
    EXPECT_FALSE(w->chkCompanyInclude->isChecked());
    typeInto(w->txtACCompany, QStringLiteral("Acme2"));
    EXPECT_TRUE(w->chkCompanyInclude->isChecked());
    w->chkCompanyInclude->setChecked(false);
    typeInto(w->txtACCompany, QString());
    EXPECT_FALSE(w->chkCompanyInclude->isChecked());
    EXPECT_FALSE(w->lblACCompOnLabel->isHidden());

    // A contact without a company hides them again.
    pick(QStringLiteral("Ann  Lee"));
    EXPECT_TRUE(w->chkCompanyInclude->isHidden());
    EXPECT_TRUE(w->lblACCompOnLabel->isHidden());
}

TEST_F(frmEdDelViewContactTest, SaveOverwritesTheShownRecordAndDeleteCloses)
{
    openFile({{"Ann", "Lee"}, {"Bo", "Ek"}, {"Cy", "Orr"}, {"Di", "Fox"}});
    const QByteArray before = bytes();
    main->cmdFindContact->click();
    frmEdDelViewContact* w = browser();
    pick(QStringLiteral("Bo  Ek"));
    typeInto(w->txtACCity, QStringLiteral("Ely,"));
    w->cmdSave->click();
    EXPECT_EQ(fake->messages.back().title, QStringLiteral("Changes saved"));
    EXPECT_EQ(w->txtACCity->text(), QStringLiteral("Ely"));
    EXPECT_TRUE(w->isVisible());
    const QByteArray saved = bytes();
    EXPECT_EQ(record(saved, 1), record(before, 1));
    EXPECT_EQ(record(saved, 3) + record(saved, 4), record(before, 3) + record(before, 4));
    EXPECT_EQ(Contact::fromRecord(record(saved, 2)).City.trimmed(), QStringLiteral("Ely"));

    // No leaves the window and the file.
    fake->messageAnswers = {MessageAnswer::No};
    w->cmdDelete->click();
    EXPECT_EQ(fake->messages.back().text, QStringLiteral("Nothing deleted..."));
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(focusName(), QStringLiteral("cmdCancel"));
    EXPECT_EQ(bytes(), saved);

    w->cmdDelete->click();
    EXPECT_EQ(fake->messages.back().text, QStringLiteral("Contact deleted!"));
    EXPECT_EQ(bytes(), record(saved, 1) + record(saved, 3) + record(saved, 4));
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(focusName(), QStringLiteral("txtLMLine1"));
    EXPECT_EQ(main->session().CurrentRecord, 0);
    EXPECT_TRUE(w->txtACFName->text().isEmpty());

    // The next opening lists what is left, nothing picked.
    main->cmdFindContact->click();
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
    EXPECT_EQ(w->txtACCompany->text(), QStringLiteral("Acme"));
    EXPECT_EQ(w->txtACBirthdate->text(), QStringLiteral("04/10/1980"));
    EXPECT_TRUE(w->chkCompanyInclude->isChecked());
    EXPECT_FALSE(w->chkCompanyInclude->isHidden());
    EXPECT_TRUE(editingEnabled());
    EXPECT_EQ(listTexts(), (QStringList{"Ann  Lee#1", "Bo  Ek#2"}));
    EXPECT_EQ(main->session().CurrentRecord, 2);
}

TEST_F(frmEdDelViewContactTest, KeyboardOrderAndErrors)
{
    openFile({{"Ann", "Lee"}});
    main->cmdFindContact->click();
    frmEdDelViewContact* w = browser();
    pick(QStringLiteral("Ann  Lee"));
    QStringList boxes;
    for (QLineEdit* edit : w->boxes())
        boxes << edit->objectName();
    EXPECT_EQ(walk(w->txtACFName, 17, Qt::Key_Return), boxes + QStringList{"cmdFirst"});
    EXPECT_EQ(walk(w->cmdFirst, 11, Qt::Key_Tab),
              (QStringList{"cmdFirst", "cmdPrevious", "cmdNext", "cmdLast", "cmdSave", "cmdDelete", "cmdPrintLabel",
                           "cmdCancel", "cmdStateAbb", "cmdPeopleFind", "cmdZipFinder", "cboFindContact"}));

    // A failing save answered Cancel closes the window.
    main->session().file.seam().failAtWrite(1);
    fake->messageAnswers = {MessageAnswer::Cancel};
    w->cmdSave->click();
    EXPECT_EQ(fake->messages.back().title, QStringLiteral("Error"));
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(main->session().CurrentRecord, 0);
}
