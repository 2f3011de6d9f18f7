#include "app/frmLDeded.h"

#include "app/LineFitHint.h"
#include "contacts/BirthdayReminders.h"
#include "contacts/FileCommands.h"
#include "exchange/AddContactCommand.h"
#include "help/HelpEntries.h"
#include "platform/Platform.h"
#include "print/Composer.h"
#include "print/EnvelopeSizes.h"
#include "print/PositionDialog.h"
#include "print/PrintCommand.h"
#include "print/PrintPreview.h"
#include "print/ReturnAddressFlow.h"
#include "windows/EditCommands.h"
#include "windows/WindowFlow.h"
#include "windows/WindowPieces.h"
#include "windows/frmCalibrate.h"
#include "windows/frmEdDelViewContact.h"
#include "windows/frmNewContact.h"
#include "windows/frmViewAll.h"
#include "windows/frmLMExport.h"
#include "windows/frmLMImport.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

#include <array>

frmLDeded::frmLDeded(Platform& platform, QWidget* parent) : QMainWindow(parent), m_platform(platform)
{
    setObjectName(QStringLiteral("frmLDeded"));
    setWindowTitle(QStringLiteral("Tessaprint"));
    buildControls();
    buildMenus();
    connectHandlers();
    loadStartState();
    m_lineFitHint = new LineFitHint(*this);
}

frmLDeded::~frmLDeded()
{
    // Before the boxes it watches go.
    delete m_lineFitHint;
    delete m_newContactWindow;
    delete m_contactBrowser;
}

frmNewContact* frmLDeded::newContactWindow()
{
    if (!m_newContactWindow)
        m_newContactWindow = new frmNewContact(m_platform, *this);
    return m_newContactWindow;
}

frmEdDelViewContact* frmLDeded::contactBrowser()
{
    if (!m_contactBrowser)
        m_contactBrowser = new frmEdDelViewContact(m_platform, *this);
    return m_contactBrowser;
}

void frmLDeded::cmdFindContact_Click()
{
    contactBrowser()->open();
}

void frmLDeded::cmdAddContact_Click()
{
    const AddContactStart start = startAddContact(
        m_platform, {txtLMLine1->text(), txtLMLine2->text(), txtLMline3->text(), txtLMLine4->text(), txtLMLine5->text()});
    if (start.outcome == AddContactStart::Open)
        newContactWindow()->open(start.boxes);
    else if (start.outcome == AddContactStart::Retry)
        mnuFileClose_Click(); // the file is closed, and the window no longer offers it
    else if (start.outcome == AddContactStart::Quit)
        close();
}

