#include "app/MainWindowFixture.h"
#include "contacts/ContactList.h"
#include "windows/TabStopDelegate.h"
#include "windows/frmEdDelViewContact.h"
#include "windows/frmViewAll.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QItemSelectionModel>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

Contact contact(const QString& first, const QString& last, const QString& city)
{
    Contact c = Contact::blank();
    c.FirstName = first;
    c.LastName = last;
    c.Street1 = QStringLiteral("1 Main St");
    c.City = city;
    c.State = QStringLiteral("OH");
    c.Zip = QStringLiteral("45402");
    c.IncludeCompany = QStringLiteral("0");
    return c;
}

} // namespace

class ViewAllTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        const QString path = QDir(dir.path()).filePath(QStringLiteral("Club.DAT"));
        window->session().file.open(path);
        for (const Contact& c : {contact("Al", "Smith", "Dayton"), contact("Bea", "Goldsmith", "Akron"),
                                 contact("Cy", "Jones", "Dayton"), contact("Di", "SMITHERS", "Kent")})
            window->session().file.append(c);
        window->session().txtFileNam = path;
        window->session().txtFileTitle = QStringLiteral("Club");
        window->txtFileNam->setText(path);
        window->txtFileTitle->setText(QStringLiteral("Club"));
        window->mnuViewAll->setEnabled(true);
        window->mnuSrchContacts->setEnabled(true);
    }

    frmViewAll* list() { return window->contactList(); }

    int count() { return list()->lstAllContacts->model()->rowCount(); }
    QModelIndex row(int i) { return list()->lstAllContacts->model()->index(i, 0); }

    QStringList lines()
    {
        QStringList texts;
        for (int i = 0; i < count(); ++i)
            texts << row(i).data().toString();
        return texts;
    }

    std::vector<int> records()
    {
        std::vector<int> numbers;
        for (int i = 0; i < count(); ++i)
            numbers.push_back(row(i).data(frmViewAll::RecordRole).toInt());
        return numbers;
    }

    void select(int i) { list()->lstAllContacts->selectionModel()->select(row(i), QItemSelectionModel::Select); }

    // As a double-click on a line does: the line becomes current, then the click is reported.
    void doubleClick(int i)
    {
        list()->lstAllContacts->setCurrentIndex(row(i));
        emit list()->lstAllContacts->doubleClicked(row(i));
    }

    void listAll()
    {
        window->mnuViewAll->trigger();
        list()->cmdACGetReport->click();
    }

    QTemporaryDir dir;
};

TEST_F(ViewAllTest, BothMenuItemsOpenItInTheChoosingStateAndCloseReturnsToTheMain)
{
    for (QAction* item : {window->mnuViewAll, window->mnuSrchContacts}) {
        item->trigger();
        EXPECT_TRUE(list()->isVisible());
        EXPECT_FALSE(window->isVisible());
        EXPECT_EQ(list()->windowTitle(), QStringLiteral("All Contacts  [Club]"));
        EXPECT_TRUE(list()->optSearchAll->isChecked());
        EXPECT_TRUE(list()->optFnameSort->isChecked());
        EXPECT_TRUE(list()->frSearch->isVisible());
        EXPECT_TRUE(list()->frSortOrder->isVisible());
        EXPECT_TRUE(list()->cmdACGetReport->isEnabled());
        EXPECT_FALSE(list()->cmdPrintLabels->isEnabled());
        EXPECT_FALSE(list()->mnuPrint->isEnabled());
        EXPECT_EQ(list()->SearchMode, 7);
        EXPECT_EQ(list()->SortOrder, 0);
        EXPECT_EQ(list()->lblTotContacts->text(), QString());
        EXPECT_FALSE(list()->lblSearchDisplay->isVisible());
        EXPECT_EQ(count(), 0);

        list()->cmdACGetReport->click();
        EXPECT_EQ(count(), 4);
        list()->cmdViewAllClose->click();
        EXPECT_FALSE(list()->isVisible());
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(count(), 0) << "closing empties the list";
    }
}

