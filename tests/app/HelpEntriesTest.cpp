#include "app/MainWindowFixture.h"
#include "help/HelpEntries.h"
#include "help/HelpTargets.h"
#include "help/frmLMAbout.h"
#include "support/Controls.h"
#include "windows/WindowFlow.h"
#include "windows/frmEdDelViewContact.h"
#include "windows/frmLMExport.h"
#include "windows/frmLMImport.h"
#include "windows/frmNewContact.h"
#include "windows/frmViewAll.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <functional>

namespace {

int aboutWindows()
{
    int count = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        count += qobject_cast<frmLMAbout*>(window) != nullptr;
    return count;
}

class HelpEntriesTest : public MainWindowTest {
protected:
    void TearDown() override { delete frmLMAbout::instance(); }
};

} // namespace

TEST_F(HelpEntriesTest, MainWindowEntriesOpenTheirTargetsWithoutMovingTheFocus)
{
    const QString before = QDir::currentPath();
    QDir::setCurrent(QDir::tempPath());
    const struct {
        const char* entry;
        std::function<void()> use;
        HelpAid aid;
    } cases[] = {
        {"mnuManual", [&] { named<QAction>(window, "mnuManual")->trigger(); }, HelpAid::UserManual},
        {"mnuStates", [&] { named<QAction>(window, "mnuStates")->trigger(); }, HelpAid::StateAbbreviations},
        {"cmdPeopleFind", [&] { named<QPushButton>(window, "cmdPeopleFind")->click(); }, HelpAid::PeopleFinder},
        {"cmdZipFinder", [&] { named<QPushButton>(window, "cmdZipFinder")->click(); }, HelpAid::ZipCodeFinder},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.entry);
        fake->opened.clear();
        named<QLineEdit>(window, "txtLMLine4")->setFocus();
        c.use();
        EXPECT_EQ(fake->opened, QStringList{helpTarget(c.aid, fake->folder)});
        EXPECT_EQ(QApplication::focusWidget(), named<QLineEdit>(window, "txtLMLine4"));
        EXPECT_TRUE(window->isVisible());
    }
    EXPECT_TRUE(fake->opened.first().startsWith(QStringLiteral("https://")));
    EXPECT_TRUE(fake->started.isEmpty());
    EXPECT_TRUE(fake->messages.empty());
    QDir::setCurrent(before);
}

