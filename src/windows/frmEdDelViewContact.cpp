#include "windows/frmEdDelViewContact.h"

#include "contacts/ContactSession.h"
#include "windows/MainWindowLink.h"
#include "help/HelpEntries.h"
#include "print/ContactDetailsPrintout.h"
#include "print/PrintPreview.h"
#include "windows/RecordLinesModel.h"
#include "windows/WindowFlow.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

frmEdDelViewContact::frmEdDelViewContact(Platform& platform, MainWindowLink& main, QWidget* parent)
    : ContactFieldsWindow(platform, main, parent), m_browser(platform, main.session())
{
    setObjectName(QStringLiteral("frmEdDelViewContact"));
    QWidget* central = centralWidget();

    cboFindContact = new QComboBox(central);
    cboFindContact->setObjectName(QStringLiteral("cboFindContact"));
    cboFindContact->setPlaceholderText(QStringLiteral("Select Contact"));
    cboFindContact->setMinimumWidth(fontMetrics().averageCharWidth() * 34);
    cboFindContact->setMaxVisibleItems(20);
    // Entries are moved in at once; a combo box's own model makes an item per entry.
    m_findModel = new RecordLinesModel(cboFindContact);
    cboFindContact->setModel(m_findModel);

    lblACCompOnLabel = new QLabel(QStringLiteral("Include Company Name in Address?"), central);
    lblACCompOnLabel->setObjectName(QStringLiteral("lblACCompOnLabel"));
    chkCompanyInclude = new QCheckBox(central);
    chkCompanyInclude->setObjectName(QStringLiteral("chkCompanyInclude"));
    chkCompanyInclude->setToolTip(QStringLiteral("If checked, Company Name will be included when printing address"));
    lblACCompOnLabel->setBuddy(chkCompanyInclude);

    cmdFirst = makeWindowButton(QStringLiteral("cmdFirst"), QStringLiteral("|<"),
                                QStringLiteral("Jump to first contact in file"), central);
    cmdPrevious = makeWindowButton(QStringLiteral("cmdPrevious"), QStringLiteral("<"), QStringLiteral("Previous contact"),
                                   central);
    cmdNext = makeWindowButton(QStringLiteral("cmdNext"), QStringLiteral(">"), QStringLiteral("Next contact"), central);
    cmdLast = makeWindowButton(QStringLiteral("cmdLast"), QStringLiteral(">|"),
                               QStringLiteral("Jump to last contact in file"), central);
    cmdSave = makeWindowButton(QStringLiteral("cmdSave"), QStringLiteral("Save changes"), QString(), central);
    cmdDelete = makeWindowButton(QStringLiteral("cmdDelete"), QStringLiteral("Delete contact"), QString(), central);
    cmdPrintLabel = makeWindowButton(QStringLiteral("cmdPrintLabel"), QStringLiteral("Print Label"), QString(), central);
    cmdCancel = makeWindowButton(QStringLiteral("cmdCancel"), QStringLiteral("Close"),
                                 QStringLiteral("Return to main screen"), central);

    auto* layout = new QVBoxLayout(central);
    auto* find = new QHBoxLayout;
    find->addStretch();
    find->addWidget(cboFindContact);
    find->addStretch();
    layout->addLayout(find);
    layout->addSpacing(6);
    layout->addLayout(buildFieldRows(lblACCompOnLabel, chkCompanyInclude));
    auto* navigation = new QHBoxLayout;
    navigation->addWidget(cmdFirst);
    navigation->addWidget(cmdPrevious);
    navigation->addStretch();
    navigation->addWidget(cmdNext);
    navigation->addWidget(cmdLast);
    layout->addSpacing(8);
    layout->addLayout(navigation);
    auto* commands = new QHBoxLayout;
    commands->addStretch();
    for (QPushButton* button : {cmdSave, cmdDelete, cmdPrintLabel, cmdCancel})
        commands->addWidget(button);
    commands->addStretch();
    layout->addLayout(commands);

    mnuEDVFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuEDVFile->setObjectName(QStringLiteral("mnuEDVFile"));
    mnuEDVPrint = mnuEDVFile->addAction(QStringLiteral("Print"));
    mnuEDVPrint->setObjectName(QStringLiteral("mnuEDVPrint"));
    mnuEDVPrint->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    mnuEDVPreview = mnuEDVFile->addAction(QStringLiteral("Print Preview"));
    mnuEDVPreview->setObjectName(QStringLiteral("mnuEDVPreview"));
    mnuEDVPreview->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    buildEditMenu(QStringLiteral("mnuEDV"));
    mnuEDVHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuEDVHelp->setObjectName(QStringLiteral("mnuEDVHelp"));
    mnuEDVManual = mnuEDVHelp->addAction(QStringLiteral("User Manual"));
    mnuEDVManual->setObjectName(QStringLiteral("mnuEDVManual"));
    mnuEDVManual->setShortcut(QKeySequence(Qt::Key_F1));
    mnuEDVAbout = mnuEDVHelp->addAction(QStringLiteral("About Tessaprint"));
    mnuEDVAbout->setObjectName(QStringLiteral("mnuEDVAbout"));

    QList<QWidget*> chain{cboFindContact};
    chain.append(QList<QWidget*>(boxes().begin(), boxes().end()));
    chain << chkCompanyInclude << cmdFirst << cmdPrevious << cmdNext << cmdLast << cmdSave << cmdDelete
          << cmdPrintLabel << cmdCancel << cmdStateAbb << cmdPeopleFind << cmdZipFinder;
    chainTabOrder(chain);

    connect(cboFindContact, &QComboBox::activated, this, &frmEdDelViewContact::cboFindContact_Click);
    connect(cmdFirst, &QPushButton::clicked, this, &frmEdDelViewContact::cmdFirst_Click);
    connect(cmdPrevious, &QPushButton::clicked, this, &frmEdDelViewContact::cmdPrevious_Click);
    connect(cmdNext, &QPushButton::clicked, this, &frmEdDelViewContact::cmdNext_Click);
    connect(cmdLast, &QPushButton::clicked, this, &frmEdDelViewContact::cmdLast_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmEdDelViewContact::cmdSave_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &frmEdDelViewContact::cmdDelete_Click);
    connect(cmdPrintLabel, &QPushButton::clicked, this, &frmEdDelViewContact::cmdPrintLabel_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmEdDelViewContact::cmdCancel_Click);
    connect(mnuEDVPrint, &QAction::triggered, this, &frmEdDelViewContact::mnuEDVPrint_Click);
    connect(mnuEDVPreview, &QAction::triggered, this, &frmEdDelViewContact::mnuEDVPreview_Click);
    connectHelp(mnuEDVManual, mnuEDVAbout, this, m_platform);

    resetForLoad();
}

