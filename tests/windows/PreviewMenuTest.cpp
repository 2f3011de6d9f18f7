#include "ContactWindowFixture.h"
#include "app/MainWindowFixture.h"
#include "support/Controls.h"
#include "windows/frmViewAll.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

namespace {

// Every preview entry sits right below its print entry, in the same menu, with a shortcut that
// no other entry of its window uses.
void expectBesidePrint(QMainWindow* window, QAction* print, QAction* preview)
{
    SCOPED_TRACE(preview->objectName().toStdString());
    QMenu* menu = nullptr;
    for (QMenu* candidate : window->menuBar()->findChildren<QMenu*>())
        if (candidate->actions().contains(print))
            menu = candidate;
    ASSERT_NE(menu, nullptr);
    const QList<QAction*> items = menu->actions();
    const qsizetype at = items.indexOf(preview);
    ASSERT_GT(at, items.indexOf(print));
    for (qsizetype i = items.indexOf(print) + 1; i < at; ++i)
        EXPECT_TRUE(items[i]->objectName().contains(QStringLiteral("Preview"))) << "only previews in between";
    ASSERT_FALSE(preview->shortcut().isEmpty());
    for (QAction* other : window->findChildren<QAction*>()) {
        if (other != preview) {
            EXPECT_NE(other->shortcut(), preview->shortcut()) << other->objectName().toStdString();
        }
    }
}

} // namespace

class MainPreviewTest : public MainWindowTest {};

TEST_F(MainPreviewTest, PrintPreviewShowsTheLabelsPrintWouldPrintAndLeavesTheComposerAsItWas)
{
    expectBesidePrint(window.get(), named<QAction>(window, "mnuFilePrint"), named<QAction>(window, "mnuFilePreview"));
    expectBesidePrint(window.get(), named<QAction>(window, "mnuRetAddress"),
                      named<QAction>(window, "mnuRetAddressPreview"));

    named<QLineEdit>(window, "txtLMLine1")->setText(QStringLiteral("Ann Smith"));
    named<QLineEdit>(window, "txtLMLine2")->setText(QStringLiteral("1 Elm St"));
    choosePositions(QStringLiteral("4-6"));
    fake->messages.clear();
    const QString marginsBefore = margins();
    const QString startBefore = window->StartPosition;

    named<QAction>(window, "mnuFilePreview")->trigger();
    ASSERT_EQ(fake->previews.size(), 1u);
    EXPECT_TRUE(fake->printRequests.empty());
    EXPECT_EQ(fake->previews[0].pages.at(0).outlines.size(), 30u);
    EXPECT_EQ(margins(), marginsBefore);
    EXPECT_EQ(window->StartPosition, startBefore);

    named<QAction>(window, "mnuFilePrint")->trigger();
    const auto printed = fake->allDocuments();
    ASSERT_EQ(printed.size(), 1u);
    const std::vector<PlacedText>& shown = fake->previews[0].pages[0].runs;
    ASSERT_EQ(shown.size(), printed[0].runs.size());
    for (std::size_t i = 0; i < shown.size(); ++i) {
        EXPECT_EQ(shown[i].text, printed[0].runs[i].text);
        EXPECT_EQ(shown[i].x, printed[0].runs[i].x);
        EXPECT_EQ(shown[i].y, printed[0].runs[i].y);
    }
    EXPECT_TRUE(fake->messages.empty());
}

TEST_F(MainPreviewTest, ReturnAddressPreviewShowsTheSheetWithoutPrintingOrClearingBold)
{
    named<QLineEdit>(window, "txtLMLine1")->setText(QStringLiteral("Ann Smith"));
    named<QLineEdit>(window, "txtLMLine2")->setText(QStringLiteral("1 Elm St"));
    named<QLineEdit>(window, "txtLMline3")->setText(QStringLiteral("Reno, NV 89501"));
    named<QCheckBox>(window, "chkBold")->setChecked(true);
    named<QAction>(window, "mnuRetAddressPreview")->trigger();
    EXPECT_TRUE(named<QCheckBox>(window, "chkBold")->isChecked()) << "printing clears it; a preview prints nothing";
    ASSERT_EQ(fake->previews.size(), 1u);
    EXPECT_EQ(fake->previews[0].pages.at(0).outlines.size(), 80u);
    EXPECT_TRUE(fake->printRequests.empty());
    EXPECT_TRUE(fake->messages.empty());
    EXPECT_TRUE(named<QPushButton>(window, "cmdLMStart")->isVisible());
    EXPECT_TRUE(named<QRadioButton>(window, "optLMLabel")->isEnabled());

    // With nothing to print it refuses as the print does, and waits for the lines the same way.
    named<QPushButton>(window, "cmdLMClear")->click();
    named<QAction>(window, "mnuRetAddressPreview")->trigger();
    EXPECT_EQ(fake->previews.size(), 1u);
    ASSERT_EQ(fake->messages.size(), 1u);
    EXPECT_EQ(fake->messages[0].text, QStringLiteral("Fill in Lines 1, 2, and 3, then press Print."));
    EXPECT_TRUE(named<QPushButton>(window, "cmdRetAddress")->isVisible());
}

class ListPreviewTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        const QString path = QDir(dir.path()).filePath(QStringLiteral("Club.DAT"));
        window->session().file.open(path);
        for (int n = 1; n <= 4; ++n) {
            Contact c = Contact::blank();
            c.FirstName = QStringLiteral("First%1").arg(n);
            c.LastName = QStringLiteral("Last%1").arg(n);
            c.City = QStringLiteral("Dayton");
            c.IncludeCompany = QStringLiteral("0");
            window->session().file.append(c);
        }
        window->session().txtFileNam = path;
        named<QLineEdit>(window, "txtFileNam")->setText(path);
        named<QLineEdit>(window, "txtFileTitle")->setText(QStringLiteral("Club"));
        named<QAction>(window, "mnuViewAll")->setEnabled(true);
    }

    QTemporaryDir dir;
};

TEST_F(ListPreviewTest, ReportAndLabelPreviewsFollowTheirPrintEntries)
{
    named<QAction>(window, "mnuViewAll")->trigger();
    frmViewAll* list = window->contactList();
    expectBesidePrint(list, named<QAction>(list, "mnuPrint"), named<QAction>(list, "mnuPrintPreview"));
    expectBesidePrint(list, named<QAction>(list, "mnuPrint"), named<QAction>(list, "mnuLabelsPreview"));
    EXPECT_FALSE(named<QAction>(list, "mnuPrintPreview")->isEnabled());
    EXPECT_FALSE(named<QAction>(list, "mnuLabelsPreview")->isEnabled());

    named<QPushButton>(list, "cmdACGetReport")->click();
    EXPECT_TRUE(named<QAction>(list, "mnuPrintPreview")->isEnabled());
    EXPECT_TRUE(named<QAction>(list, "mnuLabelsPreview")->isEnabled());

    named<QAction>(list, "mnuLabelsPreview")->trigger();
    ASSERT_EQ(fake->previews.size(), 1u);
    EXPECT_EQ(fake->previews[0].pages.at(0).outlines.size(), 30u);
    named<QAction>(list, "mnuPrintPreview")->trigger();
    ASSERT_EQ(fake->previews.size(), 2u);
    EXPECT_TRUE(fake->previews[1].pages.at(0).outlines.empty());
    EXPECT_GT(fake->previews[1].pages[0].geometry.width, fake->previews[1].pages[0].geometry.height) << "landscape";
    EXPECT_TRUE(fake->printRequests.empty());
    EXPECT_TRUE(fake->messages.empty());
}

class BrowserPreviewTest : public ContactWindowTest {};

TEST_F(BrowserPreviewTest, PrintPreviewShowsTheDetailsPageOfTheBoxesAsTheyStand)
{
    openFile({{QStringLiteral("Ann"), QStringLiteral("Smith")}});
    named<QPushButton>(main, "cmdFindContact")->click();
    frmEdDelViewContact* browser = main->contactBrowser();
    expectBesidePrint(browser, named<QAction>(browser, "mnuEDVPrint"), named<QAction>(browser, "mnuEDVPreview"));
    browser->cboFindContact_Click(0);
    named<QLineEdit>(browser, "txtACCity")->setText(QStringLiteral("Sparks"));

    named<QAction>(browser, "mnuEDVPreview")->trigger();
    ASSERT_EQ(fake->previews.size(), 1u);
    bool cityShown = false;
    for (const PlacedText& run : fake->previews[0].pages.at(0).runs)
        cityShown = cityShown || run.text.contains(QStringLiteral("Sparks"));
    EXPECT_TRUE(cityShown);
    EXPECT_TRUE(fake->printRequests.empty());
}