TEST_F(HelpEntriesTest, EveryWindowsManualAndAboutOpenTheSameTargetsWhateverTheCurrentFolder)
{
    const QString before = QDir::currentPath();
    const struct {
        const char* window;
        std::function<QWidget*()> open;
        std::function<QAction*()> manual;
        std::function<QAction*()> about;
    } cases[] = {
        {"frmLDeded", [&] { return static_cast<QWidget*>(window.get()); },
         [&] { return named<QAction>(window, "mnuManual"); }, [&] { return named<QAction>(window, "mnuAbout"); }},
        {"frmLMImport", [&] { return static_cast<QWidget*>(window->importWindow()); },
         [&] { return named<QAction>(window->importWindow(), "mnuITHelpUM"); },
         [&] { return named<QAction>(window->importWindow(), "mnuITHelpAbout"); }},
        {"frmLMExport", [&] { return static_cast<QWidget*>(window->exportWindow()); },
         [&] { return named<QAction>(window->exportWindow(), "mnuETHelpUM"); },
         [&] { return named<QAction>(window->exportWindow(), "mnuETHelpAbout"); }},
        {"frmNewContact", [&] { return static_cast<QWidget*>(window->newContactWindow()); },
         [&] { return named<QAction>(window->newContactWindow(), "mnuNewManual"); },
         [&] { return named<QAction>(window->newContactWindow(), "mnuNewAbout"); }},
        {"frmEdDelViewContact", [&] { return static_cast<QWidget*>(window->contactBrowser()); },
         [&] { return named<QAction>(window->contactBrowser(), "mnuEDVManual"); },
         [&] { return named<QAction>(window->contactBrowser(), "mnuEDVAbout"); }},
        {"frmViewAll", [&] { return static_cast<QWidget*>(window->contactList()); },
         [&] { return named<QAction>(window->contactList(), "mnuVAManual"); },
         [&] { return named<QAction>(window->contactList(), "mnuVAAbout"); }},
    };
    const QString manual = QDir(fake->folder).filePath(QStringLiteral("vedUvuv.pdf"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.window);
        QWidget* shown = c.open();
        showInstead(window.get(), shown);
        QDir::setCurrent(QDir::tempPath());
        fake->opened.clear();
        c.manual()->trigger();
        QDir::setCurrent(QDir::rootPath());
        c.manual()->trigger();
        EXPECT_EQ(fake->opened, (QStringList{manual, manual}));

        c.about()->trigger();
        ASSERT_NE(frmLMAbout::instance(), nullptr);
        EXPECT_TRUE(frmLMAbout::instance()->isVisible());
        EXPECT_TRUE(shown->isVisible());
        EXPECT_EQ(aboutWindows(), 1);
        EXPECT_EQ(caption(c.about()->text()), QStringLiteral("About Tessaprint"));
        EXPECT_EQ(caption(c.manual()->text()), QStringLiteral("User Manual"));
        named<QPushButton>(frmLMAbout::instance(), "cmdOK")->click();
        returnTo(shown, window.get(), named<QLineEdit>(window, "txtLMLine1"));
    }
    QDir::setCurrent(before);
}

TEST_F(HelpEntriesTest, TheHelpMenuCarriesTheManualOnF1)
{
    EXPECT_EQ(named<QAction>(window, "mnuManual")->shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_EQ(caption(named<QAction>(window, "mnuAbout")->text()), QStringLiteral("About Tessaprint"));
    EXPECT_EQ(named<QPushButton>(window, "cmdZipFinder")->toolTip(), QStringLiteral("Look up Zip Code"));
}

TEST_F(HelpEntriesTest, AboutTwiceGivesOneWindowBesideAVisibleMainWindow)
{
    named<QAction>(window, "mnuAbout")->trigger();
    frmLMAbout* first = frmLMAbout::instance();
    ASSERT_NE(first, nullptr);
    named<QPushButton>(first, "cmdOK")->setFocus();
    named<QAction>(window, "mnuAbout")->trigger();
    EXPECT_EQ(frmLMAbout::instance(), first);
    EXPECT_EQ(aboutWindows(), 1);
    EXPECT_TRUE(first->isVisible());
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(first->isModal());

    // OK closes it; the main window stays, and About comes back as the same window.
    named<QPushButton>(first, "cmdOK")->click();
    EXPECT_FALSE(first->isVisible());
    EXPECT_TRUE(window->isVisible());
    named<QAction>(window, "mnuAbout")->trigger();
    EXPECT_EQ(frmLMAbout::instance(), first);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(aboutWindows(), 1);
    EXPECT_TRUE(fake->opened.isEmpty());
}

TEST_F(HelpEntriesTest, AboutShowsTheProgramsTitleVersionAndTexts)
{
    named<QAction>(window, "mnuAbout")->trigger();
    const frmLMAbout* about = frmLMAbout::instance();
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->windowTitle(), QStringLiteral("About Tessaprint"));
    EXPECT_EQ(named<QLabel>(about, "lblTitle")->text(), QStringLiteral("Tessaprint"));
    EXPECT_EQ(named<QLabel>(about, "lblVersion")->text(), QStringLiteral("Version " TP_PROJECT_VERSION));
    const QString opening = QStringLiteral(
        "Tessaprint  is a software program for your home or small business.  It allows you to type and print "
        "your label, or retrieve label information from your contact file.  With its comprehensive features, "
        "you can save time and money.");
    ASSERT_TRUE(named<QLabel>(about, "lblDescription")->text().startsWith(opening));
    // One closing sentence follows.
    const QString closing = named<QLabel>(about, "lblDescription")->text().mid(opening.size()).trimmed();
    EXPECT_FALSE(closing.isEmpty());
    EXPECT_EQ(closing.count(u'.'), 1);
    EXPECT_TRUE(closing.endsWith(u'.'));
    EXPECT_TRUE(named<QLabel>(about, "lblDisclaimer")->text().contains(QStringLiteral("liable")));
    EXPECT_EQ(named<QPushButton>(about, "cmdOK")->text(), QStringLiteral("OK"));
    EXPECT_EQ(named<QPushButton>(about, "cmdSysInfo")->text(), QStringLiteral("&System Info..."));
    ASSERT_FALSE(named<QLabel>(about, "picIcon")->pixmap().isNull());
    EXPECT_GE(named<QLabel>(about, "picIcon")->pixmap().width(), 32);
}

