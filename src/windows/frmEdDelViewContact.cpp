#include "windows/frmEdDelViewContact.h"

#include "contacts/ContactSession.h"
#include "help/HelpEntries.h"
#include "print/ContactDetailsPrintout.h"
#include "print/PrintPreview.h"
#include "ui_frmEdDelViewContact.h"
#include "windows/EditCommands.h"
#include "windows/MainWindowLink.h"
#include "windows/RecordLinesModel.h"
#include "windows/WindowFlow.h"
#include "windows/WindowPieces.h"

#include <QLineEdit>

frmEdDelViewContact::frmEdDelViewContact(Platform& platform, MainWindowLink& main, QWidget* parent)
    : ContactFieldsWindow(platform, main, parent), ui(std::make_unique<Ui::frmEdDelViewContact>()),
      m_browser(platform, main.session())
{
    ui->setupUi(this);
    setUpFields(ui->fields, ui->lblACCompOnLabel, ui->chkCompanyInclude);
    applyFormHints(this);
    // Entries are moved in at once; a combo box's own model makes an item per entry.
    m_findModel = new RecordLinesModel(ui->cboFindContact);
    ui->cboFindContact->setModel(m_findModel);

    QList<QWidget*> chain{ui->cboFindContact};
    chain.append(QList<QWidget*>(boxes().begin(), boxes().end()));
    chain << ui->chkCompanyInclude << ui->cmdFirst << ui->cmdPrevious << ui->cmdNext << ui->cmdLast << ui->cmdSave
          << ui->cmdDelete << ui->cmdPrintLabel << ui->cmdCancel << lookUpButtons();
    chainTabOrder(chain);

    connect(ui->cboFindContact, &QComboBox::activated, this, &frmEdDelViewContact::cboFindContact_Click);
    connect(ui->cmdFirst, &QPushButton::clicked, this, &frmEdDelViewContact::cmdFirst_Click);
    connect(ui->cmdPrevious, &QPushButton::clicked, this, &frmEdDelViewContact::cmdPrevious_Click);
    connect(ui->cmdNext, &QPushButton::clicked, this, &frmEdDelViewContact::cmdNext_Click);
    connect(ui->cmdLast, &QPushButton::clicked, this, &frmEdDelViewContact::cmdLast_Click);
    connect(ui->cmdSave, &QPushButton::clicked, this, &frmEdDelViewContact::cmdSave_Click);
    connect(ui->cmdDelete, &QPushButton::clicked, this, &frmEdDelViewContact::cmdDelete_Click);
    connect(ui->cmdPrintLabel, &QPushButton::clicked, this, &frmEdDelViewContact::cmdPrintLabel_Click);
    connect(ui->cmdCancel, &QPushButton::clicked, this, &frmEdDelViewContact::cmdCancel_Click);
    connect(ui->mnuEDVPrint, &QAction::triggered, this, &frmEdDelViewContact::mnuEDVPrint_Click);
    connect(ui->mnuEDVPreview, &QAction::triggered, this, &frmEdDelViewContact::mnuEDVPreview_Click);
    connectEditMenu({ui->mnuEDVEdit, ui->mnuEDVEditCut, ui->mnuEDVEditCopy, ui->mnuEDVEditPaste});
    connectHelp(ui->mnuEDVManual, ui->mnuEDVAbout, this, m_platform);

    resetForLoad();
}

frmEdDelViewContact::~frmEdDelViewContact() = default;

void frmEdDelViewContact::resetForLoad()
{
    // The window is kept between openings; each opening starts as a fresh one.
    clearBoxes();
    ui->lblACCompOnLabel->hide();
    ui->chkCompanyInclude->hide();
    setEditingEnabled(false);
}

void frmEdDelViewContact::open()
{
    resetForLoad();
    loadFindList({});
    m_main.handOverTo(this);
    setCaption(QStringLiteral("Contact Information"));
    BrowserResult result = m_browser.load();
    if (result.outcome == BrowserResult::Cancel) {
        returnToMain();
        return;
    }
    if (result.findList)
        loadFindList(std::move(*result.findList));
    ui->cboFindContact->setFocus();
}

void frmEdDelViewContact::openOnRecord(int recordNumber, const Contact& record)
{
    setCaption(QStringLiteral("Contact Information"));
    resetForLoad();
    apply(m_browser.openOnRecord(recordNumber, record));
    ui->cboFindContact->setFocus();
}

int frmEdDelViewContact::findRecordAt(int index) const
{
    const auto& entries = m_findModel->lines();
    return index >= 0 && index < int(entries.size()) ? entries[std::size_t(index)].record : 0;
}

