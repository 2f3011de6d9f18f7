#include "windows/frmNewContact.h"

#include "contacts/ContactSave.h"
#include "contacts/ContactSession.h"
#include "exchange/ComposerParse.h"
#include "help/HelpEntries.h"
#include "ui_frmNewContact.h"
#include "windows/EditCommands.h"
#include "windows/MainWindowLink.h"
#include "windows/WindowPieces.h"

#include <QLineEdit>

frmNewContact::frmNewContact(Platform& platform, MainWindowLink& main, QWidget* parent)
    : ContactFieldsWindow(platform, main, parent), ui(std::make_unique<Ui::frmNewContact>())
{
    ui->setupUi(this);
    setUpFields(ui->fields, ui->lblIncCompName, ui->chkIncComp);
    applyFormHints(this);

    QList<QWidget*> chain(boxes().begin(), boxes().end());
    chain << ui->cmdSave << ui->cmdCancel << ui->chkIncComp << lookUpButtons();
    chainTabOrder(chain);

    connect(ui->cmdSave, &QPushButton::clicked, this, &frmNewContact::cmdSave_Click);
    connect(ui->cmdCancel, &QPushButton::clicked, this, &frmNewContact::cmdCancel_Click);
    connectEditMenu({ui->mnuNewEdit, ui->mnuNewEditCut, ui->mnuNewEditCopy, ui->mnuNewEditPaste});
    connectHelp(ui->mnuNewManual, ui->mnuNewAbout, this, m_platform);

    ui->lblIncCompName->hide();
    ui->chkIncComp->hide();
}

frmNewContact::~frmNewContact() = default;

void frmNewContact::open(const ComposerBoxes& filled)
{
    clearBoxes();
    ui->chkIncComp->setChecked(false);
    ui->lblIncCompName->hide();
    ui->chkIncComp->hide();
    using B = ContactBox;
    const std::pair<const std::optional<QString>&, B> fills[] = {
        {filled.txtACFName, B::txtACFName},     {filled.txtACMiddleInit, B::txtACMiddleInit},
        {filled.txtACLName, B::txtACLName},     {filled.txtACFStreet, B::txtACFStreet},
        {filled.txtACSStreet, B::txtACSStreet}, {filled.txtACCity, B::txtACCity},
        {filled.txtACState, B::txtACState},     {filled.txtACZip, B::txtACZip},
    };
    for (const auto& [text, which] : fills) {
        if (text)
            box(which)->setText(*text);
    }
    m_main.handOverTo(this);
    setCaption(QStringLiteral("Add Contact"));
    box(B::txtACFName)->setFocus();
}

void frmNewContact::txtACCompany_Change()
{
    // Shown from the first change on and never hidden again; the user ticks the box.
    ui->lblIncCompName->show();
    ui->chkIncComp->show();
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