TEST_F(HelpEntriesTest, SystemInfoWithNoToolShowsTheMessageAndStartsNothing)
{
    named<QAction>(window, "mnuAbout")->trigger();
    named<QPushButton>(frmLMAbout::instance(), "cmdSysInfo")->click();
    EXPECT_TRUE(fake->started.isEmpty());
    ASSERT_EQ(fake->messages.size(), 1u);
    EXPECT_EQ(fake->messages[0].text, QStringLiteral("System Information Is Unavailable At This Time"));
    EXPECT_EQ(fake->messages[0].title, QStringLiteral("Tessaprint"));

    fake->messages.clear();
    fake->registry.insert(QLatin1String(kSystemInfoKey) + QStringLiteral("|PATH"),
                          QStringLiteral("/usr/bin/gnome-system-monitor"));
    named<QPushButton>(frmLMAbout::instance(), "cmdSysInfo")->click();
    EXPECT_EQ(fake->started, QStringList{QStringLiteral("/usr/bin/gnome-system-monitor")});
    EXPECT_TRUE(fake->messages.empty());
}

TEST(AboutPlacement, BesideTheCallerAndOnTheScreen)
{
    const QRect screen(0, 0, 1280, 1024);
    const QSize size(460, 300);
    const struct {
        const char* name;
        QRect caller;
        QPoint expected;
    } cases[] = {
        {"room on the right", QRect(100, 50, 600, 500), QPoint(708, 50)},
        {"room only on the left", QRect(700, 50, 560, 500), QPoint(232, 50)},
        {"no room either side", QRect(100, 50, 1100, 500), QPoint(0, 50)},
        {"caller low on the screen", QRect(100, 900, 400, 100), QPoint(508, 724)},
        {"caller above the screen", QRect(100, -40, 400, 100), QPoint(508, 0)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QPoint at = besideCaller(c.caller, size, screen);
        EXPECT_EQ(at, c.expected);
        EXPECT_TRUE(screen.contains(QRect(at, size)));
    }
}

TEST_F(HelpEntriesTest, AStateTableButtonPutsTheFocusInTheStateBox)
{
    // The contact windows' "?" button beside their state box.
    QWidget contactWindow;
    auto* txtACState = new QLineEdit(&contactWindow);
    auto* txtACCity = new QLineEdit(&contactWindow);
    auto* cmdStateAbb = new QPushButton(QStringLiteral("?"), &contactWindow);
    connectHelp(*fake, &contactWindow, {.stateTable = cmdStateAbb, .focusAfterStateTable = txtACState});
    contactWindow.show();
    QApplication::setActiveWindow(&contactWindow);
    txtACCity->setFocus();

    cmdStateAbb->click();
    EXPECT_EQ(fake->opened, QStringList{QDir(fake->folder).filePath(QStringLiteral("doz_oruvi_zozuvivozuroz.pdf"))});
    EXPECT_EQ(QApplication::focusWidget(), txtACState);
}
