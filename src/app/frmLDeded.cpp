#include "app/frmLDeded.h"

#include "app/LineFitHint.h"
#include "help/HelpEntries.h"
#include "platform/Platform.h"
#include "print/Composer.h"
#include "print/EnvelopeSizes.h"
#include "print/PositionDialog.h"
#include "print/PrintCommand.h"
#include "print/PrintPreview.h"
#include "print/ReturnAddressFlow.h"
#include "print/SheetPicture.h"
#include "platform/qt/QtTextMeasure.h"
#include "ui_frmLDeded.h"
#include "windows/EditCommands.h"
#include "windows/WindowFlow.h"
#include "windows/WindowPieces.h"
#include "windows/frmEdDelViewContact.h"
#include "windows/frmNewContact.h"

#include <QKeyEvent>

#include <utility>

#include <array>

// The composer side of the main window: its options, Print and Clear Form; the contact-file side
// is frmLDededFile.cpp.

frmLDeded::frmLDeded(Platform& platform, QWidget* parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::frmLDeded>()), m_platform(platform)
{
    ui->setupUi(this);
    applyFormHints(this);
    for (QLineEdit* line : {ui->txtLMLine1, ui->txtLMLine2, ui->txtLMline3, ui->txtLMLine4})
        line->installEventFilter(this);
    ui->cboLMEnvelope->installEventFilter(this);
    connectHandlers();
    loadStartState();
    m_lineFitHint = new LineFitHint(*this, *ui);
    setUpSheet();
}

frmLDeded::~frmLDeded()
{
    // Before the boxes it watches go.
    delete m_lineFitHint;
    delete m_newContactWindow;
    delete m_contactBrowser;
}

void frmLDeded::connectHandlers()
{
    connect(ui->optLMLabel, &QRadioButton::clicked, this, &frmLDeded::optLMLabel_Click);
    connect(ui->optLMEnvelope, &QRadioButton::clicked, this, &frmLDeded::optLMEnvelope_Click);
    connect(ui->cboLMEnvelope, &QComboBox::activated, this, &frmLDeded::cboLMEnvelope_Click);
    connect(ui->optPortrait, &QRadioButton::clicked, this, &frmLDeded::optPortrait_Click);
    connect(ui->optLandscape, &QRadioButton::clicked, this, &frmLDeded::optLandscape_Click);
    connect(ui->optLMCenter, &QRadioButton::clicked, this, &frmLDeded::optLMCenter_Click);
    connect(ui->optLMLeftjust, &QRadioButton::clicked, this, &frmLDeded::optLMLeftjust_Click);
    connect(ui->chkBold, &QCheckBox::clicked, this, &frmLDeded::chkBold_Click);
    connect(ui->chkLargeFont, &QCheckBox::clicked, this, &frmLDeded::chkLargeFont_Click);
    connect(ui->cmdLMStart, &QPushButton::clicked, this, &frmLDeded::cmdLMStart_Click);
    connect(ui->cmdRetAddress, &QPushButton::clicked, this, &frmLDeded::cmdRetAddress_Click);
    connect(ui->cmdLMClear, &QPushButton::clicked, this, &frmLDeded::cmdLMClear_Click);
    connect(ui->cmdLMExit, &QPushButton::clicked, this, &frmLDeded::cmdLMExit_Click);

    connect(ui->mnuFileNew, &QAction::triggered, this, &frmLDeded::mnuFileNew_Click);
    connect(ui->mnuFileOpen, &QAction::triggered, this, &frmLDeded::mnuFileOpen_Click);
    connect(ui->mnuFileClose, &QAction::triggered, this, &frmLDeded::mnuFileClose_Click);
    connect(ui->mnuFileBdayOn, &QAction::triggered, this, &frmLDeded::mnuFileBdayOn_Click);
    connect(ui->mnuFileBdayOff, &QAction::triggered, this, &frmLDeded::mnuFileBdayOff_Click);
    connect(ui->mnuRetAddress, &QAction::triggered, this, &frmLDeded::mnuRetAddress_Click);
    connect(ui->mnuFilePrint, &QAction::triggered, this, &frmLDeded::mnuFilePrint_Click);
    connect(ui->mnuFilePreview, &QAction::triggered, this, &frmLDeded::mnuFilePreview_Click);
    connect(ui->mnuRetAddressPreview, &QAction::triggered, this, &frmLDeded::mnuRetAddressPreview_Click);
    connect(ui->mnuFileCalibrate, &QAction::triggered, this, &frmLDeded::mnuFileCalibrate_Click);
    connect(ui->mnuFileExit, &QAction::triggered, this, &frmLDeded::mnuFileExit_Click);
    connect(ui->cmdFindContact, &QPushButton::clicked, this, &frmLDeded::cmdFindContact_Click);
    connect(ui->cmdAddContact, &QPushButton::clicked, this, &frmLDeded::cmdAddContact_Click);
    connect(ui->mnuAdd, &QAction::triggered, this, &frmLDeded::cmdAddContact_Click);
    for (QAction* item : {ui->mnuEdit, ui->mnuFind, ui->mnuDelete, ui->mnuViewOne})
        connect(item, &QAction::triggered, this, &frmLDeded::cmdFindContact_Click);
    connect(ui->mnuViewAll, &QAction::triggered, this, &frmLDeded::mnuViewAll_Click);
    connect(ui->mnuSrchContacts, &QAction::triggered, this, &frmLDeded::mnuViewAll_Click);
    connect(ui->mnuImport, &QAction::triggered, this, &frmLDeded::mnuImport_Click);
    connect(ui->mnuExport, &QAction::triggered, this, &frmLDeded::mnuExport_Click);
    connectEditMenu(this, m_platform, {ui->mnuLMEdit, ui->mnuLMEditCut, ui->mnuLMEditCopy, ui->mnuLMEditPaste},
                    CutCopyRule::SelectedText);
    connectHelp(m_platform, this,
                {.manual = ui->mnuManual,
                 .about = ui->mnuAbout,
                 .stateTable = ui->mnuStates,
                 .peopleFinder = ui->cmdPeopleFind,
                 .zipFinder = ui->cmdZipFinder});
}

