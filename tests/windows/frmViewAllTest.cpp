#include "windows/frmViewAll.h"
#include "app/MainWindowFixture.h"
#include "contacts/ContactList.h"
#include "exchange/VCardImport.h"
#include "exchange/VCardReader.h"
#include "support/Controls.h"
#include "windows/TabStopDelegate.h"
#include "windows/frmEdDelViewContact.h"

#include <QAction>
#include <QDir>
#include <QFile>
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
        named<QLineEdit>(window, "txtFileNam")->setText(path);
        named<QLineEdit>(window, "txtFileTitle")->setText(QStringLiteral("Club"));
        named<QAction>(window, "mnuViewAll")->setEnabled(true);
        named<QAction>(window, "mnuSrchContacts")->setEnabled(true);
    }

    frmViewAll* list() { return window->contactList(); }

    int count() { return named<QListView>(list(), "lstAllContacts")->model()->rowCount(); }
    QModelIndex row(int i) { return named<QListView>(list(), "lstAllContacts")->model()->index(i, 0); }

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

    void select(int i)
    {
        named<QListView>(list(), "lstAllContacts")->selectionModel()->select(row(i), QItemSelectionModel::Select);
    }

    // As a double-click on a line does: the line becomes current, then the click is reported.
    void doubleClick(int i)
    {
        named<QListView>(list(), "lstAllContacts")->setCurrentIndex(row(i));
        emit named<QListView>(list(), "lstAllContacts")->doubleClicked(row(i));
    }

    void listAll()
    {
        named<QAction>(window, "mnuViewAll")->trigger();
        named<QPushButton>(list(), "cmdACGetReport")->click();
    }

    QTemporaryDir dir;
};

TEST_F(ViewAllTest, BothMenuItemsOpenItInTheChoosingStateAndCloseReturnsToTheMain)
{
    for (QAction* item : {named<QAction>(window, "mnuViewAll"), named<QAction>(window, "mnuSrchContacts")}) {
        item->trigger();
        EXPECT_TRUE(list()->isVisible());
        EXPECT_FALSE(window->isVisible());
        EXPECT_EQ(list()->windowTitle(), QStringLiteral("All Contacts  [Club]"));
        EXPECT_TRUE(named<QRadioButton>(list(), "optSearchAll")->isChecked());
        EXPECT_TRUE(named<QRadioButton>(list(), "optFnameSort")->isChecked());
        EXPECT_TRUE(named<QGroupBox>(list(), "frSearch")->isVisible());
        EXPECT_TRUE(named<QGroupBox>(list(), "frSortOrder")->isVisible());
        EXPECT_TRUE(named<QPushButton>(list(), "cmdACGetReport")->isEnabled());
        EXPECT_FALSE(named<QPushButton>(list(), "cmdPrintLabels")->isEnabled());
        EXPECT_FALSE(named<QAction>(list(), "mnuPrint")->isEnabled());
        EXPECT_EQ(list()->SearchMode, ContactList::SearchMode::All);
        EXPECT_EQ(list()->SortOrder, ContactList::SortOrder::ByFirstName);
        EXPECT_EQ(named<QLabel>(list(), "lblTotContacts")->text(), QString());
        EXPECT_FALSE(named<QLabel>(list(), "lblSearchDisplay")->isVisible());
        EXPECT_EQ(count(), 0);

        named<QPushButton>(list(), "cmdACGetReport")->click();
        EXPECT_EQ(count(), 4);
        named<QPushButton>(list(), "cmdViewAllClose")->click();
        EXPECT_FALSE(list()->isVisible());
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(count(), 0) << "closing empties the list";
    }
}

