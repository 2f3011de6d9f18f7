#include "windows/frmLMExport.h"

#include "contacts/ContactSession.h"
#include "exchange/ContactExport.h"
#include "help/HelpEntries.h"
#include "ui_frmLMExport.h"
#include "windows/MainWindowLink.h"
#include "windows/WindowFlow.h"
#include "windows/WindowPieces.h"

frmLMExport::frmLMExport(Platform& platform, MainWindowLink& main, QWidget* parent)
    : ExchangeWindow(platform, main, QStringLiteral("Export Contacts"), parent), ui(std::make_unique<Ui::frmLMExport>())
{
    ui->setupUi(this);
    applyFormHints(this);
    connectMenus({.fileExit = ui->mnuETFileExit, .helpManual = ui->mnuETHelpUM, .helpAbout = ui->mnuETHelpAbout});
    connect(ui->optExpCGCSV, &QRadioButton::clicked, this, &frmLMExport::optExpCGCSV_Click);
    connect(ui->optExpCGTXT, &QRadioButton::clicked, this, &frmLMExport::optExpCGTXT_Click);
    // Create runs for a vCard as for the text kind.
    connect(ui->optExpCGVCF, &QRadioButton::clicked, this, &frmLMExport::optExpCGTXT_Click);
    connect(ui->cmdExpCreate, &QPushButton::clicked, this, &frmLMExport::cmdExpCreate_Click);
    connect(ui->cmdExpCancel, &QPushButton::clicked, this, &frmLMExport::cmdExpCancel_Click);
}

frmLMExport::~frmLMExport() = default;

// Every opening starts with neither kind chosen and Create disabled.
void frmLMExport::resetForOpening()
{
    unchooseBoth(ui->optExpCGCSV, ui->optExpCGTXT);
    unchooseBoth(ui->optExpCGVCF, ui->optExpCGTXT);
    ui->cmdExpCreate->setEnabled(false);
}

void frmLMExport::optExpCGCSV_Click()
{
    ui->cmdExpCreate->setEnabled(true);
}

void frmLMExport::optExpCGTXT_Click()
{
    ui->cmdExpCreate->setEnabled(true);
}

void frmLMExport::cmdExpCreate_Click()
{
    ExportResult result;
    {
        BusyCursor busy;
        result = exportContacts(m_platform, m_main.session().file,
                                {ui->optExpCGCSV->isChecked()   ? ExportKind::Csv
                                 : ui->optExpCGVCF->isChecked() ? ExportKind::VCard
                                                                : ExportKind::Text,
                                 m_main.session().txtFileNam});
    }
    if (result.outcome == ExportResult::ErrorCancel)
        close();
    else if (result.outcome != ExportResult::ErrorRetry)
        ui->cmdExpCancel->setFocus();
}

void frmLMExport::cmdExpCancel_Click()
{
    close();
}