void frmLDeded::loadStartState()
{
    chooseOption(ui->optPortrait);
    chooseOption(ui->optLMLeftjust);
    setMargins(2, 3);
    ui->cboLMEnvelope->addItems(envelopeSizeEntries());
    ui->cboLMEnvelope->setCurrentIndex(-1);
    ui->cboLMEnvelope->hide();
    ui->txtLMLine1->setFocus();
    hideEnvelopeChecks();

    ui->cmdRetAddress->hide();
    ui->txtFileTitle->hide();
    disableContactCommands();
    ui->mnuSrchContacts->setEnabled(false);
    ui->mnuImport->setEnabled(false);
    ui->mnuExport->setEnabled(false);
}

void frmLDeded::setMargins(int indent, int padRows)
{
    ui->txtLMLeftPad->setText(QString::number(indent));
    ui->txtLMToppad->setText(QString::number(padRows));
}

void frmLDeded::hideEnvelopeChecks()
{
    ui->chkBold->setChecked(false);
    ui->chkBold->hide();
    ui->chkLargeFont->setChecked(false);
    ui->chkLargeFont->hide();
}

void frmLDeded::disableContactCommands()
{
    for (QWidget* button : {static_cast<QWidget*>(ui->cmdAddContact), static_cast<QWidget*>(ui->cmdFindContact)})
        button->setEnabled(false);
    for (QAction* item : {ui->mnuAdd, ui->mnuEdit, ui->mnuDelete, ui->mnuFind, ui->mnuViewOne, ui->mnuViewAll,
                          ui->mnuFileBdayOn, ui->mnuFileBdayOff})
        item->setEnabled(false);
}

void frmLDeded::showLabelStockOptions()
{
    chooseOption(ui->optPortrait);
    hideEnvelopeChecks();
    ui->cboLMEnvelope->hide();
}

void frmLDeded::optLMLabel_Click()
{
    showLabelStockOptions();
    ui->lblLMPosition->clear();

    const PositionDialogResult result = runPositionDialog(m_platform, {StartPosition, EndPosition, LabelCount});
    applyPosition(result);
    if (result.chosen)
        ui->cmdLMStart->setFocus();
    else
        unchooseBoth(ui->optLMLabel, ui->optLMEnvelope);
}

void frmLDeded::applyPosition(const PositionDialogResult& result)
{
    PositionEntry = result.positionEntry;
    StartPosition = result.range.start;
    EndPosition = result.range.end;
    LabelCount = static_cast<int16_t>(result.range.count);
    setMargins(result.margins.indent, result.margins.padRows);
    ui->lblLMPosition->setText(result.caption);
    ui->lblLMPosition->setVisible(result.chosen);
    announce(ui->lblLMPosition);
}

void frmLDeded::optLMEnvelope_Click()
{
    chooseOption(ui->optLandscape);
    ui->cboLMEnvelope->show();
    ui->lblLMPosition->clear();
    applyEnvelopeSize(envelopeOptionChosen(ui->cboLMEnvelope->currentIndex()));
    ui->txtLMLine1->setFocus();
}

void frmLDeded::cboLMEnvelope_Click()
{
    applyEnvelopeSize(envelopeSizePicked(ui->cboLMEnvelope->currentIndex()));
    ui->chkBold->show();
    ui->chkLargeFont->show();
    // Stepping through the sizes by arrow key or wheel stays in the list; a pick goes to Print.
    if (!std::exchange(m_envelopeStepped, false))
        ui->cmdLMStart->setFocus();
}

void frmLDeded::applyEnvelopeSize(const EnvelopeSizeChoice& choice)
{
    EnvelopeSizeNumber = choice.sizeNumber;
    if (choice.margins)
        setMargins(choice.margins->indent, choice.margins->padRows);
}

void frmLDeded::optPortrait_Click()
{
    setMargins(2, 3);
}

void frmLDeded::optLandscape_Click()
{
    ui->txtLMLine1->setFocus();
}