void frmLDeded::buildMenus()
{
    mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuFileNew = addMenuItem(mnuFile, QStringLiteral("mnuFileNew"), QStringLiteral("New"));
    mnuFileOpen = addMenuItem(mnuFile, QStringLiteral("mnuFileOpen"), QStringLiteral("Open"), QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuFileClose = addMenuItem(mnuFile, QStringLiteral("mnuFileClose"), QStringLiteral("Close"));
    mnuFile->addSeparator();
    mnuFileBdayOn = addMenuItem(mnuFile, QStringLiteral("mnuFileBdayOn"), QStringLiteral("Enable Birthday Reminders"));
    mnuFileBdayOff = addMenuItem(mnuFile, QStringLiteral("mnuFileBdayOff"), QStringLiteral("Disable Birthday Reminders"));
    mnuFile->addSeparator();
    mnuRetAddress = addMenuItem(mnuFile, QStringLiteral("mnuRetAddress"), QStringLiteral("Return Address Labels"));
    mnuRetAddressPreview = addMenuItem(mnuFile, QStringLiteral("mnuRetAddressPreview"),
                                   QStringLiteral("Return Address Labels Preview"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R));
    mnuBarcode = addMenuItem(mnuFile, QStringLiteral("mnuBarcode"), QStringLiteral("Barcode Labels"));
    mnuBarcode->setEnabled(false);
    mnuStates = addMenuItem(mnuFile, QStringLiteral("mnuStates"), QStringLiteral("State Abbreviations"));
    mnuFile->addSeparator();
    mnuFilePrint = addMenuItem(mnuFile, QStringLiteral("mnuFilePrint"), QStringLiteral("Print"), QKeySequence(Qt::CTRL | Qt::Key_P));
    mnuFilePreview = addMenuItem(mnuFile, QStringLiteral("mnuFilePreview"), QStringLiteral("Print Preview"),
                             QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    mnuFile->addSeparator();
    mnuFileCalibrate = addMenuItem(mnuFile, QStringLiteral("mnuFileCalibrate"), QStringLiteral("Printer Cali&bration..."));
    mnuFile->addSeparator();
    mnuFileExit = addMenuItem(mnuFile, QStringLiteral("mnuFileExit"), QStringLiteral("Exit"));

    const EditMenu edit = addEditMenu(this, m_platform, QStringLiteral("mnuLM"), CutCopyRule::SelectedText);
    mnuLMEdit = edit.menu;
    mnuLMEditCut = edit.cut;
    mnuLMEditCopy = edit.copy;
    mnuLMEditPaste = edit.paste;

    mnuContacts = menuBar()->addMenu(QStringLiteral("&Contacts"));
    mnuContacts->setObjectName(QStringLiteral("mnuContacts"));
    mnuAdd = addMenuItem(mnuContacts, QStringLiteral("mnuAdd"), QStringLiteral("Add Contact"));
    mnuEdit = addMenuItem(mnuContacts, QStringLiteral("mnuEdit"), QStringLiteral("Edit Contact"));
    mnuFind = addMenuItem(mnuContacts, QStringLiteral("mnuFind"), QStringLiteral("Find Contact"));
    mnuDelete = addMenuItem(mnuContacts, QStringLiteral("mnuDelete"), QStringLiteral("Delete Contact"));
    mnuContacts->addSeparator();
    mnuSrchContacts = addMenuItem(mnuContacts, QStringLiteral("mnuSrchContacts"), QStringLiteral("Search Contacts"));
    mnuContacts->addSeparator();
    mnuImport = addMenuItem(mnuContacts, QStringLiteral("mnuImport"), QStringLiteral("Import Contacts"));
    mnuExport = addMenuItem(mnuContacts, QStringLiteral("mnuExport"), QStringLiteral("Export Contacts"));

    mnuView = menuBar()->addMenu(QStringLiteral("&View"));
    mnuView->setObjectName(QStringLiteral("mnuView"));
    mnuViewOne = addMenuItem(mnuView, QStringLiteral("mnuViewOne"), QStringLiteral("One Contact"));
    mnuViewAll = addMenuItem(mnuView, QStringLiteral("mnuViewAll"), QStringLiteral("All Contacts"));

    mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuManual = addMenuItem(mnuHelp, QStringLiteral("mnuManual"), QStringLiteral("User Manual"), QKeySequence(Qt::Key_F1));
    mnuAbout = addMenuItem(mnuHelp, QStringLiteral("mnuAbout"), QStringLiteral("About Tessaprint"));
}

void frmLDeded::connectHandlers()
{
    connect(optLMLabel, &QRadioButton::clicked, this, &frmLDeded::optLMLabel_Click);
    connect(optLMEnvelope, &QRadioButton::clicked, this, &frmLDeded::optLMEnvelope_Click);
    connect(cboLMEnvelope, &QComboBox::activated, this, &frmLDeded::cboLMEnvelope_Click);
    connect(optPortrait, &QRadioButton::clicked, this, &frmLDeded::optPortrait_Click);
    connect(optLandscape, &QRadioButton::clicked, this, &frmLDeded::optLandscape_Click);
    connect(optLMCenter, &QRadioButton::clicked, this, &frmLDeded::optLMCenter_Click);
    connect(optLMLeftjust, &QRadioButton::clicked, this, &frmLDeded::optLMLeftjust_Click);
    connect(chkBold, &QCheckBox::clicked, this, &frmLDeded::chkBold_Click);
    connect(chkLargeFont, &QCheckBox::clicked, this, &frmLDeded::chkLargeFont_Click);
    connect(cmdLMStart, &QPushButton::clicked, this, &frmLDeded::cmdLMStart_Click);
    connect(cmdRetAddress, &QPushButton::clicked, this, &frmLDeded::cmdRetAddress_Click);
    connect(cmdLMClear, &QPushButton::clicked, this, &frmLDeded::cmdLMClear_Click);
    connect(cmdLMExit, &QPushButton::clicked, this, &frmLDeded::cmdLMExit_Click);

    connect(mnuFileNew, &QAction::triggered, this, &frmLDeded::mnuFileNew_Click);
    connect(mnuFileOpen, &QAction::triggered, this, &frmLDeded::mnuFileOpen_Click);
    connect(mnuFileClose, &QAction::triggered, this, &frmLDeded::mnuFileClose_Click);
    connect(mnuFileBdayOn, &QAction::triggered, this, &frmLDeded::mnuFileBdayOn_Click);
    connect(mnuFileBdayOff, &QAction::triggered, this, &frmLDeded::mnuFileBdayOff_Click);
    connect(mnuRetAddress, &QAction::triggered, this, &frmLDeded::mnuRetAddress_Click);
    connect(mnuFilePrint, &QAction::triggered, this, &frmLDeded::mnuFilePrint_Click);
    connect(mnuFilePreview, &QAction::triggered, this, &frmLDeded::mnuFilePreview_Click);
    connect(mnuRetAddressPreview, &QAction::triggered, this, &frmLDeded::mnuRetAddressPreview_Click);
    connect(mnuFileCalibrate, &QAction::triggered, this, &frmLDeded::mnuFileCalibrate_Click);
    connect(mnuFileExit, &QAction::triggered, this, &frmLDeded::mnuFileExit_Click);
    connect(cmdFindContact, &QPushButton::clicked, this, &frmLDeded::cmdFindContact_Click);
    connect(cmdAddContact, &QPushButton::clicked, this, &frmLDeded::cmdAddContact_Click);
    connect(mnuAdd, &QAction::triggered, this, &frmLDeded::cmdAddContact_Click);
    for (QAction* item : {mnuEdit, mnuFind, mnuDelete, mnuViewOne})
        connect(item, &QAction::triggered, this, &frmLDeded::cmdFindContact_Click);
    connect(mnuViewAll, &QAction::triggered, this, &frmLDeded::mnuViewAll_Click);
    connect(mnuSrchContacts, &QAction::triggered, this, &frmLDeded::mnuViewAll_Click);
    connect(mnuImport, &QAction::triggered, this, &frmLDeded::mnuImport_Click);
    connect(mnuExport, &QAction::triggered, this, &frmLDeded::mnuExport_Click);
    connectHelp(m_platform, this, {.manual = mnuManual, .about = mnuAbout, .stateTable = mnuStates,
                                   .peopleFinder = cmdPeopleFind, .zipFinder = cmdZipFinder});
}

void frmLDeded::loadStartState()
{
    lblLMInstruct->setText(
        QStringLiteral("Tessaprint prints labels (compatible with Avery 5160 and 8160 labels) and envelopes.\n"
                       "Power tip: click 'Search Contacts' to print labels for a specific subset of your contacts."));
    chooseOption(optPortrait);
    chooseOption(optLMLeftjust);
    setMargins(2, 3);
    cboLMEnvelope->addItems(envelopeSizeEntries());
    cboLMEnvelope->setCurrentIndex(-1);
    cboLMEnvelope->hide();
    txtLMLine1->setFocus();
    hideEnvelopeChecks();

    cmdRetAddress->hide();
    txtFileTitle->hide();
    disableContactCommands();
    mnuSrchContacts->setEnabled(false);
    mnuImport->setEnabled(false);
    mnuExport->setEnabled(false);
}

void frmLDeded::setMargins(int indent, int padRows)
{
    txtLMLeftPad->setText(QString::number(indent));
    txtLMToppad->setText(QString::number(padRows));
}

void frmLDeded::hideEnvelopeChecks()
{
    chkBold->setChecked(false);
    chkBold->hide();
    chkLargeFont->setChecked(false);
    chkLargeFont->hide();
}

void frmLDeded::disableContactCommands()
{
    for (QWidget* button : {static_cast<QWidget*>(cmdAddContact), static_cast<QWidget*>(cmdFindContact)})
        button->setEnabled(false);
    for (QAction* item : {mnuAdd, mnuEdit, mnuDelete, mnuFind, mnuViewOne, mnuViewAll, mnuFileBdayOn, mnuFileBdayOff})
        item->setEnabled(false);
}

void frmLDeded::optLMLabel_Click()
{
    chooseOption(optPortrait);
    hideEnvelopeChecks();
    cboLMEnvelope->hide();
    lblLMPosition->clear();

    const PositionDialogResult result = runPositionDialog(m_platform, {StartPosition, EndPosition, LabelCount});
    PositionEntry = result.positionEntry;
    StartPosition = result.range.start;
    EndPosition = result.range.end;
    LabelCount = static_cast<int16_t>(result.range.count);
    setMargins(result.margins.indent, result.margins.padRows);
    lblLMPosition->setText(result.caption);
    lblLMPosition->setVisible(result.chosen);
    if (result.chosen)
        cmdLMStart->setFocus();
    else
        unchooseBoth(optLMLabel, optLMEnvelope);
}

void frmLDeded::optLMEnvelope_Click()
{
    chooseOption(optLandscape);
    cboLMEnvelope->show();
    lblLMPosition->clear();
    applyEnvelopeSize(envelopeOptionChosen(cboLMEnvelope->currentIndex()));
    txtLMLine1->setFocus();
}

void frmLDeded::cboLMEnvelope_Click()
{
    applyEnvelopeSize(envelopeSizePicked(cboLMEnvelope->currentIndex()));
    chkBold->show();
    chkLargeFont->show();
    cmdLMStart->setFocus();
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
    txtLMLine1->setFocus();
}

void frmLDeded::optLMCenter_Click()
{
    txtLMLine1->setFocus();
}

void frmLDeded::optLMLeftjust_Click()
{
    txtLMLine1->setFocus();
}

void frmLDeded::chkBold_Click()
{
    cmdLMStart->setFocus();
}

void frmLDeded::chkLargeFont_Click()
{
    cmdLMStart->setFocus();
}

Composer frmLDeded::composerState() const
{
    Composer composer;
    composer.lines = composerLines();
    composer.labelStock = optLMLabel->isChecked();
    composer.envelope = optLMEnvelope->isChecked();
    composer.envelopeSizeNumber = EnvelopeSizeNumber;
    composer.centered = optLMCenter->isChecked();
    composer.leftJustified = optLMLeftjust->isChecked();
    composer.portrait = !optLandscape->isChecked();
    composer.bold = chkBold->isChecked();
    composer.boldVisible = !chkBold->isHidden();
    composer.largeFont = chkLargeFont->isChecked();
    composer.leftPad = txtLMLeftPad->text();
    composer.topPad = txtLMToppad->text();
    composer.positionEntry = PositionEntry;
    composer.startPosition = StartPosition;
    composer.endPosition = EndPosition;
    composer.labelCount = LabelCount;
    composer.positionCaption = lblLMPosition->text();
    return composer;
}

void frmLDeded::cmdLMStart_Click()
{
    Composer composer = composerState();
    printComposer(m_platform, composer);

    StartPosition = composer.startPosition;
    EndPosition = composer.endPosition;
    LabelCount = static_cast<int16_t>(composer.labelCount);
    txtLMLeftPad->setText(composer.leftPad);
    txtLMToppad->setText(composer.topPad);
    chkBold->setChecked(composer.bold);
    chkBold->setVisible(composer.boldVisible);
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
    const ReturnAddressState state{!cmdRetAddress->isHidden(), optLMLabel->isEnabled()};
    const ReturnAddressResult result = preview ? previewReturnAddressLabels(m_platform, composerLines(), state)
                                               : ::runReturnAddressLabels(m_platform, composerLines(), state);
    if (result.boldCleared) {
        chkBold->setChecked(false);
        chkBold->hide();
    }
    cmdRetAddress->setVisible(result.state.waiting);
    cmdLMStart->setVisible(!result.state.waiting);
    optLMLabel->setEnabled(result.state.mediumOptionsEnabled);
    optLMEnvelope->setEnabled(result.state.mediumOptionsEnabled);
    if (result.focusLine4)
        txtLMLine4->setFocus();
}

std::array<QString, 5> frmLDeded::composerLines() const
{
    return {txtLMLine1->text(), txtLMLine2->text(), txtLMline3->text(), txtLMLine4->text(), txtLMLine5->text()};
}

void frmLDeded::cmdLMClear_Click()
{
    hideEnvelopeChecks();
    cmdLMStart->show();
    optLMLabel->setEnabled(true);
    optLMEnvelope->setEnabled(true);
    cmdRetAddress->hide();
    for (QLineEdit* line : {txtLMLine1, txtLMLine2, txtLMline3, txtLMLine4, txtLMLine5})
        line->clear();
    StartPosition = QStringLiteral("0");
    unchooseBoth(optLMLabel, optLMEnvelope);
    lblLMPosition->hide();
    lblLMPosition->clear();
    cboLMEnvelope->hide();
    EnvelopeSizeNumber = QStringLiteral("0");
    setMargins(2, 3);
    txtLMLine1->setFocus();
}

void frmLDeded::cmdLMExit_Click()
{
    closeAtUnload();
    setWindowTitle(QStringLiteral("Tessaprint"));
    disableContactCommands();
    txtFileTitle->hide();
    close();
}

void frmLDeded::mnuFileExit_Click()
{
    txtFileNam->clear();
    txtFileTitle->clear();
    cmdLMExit_Click();
}

void frmLDeded::applyFileResult(const FileCommandResult& result)
{
    setWindowTitle(result.caption);
    cmdAddContact->setEnabled(result.contactCommandsEnabled);
    cmdFindContact->setEnabled(result.contactCommandsEnabled);
    for (QAction* item : {mnuAdd, mnuEdit, mnuDelete, mnuFind, mnuViewOne, mnuViewAll, mnuImport, mnuExport,
                          mnuSrchContacts})
        item->setEnabled(result.contactCommandsEnabled);
    setReminderMenus({result.canTurnOn, result.canTurnOff});
    txtFileNam->setText(m_session.txtFileNam);
    txtFileTitle->setText(m_session.txtFileTitle);
    if (result.result == FileCommandResult::Quit)
        close();
}

void frmLDeded::mnuFileNew_Click()
{
    applyFileResult(fileNew(m_platform, m_session));
}

void frmLDeded::mnuFileOpen_Click()
{
    // The window shows the new file before the birthday reminders come up.
    const FileCommandResult result =
        fileOpen(m_platform, m_session, [this](const FileCommandResult& opened) { applyFileResult(opened); });
    applyFileResult(result);
}

void frmLDeded::mnuFileClose_Click()
{
    applyFileResult(fileClose(m_session));
    txtFileTitle->hide();
}

ReminderMenus frmLDeded::reminderMenus() const
{
    return m_session.reminders;
}

void frmLDeded::setReminderMenus(const ReminderMenus& menus)
{
    m_session.reminders = menus;
    mnuFileBdayOn->setEnabled(menus.canTurnOn);
    mnuFileBdayOff->setEnabled(menus.canTurnOff);
}

void frmLDeded::mnuFileBdayOn_Click()
{
    setReminderMenus(enableBirthdayReminders(m_platform, m_session.file, reminderMenus()));
}

void frmLDeded::mnuFileBdayOff_Click()
{
    setReminderMenus(disableBirthdayReminders(m_platform, m_session.file, reminderMenus()));
}

void frmLDeded::handOverTo(QWidget* next)
{
    showInstead(this, next);
}

void frmLDeded::returnHere(QWidget* closing)
{
    // A contact saved meanwhile may have switched reminders on.
    setReminderMenus(m_session.reminders);
    returnTo(closing, this, txtLMLine1);
}

void frmLDeded::closeContactFile()
{
    mnuFileClose_Click();
}

void frmLDeded::takeComposerLines(QWidget* closing, const std::array<QString, 5>& lines)
{
    returnHere(closing);
    chkBold->setChecked(false);
    chkBold->hide();
    QLineEdit* boxes[] = {txtLMLine1, txtLMLine2, txtLMline3, txtLMLine4, txtLMLine5};
    for (int i = 0; i < 5; ++i)
        boxes[i]->setText(lines[i]);
}

// Also puts back the installer's unins000.DAT should a file dialog have left it renamed.
void frmLDeded::closeAtUnload()
{
    closeAtProgramEnd(m_platform, m_session);
}

void frmLDeded::closeEvent(QCloseEvent* event)
{
    closeAtUnload();
    disableContactCommands();
    mnuSrchContacts->setEnabled(false);
    txtFileTitle->hide();
    closeOtherWindows();
    if (!isMinimized())
        writePlacement();
    event->accept();
}

void frmLDeded::closeOtherWindows()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
        QWidget* window = *it;
        if (window != this && !qobject_cast<QMenu*>(window))
            window->close();
    }
}

