#include "app/MainWindowFixture.h"
#include "help/HelpTargets.h"
#include "help/HelpEntries.h"
#include "help/frmLMAbout.h"
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
        {"mnuManual", [&] { window->mnuManual->trigger(); }, HelpAid::UserManual},
        {"mnuStates", [&] { window->mnuStates->trigger(); }, HelpAid::StateAbbreviations},
        {"cmdPeopleFind", [&] { window->cmdPeopleFind->click(); }, HelpAid::PeopleFinder},
        {"cmdZipFinder", [&] { window->cmdZipFinder->click(); }, HelpAid::ZipCodeFinder},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.entry);
        fake->opened.clear();
        window->txtLMLine4->setFocus();
        c.use();
        EXPECT_EQ(fake->opened, QStringList{helpTarget(c.aid, fake->folder)});
        EXPECT_EQ(QApplication::focusWidget(), window->txtLMLine4);
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
        {"frmLDeded", [&] { return static_cast<QWidget*>(window.get()); }, [&] { return window->mnuManual; },
         [&] { return window->mnuAbout; }},
        {"frmLMImport", [&] { return static_cast<QWidget*>(window->importWindow()); },
         [&] { return window->importWindow()->mnuITHelpUM; }, [&] { return window->importWindow()->mnuITHelpAbout; }},
        {"frmLMExport", [&] { return static_cast<QWidget*>(window->exportWindow()); },
         [&] { return window->exportWindow()->mnuETHelpUM; }, [&] { return window->exportWindow()->mnuETHelpAbout; }},
        {"frmNewContact", [&] { return static_cast<QWidget*>(window->newContactWindow()); },
         [&] { return window->newContactWindow()->mnuNewManual; },
         [&] { return window->newContactWindow()->mnuNewAbout; }},
        {"frmEdDelViewContact", [&] { return static_cast<QWidget*>(window->contactBrowser()); },
         [&] { return window->contactBrowser()->mnuEDVManual; }, [&] { return window->contactBrowser()->mnuEDVAbout; }},
        {"frmViewAll", [&] { return static_cast<QWidget*>(window->contactList()); },
         [&] { return window->contactList()->mnuVAManual; }, [&] { return window->contactList()->mnuVAAbout; }},
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
        EXPECT_EQ(c.about()->text(), QStringLiteral("About Tessaprint"));
        EXPECT_EQ(c.manual()->text(), QStringLiteral("User Manual"));
        frmLMAbout::instance()->cmdOK->click();
        returnTo(shown, window.get(), window->txtLMLine1);
    }
    QDir::setCurrent(before);
}

TEST_F(HelpEntriesTest, TheHelpMenuCarriesTheManualOnF1)
{
    EXPECT_EQ(window->mnuManual->shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_EQ(window->mnuAbout->text(), QStringLiteral("About Tessaprint"));
    EXPECT_EQ(window->cmdZipFinder->toolTip(), QStringLiteral("Look up Zip Code"));
}

TEST_F(HelpEntriesTest, AboutTwiceGivesOneWindowBesideAVisibleMainWindow)
{
    window->mnuAbout->trigger();
    frmLMAbout* first = frmLMAbout::instance();
    ASSERT_NE(first, nullptr);
    first->cmdOK->setFocus();
    window->mnuAbout->trigger();
    EXPECT_EQ(frmLMAbout::instance(), first);
    EXPECT_EQ(aboutWindows(), 1);
    EXPECT_TRUE(first->isVisible());
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(first->isModal());

    // OK closes it; the main window stays, and About comes back as the same window.
    first->cmdOK->click();
    EXPECT_FALSE(first->isVisible());
    EXPECT_TRUE(window->isVisible());
    window->mnuAbout->trigger();
    EXPECT_EQ(frmLMAbout::instance(), first);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(aboutWindows(), 1);
    EXPECT_TRUE(fake->opened.isEmpty());
}

TEST_F(HelpEntriesTest, AboutShowsTheProgramsTitleVersionAndTexts)
{
    window->mnuAbout->trigger();
    const frmLMAbout* about = frmLMAbout::instance();
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->windowTitle(), QStringLiteral("About Tessaprint"));
    EXPECT_EQ(about->lblTitle->text(), QStringLiteral("Tessaprint"));
    EXPECT_EQ(about->lblVersion->text(), QStringLiteral("Version " TP_PROJECT_VERSION));
    const QString opening = QStringLiteral(
        "Tessaprint  is a software program for your home or small business.  It allows you to type and print "
        "your label, or retrieve label information from your contact file.  With its comprehensive features, "
        "you can save time and money.");
    ASSERT_TRUE(about->lblDescription->text().startsWith(opening));
    // One closing sentence follows.
    const QString closing = about->lblDescription->text().mid(opening.size()).trimmed();
    EXPECT_FALSE(closing.isEmpty());
    EXPECT_EQ(closing.count(u'.'), 1);
    EXPECT_TRUE(closing.endsWith(u'.'));
    EXPECT_TRUE(about->lblDisclaimer->text().contains(QStringLiteral("liable")));
    EXPECT_EQ(about->cmdOK->text(), QStringLiteral("OK"));
    EXPECT_EQ(about->cmdSysInfo->text(), QStringLiteral("&System Info..."));
    ASSERT_FALSE(about->picIcon->pixmap().isNull());
    EXPECT_GE(about->picIcon->pixmap().width(), 32);
}

TEST_F(HelpEntriesTest, SystemInfoWithNoToolShowsTheMessageAndStartsNothing)
{
    window->mnuAbout->trigger();
    frmLMAbout::instance()->cmdSysInfo->click();
    EXPECT_TRUE(fake->started.isEmpty());
    ASSERT_EQ(fake->messages.size(), 1u);
    EXPECT_EQ(fake->messages[0].text, QStringLiteral("System Information Is Unavailable At This Time"));
    EXPECT_EQ(fake->messages[0].title, QStringLiteral("Tessaprint"));

    fake->messages.clear();
    fake->registry.insert(QLatin1String(kSystemInfoKey) + QStringLiteral("|PATH"),
                          QStringLiteral("/usr/bin/gnome-system-monitor"));
    frmLMAbout::instance()->cmdSysInfo->click();
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
