#include "windows/frmLMImport.h"

#include "contacts/ContactSession.h"
#include "exchange/CsvImport.h"
#include "platform/Platform.h"
#include "ui_frmLMImport.h"
#include "windows/MainWindowLink.h"
#include "windows/WindowPieces.h"

frmLMImport::frmLMImport(Platform& platform, MainWindowLink& main, QWidget* parent)
    : ExchangeWindow(platform, main, QStringLiteral("Import Contacts"), parent), ui(std::make_unique<Ui::frmLMImport>())
{
    ui->setupUi(this);
    applyFormHints(this);
    connectMenus({.fileExit = ui->mnuITFileExit,
                  .edit = {ui->mnuITEdit, ui->mnuITEditCut, ui->mnuITEditCopy, ui->mnuITEditPaste},
                  .helpManual = ui->mnuITHelpUM,
                  .helpAbout = ui->mnuITHelpAbout});
    connect(ui->cmdCsvOpen, &QPushButton::clicked, this, &frmLMImport::cmdCsvOpen_Click);
    connect(ui->cmdStartImport, &QPushButton::clicked, this, &frmLMImport::cmdStartImport_Click);
    connect(ui->cmdImpCancel, &QPushButton::clicked, this, &frmLMImport::cmdImpCancel_Click);
}

frmLMImport::~frmLMImport() = default;

// Every opening starts afresh: no file chosen, Import disabled, the name box hidden.
void frmLMImport::resetForOpening()
{
    csvPath.clear();
    csvTitle.clear();
    ui->txtImpFilename->clear();
    ui->txtImpFilename->hide();
    ui->cmdStartImport->setEnabled(false);
}

void frmLMImport::cmdCsvOpen_Click()
{
    const CsvChoice choice = chooseCsvFile(m_platform);
    if (choice.outcome == CsvChoice::Chosen) {
        csvPath = choice.path;
        csvTitle = choice.title;
        ui->txtImpFilename->setText(csvTitle);
        ui->txtImpFilename->show();
        ui->cmdStartImport->setEnabled(true);
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
    ui->cmdStartImport->setEnabled(result.importEnabled);
    if (result.focusClose)
        ui->cmdImpCancel->setFocus();
    if (result.outcome == ImportResult::ErrorCancel)
        close();
}

void frmLMImport::cmdImpCancel_Click()
{
    close();
}
