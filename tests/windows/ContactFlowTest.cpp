#include "ContactWindowFixture.h"
#include "support/Controls.h"

class ContactFlowTest : public ContactWindowTest {
protected:
    void compose(const QStringList& lines)
    {
        QLineEdit* boxes[] = {named<QLineEdit>(main, "txtLMLine1"), named<QLineEdit>(main, "txtLMLine2"),
                              named<QLineEdit>(main, "txtLMline3"), named<QLineEdit>(main, "txtLMLine4"),
                              named<QLineEdit>(main, "txtLMLine5")};
        for (int i = 0; i < 5; ++i)
            boxes[i]->setText(i < lines.size() ? lines[i] : QString());
    }
};

TEST_F(ContactFlowTest, AddContactFillsTheWindowFromTheComposer)
{
    openFile({});
    for (QObject* command : {static_cast<QObject*>(named<QPushButton>(main, "cmdAddContact")),
                             static_cast<QObject*>(named<QAction>(main, "mnuAdd"))}) {
        SCOPED_TRACE(command->objectName().toStdString());
        compose({"John Q. Public", "12 Oak Lane", "Reno, NV 89501"});
        if (auto* button = qobject_cast<QPushButton*>(command))
            button->click();
        else
            qobject_cast<QAction*>(command)->trigger();
        frmNewContact* w = main->newContactWindow();
        EXPECT_TRUE(w->isVisible());
        EXPECT_FALSE(main->isVisible());
        EXPECT_EQ(focusName(), QStringLiteral("txtACFName"));
        EXPECT_EQ(named<QLineEdit>(w, "txtACFName")->text(), QStringLiteral("John"));
        EXPECT_EQ(named<QLineEdit>(w, "txtACMiddleInit")->text(), QStringLiteral("Q"));
        EXPECT_EQ(named<QLineEdit>(w, "txtACLName")->text(), QStringLiteral("Public"));
        EXPECT_EQ(named<QLineEdit>(w, "txtACFStreet")->text(), QStringLiteral("12 Oak Lane"));
        EXPECT_EQ(named<QLineEdit>(w, "txtACState")->text(), QStringLiteral("NV"));
        EXPECT_TRUE(named<QLineEdit>(w, "txtACCountry")->text().isEmpty());
        named<QPushButton>(w, "cmdCancel")->click();
        EXPECT_TRUE(main->isVisible());
    }

    // A line 1 without a space opens nothing.
    compose({"Cher"});
    named<QPushButton>(main, "cmdAddContact")->click();
    EXPECT_EQ(fake->messages.back().text, QStringLiteral("Line 1 must contain a space."));
    EXPECT_EQ(fake->beeps, 1);
    EXPECT_FALSE(main->newContactWindow()->isVisible());
    EXPECT_TRUE(main->isVisible());
}

TEST_F(ContactFlowTest, AParseErrorAnsweredRetryClosesTheFileAndSaysSo)
{
    openFile({{"Ann", "Lee"}});
    compose({"Christopher-Alexander Smith"});
    fake->messageAnswers = {MessageAnswer::Retry};
    named<QPushButton>(main, "cmdAddContact")->click();
    EXPECT_EQ(fake->messages.back().title, QStringLiteral("Error"));
    EXPECT_FALSE(main->session().isOpen());
    EXPECT_EQ(main->windowTitle(), QStringLiteral("Tessaprint"));
    EXPECT_FALSE(named<QPushButton>(main, "cmdAddContact")->isEnabled());
    EXPECT_FALSE(named<QAction>(main, "mnuFind")->isEnabled());
    EXPECT_TRUE(main->isVisible());

    openFile({});
    fake->messageAnswers = {MessageAnswer::Cancel};
    named<QPushButton>(main, "cmdAddContact")->click();
    EXPECT_FALSE(main->isVisible()); // the program ends
}

