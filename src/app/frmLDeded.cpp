#include "app/frmLDeded.h"

#include "contacts/BirthdayReminders.h"
#include "contacts/FileCommands.h"
#include "help/HelpEntries.h"
#include "platform/Numbers.h"
#include "platform/Platform.h"
#include "print/Composer.h"
#include "print/LabelPositions.h"
#include "print/PrintCommand.h"
#include "print/ReturnAddressSheet.h"
#include "windows/WindowFlow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <array>

namespace {

struct EnvelopeMargins {
    int indent;
    int padRows;
};

const QStringList kEnvelopeSizes{
    QStringLiteral("#10 Standard Business envelope (4 1/8 in x 9 1/2 in)"),
    QStringLiteral("#6 3/4 Small envelope (3 5/8 in x 6 1/2 in)"),
    QStringLiteral("#A2 Invitation envelope (4 3/8 in x 5 3/4 in)"),
    QStringLiteral("#A7 Announcement envelope (5 1/4 in x 7 1/4 in)"),
    QStringLiteral("#A8 Std Greeting Card envelope (5.5 in x 8 1/8 in)"),
    QStringLiteral("#A10 Lrg Greeting Card envelope (6 in x 9 1/2 in)"),
    QStringLiteral("Custom (edit Left and Top margin boxes)"),
};

// Two tables: picking a size and clicking Envelope with a size already chosen place the
// address differently.
constexpr std::array<EnvelopeMargins, 7> kMarginsOnSizePick{
    {{38, 33}, {23, 32}, {20, 32}, {28, 30}, {30, 30}, {36, 25}, {30, 30}}};
constexpr std::array<EnvelopeMargins, 7> kMarginsOnEnvelopeClick{
    {{38, 33}, {28, 39}, {24, 37}, {34, 36}, {36, 36}, {44, 30}, {36, 36}}};

const QString kLabelPositionCaption = QStringLiteral("Label Position ");

QLabel* makeLabel(const QString& name, const QString& caption, QWidget* parent)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    return label;
}

QLineEdit* makeLineEdit(const QString& name, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    return edit;
}

QRadioButton* makeOption(const QString& name, const QString& caption, QWidget* parent)
{
    auto* option = new QRadioButton(caption, parent);
    option->setObjectName(name);
    return option;
}

QCheckBox* makeCheck(const QString& name, const QString& caption, const QString& tip, QWidget* parent)
{
    auto* check = new QCheckBox(caption, parent);
    check->setObjectName(name);
    check->setToolTip(tip);
    return check;
}

QPushButton* makeButton(const QString& name, const QString& caption, const QString& tip, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setToolTip(tip);
    return button;
}

QAction* addItem(QMenu* menu, const QString& name, const QString& caption,
                 const QKeySequence& shortcut = QKeySequence())
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    return action;
}

// Hidden controls keep their room, so the window does not jump as options come and go.
void keepRoomWhenHidden(QWidget* widget)
{
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

} // namespace

frmLDeded::frmLDeded(Platform& platform, QWidget* parent) : QMainWindow(parent), m_platform(platform)
{
    setObjectName(QStringLiteral("frmLDeded"));
    setWindowTitle(QStringLiteral("Tessaprint"));
    buildControls();
    buildMenus();
    connectHandlers();
    loadStartState();
}

