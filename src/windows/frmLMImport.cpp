#include "windows/frmLMImport.h"

#include "contacts/ContactSession.h"
#include "exchange/CsvImport.h"
#include "platform/Platform.h"
#include "windows/MainWindowLink.h"
#include "windows/WindowPieces.h"

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

frmLMImport::frmLMImport(Platform& platform, MainWindowLink& main, QWidget* parent)
    : ExchangeWindow(platform, main, QStringLiteral("Import Contacts"), parent)
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

    const Menus menus = buildMenus(QStringLiteral("mnuIT"), /*withEditMenu=*/true);
    mnuITFile = menus.file;
    mnuITFileExit = menus.fileExit;
    mnuITEdit = menus.edit.menu;
    mnuITEditCut = menus.edit.cut;
    mnuITEditCopy = menus.edit.copy;
    mnuITEditPaste = menus.edit.paste;
    mnuITHelp = menus.help;
    mnuITHelpUM = menus.helpManual;
    mnuITHelpAbout = menus.helpAbout;

    connect(cmdCsvOpen, &QPushButton::clicked, this, &frmLMImport::cmdCsvOpen_Click);
    connect(cmdStartImport, &QPushButton::clicked, this, &frmLMImport::cmdStartImport_Click);
    connect(cmdImpCancel, &QPushButton::clicked, this, &frmLMImport::cmdImpCancel_Click);
}

// Every opening starts afresh: no file chosen, Import disabled, the name box hidden.
void frmLMImport::resetForOpening()
{
    csvPath.clear();
    csvTitle.clear();
    txtImpFilename->clear();
    txtImpFilename->hide();
    cmdStartImport->setEnabled(false);
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
