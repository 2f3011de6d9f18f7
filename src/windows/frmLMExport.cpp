#include "windows/frmLMExport.h"

#include "contacts/ContactSession.h"
#include "windows/MainWindowLink.h"
#include "help/HelpEntries.h"
#include "exchange/ContactExport.h"
#include "windows/WindowFlow.h"
#include "windows/WindowPieces.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

frmLMExport::frmLMExport(Platform& platform, MainWindowLink& main, QWidget* parent)
    : ExchangeWindow(platform, main, QStringLiteral("Export Contacts"), parent)
{
    setObjectName(QStringLiteral("frmLMExport"));
    auto* central = new QWidget(this);
    setCentralWidget(central);
    auto* layout = new QVBoxLayout(central);

    lblExpBanner = new QLabel(QStringLiteral("Tessaprint"), central);
    lblExpBanner->setObjectName(QStringLiteral("lblExpBanner"));
    QFont banner(QStringLiteral("Times New Roman"));
    banner.setPointSizeF(lblExpBanner->font().pointSizeF() * 2);
    banner.setBold(true);
    lblExpBanner->setFont(banner);
    layout->addWidget(lblExpBanner);

    lblExport = new QLabel(
        QStringLiteral("Select type of export file to create, Comma Separated Values (csv) or Text (txt).\n"
                       "Export file will contain First Name, Middle Initial, Last Name, Street Address1,\n"
                       "Street Address 2, City, State, Zip Code, Country, Company, Incl Company, Home Phone,\n"
                       "Cell Phone, Work Phone, Email Address, Birthdate, Category, and Notes.\n"
                       "The export file will be stored in your Tessaprint folder."),
        central);
    lblExport->setObjectName(QStringLiteral("lblExport"));
    layout->addWidget(lblExport);

    frExpOptions = new QGroupBox(central);
    frExpOptions->setObjectName(QStringLiteral("frExpOptions"));
    optExpCGCSV = new QRadioButton(QStringLiteral("Export contacts to comma separated values (.csv) file"), frExpOptions);
    optExpCGCSV->setObjectName(QStringLiteral("optExpCGCSV"));
    optExpCGCSV->setToolTip(
        QStringLiteral("Creates and stores a csv file of contacts, with file name of: ZAZE_filename.csv"));
    optExpCGTXT = new QRadioButton(QStringLiteral("Export contacts to text (.txt) file"), frExpOptions);
    optExpCGTXT->setObjectName(QStringLiteral("optExpCGTXT"));
    optExpCGTXT->setToolTip(
        QStringLiteral("Creates and stores a text file of contacts, with file name of: DODU_filename.txt"));
    optExpCGVCF = new QRadioButton(QStringLiteral("Export contacts to vCard (.vcf) file"), frExpOptions);
    optExpCGVCF->setObjectName(QStringLiteral("optExpCGVCF"));
    optExpCGVCF->setToolTip(QStringLiteral(
        "Creates and stores a vCard 4.0 file of contacts for phones and mail programs, with file name of: filename.vcf"));
    auto* options = new QVBoxLayout(frExpOptions);
    options->addWidget(optExpCGCSV);
    options->addWidget(optExpCGTXT);
    options->addWidget(optExpCGVCF);
    layout->addWidget(frExpOptions);

    cmdExpCreate = new QPushButton(QStringLiteral("&Create export file"), central);
    cmdExpCreate->setObjectName(QStringLiteral("cmdExpCreate"));
    cmdExpCreate->setToolTip(QStringLiteral("Creates selected export file and stores in application's folder"));
    cmdExpCancel = new QPushButton(QStringLiteral("C&lose"), central);
    cmdExpCancel->setObjectName(QStringLiteral("cmdExpCancel"));
    cmdExpCancel->setToolTip(QStringLiteral("Return to main screen"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdExpCreate);
    buttons->addWidget(cmdExpCancel);
    layout->addLayout(buttons);

    const Menus menus = buildMenus(QStringLiteral("mnuET"), /*withEditMenu=*/false);
    mnuETFile = menus.file;
    mnuETFileExit = menus.fileExit;
    mnuETHelp = menus.help;
    mnuETHelpUM = menus.helpManual;
    mnuETHelpAbout = menus.helpAbout;

    connect(optExpCGCSV, &QRadioButton::clicked, this, &frmLMExport::optExpCGCSV_Click);
    connect(optExpCGTXT, &QRadioButton::clicked, this, &frmLMExport::optExpCGTXT_Click);
    connect(optExpCGVCF, &QRadioButton::clicked, this, &frmLMExport::optExpCGTXT_Click);
    connect(cmdExpCreate, &QPushButton::clicked, this, &frmLMExport::cmdExpCreate_Click);
    connect(cmdExpCancel, &QPushButton::clicked, this, &frmLMExport::cmdExpCancel_Click);
}

// Every opening starts with neither kind chosen and Create disabled.
void frmLMExport::resetForOpening()
{
    unchooseBoth(optExpCGCSV, optExpCGTXT);
    unchooseBoth(optExpCGVCF, optExpCGTXT);
    cmdExpCreate->setEnabled(false);
}

void frmLMExport::optExpCGCSV_Click()
{
    cmdExpCreate->setEnabled(true);
}

void frmLMExport::optExpCGTXT_Click()
{
    cmdExpCreate->setEnabled(true);
}

void frmLMExport::cmdExpCreate_Click()
{
    ExportResult result;
    {
        BusyCursor busy;
        result = exportContacts(m_platform, m_main.session().file,
                                {optExpCGCSV->isChecked()   ? ExportKind::Csv
                                 : optExpCGVCF->isChecked() ? ExportKind::VCard
                                                            : ExportKind::Text,
                                 m_main.session().txtFileNam});
    }
    if (result.outcome == ExportResult::ErrorCancel)
        close();
    else if (result.outcome != ExportResult::ErrorRetry)
        cmdExpCancel->setFocus();
}

void frmLMExport::cmdExpCancel_Click()
{
    close();
}