TEST_F(ViewAllTest, SearchPromptThenGetReportListsSortedLinesCarryingRecordNumbers)
{
    named<QAction>(window, "mnuSrchContacts")->trigger();
    fake->inputAnswers = {QStringLiteral("smi")};
    named<QRadioButton>(list(), "optSearchLName")->click();
    ASSERT_EQ(fake->prompts.size(), 1u);
    EXPECT_EQ(fake->prompts[0].prompt, QStringLiteral("Search For: "));
    EXPECT_EQ(fake->prompts[0].title, QStringLiteral("Last name Search"));
    EXPECT_EQ(fake->prompts[0].defaultAnswer, QString());
    EXPECT_EQ(list()->SearchMode, ContactList::SearchMode::LastName);
    EXPECT_EQ(named<QLabel>(list(), "lblSearchDisplay")->text(), QStringLiteral("smi"));
    EXPECT_TRUE(named<QLabel>(list(), "lblSearchDisplay")->isVisible());
    named<QRadioButton>(list(), "optLnameSort")->click();
    EXPECT_EQ(list()->SortOrder, ContactList::SortOrder::ByLastName);
    named<QPushButton>(list(), "cmdACGetReport")->click();

    const QStringList texts = lines();
    ASSERT_EQ(texts.size(), 3);
    EXPECT_TRUE(texts[0].startsWith(QStringLiteral("Goldsmith, Bea \t")));
    EXPECT_TRUE(texts[1].startsWith(QStringLiteral("Smith, Al \t")));
    EXPECT_TRUE(texts[2].startsWith(QStringLiteral("SMITHERS, Di \t")));
    EXPECT_EQ(records(), (std::vector<int>{2, 1, 4}));
    EXPECT_EQ(texts[1], ContactList::listLine(window->session().file.read(1), ContactList::SortOrder::ByLastName));
    EXPECT_FALSE(named<QGroupBox>(list(), "frSearch")->isVisible());
    EXPECT_FALSE(named<QGroupBox>(list(), "frSortOrder")->isVisible());
    EXPECT_EQ(named<QLineEdit>(list(), "txtViewAllHeader")->text(), ContactList::heading());
    EXPECT_EQ(named<QLineEdit>(list(), "txtViewAllHeader")->font().pointSizeF(), 12);
    EXPECT_EQ(named<QLabel>(list(), "lblSearchDisplay")->text(), QStringLiteral("Last name = smi"));
    EXPECT_EQ(named<QLabel>(list(), "lblTotContacts")->text(), QStringLiteral("Contacts Found = 3"));
    EXPECT_FALSE(named<QPushButton>(list(), "cmdACGetReport")->isEnabled());
    EXPECT_TRUE(named<QPushButton>(list(), "cmdPrintLabels")->isEnabled());
    EXPECT_TRUE(named<QAction>(list(), "mnuPrint")->isEnabled());
    EXPECT_EQ(static_cast<TabStopDelegate*>(named<QListView>(list(), "lstAllContacts")->itemDelegate())->tabStops(),
              (QList<int>{100, 110, 120, 154, 176, 212, 242}));
    EXPECT_TRUE(fake->messages.empty());
}

TEST_F(ViewAllTest, NoMatchSaysSoAndLeavesGetReportEnabled)
{
    named<QAction>(window, "mnuViewAll")->trigger();
    fake->inputAnswers = {QStringLiteral("Zanzibar")};
    named<QRadioButton>(list(), "optSearchCity")->click();
    named<QPushButton>(list(), "cmdACGetReport")->click();
    ASSERT_EQ(fake->messages.size(), 1u);
    EXPECT_EQ(fake->messages[0].text, QStringLiteral("No contacts found."));
    EXPECT_EQ(fake->messages[0].title, QStringLiteral("Contact file empty."));
    EXPECT_EQ(count(), 0);
    EXPECT_TRUE(named<QPushButton>(list(), "cmdACGetReport")->isEnabled());
    EXPECT_TRUE(named<QPushButton>(list(), "cmdPrintLabels")->isEnabled());
    EXPECT_EQ(named<QLabel>(list(), "lblSearchDisplay")->text(), QStringLiteral(" = Zanzibar"));
    EXPECT_EQ(named<QLabel>(list(), "lblTotContacts")->text(), QStringLiteral("Contacts Found = 0"));
}

TEST_F(ViewAllTest, CopyCutAndPasteMoveLinesThroughTheClipboard)
{
    listAll();
    const QStringList before = lines();
    ASSERT_EQ(before.size(), 4);
    select(0);
    select(2);
    named<QAction>(list(), "mnuVAEditCopy")->trigger();
    EXPECT_EQ(fake->clipboard, QStringLiteral("\r\n") + before[0] + QStringLiteral("\r\n") + before[2]);

    named<QAction>(list(), "mnuVAEditPaste")->trigger();
    EXPECT_EQ(count(), 7);
    EXPECT_EQ(lines().at(0), QString()) << "the empty piece sorts first";
    EXPECT_EQ(records(), (std::vector<int>{0, 1, 0, 2, 3, 0, 4}));

    named<QListView>(list(), "lstAllContacts")->clearSelection();
    select(1);
    select(4);
    named<QAction>(list(), "mnuVAEditCut")->trigger();
    EXPECT_EQ(records(), (std::vector<int>{0, 0, 2, 0, 4}));
    EXPECT_EQ(fake->clipboard, QStringLiteral("\r\n") + before[0] + QStringLiteral("\r\n") + before[2]);

    named<QListView>(list(), "lstAllContacts")->clearSelection();
    named<QAction>(list(), "mnuVAEditCopy")->trigger();
    EXPECT_EQ(fake->clipboard, QString()) << "nothing selected copies empty text";

    named<QAction>(list(), "mnuVAEditSelAll")->trigger();
    EXPECT_EQ(named<QListView>(list(), "lstAllContacts")->selectionModel()->selectedIndexes().size(), 5);
}

