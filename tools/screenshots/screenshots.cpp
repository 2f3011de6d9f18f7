// Pictures of the real windows for the user manual, taken offscreen.
//   tp_screenshots <docs/images>
// Run by hand after a window changes; the pictures are committed with the manual.

#include "app/frmLDeded.h"
#include "help/frmLMAbout.h"
#include "platform/qt/QtPlatform.h"
#include "print/LabelPositions.h"
#include "windows/frmLMExport.h"
#include "windows/frmLMImport.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
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
};

QDir g_out;

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

void type(frmLDeded& window, const QStringList& lines)
{
    QLineEdit* boxes[] = {window.txtLMLine1, window.txtLMLine2, window.txtLMline3, window.txtLMLine4,
                          window.txtLMLine5};
    for (int i = 0; i < 5; ++i)
        boxes[i]->setText(i < lines.size() ? lines[i] : QString());
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
    if (argc != 2) {
        std::fprintf(stderr, "usage: tp_screenshots <images folder>\n");
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
    window.optLMLabel->click();
    save(&window, "labels-ready.png");

    // An envelope: the size list and Bold and Large Font.
    window.optLMEnvelope->click();
    window.cboLMEnvelope->setCurrentIndex(0);
    emit window.cboLMEnvelope->activated(0);
    save(&window, "envelope.png");

    // Return-address labels: the second Print button takes the place of Print.
    window.cmdLMClear->click();
    window.mnuRetAddress->trigger();
    type(window, {QStringLiteral("John and Ann Parker"), QStringLiteral("88 Elm Street"),
                  QStringLiteral("Springfield, IL 62701")});
    save(&window, "return-address.png");
    window.cmdLMClear->click();

    // A contact file open: its name in the title, the contact commands enabled.
    window.mnuFileNew->trigger();
    save(&window, "file-open.png");
    saveMenu(window.mnuFile, "menu-file.png");
    saveMenu(window.mnuContacts, "menu-contacts.png");
    saveMenu(window.mnuHelp, "menu-help.png");

    // The import and export windows, opened from the Contacts menu.
    window.mnuImport->trigger();
    save(window.importWindow(), "import.png");
    window.importWindow()->cmdImpCancel->click();
    window.mnuExport->trigger();
    window.exportWindow()->optExpCGCSV->click();
    save(window.exportWindow(), "export.png");
    window.exportWindow()->cmdExpCancel->click();

    frmLMAbout* about = frmLMAbout::showBeside(&window, platform);
    save(about, "about.png");
    about->close();

    window.mnuFileClose->trigger();
    return 0;
}