TEST_F(ViewAllTest, SearchPromptThenGetReportListsSortedLinesCarryingRecordNumbers)
{
    window->mnuSrchContacts->trigger();
    fake->inputAnswers = {QStringLiteral("smi")};
    list()->optSearchLName->click();
    ASSERT_EQ(fake->prompts.size(), 1u);
    EXPECT_EQ(fake->prompts[0].prompt, QStringLiteral("Search For: "));
    EXPECT_EQ(fake->prompts[0].title, QStringLiteral("Last name Search"));
    EXPECT_EQ(fake->prompts[0].defaultAnswer, QString());
    EXPECT_EQ(list()->SearchMode, 1);
    EXPECT_EQ(list()->lblSearchDisplay->text(), QStringLiteral("smi"));
    EXPECT_TRUE(list()->lblSearchDisplay->isVisible());
    list()->optLnameSort->click();
    EXPECT_EQ(list()->SortOrder, 1);
    list()->cmdACGetReport->click();

    const QStringList texts = lines();
    ASSERT_EQ(texts.size(), 3);
    EXPECT_TRUE(texts[0].startsWith(QStringLiteral("Goldsmith, Bea \t")));
    EXPECT_TRUE(texts[1].startsWith(QStringLiteral("Smith, Al \t")));
    EXPECT_TRUE(texts[2].startsWith(QStringLiteral("SMITHERS, Di \t")));
    EXPECT_EQ(records(), (std::vector<int>{2, 1, 4}));
    EXPECT_EQ(texts[1], ContactList::listLine(window->session().file.read(1), 1));
    EXPECT_FALSE(list()->frSearch->isVisible());
    EXPECT_FALSE(list()->frSortOrder->isVisible());
    EXPECT_EQ(list()->txtViewAllHeader->text(), ContactList::heading());
    EXPECT_EQ(list()->txtViewAllHeader->font().pointSizeF(), 12);
    EXPECT_EQ(list()->lblSearchDisplay->text(), QStringLiteral("Last name = smi"));
    EXPECT_EQ(list()->lblTotContacts->text(), QStringLiteral("Contacts Found = 3"));
    EXPECT_FALSE(list()->cmdACGetReport->isEnabled());
    EXPECT_TRUE(list()->cmdPrintLabels->isEnabled());
    EXPECT_TRUE(list()->mnuPrint->isEnabled());
    EXPECT_EQ(list()->listTabStops()->tabStops(), (QList<int>{100, 110, 120, 154, 176, 212, 242}));
    EXPECT_TRUE(fake->messages.empty());
}

TEST_F(ViewAllTest, NoMatchSaysSoAndLeavesGetReportEnabled)
{
    window->mnuViewAll->trigger();
    fake->inputAnswers = {QStringLiteral("Zanzibar")};
    list()->optSearchCity->click();
    list()->cmdACGetReport->click();
    ASSERT_EQ(fake->messages.size(), 1u);
    EXPECT_EQ(fake->messages[0].text, QStringLiteral("No contacts found."));
    EXPECT_EQ(fake->messages[0].title, QStringLiteral("Contact file empty."));
    EXPECT_EQ(count(), 0);
    EXPECT_TRUE(list()->cmdACGetReport->isEnabled());
    EXPECT_TRUE(list()->cmdPrintLabels->isEnabled());
    EXPECT_EQ(list()->lblSearchDisplay->text(), QStringLiteral(" = Zanzibar"));
    EXPECT_EQ(list()->lblTotContacts->text(), QStringLiteral("Contacts Found = 0"));
}

TEST_F(ViewAllTest, CopyCutAndPasteMoveLinesThroughTheClipboard)
{
    listAll();
    const QStringList before = lines();
    ASSERT_EQ(before.size(), 4);
    select(0);
    select(2);
    list()->mnuVAEditCopy->trigger();
    EXPECT_EQ(fake->clipboard, QStringLiteral("\r\n") + before[0] + QStringLiteral("\r\n") + before[2]);

    list()->mnuVAEditPaste->trigger();
    EXPECT_EQ(count(), 7);
    EXPECT_EQ(lines().at(0), QString()) << "the empty piece sorts first";
    EXPECT_EQ(records(), (std::vector<int>{0, 1, 0, 2, 3, 0, 4}));

    list()->lstAllContacts->clearSelection();
    select(1);
    select(4);
    list()->mnuVAEditCut->trigger();
    EXPECT_EQ(records(), (std::vector<int>{0, 0, 2, 0, 4}));
    EXPECT_EQ(fake->clipboard, QStringLiteral("\r\n") + before[0] + QStringLiteral("\r\n") + before[2]);

    list()->lstAllContacts->clearSelection();
    list()->mnuVAEditCopy->trigger();
    EXPECT_EQ(fake->clipboard, QString()) << "nothing selected copies empty text";

    list()->mnuVAEditSelAll->trigger();
    EXPECT_EQ(list()->lstAllContacts->selectionModel()->selectedIndexes().size(), 5);
}