TEST_F(ViewAllTest, PrintLabelsAndPrintGoThroughThePrintDialog)
{
    listAll();
    named<QPushButton>(list(), "cmdPrintLabels")->click();
    ASSERT_EQ(fake->allDocuments().size(), 1u);
    EXPECT_EQ(fake->allDocuments()[0].orientation, Orientation::Portrait);
    EXPECT_FALSE(fake->printRequests.back().offerSelection);

    named<QAction>(list(), "mnuPrint")->trigger();
    EXPECT_FALSE(fake->printRequests.back().offerSelection) << "nothing selected";
    ASSERT_EQ(fake->allDocuments().size(), 2u);
    EXPECT_EQ(fake->allDocuments()[1].orientation, Orientation::Landscape);

    select(1);
    fake->printAnswers.push_back({.selection = true});
    named<QAction>(list(), "mnuPrint")->trigger();
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

TEST_F(ViewAllTest, ExportListedWritesTheListedContactsInTheirOrderAsVCards)
{
    named<QAction>(window, "mnuSrchContacts")->trigger();
    EXPECT_FALSE(named<QAction>(list(), "mnuExportListed")->isEnabled()) << "nothing listed yet";
    fake->inputAnswers = {QStringLiteral("smi")};
    named<QRadioButton>(list(), "optSearchLName")->click();
    named<QRadioButton>(list(), "optLnameSort")->click();
    named<QPushButton>(list(), "cmdACGetReport")->click();
    named<QAction>(list(), "mnuExportListed")->trigger();

    ASSERT_EQ(fake->messages.size(), 1u);
    EXPECT_EQ(fake->messages[0].title, QStringLiteral("Export file created"));
    QFile file(QDir(fake->folder).filePath(QStringLiteral("Club.vcf")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    VCardReader cards(file.readAll());
    QStringList exported;
    while (const std::optional<VCard> card = cards.next())
        exported << contactFromVCard(*card).LastName;
    EXPECT_EQ(exported, (QStringList{"Goldsmith", "Smith", "SMITHERS"}));
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
    EXPECT_EQ(named<QLineEdit>(browser, "txtACFName")->text(), shown.FirstName.trimmed());
    EXPECT_EQ(named<QLineEdit>(browser, "txtACLName")->text(), shown.LastName.trimmed());
    EXPECT_TRUE(named<QPushButton>(browser, "cmdSave")->isEnabled());
    EXPECT_EQ(named<QComboBox>(browser, "cboFindContact")->count(), 4);

    // Print Label hands the contact's address to the composer.
    named<QPushButton>(browser, "cmdPrintLabel")->click();
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(browser->isVisible());
    EXPECT_EQ(named<QLineEdit>(window, "txtLMLine1")->text().split(u' ', Qt::SkipEmptyParts).first(),
              shown.FirstName.trimmed());
}

TEST_F(ViewAllTest, APastedLineFailsToOpenWithRetryOrCancel)
{
    listAll();
    fake->clipboard = QStringLiteral("pasted");
    named<QAction>(list(), "mnuVAEditPaste")->trigger();
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
    QLineEdit* header = named<QLineEdit>(list(), "txtViewAllHeader");
    header->setFocus();
    QApplication::processEvents();
    ASSERT_EQ(list()->focusWidget(), header);
    header->deselect();
    emit named<QMenu>(list(), "mnuVAEdit")->aboutToShow();
    EXPECT_FALSE(named<QAction>(list(), "mnuVAEditCut")->isEnabled());
    EXPECT_FALSE(named<QAction>(list(), "mnuVAEditCopy")->isEnabled());
    EXPECT_TRUE(named<QAction>(list(), "mnuVAEditPaste")->isEnabled());

    header->setSelection(0, 4);
    emit named<QMenu>(list(), "mnuVAEdit")->aboutToShow();
    EXPECT_TRUE(named<QAction>(list(), "mnuVAEditCopy")->isEnabled());
    named<QAction>(list(), "mnuVAEditCopy")->trigger();
    EXPECT_EQ(fake->clipboard, QStringLiteral("Name"));

    fake->printAnswers.push_back({.selection = true});
    named<QAction>(list(), "mnuPrint")->trigger();
    EXPECT_TRUE(fake->printRequests.back().offerSelection) << "heading text is selected";
    ASSERT_EQ(fake->allDocuments().size(), 1u);
    EXPECT_EQ(fake->allDocuments()[0].runs.back().text, QStringLiteral("Name"));

    named<QAction>(list(), "mnuVAEditCut")->trigger();
    EXPECT_FALSE(header->text().startsWith(QStringLiteral("Name")));
    named<QListView>(list(), "lstAllContacts")->setFocus();
    QApplication::processEvents();
    emit named<QMenu>(list(), "mnuVAEdit")->aboutToShow();
    EXPECT_TRUE(named<QAction>(list(), "mnuVAEditCut")->isEnabled()) << "the list keeps Cut and Copy enabled";
    EXPECT_EQ(count(), 4);
}
