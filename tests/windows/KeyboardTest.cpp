#include "ContactWindowFixture.h"
#include "support/Controls.h"

#include "help/frmLMAbout.h"
#include "windows/frmLMExport.h"
#include "windows/frmLMImport.h"
#include "windows/frmViewAll.h"

#include <QAbstractButton>
#include <QLabel>
#include <QListView>
#include <QMenuBar>

#include <functional>
#include <set>

// Every window from the keyboard alone: shortcuts, mnemonics, Enter and Escape.
class KeyboardTest : public ContactWindowTest {
protected:
    void SetUp() override
    {
        ContactWindowTest::SetUp();
        openFile({{"Al", "Smith"}, {"Bea", "Jones"}});
    }

    // Shows `window` in front, as the main window's commands do.
    QWidget* front(QWidget* window)
    {
        QApplication::setActiveWindow(window);
        QApplication::processEvents();
        return window;
    }

    frmViewAll* listed()
    {
        named<QAction>(main, "mnuViewAll")->trigger();
        named<QPushButton>(main->contactList(), "cmdACGetReport")->click();
        return main->contactList();
    }

    int listCount() { return named<QListView>(main->contactList(), "lstAllContacts")->model()->rowCount(); }
};

TEST_F(KeyboardTest, ShortcutsMnemonicsEnterAndEscapeDoWhatTheirControlsDo)
{
    const struct {
        const char* what;
        std::function<QWidget*()> open;
        QKeySequence keys;
        std::function<bool()> done;
    } cases[] = {
        {"main Ctrl+P prints", [&] { return main.get(); }, QKeySequence(Qt::CTRL | Qt::Key_P),
         [&] { return fake->messages.size() == 1; }},
        {"main Alt+L chooses Label stock", [&] { return main.get(); }, QKeySequence(Qt::ALT | Qt::Key_L),
         [&] { return fake->prompts.size() == 1; }},
        {"main Alt+3 goes to line 3", [&] { return main.get(); }, QKeySequence(Qt::ALT | Qt::Key_3),
         [&] { return focusName() == "txtLMline3"; }},
        {"list Alt+F opens File",
         [&] {
             named<QAction>(main, "mnuViewAll")->trigger();
             return main->contactList();
         },
         QKeySequence(Qt::ALT | Qt::Key_F), [&] { return named<QMenu>(main->contactList(), "mnuFile")->isVisible(); }},
        {"list Alt+G gets the report",
         [&] {
             named<QAction>(main, "mnuViewAll")->trigger();
             return main->contactList();
         },
         QKeySequence(Qt::ALT | Qt::Key_G), [&] { return listCount() == 2; }},
        {"list Ctrl+P prints the list", [&] { return listed(); }, QKeySequence(Qt::CTRL | Qt::Key_P),
         [&] { return fake->printRequests.size() == 1; }},
        {"list Enter on a line opens its contact",
         [&] {
             QListView* list = named<QListView>(listed(), "lstAllContacts");
             list->setCurrentIndex(list->model()->index(1, 0));
             list->setFocus();
             return main->contactList();
         },
         QKeySequence(Qt::Key_Return),
         [&] { return main->contactBrowser()->isVisible() && !main->contactList()->isVisible(); }},
        {"list Escape closes it", [&] { return listed(); }, QKeySequence(Qt::Key_Escape),
         [&] { return main->isVisible() && !main->contactList()->isVisible(); }},
        {"browser Ctrl+PgDown shows the next contact",
         [&] {
             named<QPushButton>(main, "cmdFindContact")->click();
             named<QLineEdit>(main->contactBrowser(), "txtACFName")->setFocus();
             return main->contactBrowser();
         },
         QKeySequence(Qt::CTRL | Qt::Key_PageDown),
         [&] { return named<QLineEdit>(main->contactBrowser(), "txtACFName")->text() == "Al"; }},
        {"browser Escape closes it",
         [&] {
             named<QPushButton>(main, "cmdFindContact")->click();
             return main->contactBrowser();
         },
         QKeySequence(Qt::Key_Escape), [&] { return main->isVisible() && !main->contactBrowser()->isVisible(); }},
        {"add-contact Escape closes it",
         [&] {
             named<QPushButton>(main, "cmdAddContact")->click();
             return main->newContactWindow();
         },
         QKeySequence(Qt::Key_Escape), [&] { return main->isVisible() && !main->newContactWindow()->isVisible(); }},
        {"import Escape closes it",
         [&] {
             named<QAction>(main, "mnuImport")->trigger();
             return main->importWindow();
         },
         QKeySequence(Qt::Key_Escape), [&] { return main->isVisible() && !main->importWindow()->isVisible(); }},
        {"export Escape closes it",
         [&] {
             named<QAction>(main, "mnuExport")->trigger();
             return main->exportWindow();
         },
         QKeySequence(Qt::Key_Escape), [&] { return main->isVisible() && !main->exportWindow()->isVisible(); }},
        {"calibration Escape closes it",
         [&] {
             named<QAction>(main, "mnuFileCalibrate")->trigger();
             return main->findChild<QWidget*>("frmCalibrate");
         },
         QKeySequence(Qt::Key_Escape),
         [&] { return main->isVisible() && !main->findChild<QWidget*>("frmCalibrate")->isVisible(); }},
        {"About Escape closes it",
         [&] {
             named<QAction>(main, "mnuAbout")->trigger();
             return frmLMAbout::instance();
         },
         QKeySequence(Qt::Key_Escape), [&] { return !frmLMAbout::instance()->isVisible(); }},
        {"main Alt+P prints, the return-address Print hidden", [&] { return main.get(); },
         QKeySequence(Qt::ALT | Qt::Key_P), [&] { return fake->messages.size() == 1; }},
        // Last: a file dialog left unanswered closes the contact file, and Ctrl+Q ends the program.
        {"main Ctrl+N asks for a new file", [&] { return main.get(); }, QKeySequence(Qt::CTRL | Qt::Key_N),
         [&] { return fake->fileRequests.size() == 1; }},
        {"main Ctrl+O asks for a file to open", [&] { return main.get(); }, QKeySequence(Qt::CTRL | Qt::Key_O),
         [&] { return fake->fileRequests.size() == 1; }},
        {"main Ctrl+Q ends the program", [&] { return main.get(); }, QKeySequence(Qt::CTRL | Qt::Key_Q),
         [&] { return !main->isVisible(); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fake->fileRequests.clear();
        fake->messages.clear();
        fake->prompts.clear();
        fake->printRequests.clear();
        main->show();
        QWidget* window = front(c.open());
        pressKeys(window, c.keys);
        EXPECT_TRUE(c.done());
        for (QMenu* menu : window->findChildren<QMenu*>())
            menu->hide();
        // As the user would: each window closed by its own rule, the main window in front again.
        for (QWidget* other : QApplication::topLevelWidgets())
            if (other != main.get() && other->isVisible() && !qobject_cast<QMenu*>(other))
                other->close();
    }
}

TEST_F(KeyboardTest, NoTwoControlsOfAWindowShareAMnemonic)
{
    const QList<QWidget*> windows{main.get(),          main->newContactWindow(), main->contactBrowser(),
                                  main->contactList(), main->importWindow(),     main->exportWindow()};
    for (QWidget* window : windows) {
        std::multiset<int> keys;
        QStringList captions;
        const auto add = [&](const QString& caption) {
            if (const QKeySequence mnemonic = QKeySequence::mnemonic(caption); !mnemonic.isEmpty()) {
                keys.insert(mnemonic[0].key());
                captions << caption;
            }
        };
        for (QAction* menu : window->findChild<QMenuBar*>()->actions())
            add(menu->text());
        // Of the two Print buttons of the main window one shows at a time.
        for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
            if (controls_detail::ownerWindow(button) == window && !button->isHidden())
                add(button->text());
        for (QLabel* label : window->findChildren<QLabel*>())
            if (label->buddy() && controls_detail::ownerWindow(label) == window)
                add(label->text());
        for (int key : keys)
            EXPECT_EQ(keys.count(key), 1u) << qPrintable(window->objectName()) << " " << QChar(key).toLatin1() << ": "
                                           << qPrintable(captions.join(", "));
        EXPECT_GE(keys.size(), 5u) << qPrintable(window->objectName());
    }
}
