// Pictures of the real windows for the user manual, taken offscreen.
//   tp_screenshots <docs/images>                  the manual's pictures
//   tp_screenshots <folder> --every-window        and every other window, to compare before and
//                                                 after a layout change (not for the manual)
// Run by hand after a window changes; the manual's pictures are committed with it. Controls are
// reached by their object names, as the tests reach them.

#include "app/frmLDeded.h"
#include "help/frmLMAbout.h"
#include "platform/qt/QtPlatform.h"
#include "print/LabelPositions.h"
#include "windows/frmEdDelViewContact.h"
#include "windows/frmLMExport.h"
#include "windows/frmLMImport.h"
#include "windows/frmNewContact.h"
#include "windows/frmViewAll.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <deque>

namespace {

// The real platform, with the dialogs answered from a script instead of shown.
class ScriptedPlatform : public QtPlatform {
public:
    std::deque<QString> answers;
    QString contactFile;

    MessageAnswer messageBox(const QString&, const QString&, MessageButtons, MessageIcon) override
    {
        return MessageAnswer::Ok;
    }
    QString inputBox(const QString&, const QString&, const QString& defaultAnswer) override
    {
        if (answers.empty())
            return defaultAnswer;
        const QString answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::optional<FileDialogAnswer> openFileDialog(const FileDialogRequest&) override
    {
        return FileDialogAnswer{contactFile, QFileInfo(contactFile).fileName()};
    }
    // The pictures show the windows as they first open, whatever this user turned off.
    QString readSetting(const QString&, const QString&, const QString&) override { return QString(); }
};

QDir g_out;

// The control of that name in `window` (menus and their items included); the tool stops when
// a name is missing, since every later picture would be wrong.
template <typename T>
T* named(QObject* window, const char* name)
{
    T* found = window->findChild<T*>(QLatin1String(name));
    if (!found) {
        std::fprintf(stderr, "tp_screenshots: %s has no control named %s\n", qPrintable(window->objectName()), name);
        std::exit(2);
    }
    return found;
}

void settle()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

void save(QWidget* widget, const char* name)
{
    settle();
    const QString path = g_out.filePath(QLatin1String(name));
    if (!widget->grab().save(path))
        std::fprintf(stderr, "tp_screenshots: cannot write %s\n", qPrintable(path));
    else
        std::printf("%s\n", qPrintable(path));
}

// A menu as it drops down, with its items.
void saveMenu(QMenu* menu, const char* name)
{
    menu->popup(QPoint(0, 0));
    save(menu, name);
    menu->hide();
}

void type(QWidget& window, const QStringList& lines)
{
    const char* boxes[] = {"txtLMLine1", "txtLMLine2", "txtLMline3", "txtLMLine4", "txtLMLine5"};
    for (int i = 0; i < 5; ++i)
        named<QLineEdit>(&window, boxes[i])->setText(i < lines.size() ? lines[i] : QString());
}

void click(QObject* window, const char* button)
{
    named<QAbstractButton>(window, button)->click();
}

void trigger(QObject* window, const char* item)
{
    named<QAction>(window, item)->trigger();
}

// One contact typed into the add-contact window and saved.
void addContact(frmLDeded& main, const QStringList& boxes)
{
    click(&main, "cmdAddContact");
    frmNewContact* add = main.newContactWindow();
    const char* names[] = {"txtACFName", "txtACLName", "txtACFStreet", "txtACCity", "txtACState", "txtACZip",
                           "txtACHPhone", "txtACCPhone", "txtACEmail"};
    for (int i = 0; i < boxes.size(); ++i)
        named<QLineEdit>(add, names[i])->setText(boxes[i]);
    click(add, "cmdSave");
}

void everyWindow(frmLDeded& window, ScriptedPlatform& platform)
{
    // The add-contact window as it opens, and with a company typed.
    click(&window, "cmdAddContact");
    frmNewContact* add = window.newContactWindow();
    save(add, "add-contact.png");
    named<QLineEdit>(add, "txtACCompany")->setText(QStringLiteral("Harbor Books"));
    save(add, "add-contact-company.png");
    click(add, "cmdCancel");

    addContact(window, {QStringLiteral("Maria"), QStringLiteral("Lopez"), QStringLiteral("1200 Harbor Drive"),
                        QStringLiteral("San Diego"), QStringLiteral("CA"), QStringLiteral("92101"),
                        QStringLiteral("619-555-0100"), QStringLiteral("619-555-0199"),
                        QStringLiteral("maria@example.com")});
    addContact(window, {QStringLiteral("John"), QStringLiteral("Parker"), QStringLiteral("88 Elm Street"),
                        QStringLiteral("Springfield"), QStringLiteral("IL"), QStringLiteral("62701"),
                        QStringLiteral("217-555-0123")});

    // The contact list choosing, and listing.
    trigger(&window, "mnuViewAll");
    frmViewAll* list = window.contactList();
    save(list, "list-choosing.png");
    click(list, "cmdACGetReport");
    save(list, "list-report.png");
    click(list, "cmdViewAllClose");

    // The browser, empty and with a contact picked.
    click(&window, "cmdFindContact");
    frmEdDelViewContact* browser = window.contactBrowser();
    save(browser, "browser.png");
    auto* find = named<QComboBox>(browser, "cboFindContact");
    find->setCurrentIndex(0);
    emit find->activated(0);
    save(browser, "browser-contact.png");
    click(browser, "cmdCancel");

    trigger(&window, "mnuFileCalibrate");
    QWidget* calibrate = named<QWidget>(&window, "frmCalibrate");
    save(calibrate, "calibration.png");
    click(calibrate, "cmdCalClose");

    // Lines too long for their label, in the light and in a dark palette.
    window.resize(window.sizeHint());
    platform.answers = {QStringLiteral("1")};
    click(&window, "optLMLabel");
    save(&window, "main-before-long-line.png");
    type(window, {QStringLiteral("Maria Lopez"), QStringLiteral("1200 Harbor Drive, Building 7, Suite 4100"),
                  QStringLiteral("San Diego, CA 92101")});
    settle();
    save(&window, "main-long-line.png");
    const QPalette light = QApplication::palette();
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(45, 45, 48));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::AlternateBase, QColor(45, 45, 48));
    dark.setColor(QPalette::Text, QColor(235, 235, 235));
    dark.setColor(QPalette::Button, QColor(55, 55, 58));
    dark.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    dark.setColor(QPalette::ToolTipBase, QColor(55, 55, 58));
    dark.setColor(QPalette::ToolTipText, QColor(230, 230, 230));
    dark.setColor(QPalette::PlaceholderText, QColor(150, 150, 150));
    QApplication::setPalette(dark);
    save(&window, "main-long-line-dark.png");
    QApplication::setPalette(light);
    type(window, {});
    settle();
    save(&window, "main-after-long-line.png");
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 10));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/tessaprint.png")));
    const bool every = argc == 3 && QLatin1String(argv[2]) == QLatin1String("--every-window");
    if (argc != 2 && !every) {
        std::fprintf(stderr, "usage: tp_screenshots <images folder> [--every-window]\n");
        return 1;
    }
    g_out = QDir(QString::fromLocal8Bit(argv[1]));
    g_out.mkpath(QStringLiteral("."));

    QTemporaryDir data;
    ScriptedPlatform platform;
    platform.contactFile = data.filePath(QStringLiteral("Friends.DAT"));
    frmLDeded window(platform);
    window.show();
    window.resize(window.sizeHint());
    save(&window, "main-window.png");

    // A label range: Label stock, the position prompt, the range on show.
    QInputDialog prompt;
    prompt.setWindowTitle(positionPromptTitle());
    prompt.setLabelText(positionPrompt());
    prompt.setTextValue(QStringLiteral("4-9"));
    for (QLabel* label : prompt.findChildren<QLabel*>())
        label->setWordWrap(true);
    prompt.setMinimumWidth(420);
    prompt.show();
    save(&prompt, "label-position.png");
    prompt.hide();

    type(window, {QStringLiteral("Maria Lopez"), QStringLiteral("1200 Harbor Drive"), QStringLiteral("Apt 4B"),
                  QStringLiteral("San Diego, CA 92101")});
    platform.answers = {QStringLiteral("4-9")};
    click(&window, "optLMLabel");
    save(&window, "labels-ready.png");
    // The sheet alone, a line too long for its labels marked on it.
    named<QLineEdit>(&window, "txtLMLine2")->setText(QStringLiteral("1200 Harbor Drive, Building 7, Suite 4100"));
    save(named<QWidget>(&window, "picLMSheet"), "sheet-long-line.png");
    named<QLineEdit>(&window, "txtLMLine2")->setText(QStringLiteral("1200 Harbor Drive"));

    // An envelope: the size list and Bold and Large Font.
    click(&window, "optLMEnvelope");
    auto* sizes = named<QComboBox>(&window, "cboLMEnvelope");
    sizes->setCurrentIndex(0);
    emit sizes->activated(0);
    save(&window, "envelope.png");

    // Return-address labels: the second Print button takes the place of Print.
    click(&window, "cmdLMClear");
    trigger(&window, "mnuRetAddress");
    type(window, {QStringLiteral("John and Ann Parker"), QStringLiteral("88 Elm Street"),
                  QStringLiteral("Springfield, IL 62701")});
    save(&window, "return-address.png");
    click(&window, "cmdLMClear");

    // A contact file open: its name in the title, the contact commands enabled.
    trigger(&window, "mnuFileNew");
    save(&window, "file-open.png");
    saveMenu(named<QMenu>(window.menuBar(), "mnuFile"), "menu-file.png");
    saveMenu(named<QMenu>(window.menuBar(), "mnuContacts"), "menu-contacts.png");
    saveMenu(named<QMenu>(window.menuBar(), "mnuHelp"), "menu-help.png");

    // The import and export windows, opened from the Contacts menu.
    trigger(&window, "mnuImport");
    QWidget* import = named<QWidget>(&window, "frmLMImport");
    save(import, "import.png");
    click(import, "cmdImpCancel");
    trigger(&window, "mnuExport");
    QWidget* exportWindow = named<QWidget>(&window, "frmLMExport");
    click(exportWindow, "optExpCGCSV");
    save(exportWindow, "export.png");
    click(exportWindow, "cmdExpCancel");

    frmLMAbout* about = frmLMAbout::showBeside(&window, platform);
    save(about, "about.png");
    about->close();

    if (every)
        everyWindow(window, platform);

    trigger(&window, "mnuFileClose");
    return 0;
}