void frmLDeded::optLMCenter_Click()
{
    ui->txtLMLine1->setFocus();
}

void frmLDeded::optLMLeftjust_Click()
{
    ui->txtLMLine1->setFocus();
}

void frmLDeded::chkBold_Click()
{
    ui->cmdLMStart->setFocus();
}

void frmLDeded::chkLargeFont_Click()
{
    ui->cmdLMStart->setFocus();
}

Composer frmLDeded::composerState() const
{
    Composer composer;
    composer.lines = composerLines();
    composer.labelStock = ui->optLMLabel->isChecked();
    composer.envelope = ui->optLMEnvelope->isChecked();
    composer.envelopeSizeNumber = EnvelopeSizeNumber;
    composer.centered = ui->optLMCenter->isChecked();
    composer.leftJustified = ui->optLMLeftjust->isChecked();
    composer.portrait = !ui->optLandscape->isChecked();
    composer.bold = ui->chkBold->isChecked();
    composer.boldVisible = !ui->chkBold->isHidden();
    composer.largeFont = ui->chkLargeFont->isChecked();
    composer.leftPad = ui->txtLMLeftPad->text();
    composer.topPad = ui->txtLMToppad->text();
    composer.positionEntry = PositionEntry;
    composer.startPosition = StartPosition;
    composer.endPosition = EndPosition;
    composer.labelCount = LabelCount;
    composer.positionCaption = ui->lblLMPosition->text();
    return composer;
}

void frmLDeded::cmdLMStart_Click()
{
    Composer composer = composerState();
    printComposer(m_platform, composer);

    StartPosition = composer.startPosition;
    EndPosition = composer.endPosition;
    LabelCount = static_cast<int16_t>(composer.labelCount);
    ui->txtLMLeftPad->setText(composer.leftPad);
    ui->txtLMToppad->setText(composer.topPad);
    ui->chkBold->setChecked(composer.bold);
    ui->chkBold->setVisible(composer.boldVisible);
}

void frmLDeded::mnuFilePrint_Click()
{
    cmdLMStart_Click();
}

void frmLDeded::mnuFilePreview_Click()
{
    previewComposer(m_platform, composerState());
}

void frmLDeded::mnuRetAddressPreview_Click()
{
    runReturnAddressLabels(true);
}

void frmLDeded::cmdRetAddress_Click()
{
    runReturnAddressLabels();
}

void frmLDeded::mnuRetAddress_Click()
{
    runReturnAddressLabels();
}

void frmLDeded::runReturnAddressLabels(bool preview)
{
    const ReturnAddressState state{!ui->cmdRetAddress->isHidden(), ui->optLMLabel->isEnabled()};
    const ReturnAddressResult result = preview ? previewReturnAddressLabels(m_platform, composerLines(), state)
                                               : ::runReturnAddressLabels(m_platform, composerLines(), state);
    if (result.boldCleared) {
        ui->chkBold->setChecked(false);
        ui->chkBold->hide();
    }
    ui->cmdRetAddress->setVisible(result.state.waiting);
    ui->cmdLMStart->setVisible(!result.state.waiting);
    ui->optLMLabel->setEnabled(result.state.mediumOptionsEnabled);
    ui->optLMEnvelope->setEnabled(result.state.mediumOptionsEnabled);
    if (result.focusLine4)
        ui->txtLMLine4->setFocus();
}

std::array<QString, 5> frmLDeded::composerLines() const
{
    return {ui->txtLMLine1->text(), ui->txtLMLine2->text(), ui->txtLMline3->text(), ui->txtLMLine4->text(),
            ui->txtLMLine5->text()};
}

void frmLDeded::cmdLMClear_Click()
{
    hideEnvelopeChecks();
    ui->cmdLMStart->show();
    ui->optLMLabel->setEnabled(true);
    ui->optLMEnvelope->setEnabled(true);
    ui->cmdRetAddress->hide();
    for (QLineEdit* line : {ui->txtLMLine1, ui->txtLMLine2, ui->txtLMline3, ui->txtLMLine4, ui->txtLMLine5})
        line->clear();
    StartPosition = QStringLiteral("0");
    unchooseBoth(ui->optLMLabel, ui->optLMEnvelope);
    ui->lblLMPosition->hide();
    ui->lblLMPosition->clear();
    ui->cboLMEnvelope->hide();
    EnvelopeSizeNumber = QStringLiteral("0");
    setMargins(2, 3);
    ui->txtLMLine1->setFocus();
}

bool frmLDeded::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui->cboLMEnvelope) {
        const auto* key = event->type() == QEvent::KeyPress ? static_cast<QKeyEvent*>(event) : nullptr;
        m_envelopeStepped = event->type() == QEvent::Wheel
            || (key
                && (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down || key->key() == Qt::Key_PageUp
                    || key->key() == Qt::Key_PageDown || key->key() == Qt::Key_Home || key->key() == Qt::Key_End));
        return QMainWindow::eventFilter(watched, event);
    }
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // Enter moves on through the address lines as Tab does.
            focusNextChild();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}