void frmLDeded::writePlacement()
{
    const QRect frame = frameGeometry();
    const auto twips = [](int pixels, int dpi) { return QString::number(qint64(pixels) * 1440 / dpi); };
    const int dpiX = logicalDpiX();
    const int dpiY = logicalDpiY();
    const QString app = QStringLiteral("Tessaprint");
    const QString section = QStringLiteral("Settings");
    m_platform.writeSetting(app, section, QStringLiteral("MainLeft"), twips(frame.x(), dpiX));
    m_platform.writeSetting(app, section, QStringLiteral("MainTop"), twips(frame.y(), dpiY));
    m_platform.writeSetting(app, section, QStringLiteral("MainWidth"), twips(frame.width(), dpiX));
    m_platform.writeSetting(app, section, QStringLiteral("MainHeight"), twips(frame.height(), dpiY));
}

bool frmLDeded::eventFilter(QObject* watched, QEvent* event)
{
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

frmViewAll* frmLDeded::contactList()
{
    if (!m_contactList)
        m_contactList = new frmViewAll(m_platform, *this, this);
    return m_contactList;
}

void frmLDeded::mnuViewAll_Click()
{
    contactList()->open();
}

frmLMImport* frmLDeded::importWindow()
{
    if (!m_importWindow)
        m_importWindow = new frmLMImport(m_platform, *this, this);
    return m_importWindow;
}

frmLMExport* frmLDeded::exportWindow()
{
    if (!m_exportWindow)
        m_exportWindow = new frmLMExport(m_platform, *this, this);
    return m_exportWindow;
}

void frmLDeded::mnuImport_Click()
{
    showInstead(this, importWindow());
}

void frmLDeded::mnuExport_Click()
{
    showInstead(this, exportWindow());
}

void frmLDeded::mnuFileCalibrate_Click()
{
    if (!m_calibrateWindow)
        m_calibrateWindow = new frmCalibrate(m_platform, *this, this);
    showInstead(this, m_calibrateWindow);
}