void frmLDeded::buildControls()
{
    auto* central = new QWidget(this);
    setCentralWidget(central);
    auto* main = new QVBoxLayout(central);

    lblLMHeader = makeLabel(QStringLiteral("lblLMHeader"), QStringLiteral("Tessaprint"), central);
    QFont headerFont = lblLMHeader->font();
    headerFont.setPointSizeF(headerFont.pointSizeF() * 1.8);
    headerFont.setBold(true);
    lblLMHeader->setFont(headerFont);
    txtFileTitle = makeLineEdit(QStringLiteral("txtFileTitle"), central);
    txtFileTitle->setReadOnly(true);
    keepRoomWhenHidden(txtFileTitle);
    txtFileNam = makeLineEdit(QStringLiteral("txtFileNam"), central);
    txtFileNam->hide();
    auto* header = new QHBoxLayout;
    header->addWidget(lblLMHeader);
    header->addStretch();
    header->addWidget(txtFileTitle);
    header->addWidget(txtFileNam);
    main->addLayout(header);

    lblLMInstruct = makeLabel(QStringLiteral("lblLMInstruct"), QString(), central);
    lblLMInstruct->setWordWrap(true);
    main->addWidget(lblLMInstruct);

    auto* lines = new QGridLayout;
    lblLMLine1 = makeLabel(QStringLiteral("lblLMLine1"), QStringLiteral("Line #1:"), central);
    txtLMLine1 = makeLineEdit(QStringLiteral("txtLMLine1"), central);
    lblLMLine2 = makeLabel(QStringLiteral("lblLMLine2"), QStringLiteral("Line #2:"), central);
    txtLMLine2 = makeLineEdit(QStringLiteral("txtLMLine2"), central);
    lblLMLine3 = makeLabel(QStringLiteral("lblLMLine3"), QStringLiteral("Line #3:"), central);
    txtLMline3 = makeLineEdit(QStringLiteral("txtLMline3"), central);
    lblLMLine4 = makeLabel(QStringLiteral("lblLMLine4"), QStringLiteral("Line #4:"), central);
    txtLMLine4 = makeLineEdit(QStringLiteral("txtLMLine4"), central);
    lblLMLine5 = makeLabel(QStringLiteral("lblLMLine5"), QStringLiteral("Line #5:"), central);
    txtLMLine5 = makeLineEdit(QStringLiteral("txtLMLine5"), central);
    const std::array<std::pair<QLabel*, QLineEdit*>, 5> rows{{{lblLMLine1, txtLMLine1},
                                                              {lblLMLine2, txtLMLine2},
                                                              {lblLMLine3, txtLMline3},
                                                              {lblLMLine4, txtLMLine4},
                                                              {lblLMLine5, txtLMLine5}}};
    for (int row = 0; row < 5; ++row) {
        lines->addWidget(rows[row].first, row, 0);
        lines->addWidget(rows[row].second, row, 1);
        rows[row].first->setBuddy(rows[row].second);
    }
    main->addLayout(lines);

    frMedium = new QGroupBox(QStringLiteral("Print on"), central);
    frMedium->setObjectName(QStringLiteral("frMedium"));
    optLMLabel = makeOption(QStringLiteral("optLMLabel"), QStringLiteral("Label stock"), frMedium);
    optLMEnvelope = makeOption(QStringLiteral("optLMEnvelope"), QStringLiteral("Envelope"), frMedium);
    cboLMEnvelope = new QComboBox(frMedium);
    cboLMEnvelope->setObjectName(QStringLiteral("cboLMEnvelope"));
    cboLMEnvelope->setPlaceholderText(QStringLiteral("Select Envelope Size"));
    cboLMEnvelope->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    keepRoomWhenHidden(cboLMEnvelope);
    auto* medium = new QVBoxLayout(frMedium);
    medium->addWidget(optLMLabel);
    medium->addWidget(optLMEnvelope);
    medium->addWidget(cboLMEnvelope);

    frAlignment = new QGroupBox(QStringLiteral("Text alignment"), central);
    frAlignment->setObjectName(QStringLiteral("frAlignment"));
    optLMCenter = makeOption(QStringLiteral("optLMCenter"), QStringLiteral("Centered"), frAlignment);
    optLMLeftjust = makeOption(QStringLiteral("optLMLeftjust"), QStringLiteral("Left-Justified"), frAlignment);
    auto* alignment = new QVBoxLayout(frAlignment);
    alignment->addWidget(optLMCenter);
    alignment->addWidget(optLMLeftjust);
    alignment->addStretch();

    frOrientation = new QGroupBox(QStringLiteral("Orientation"), central);
    frOrientation->setObjectName(QStringLiteral("frOrientation"));
    optPortrait = makeOption(QStringLiteral("optPortrait"), QStringLiteral("Portrait"), frOrientation);
    optLandscape = makeOption(QStringLiteral("optLandscape"), QStringLiteral("Landscape"), frOrientation);
    auto* orientation = new QVBoxLayout(frOrientation);
    orientation->addWidget(optPortrait);
    orientation->addWidget(optLandscape);
    orientation->addStretch();

    auto* frames = new QHBoxLayout;
    frames->addWidget(frMedium);
    frames->addWidget(frAlignment);
    frames->addWidget(frOrientation);
    main->addLayout(frames);

    chkBold = makeCheck(QStringLiteral("chkBold"), QStringLiteral("Bold"),
                        QStringLiteral("If checked, will print envelope in bold"), central);
    chkLargeFont = makeCheck(QStringLiteral("chkLargeFont"), QStringLiteral("Large Font"),
                             QStringLiteral("If checked, will print envelope in larger, italicized font"), central);
    keepRoomWhenHidden(chkBold);
    keepRoomWhenHidden(chkLargeFont);
    auto* checks = new QHBoxLayout;
    checks->addWidget(chkBold);
    checks->addWidget(chkLargeFont);
    checks->addStretch();
    main->addLayout(checks);

    auto* margins = new QGridLayout;
    lblLMToppad = makeLabel(QStringLiteral("lblLMToppad"), QStringLiteral("No. of pad rows (Top margin):"), central);
    txtLMToppad = makeLineEdit(QStringLiteral("txtLMToppad"), central);
    lblLMLeftpad =
        makeLabel(QStringLiteral("lblLMLeftpad"), QStringLiteral("No. of indents (Left margin)  --->"), central);
    txtLMLeftPad = makeLineEdit(QStringLiteral("txtLMLeftPad"), central);
    for (QLineEdit* box : {txtLMToppad, txtLMLeftPad})
        box->setMaximumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 16);
    lblLMToppad->setBuddy(txtLMToppad);
    lblLMLeftpad->setBuddy(txtLMLeftPad);
    margins->addWidget(lblLMToppad, 0, 0);
    margins->addWidget(txtLMToppad, 0, 1);
    margins->addWidget(lblLMLeftpad, 1, 0);
    margins->addWidget(txtLMLeftPad, 1, 1);
    margins->setColumnStretch(2, 1);
    main->addLayout(margins);

    lblLMPosition = makeLabel(QStringLiteral("lblLMPosition"), QString(), central);
    keepRoomWhenHidden(lblLMPosition);
    lblLMPosition->setMinimumHeight(lblLMPosition->fontMetrics().height());
    main->addWidget(lblLMPosition);

    cmdLMStart = makeButton(QStringLiteral("cmdLMStart"), QStringLiteral("Print"), QString(), central);
    cmdRetAddress = makeButton(QStringLiteral("cmdRetAddress"), QStringLiteral("Print"), QString(), central);
    cmdLMClear = makeButton(QStringLiteral("cmdLMClear"), QStringLiteral("Clear Form"), QString(), central);
    cmdLMExit = makeButton(QStringLiteral("cmdLMExit"), QStringLiteral("Exit"), QString(), central);
    auto* commands = new QGridLayout;
    // The return-address Print takes the place of Print; only one of them shows at a time.
    commands->addWidget(cmdLMStart, 0, 0);
    commands->addWidget(cmdRetAddress, 0, 0);
    commands->addWidget(cmdLMClear, 0, 1);
    commands->addWidget(cmdLMExit, 0, 2);
    main->addLayout(commands);

    cmdAddContact = makeButton(QStringLiteral("cmdAddContact"), QStringLiteral("Add Contact"),
                               QStringLiteral("Add a new contact to file"), central);
    cmdFindContact = makeButton(QStringLiteral("cmdFindContact"), QStringLiteral("Find Contact"),
                                QStringLiteral("Retrieve a contact from file"), central);
    cmdPeopleFind = makeButton(QStringLiteral("cmdPeopleFind"), QStringLiteral("People Finder"), QString(), central);
    cmdZipFinder = makeButton(QStringLiteral("cmdZipFinder"), QStringLiteral("Zip Code Finder"),
                              QStringLiteral("Look up Zip Code"), central);
    auto* lookups = new QHBoxLayout;
    for (QPushButton* button : {cmdAddContact, cmdFindContact, cmdPeopleFind, cmdZipFinder})
        lookups->addWidget(button);
    main->addLayout(lookups);

    QWidget::setTabOrder(txtLMLine1, txtLMLine2);
    QWidget::setTabOrder(txtLMLine2, txtLMline3);
    QWidget::setTabOrder(txtLMline3, txtLMLine4);
    QWidget::setTabOrder(txtLMLine4, txtLMLine5);
    for (QLineEdit* line : {txtLMLine1, txtLMLine2, txtLMline3, txtLMLine4})
        line->installEventFilter(this);

    central->setMinimumWidth(560);
}

