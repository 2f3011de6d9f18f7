#include "windows/frmLMImport.h"

#include "contacts/ContactSession.h"
#include "windows/MainWindowLink.h"
#include "help/HelpEntries.h"
#include "exchange/CsvImport.h"
#include "platform/Platform.h"
#include "windows/EditCommands.h"
#include "windows/WindowFlow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

// The hourglass for as long as the import runs.
struct BusyCursor {
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
};

QPushButton* makeButton(const QString& name, const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

QAction* addItem(QMenu* menu, const QString& name, const QString& caption, const QKeySequence& shortcut = {})
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    return action;
}

} // namespace

frmLMImport::frmLMImport(Platform& platform, MainWindowLink& main, QWidget* parent)
    : QMainWindow(parent, Qt::Window), m_platform(platform), m_main(main)
{
    setObjectName(QStringLiteral("frmLMImport"));
    auto* central = new QWidget(this);
    setCentralWidget(central);
    auto* layout = new QVBoxLayout(central);

    lblImpHdr = new QLabel(
        QStringLiteral("First, download contacts (as a csv file) from your email provider or other source, and save to PC.\n"
                       "When ready, click 'Open csv file' to select the file to import.  Click 'Import' to begin importing."),
        central);
    lblImpHdr->setObjectName(QStringLiteral("lblImpHdr"));
    layout->addWidget(lblImpHdr);

    txtImpFilename = new QLineEdit(central);
    txtImpFilename->setObjectName(QStringLiteral("txtImpFilename"));
    QSizePolicy keepRoom = txtImpFilename->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    txtImpFilename->setSizePolicy(keepRoom);
    layout->addWidget(txtImpFilename);
    txtImpData = new QLineEdit(central);
    txtImpData->setObjectName(QStringLiteral("txtImpData"));
    txtImpData->hide();

    cmdCsvOpen = makeButton(QStringLiteral("cmdCsvOpen"), QStringLiteral("&Open csv file"), central);
    cmdStartImport = makeButton(QStringLiteral("cmdStartImport"), QStringLiteral("&Import"), central);
    cmdImpCancel = makeButton(QStringLiteral("cmdImpCancel"), QStringLiteral("&Close"), central);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {cmdCsvOpen, cmdStartImport, cmdImpCancel})
        buttons->addWidget(button);
    layout->addLayout(buttons);

    mnuITFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuITFile->setObjectName(QStringLiteral("mnuITFile"));
    mnuITFileExit = addItem(mnuITFile, QStringLiteral("mnuITFileExit"), QStringLiteral("Exit"));
    mnuITEdit = menuBar()->addMenu(QStringLiteral("&Edit"));
    mnuITEdit->setObjectName(QStringLiteral("mnuITEdit"));
    mnuITEditCut = addItem(mnuITEdit, QStringLiteral("mnuITEditCut"), QStringLiteral("Cut"), QKeySequence(Qt::CTRL | Qt::Key_X));
    mnuITEditCopy = addItem(mnuITEdit, QStringLiteral("mnuITEditCopy"), QStringLiteral("Copy"), QKeySequence(Qt::CTRL | Qt::Key_C));
    mnuITEditPaste = addItem(mnuITEdit, QStringLiteral("mnuITEditPaste"), QStringLiteral("Paste"), QKeySequence(Qt::CTRL | Qt::Key_V));
    mnuITHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuITHelp->setObjectName(QStringLiteral("mnuITHelp"));
    mnuITHelpUM = addItem(mnuITHelp, QStringLiteral("mnuITHelpUM"), QStringLiteral("User Manual"));
    mnuITHelpAbout = addItem(mnuITHelp, QStringLiteral("mnuITHelpAbout"), QStringLiteral("About Tessaprint"));

    connect(cmdCsvOpen, &QPushButton::clicked, this, &frmLMImport::cmdCsvOpen_Click);
    connect(cmdStartImport, &QPushButton::clicked, this, &frmLMImport::cmdStartImport_Click);
    connect(cmdImpCancel, &QPushButton::clicked, this, &frmLMImport::cmdImpCancel_Click);
    connect(mnuITFileExit, &QAction::triggered, this, &frmLMImport::mnuITFileExit_Click);
    connect(mnuITEdit, &QMenu::aboutToShow, this, &frmLMImport::mnuITEdit_Click);
    connect(mnuITEditCut, &QAction::triggered, this, &frmLMImport::mnuITEditCut_Click);
    connect(mnuITEditCopy, &QAction::triggered, this, &frmLMImport::mnuITEditCopy_Click);
    connect(mnuITEditPaste, &QAction::triggered, this, &frmLMImport::mnuITEditPaste_Click);
    connectHelp(mnuITHelpUM, mnuITHelpAbout, this, m_platform);
}

// Every opening starts afresh: no file chosen, Import disabled, the name box hidden.
void frmLMImport::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) {
        setWindowTitle(QStringLiteral("Import Contacts  [") + m_main.session().txtFileTitle + u']');
        csvPath.clear();
        csvTitle.clear();
        txtImpFilename->clear();
        txtImpFilename->hide();
        cmdStartImport->setEnabled(false);
    }
    QMainWindow::showEvent(event);
}

void frmLMImport::closeEvent(QCloseEvent* event)
{
    // Hidden already when the program ends and the main window closes every window.
    if (isVisible())
        m_main.returnHere(this);
    event->accept();
}

void frmLMImport::cmdCsvOpen_Click()
{
    const CsvChoice choice = chooseCsvFile(m_platform);
    if (choice.outcome == CsvChoice::Chosen) {
        csvPath = choice.path;
        csvTitle = choice.title;
        txtImpFilename->setText(csvTitle);
        txtImpFilename->show();
        cmdStartImport->setEnabled(true);
    } else if (choice.outcome == CsvChoice::ErrorCancel) {
        close();
    }
}

void frmLMImport::cmdStartImport_Click()
{
    ImportResult result;
    {
        BusyCursor busy;
        result = importContacts(m_platform, m_main.session().file, {csvPath, m_main.session().reminders.remindersOn()});
    }
    cmdStartImport->setEnabled(result.importEnabled);
    if (result.focusClose)
        cmdImpCancel->setFocus();
    if (result.outcome == ImportResult::ErrorCancel)
        close();
}

void frmLMImport::cmdImpCancel_Click()
{
    close();
}

// Closing every file means the contact file too: the main window's Close, so that it no
// longer offers commands for a file that is gone.
void frmLMImport::mnuITFileExit_Click()
{
    m_main.closeContactFile();
    close();
}

void frmLMImport::mnuITEdit_Click()
{
    const auto* edit = qobject_cast<QLineEdit*>(focusWidget());
    const bool hasSelection = edit && edit->hasSelectedText();
    mnuITEditCut->setEnabled(hasSelection);
    mnuITEditCopy->setEnabled(hasSelection);
}

void frmLMImport::mnuITEditCut_Click()
{
    cutSelection(m_platform, focusWidget());
}

void frmLMImport::mnuITEditCopy_Click()
{
    copySelection(m_platform, focusWidget());
}

void frmLMImport::mnuITEditPaste_Click()
{
    pasteInto(m_platform, focusWidget());
}
