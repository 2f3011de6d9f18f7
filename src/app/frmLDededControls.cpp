#include "app/frmLDeded.h"

#include "windows/WindowPieces.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <array>

// The main window's controls and their layout; the handlers are in frmLDeded.cpp.

namespace {

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

// Hidden controls keep their room, so the window does not jump as options come and go.
void keepRoomWhenHidden(QWidget* widget)
{
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

} // namespace

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
    lblLMFitHint = makeLabel(QStringLiteral("lblLMFitHint"), QString(), central);
    lblLMFitHint->setWordWrap(true);
    lblLMFitHint->setMinimumHeight(lblLMFitHint->fontMetrics().height());
    main->addWidget(lblLMFitHint);

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

    cmdLMStart = makeButton(QStringLiteral("cmdLMStart"), QStringLiteral("Print"), central);
    cmdRetAddress = makeButton(QStringLiteral("cmdRetAddress"), QStringLiteral("Print"), central);
    cmdLMClear = makeButton(QStringLiteral("cmdLMClear"), QStringLiteral("Clear Form"), central);
    cmdLMExit = makeButton(QStringLiteral("cmdLMExit"), QStringLiteral("Exit"), central);
    auto* commands = new QGridLayout;
    // The return-address Print takes the place of Print; only one of them shows at a time.
    commands->addWidget(cmdLMStart, 0, 0);
    commands->addWidget(cmdRetAddress, 0, 0);
    commands->addWidget(cmdLMClear, 0, 1);
    commands->addWidget(cmdLMExit, 0, 2);
    main->addLayout(commands);

    cmdAddContact = makeButton(QStringLiteral("cmdAddContact"), QStringLiteral("Add Contact"), central, QStringLiteral("Add a new contact to file"));
    cmdFindContact = makeButton(QStringLiteral("cmdFindContact"), QStringLiteral("Find Contact"), central, QStringLiteral("Retrieve a contact from file"));
    cmdPeopleFind = makeButton(QStringLiteral("cmdPeopleFind"), QStringLiteral("People Finder"), central);
    cmdZipFinder = makeButton(QStringLiteral("cmdZipFinder"), QStringLiteral("Zip Code Finder"), central, QStringLiteral("Look up Zip Code"));
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