void frmEdDelViewContact::resetForLoad()
{
    // The window is kept between openings; each opening starts as a fresh one.
    clearBoxes();
    lblACCompOnLabel->hide();
    chkCompanyInclude->hide();
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
    cboFindContact->setFocus();
}

void frmEdDelViewContact::openOnRecord(int recordNumber, const Contact& record)
{
    setCaption(QStringLiteral("Contact Information"));
    resetForLoad();
    apply(m_browser.openOnRecord(recordNumber, record));
    cboFindContact->setFocus();
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
    cboFindContact->setCurrentIndex(-1);
}

void frmEdDelViewContact::setEditingEnabled(bool enabled)
{
    for (QLineEdit* edit : boxes())
        edit->setEnabled(enabled);
    for (QWidget* widget : {static_cast<QWidget*>(chkCompanyInclude), static_cast<QWidget*>(cmdSave),
                            static_cast<QWidget*>(cmdDelete), static_cast<QWidget*>(cmdPrintLabel)})
        widget->setEnabled(enabled);
}

void frmEdDelViewContact::showRecord(const ContactBoxes& shown)
{
    writeBoxes(shown);
    if (txtACCompany->text().isEmpty()) {
        lblACCompOnLabel->hide();
        chkCompanyInclude->hide();
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
        const int picked = cboFindContact->currentIndex();
        if (picked >= 0)
            m_findModel->removeLine(picked);
        clearBoxes();
        cmdCancel->setFocus();
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
        cmdCancel->setFocus();
}

void frmEdDelViewContact::txtACCompany_Change()
{
    // Ticked while a company is typed; the user may clear it once the typing is done.
    lblACCompOnLabel->show();
    chkCompanyInclude->show();
    chkCompanyInclude->setChecked(!txtACCompany->text().isEmpty());
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