TEST_F(ViewAllTest, PrintLabelsAndPrintGoThroughThePrintDialog)
{
    listAll();
    list()->cmdPrintLabels->click();
    ASSERT_EQ(fake->allDocuments().size(), 1u);
    EXPECT_EQ(fake->allDocuments()[0].orientation, Orientation::Portrait);
    EXPECT_FALSE(fake->printRequests.back().offerSelection);

    list()->mnuPrint->trigger();
    EXPECT_FALSE(fake->printRequests.back().offerSelection) << "nothing selected";
    ASSERT_EQ(fake->allDocuments().size(), 2u);
    EXPECT_EQ(fake->allDocuments()[1].orientation, Orientation::Landscape);

    select(1);
    fake->printAnswers.push_back({.selection = true});
    list()->mnuPrint->trigger();
    EXPECT_TRUE(fake->printRequests.back().offerSelection);
    const auto documents = fake->allDocuments();
    ASSERT_EQ(documents.size(), 3u);
    // In the report's columns, on landscape paper.
    EXPECT_EQ(documents[2].orientation, Orientation::Landscape);
    const auto name = std::find_if(documents[2].runs.begin(), documents[2].runs.end(),
                                   [](const PlacedText& run) { return run.line == 3 && run.column == 2; });
    ASSERT_NE(name, documents[2].runs.end());
    EXPECT_EQ(name->text, lines().at(1).section(u'\t', 0, 0).trimmed());
    EXPECT_TRUE(fake->messages.empty());
}

TEST_F(ViewAllTest, DoubleClickOpensTheLinesContactInTheBrowserAndClosesTheList)
{
    listAll();
    const int record = records().at(2);
    const Contact shown = window->session().file.read(record);
    doubleClick(2);
    EXPECT_EQ(window->session().CurrentRecord, record);
    EXPECT_FALSE(list()->isVisible());
    EXPECT_EQ(count(), 0);
    EXPECT_TRUE(window->session().file.isOpen()) << "reopened by its path";

    frmEdDelViewContact* browser = window->contactBrowser();
    EXPECT_TRUE(browser->isVisible());
    EXPECT_FALSE(window->isVisible()) << "the main window stays hidden";
    EXPECT_EQ(browser->txtACFName->text(), shown.FirstName.trimmed());
    EXPECT_EQ(browser->txtACLName->text(), shown.LastName.trimmed());
    EXPECT_TRUE(browser->cmdSave->isEnabled());
    EXPECT_EQ(browser->cboFindContact->count(), 4);

    // Print Label hands the contact's address to the composer.
    browser->cmdPrintLabel->click();
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(browser->isVisible());
    EXPECT_EQ(window->txtLMLine1->text().split(u' ', Qt::SkipEmptyParts).first(), shown.FirstName.trimmed());
}

TEST_F(ViewAllTest, APastedLineFailsToOpenWithRetryOrCancel)
{
    listAll();
    fake->clipboard = QStringLiteral("pasted");
    list()->mnuVAEditPaste->trigger();
    const int pasted = static_cast<int>(lines().indexOf(QStringLiteral("pasted")));
    ASSERT_GE(pasted, 0);
    fake->messageAnswers = {MessageAnswer::Retry, MessageAnswer::Cancel};
    doubleClick(pasted);
    EXPECT_TRUE(list()->isVisible()) << "Retry leaves the window as it was";
    EXPECT_EQ(count(), 5);
    doubleClick(pasted);
    EXPECT_FALSE(list()->isVisible());
    EXPECT_TRUE(window->isVisible());
    ASSERT_EQ(fake->messages.size(), 2u);
    EXPECT_TRUE(fake->messages[0].text.contains(QStringLiteral("Error number 63")));
    EXPECT_EQ(window->session().CurrentRecord, 0);
}

TEST_F(ViewAllTest, EditCommandsActOnTheHeadingWhenItHasTheFocus)
{
    listAll();
    QLineEdit* header = list()->txtViewAllHeader;
    header->setFocus();
    QApplication::processEvents();
    ASSERT_EQ(list()->focusWidget(), header);
    header->deselect();
    emit list()->mnuVAEdit->aboutToShow();
    EXPECT_FALSE(list()->mnuVAEditCut->isEnabled());
    EXPECT_FALSE(list()->mnuVAEditCopy->isEnabled());
    EXPECT_TRUE(list()->mnuVAEditPaste->isEnabled());

    header->setSelection(0, 4);
    emit list()->mnuVAEdit->aboutToShow();
    EXPECT_TRUE(list()->mnuVAEditCopy->isEnabled());
    list()->mnuVAEditCopy->trigger();
    EXPECT_EQ(fake->clipboard, QStringLiteral("Name"));

    fake->printAnswers.push_back({.selection = true});
    list()->mnuPrint->trigger();
    EXPECT_TRUE(fake->printRequests.back().offerSelection) << "heading text is selected";
    ASSERT_EQ(fake->allDocuments().size(), 1u);
    EXPECT_EQ(fake->allDocuments()[0].runs.back().text, QStringLiteral("Name"));

    list()->mnuVAEditCut->trigger();
    EXPECT_FALSE(header->text().startsWith(QStringLiteral("Name")));
    list()->lstAllContacts->setFocus();
    QApplication::processEvents();
    emit list()->mnuVAEdit->aboutToShow();
    EXPECT_TRUE(list()->mnuVAEditCut->isEnabled()) << "the list keeps Cut and Copy enabled";
    EXPECT_EQ(count(), 4);
}