// Compose, Add Contact, save, find it, edit, save, delete: the file's bytes at each step.
TEST_F(ContactFlowTest, AContactFromTheComposerThroughItsWholeLife)
{
    openFile({{"Zoe", "Adams"}, {"Bob", "Brown"}});
    const QByteArray start = bytes();
    ASSERT_EQ(start.size(), 2 * 513);

    compose({"Mary Ann Smith", "12 Elm ave 4B", "Reno, NV 89501"});
    named<QPushButton>(main, "cmdAddContact")->click();
    frmNewContact* add = main->newContactWindow();
    ASSERT_TRUE(add->isVisible());
    EXPECT_EQ(named<QLineEdit>(add, "txtACLName")->text(), QStringLiteral("Ann Smith"));
    EXPECT_EQ(named<QLineEdit>(add, "txtACSStreet")->text(), QStringLiteral("4B"));
    typeInto(named<QLineEdit>(add, "txtACBirthdate"), QStringLiteral("04/10/1980"));
    typeInto(named<QLineEdit>(add, "txtACCategory"), QStringLiteral("Golf,Christmas"));
    named<QPushButton>(add, "cmdSave")->click();
    EXPECT_EQ(fake->messages.back().text, QStringLiteral("S A V E D"));
    EXPECT_TRUE(main->isVisible());
    const QByteArray added = bytes();
    ASSERT_EQ(added.size(), 3 * 513);
    EXPECT_EQ(added.left(2 * 513), start);
    const Contact mary = Contact::fromRecord(record(added, 3));
    EXPECT_EQ(mary.FirstName.trimmed(), QStringLiteral("Mary"));
    EXPECT_EQ(mary.LastName.trimmed(), QStringLiteral("Ann Smith"));
    EXPECT_EQ(mary.Street1.trimmed(), QStringLiteral("12 Elm ave"));
    EXPECT_EQ(mary.Street2.trimmed(), QStringLiteral("4B"));
    EXPECT_EQ(mary.City.trimmed() + u'/' + mary.State + u'/' + mary.Zip.trimmed(), QStringLiteral("Reno/NV/89501"));
    EXPECT_EQ(mary.Birthdate, QStringLiteral("19800410"));
    EXPECT_EQ(mary.Category.trimmed(), QStringLiteral("Golf Christmas"));

    named<QPushButton>(main, "cmdFindContact")->click();
    frmEdDelViewContact* browser = main->contactBrowser();
    ASSERT_TRUE(browser->isVisible());
    QStringList listed;
    for (int i = 0; i < named<QComboBox>(browser, "cboFindContact")->count(); ++i)
        listed << named<QComboBox>(browser, "cboFindContact")->itemText(i);
    EXPECT_EQ(listed, (QStringList{"Bob  Brown", "Mary  Ann Smith", "Zoe  Adams"}));
    const int mine = named<QComboBox>(browser, "cboFindContact")->findText(QStringLiteral("Mary  Ann Smith"));
    named<QComboBox>(browser, "cboFindContact")->setCurrentIndex(mine);
    emit named<QComboBox>(browser, "cboFindContact")->activated(mine);
    EXPECT_EQ(main->session().CurrentRecord, 3);
    EXPECT_EQ(named<QLineEdit>(browser, "txtACBirthdate")->text(), QStringLiteral("04/10/1980"));

    typeInto(named<QLineEdit>(browser, "txtACHPhone"), QStringLiteral("(775) 555-0100"));
    typeInto(named<QLineEdit>(browser, "txtACCompany"), QStringLiteral("Acme"));
    named<QPushButton>(browser, "cmdSave")->click();
    EXPECT_EQ(fake->messages.back().title, QStringLiteral("Changes saved"));
    const QByteArray edited = bytes();
    ASSERT_EQ(edited.size(), 3 * 513);
    EXPECT_EQ(edited.left(2 * 513), start);
    Contact expected = mary;
    expected.HomePhone = QStringLiteral("775-555-0100");
    expected.Company = QStringLiteral("Acme");
    expected.IncludeCompany = QStringLiteral("1"); // ticked while the company was typed
    EXPECT_EQ(record(edited, 3), expected.toRecord());

    named<QPushButton>(browser, "cmdDelete")->click();
    EXPECT_EQ(fake->messages.back().text, QStringLiteral("Contact deleted!"));
    EXPECT_EQ(bytes(), start);
    EXPECT_FALSE(browser->isVisible());
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(focusName(), QStringLiteral("txtLMLine1"));
    EXPECT_EQ(main->session().CurrentRecord, 0);
}