void frmLDeded::buildMenus()
{
    mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuFileNew = addItem(mnuFile, QStringLiteral("mnuFileNew"), QStringLiteral("New"));
    mnuFileOpen = addItem(mnuFile, QStringLiteral("mnuFileOpen"), QStringLiteral("Open"), QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuFileClose = addItem(mnuFile, QStringLiteral("mnuFileClose"), QStringLiteral("Close"));
    mnuFile->addSeparator();
    mnuFileBdayOn = addItem(mnuFile, QStringLiteral("mnuFileBdayOn"), QStringLiteral("Enable Birthday Reminders"));
    mnuFileBdayOff = addItem(mnuFile, QStringLiteral("mnuFileBdayOff"), QStringLiteral("Disable Birthday Reminders"));
    mnuFile->addSeparator();
    mnuRetAddress = addItem(mnuFile, QStringLiteral("mnuRetAddress"), QStringLiteral("Return Address Labels"));
    mnuBarcode = addItem(mnuFile, QStringLiteral("mnuBarcode"), QStringLiteral("Barcode Labels"));
    mnuBarcode->setEnabled(false);
    mnuStates = addItem(mnuFile, QStringLiteral("mnuStates"), QStringLiteral("State Abbreviations"));
    mnuFile->addSeparator();
    mnuFilePrint = addItem(mnuFile, QStringLiteral("mnuFilePrint"), QStringLiteral("Print"), QKeySequence(Qt::CTRL | Qt::Key_P));
    mnuFile->addSeparator();
    mnuFileExit = addItem(mnuFile, QStringLiteral("mnuFileExit"), QStringLiteral("Exit"));

    mnuLMEdit = menuBar()->addMenu(QStringLiteral("&Edit"));
    mnuLMEdit->setObjectName(QStringLiteral("mnuLMEdit"));
    mnuLMEditCut = addItem(mnuLMEdit, QStringLiteral("mnuLMEditCut"), QStringLiteral("Cut"), QKeySequence(Qt::CTRL | Qt::Key_X));
    mnuLMEditCopy = addItem(mnuLMEdit, QStringLiteral("mnuLMEditCopy"), QStringLiteral("Copy"), QKeySequence(Qt::CTRL | Qt::Key_C));
    mnuLMEditPaste = addItem(mnuLMEdit, QStringLiteral("mnuLMEditPaste"), QStringLiteral("Paste"), QKeySequence(Qt::CTRL | Qt::Key_V));

    mnuContacts = menuBar()->addMenu(QStringLiteral("&Contacts"));
    mnuContacts->setObjectName(QStringLiteral("mnuContacts"));
    mnuAdd = addItem(mnuContacts, QStringLiteral("mnuAdd"), QStringLiteral("Add Contact"));
    mnuEdit = addItem(mnuContacts, QStringLiteral("mnuEdit"), QStringLiteral("Edit Contact"));
    mnuFind = addItem(mnuContacts, QStringLiteral("mnuFind"), QStringLiteral("Find Contact"));
    mnuDelete = addItem(mnuContacts, QStringLiteral("mnuDelete"), QStringLiteral("Delete Contact"));
    mnuContacts->addSeparator();
    mnuSrchContacts = addItem(mnuContacts, QStringLiteral("mnuSrchContacts"), QStringLiteral("Search Contacts"));
    mnuContacts->addSeparator();
    mnuImport = addItem(mnuContacts, QStringLiteral("mnuImport"), QStringLiteral("Import Contacts"));
    mnuExport = addItem(mnuContacts, QStringLiteral("mnuExport"), QStringLiteral("Export Contacts"));

    mnuView = menuBar()->addMenu(QStringLiteral("&View"));
    mnuView->setObjectName(QStringLiteral("mnuView"));
    mnuViewOne = addItem(mnuView, QStringLiteral("mnuViewOne"), QStringLiteral("One Contact"));
    mnuViewAll = addItem(mnuView, QStringLiteral("mnuViewAll"), QStringLiteral("All Contacts"));

    mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuManual = addItem(mnuHelp, QStringLiteral("mnuManual"), QStringLiteral("User Manual"), QKeySequence(Qt::Key_F1));
    mnuAbout = addItem(mnuHelp, QStringLiteral("mnuAbout"), QStringLiteral("About Tessaprint"));
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
    connect(mnuFileExit, &QAction::triggered, this, &frmLDeded::mnuFileExit_Click);
    connect(mnuLMEdit, &QMenu::aboutToShow, this, &frmLDeded::mnuLMEdit_Click);
    connect(mnuLMEditCut, &QAction::triggered, this, &frmLDeded::mnuLMEditCut_Click);
    connect(mnuLMEditCopy, &QAction::triggered, this, &frmLDeded::mnuLMEditCopy_Click);
    connect(mnuLMEditPaste, &QAction::triggered, this, &frmLDeded::mnuLMEditPaste_Click);
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
    cboLMEnvelope->addItems(kEnvelopeSizes);
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
    for (;;) {
        chooseOption(optPortrait);
        hideEnvelopeChecks();
        cboLMEnvelope->hide();
        lblLMPosition->clear();

        PositionEntry =
            cleanPositionEntry(m_platform.inputBox(positionPrompt(), positionPromptTitle(), QStringLiteral("1")));
        PositionRange range{StartPosition, EndPosition, LabelCount};
        const PositionProblem problem = checkPositionEntry(PositionEntry, range);
        if (problem != PositionProblem::None) {
            const PositionMessage message = positionMessage(problem);
            m_platform.beep();
            m_platform.messageBox(message.text, message.title, MessageButtons::Ok, MessageIcon::Information);
            continue;
        }
        StartPosition = range.start;
        EndPosition = range.end;
        LabelCount = static_cast<int16_t>(range.count);

        const double start = leadingNumber(StartPosition);
        if (const auto margins = labelMargins(start))
            setMargins(margins->indent, margins->padRows);
        if (start > 30) {
            const PositionMessage message = startOver30Message();
            m_platform.beep();
            m_platform.messageBox(message.text, message.title, MessageButtons::Ok, MessageIcon::Exclamation);
            continue;
        }

        if (start != 0) {
            lblLMPosition->setText(kLabelPositionCaption + PositionEntry);
            lblLMPosition->show();
            cmdLMStart->setFocus();
        } else {
            lblLMPosition->hide();
            lblLMPosition->clear();
            unchooseBoth(optLMLabel, optLMEnvelope);
            setMargins(2, 3);
        }
        return;
    }
}

void frmLDeded::optLMEnvelope_Click()
{
    chooseOption(optLandscape);
    cboLMEnvelope->show();
    lblLMPosition->clear();
    const int size = cboLMEnvelope->currentIndex() + 1;
    EnvelopeSizeNumber = QString::number(size);
    if (size >= 1 && size <= 7)
        setMargins(kMarginsOnEnvelopeClick[size - 1].indent, kMarginsOnEnvelopeClick[size - 1].padRows);
    txtLMLine1->setFocus();
}

void frmLDeded::cboLMEnvelope_Click()
{
    const int size = cboLMEnvelope->currentIndex() + 1;
    EnvelopeSizeNumber = QString::number(size);
    if (size >= 1 && size <= 7)
        setMargins(kMarginsOnSizePick[size - 1].indent, kMarginsOnSizePick[size - 1].padRows);
    chkBold->show();
    chkLargeFont->show();
    cmdLMStart->setFocus();
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

void frmLDeded::cmdLMStart_Click()
{
    Composer composer;
    composer.lines = {txtLMLine1->text(), txtLMLine2->text(), txtLMline3->text(), txtLMLine4->text(),
                      txtLMLine5->text()};
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

void frmLDeded::cmdRetAddress_Click()
{
    runReturnAddressLabels();
}

void frmLDeded::mnuRetAddress_Click()
{
    runReturnAddressLabels();
}

void frmLDeded::runReturnAddressLabels()
{
    for (;;) {
        m_platform.messageBox(QStringLiteral("Prints 80 return address labels on Avery 5167 [1/2 inch x 1 3/4 inch] labels"),
                              QStringLiteral("Load printer with Avery 5167, 8167, or 18167 label stock"),
                              MessageButtons::Ok, MessageIcon::Information);
        if (txtLMLine1->text().isEmpty() && txtLMLine2->text().isEmpty() && txtLMline3->text().isEmpty()) {
            m_platform.beep();
            m_platform.messageBox(QStringLiteral("Fill in Lines 1, 2, and 3, then press Print."),
                                  QStringLiteral("Instructions"), MessageButtons::Ok, MessageIcon::Exclamation);
            cmdRetAddress->show();
            cmdLMStart->hide();
            optLMLabel->setEnabled(false);
            optLMEnvelope->setEnabled(false);
            return;
        }
        if (!txtLMLine4->text().isEmpty() || !txtLMLine5->text().isEmpty()) {
            m_platform.beep();
            m_platform.messageBox(QStringLiteral("Leave Lines 4 and 5 blank"),
                                  QStringLiteral("Small label can fit only 3 lines"), MessageButtons::Ok,
                                  MessageIcon::Exclamation);
            txtLMLine4->setFocus();
            return;
        }

        const PrintOutcome outcome =
            printReturnAddressSheets(m_platform, {txtLMLine1->text(), txtLMLine2->text(), txtLMline3->text()});
        if (outcome != PrintOutcome::Cancelled) {
            // Each sheet clears Bold before it prints, whether or not the printer then fails.
            chkBold->setChecked(false);
            chkBold->hide();
        }
        if (outcome != PrintOutcome::Printed) {
            // After a Yes the normal Print button is back; the options must come back with it,
            // or Label stock and Envelope stay greyed out with no way to reach them.
            if (!cmdLMStart->isHidden()) {
                optLMLabel->setEnabled(true);
                optLMEnvelope->setEnabled(true);
            }
            return;
        }
        cmdRetAddress->hide();
        cmdLMStart->show();

        const MessageAnswer again = m_platform.messageBox(
            QStringLiteral("Done!  Do you want to print another page of Return Address Labels?"),
            QStringLiteral("Completed"), MessageButtons::YesNoCancel, MessageIcon::None);
        if (again != MessageAnswer::Yes) {
            optLMLabel->setEnabled(true);
            optLMEnvelope->setEnabled(true);
            return;
        }
    }
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
    closeContactFile();
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
    setReminderMenus({result.bdayOnEnabled, result.bdayOffEnabled});
    txtFileNam->setText(session.txtFileNam);
    txtFileTitle->setText(session.txtFileTitle);
    if (result.result == FileCommandResult::Quit)
        close();
}

void frmLDeded::mnuFileNew_Click()
{
    applyFileResult(fileNew(m_platform, session));
}

void frmLDeded::mnuFileOpen_Click()
{
    // The window shows the new file before the birthday reminders come up.
    const FileCommandResult result =
        fileOpen(m_platform, session, [this](const FileCommandResult& opened) { applyFileResult(opened); });
    applyFileResult(result);
}

void frmLDeded::mnuFileClose_Click()
{
    applyFileResult(fileClose(session));
    txtFileTitle->hide();
}

ReminderMenus frmLDeded::reminderMenus() const
{
    return {mnuFileBdayOn->isEnabled(), mnuFileBdayOff->isEnabled()};
}

void frmLDeded::setReminderMenus(const ReminderMenus& menus)
{
    mnuFileBdayOn->setEnabled(menus.bdayOnEnabled);
    mnuFileBdayOff->setEnabled(menus.bdayOffEnabled);
}

void frmLDeded::mnuFileBdayOn_Click()
{
    setReminderMenus(enableBirthdayReminders(m_platform, session.file, reminderMenus()));
}

void frmLDeded::mnuFileBdayOff_Click()
{
    setReminderMenus(disableBirthdayReminders(m_platform, session.file, reminderMenus()));
}

// Also puts back the installer's unins000.DAT should a file dialog have left it renamed.
void frmLDeded::closeContactFile()
{
    closeAtProgramEnd(m_platform, session);
}

void frmLDeded::closeEvent(QCloseEvent* event)
{
    closeContactFile();
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

void frmLDeded::mnuLMEdit_Click()
{
    mnuLMEditCut->setEnabled(true);
    mnuLMEditCopy->setEnabled(true);
    const auto* edit = qobject_cast<QLineEdit*>(focusWidget());
    const bool hasSelection = edit && edit->hasSelectedText();
    mnuLMEditCut->setEnabled(hasSelection);
    mnuLMEditCopy->setEnabled(hasSelection);
}

void frmLDeded::mnuLMEditCut_Click()
{
    // The shortcut still reaches a disabled item's handler; nothing selected keeps the clipboard.
    auto* edit = qobject_cast<QLineEdit*>(focusWidget());
    if (!edit || !edit->hasSelectedText())
        return;
    m_platform.clearClipboard();
    m_platform.setClipboardText(edit->selectedText());
    edit->insert(QString());
}

void frmLDeded::mnuLMEditCopy_Click()
{
    const auto* edit = qobject_cast<QLineEdit*>(focusWidget());
    if (!edit || !edit->hasSelectedText())
        return;
    m_platform.clearClipboard();
    m_platform.setClipboardText(edit->selectedText());
}

void frmLDeded::mnuLMEditPaste_Click()
{
    auto* edit = qobject_cast<QLineEdit*>(focusWidget());
    if (!edit)
        return;
    edit->insert(m_platform.clipboardText());
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
