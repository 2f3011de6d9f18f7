#include "windows/frmNewContact.h"

#include "contacts/ContactSession.h"
#include "windows/MainWindowLink.h"
#include "contacts/ContactSave.h"
#include "exchange/ComposerParse.h"
#include "help/HelpEntries.h"
#include "windows/WindowFlow.h"

#include <QAction>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

frmNewContact::frmNewContact(Platform& platform, MainWindowLink& main, QWidget* parent)
    : ContactFieldsWindow(platform, main, parent)
{
    setObjectName(QStringLiteral("frmNewContact"));
    QWidget* central = centralWidget();

    lblIncCompName = new QLabel(QStringLiteral("Include Company Name in Address?"), central);
    lblIncCompName->setObjectName(QStringLiteral("lblIncCompName"));
    chkIncComp = new QCheckBox(central);
    chkIncComp->setObjectName(QStringLiteral("chkIncComp"));
    chkIncComp->setToolTip(QStringLiteral("If checked, Company Name will be included when printing address"));
    lblIncCompName->setBuddy(chkIncComp);

    cmdSave = makeWindowButton(QStringLiteral("cmdSave"), QStringLiteral("Save"), QStringLiteral("Saves contact to file"),
                               central);
    cmdCancel = makeWindowButton(QStringLiteral("cmdCancel"), QStringLiteral("Close"),
                                 QStringLiteral("Return to main screen"), central);

    auto* layout = new QVBoxLayout(central);
    layout->addLayout(buildFieldRows(lblIncCompName, chkIncComp));
    auto* commands = new QHBoxLayout;
    commands->addStretch();
    commands->addWidget(cmdSave);
    commands->addWidget(cmdCancel);
    commands->addStretch();
    layout->addSpacing(8);
    layout->addLayout(commands);

    buildEditMenu(QStringLiteral("mnuNew"));
    mnuNewHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuNewHelp->setObjectName(QStringLiteral("mnuNewHelp"));
    mnuNewManual = mnuNewHelp->addAction(QStringLiteral("User Manual"));
    mnuNewManual->setObjectName(QStringLiteral("mnuNewManual"));
    mnuNewManual->setShortcut(QKeySequence(Qt::Key_F1));
    mnuNewAbout = mnuNewHelp->addAction(QStringLiteral("About Tessaprint"));
    mnuNewAbout->setObjectName(QStringLiteral("mnuNewAbout"));

    QList<QWidget*> chain(boxes().begin(), boxes().end());
    chain << cmdSave << cmdCancel << chkIncComp << cmdStateAbb << cmdPeopleFind << cmdZipFinder;
    chainTabOrder(chain);

    connect(cmdSave, &QPushButton::clicked, this, &frmNewContact::cmdSave_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmNewContact::cmdCancel_Click);
    connectHelp(mnuNewManual, mnuNewAbout, this, m_platform);

    lblIncCompName->hide();
    chkIncComp->hide();
}

void frmNewContact::open(const ComposerBoxes& filled)
{
    clearBoxes();
    chkIncComp->setChecked(false);
    lblIncCompName->hide();
    chkIncComp->hide();
    const std::pair<const std::optional<QString>&, QLineEdit*> fills[] = {
        {filled.txtACFName, txtACFName}, {filled.txtACMiddleInit, txtACMiddleInit},
        {filled.txtACLName, txtACLName}, {filled.txtACFStreet, txtACFStreet},
        {filled.txtACSStreet, txtACSStreet}, {filled.txtACCity, txtACCity},
        {filled.txtACState, txtACState}, {filled.txtACZip, txtACZip},
    };
    for (const auto& [text, edit] : fills) {
        if (text)
            edit->setText(*text);
    }
    m_main.handOverTo(this);
    setCaption(QStringLiteral("Add Contact"));
    txtACFName->setFocus();
}

void frmNewContact::txtACCompany_Change()
{
    // Shown from the first change on and never hidden again; the user ticks the box.
    lblIncCompName->show();
    chkIncComp->show();
}

void frmNewContact::cmdSave_Click()
{
    const bool remindersOn = m_main.session().reminders.remindersOn();
    const ContactSaveResult result = saveNewContact(m_platform, m_main.session().file, readBoxes(), remindersOn);
    writeBoxes(result.boxes);
    if (result.reminderWritten)
        m_main.session().reminders.canTurnOff = true;
    if (result.focus)
        box(*result.focus)->setFocus();
    if (result.outcome == ContactSaveResult::Saved || result.outcome == ContactSaveResult::Cancel)
        returnToMain();
}

void frmNewContact::cmdCancel_Click()
{
    returnToMain();
}