void frmEdDelViewContact::loadFindList(QVector<FindEntry> entries)
{
    std::vector<ContactList::ListLine> lines;
    lines.reserve(std::size_t(entries.size()));
    for (FindEntry& entry : entries)
        lines.push_back({std::move(entry.text), entry.recordNumber});
    m_findModel->clear();
    m_findModel->append(std::move(lines));
    ui->cboFindContact->setCurrentIndex(-1);
}

void frmEdDelViewContact::setEditingEnabled(bool enabled)
{
    for (QLineEdit* edit : boxes())
        edit->setEnabled(enabled);
    for (QWidget* widget : {static_cast<QWidget*>(ui->chkCompanyInclude), static_cast<QWidget*>(ui->cmdSave),
                            static_cast<QWidget*>(ui->cmdDelete), static_cast<QWidget*>(ui->cmdPrintLabel)})
        widget->setEnabled(enabled);
}

void frmEdDelViewContact::showRecord(const ContactBoxes& shown)
{
    writeBoxes(shown);
    if (box(ContactBox::txtACCompany)->text().isEmpty()) {
        ui->lblACCompOnLabel->hide();
        ui->chkCompanyInclude->hide();
    }
}

void frmEdDelViewContact::apply(BrowserResult result)
{
    switch (result.outcome) {
    case BrowserResult::Retry:
        return;
    case BrowserResult::Cancel:
        cmdCancel_Click();
        return;
    case BrowserResult::Deleted: {
        const int picked = ui->cboFindContact->currentIndex();
        if (picked >= 0)
            m_findModel->removeLine(picked);
        clearBoxes();
        ui->cmdCancel->setFocus();
        cmdCancel_Click();
        return;
    }
    case BrowserResult::Done:
    case BrowserResult::Refused:
        break;
    }
    if (result.boxes)
        showRecord(*result.boxes);
    if (result.findList)
        loadFindList(std::move(*result.findList));
    if (result.enableEditing)
        setEditingEnabled(true);
    if (result.reminderWritten)
        m_main.session().reminders.canTurnOff = true;
    if (result.focus)
        box(*result.focus)->setFocus();
    if (result.focusCancel)
        ui->cmdCancel->setFocus();
}

void frmEdDelViewContact::txtACCompany_Change()
{
    // Ticked while a company is typed; the user may clear it once the typing is done.
    ui->lblACCompOnLabel->show();
    ui->chkCompanyInclude->show();
    ui->chkCompanyInclude->setChecked(!box(ContactBox::txtACCompany)->text().isEmpty());
}

void frmEdDelViewContact::cboFindContact_Click(int index)
{
    const int record = findRecordAt(index);
    if (record > 0)
        apply(m_browser.pick(record));
}

void frmEdDelViewContact::cmdFirst_Click()
{
    apply(m_browser.step(BrowserStep::First));
}

void frmEdDelViewContact::cmdPrevious_Click()
{
    apply(m_browser.step(BrowserStep::Previous));
}

void frmEdDelViewContact::cmdNext_Click()
{
    apply(m_browser.step(BrowserStep::Next));
}

void frmEdDelViewContact::cmdLast_Click()
{
    apply(m_browser.step(BrowserStep::Last));
}

void frmEdDelViewContact::cmdSave_Click()
{
    BrowserResult result = m_browser.save(readBoxes(), m_main.session().reminders.remindersOn());
    // The clean-ups show in the boxes whatever the outcome; the record stays on show.
    if (result.boxes)
        writeBoxes(*result.boxes);
    result.boxes.reset();
    apply(std::move(result));
}

void frmEdDelViewContact::cmdDelete_Click()
{
    apply(m_browser.remove());
}

void frmEdDelViewContact::cmdPrintLabel_Click()
{
    m_main.takeComposerLines(this, composerLinesFor(detailsFromBoxes(readBoxes())));
}

void frmEdDelViewContact::mnuEDVPrint_Click()
{
    std::optional<QString> selection;
    if (const auto* edit = qobject_cast<QLineEdit*>(focusWidget()))
        selection = edit->selectedText();
    printContactDetails(m_platform, detailsFromBoxes(readBoxes()), selection);
}

void frmEdDelViewContact::mnuEDVPreview_Click()
{
    previewContactDetails(m_platform, detailsFromBoxes(readBoxes()));
}

void frmEdDelViewContact::cmdCancel_Click()
{
    m_browser.close();
    returnToMain();
}
