#include "windows/frmViewAll.h"

#include "contacts/ContactList.h"
#include "contacts/ContactSession.h"
#include "exchange/ContactExport.h"
#include "help/HelpEntries.h"
#include "platform/Platform.h"
#include "platform/TabStops.h"
#include "print/ContactReport.h"
#include "print/ListLabels.h"
#include "print/PrintPreview.h"
#include "ui_frmViewAll.h"
#include "windows/MainWindowLink.h"
#include "windows/TabStopDelegate.h"
#include "windows/WindowFlow.h"
#include "windows/WindowPieces.h"
#include "windows/frmEdDelViewContact.h"

#include <QKeyEvent>

#include <algorithm>

frmViewAll::frmViewAll(Platform& platform, MainWindowLink& main, QWidget* parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::frmViewAll>()), m_platform(platform), m_main(main)
{
    ui->setupUi(this);
    setWindowFlag(Qt::Window);
    applyFormHints(this);
    m_lines = new RecordLinesModel(ui->lstAllContacts);
    ui->lstAllContacts->setModel(m_lines);
    m_tabStops = new TabStopDelegate(ui->lstAllContacts);
    ui->lstAllContacts->setItemDelegate(m_tabStops);
    connectHandlers();
    closeOnEscape(this);
}

frmViewAll::~frmViewAll() = default;

QRadioButton* frmViewAll::searchOption(ContactList::SearchMode code) const
{
    QRadioButton* const options[]
        = {ui->optSearchFName, ui->optSearchLName, ui->optSearchCity, ui->optSearchState,  ui->optSearchZip,
           ui->optSearchEmail, ui->optSearchCat,   ui->optSearchAll,  ui->optSearchCompany};
    return options[static_cast<int>(code)];
}

void frmViewAll::connectHandlers()
{
    for (const auto mode :
         {ContactList::SearchMode::FirstName, ContactList::SearchMode::LastName, ContactList::SearchMode::City,
          ContactList::SearchMode::State, ContactList::SearchMode::Zip, ContactList::SearchMode::Email,
          ContactList::SearchMode::Category, ContactList::SearchMode::Company})
        connect(searchOption(mode), &QRadioButton::clicked, this, [this, mode] { optSearch_Click(mode); });
    connect(ui->optSearchAll, &QRadioButton::clicked, this, &frmViewAll::optSearchAll_Click);
    connect(ui->optFnameSort, &QRadioButton::clicked, this, &frmViewAll::optFnameSort_Click);
    connect(ui->optLnameSort, &QRadioButton::clicked, this, &frmViewAll::optLnameSort_Click);
    connect(ui->cmdACGetReport, &QPushButton::clicked, this, &frmViewAll::cmdACGetReport_Click);
    connect(ui->lstAllContacts, &QListView::doubleClicked, this, &frmViewAll::lstAllContacts_DblClick);
    connect(ui->cmdPrintLabels, &QPushButton::clicked, this, &frmViewAll::cmdPrintLabels_Click);
    connect(ui->cmdViewAllClose, &QPushButton::clicked, this, &frmViewAll::cmdViewAllClose_Click);
    connect(ui->mnuPrint, &QAction::triggered, this, &frmViewAll::mnuPrint_Click);
    connect(ui->mnuPrintPreview, &QAction::triggered, this, &frmViewAll::mnuPrintPreview_Click);
    connect(ui->mnuLabelsPreview, &QAction::triggered, this, &frmViewAll::mnuLabelsPreview_Click);
    connect(ui->mnuExportListed, &QAction::triggered, this, &frmViewAll::mnuExportListed_Click);
    connect(ui->mnuVAEdit, &QMenu::aboutToShow, this, &frmViewAll::mnuVAEdit_Click);
    connect(ui->mnuVAEditCut, &QAction::triggered, this, &frmViewAll::mnuVAEditCut_Click);
    connect(ui->mnuVAEditCopy, &QAction::triggered, this, &frmViewAll::mnuVAEditCopy_Click);
    connect(ui->mnuVAEditPaste, &QAction::triggered, this, &frmViewAll::mnuVAEditPaste_Click);
    connect(ui->mnuVAEditSelAll, &QAction::triggered, this, &frmViewAll::mnuVAEditSelAll_Click);
    connectHelp(ui->mnuVAManual, ui->mnuVAAbout, this, m_platform);
}

void frmViewAll::open()
{
    m_main.handOverTo(this);
    loadState();
    ui->frSearch->show();
    chooseOption(ui->optSearchAll);
    chooseOption(ui->optFnameSort);
}

void frmViewAll::loadState()
{
    m_lines->clear();
    ui->mnuPrint->setEnabled(false);
    ui->mnuPrintPreview->setEnabled(false);
    setWindowTitle(captionWithFile(QStringLiteral("All Contacts"), m_main.session().txtFileTitle));
    ui->txtViewAllHeader->clear();
    ui->txtViewAllHeader->show();
    ui->lstAllContacts->show();
    ui->cmdACGetReport->setEnabled(true);
    ui->cmdPrintLabels->setEnabled(false);
    ui->mnuLabelsPreview->setEnabled(false);
    ui->mnuExportListed->setEnabled(false);
    ui->frSortOrder->show();
    ui->lblSearchDisplay->clear();
    ui->lblSearchDisplay->hide();
    ui->lblTotContacts->clear();
    SearchText.clear();
    SearchMode = ContactList::SearchMode::All;
    SortOrder = ContactList::SortOrder::ByFirstName;
    ui->cmdACGetReport->setFocus();
}

void frmViewAll::optSearch_Click(ContactList::SearchMode code)
{
    if (searchOption(code)->isChecked())
        SearchMode = code;
    SearchText = ContactList::askSearchText(m_platform, code);
    ui->lblSearchDisplay->setText(SearchText);
    ui->lblSearchDisplay->show();
    ui->cmdACGetReport->setFocus();
}

void frmViewAll::optSearchAll_Click()
{
    if (ui->optSearchAll->isChecked())
        SearchMode = ContactList::SearchMode::All;
    ui->lblSearchDisplay->hide();
}

void frmViewAll::optFnameSort_Click()
{
    if (ui->optFnameSort->isChecked())
        SortOrder = ContactList::SortOrder::ByFirstName;
    ui->cmdACGetReport->setFocus();
}

void frmViewAll::optLnameSort_Click()
{
    if (ui->optLnameSort->isChecked())
        SortOrder = ContactList::SortOrder::ByLastName;
    ui->cmdACGetReport->setFocus();
}

void frmViewAll::cmdACGetReport_Click()
{
    m_tabStops->setTabStops({});
    m_tabStops->setTabStops(TabStops::listStops);
    ui->frSearch->hide();
    ui->frSortOrder->hide();
    ui->lstAllContacts->viewport()->update();
    ui->txtViewAllHeader->show();
    QFont headerFont = ui->txtViewAllHeader->font();
    headerFont.setPointSizeF(12);
    ui->txtViewAllHeader->setFont(headerFont);
    ui->txtViewAllHeader->setText(ContactList::heading());
    ui->txtViewAllHeader->setCursorPosition(0);

    ContactList::ListingResult result =
        ContactList::getReport(m_platform, m_main.session(), {SearchMode, SearchText, SortOrder});
    if (result.outcome == ContactList::ListingResult::Retry)
        return;
    if (result.outcome == ContactList::ListingResult::Cancel)
        return closeAndShowMain();

    m_lines->append(std::move(result.lines));

    ui->lblSearchDisplay->setVisible(result.searchDisplayVisible);
    ui->lblSearchDisplay->setText(result.searchDisplay);
    ui->cmdPrintLabels->setEnabled(true);
    ui->mnuLabelsPreview->setEnabled(true);
    ui->mnuExportListed->setEnabled(true);
    ui->lblTotContacts->show();
    ui->lblTotContacts->setText(result.totalCaption);
    announce(ui->lblTotContacts);
    ui->mnuPrint->setEnabled(true);
    ui->mnuPrintPreview->setEnabled(true);
    ui->cmdViewAllClose->setFocus();
    if (result.outcome == ContactList::ListingResult::Listed)
        ui->cmdACGetReport->setEnabled(false);
}

void frmViewAll::lstAllContacts_DblClick()
{
    const QModelIndex current = ui->lstAllContacts->currentIndex();
    if (!current.isValid())
        return;
    const ContactList::OpenedContact opened =
        ContactList::openListedContact(m_platform, m_main.session(), current.data(RecordRole).toInt(),
                                       current.data(Qt::DisplayRole).toString());
    if (opened.outcome == ContactList::OpenedContact::Retry)
        return;
    if (opened.outcome == ContactList::OpenedContact::Cancel)
        return closeAndShowMain();
    m_lines->clear();
    frmEdDelViewContact* browser = m_main.contactBrowser();
    showInstead(this, browser);
    browser->openOnRecord(m_main.session().CurrentRecord, opened.record);
    close();
}

ReportRequest frmViewAll::reportRequest() const
{
    ReportRequest request;
    request.lines = m_lines->texts();
    request.selected = selectedLines();
    request.headingSelection = ui->txtViewAllHeader->selectedText();
    request.headingFocused = headerFocused();
    request.fileTitle = m_main.session().txtFileTitle;
    return request;
}

void frmViewAll::cmdPrintLabels_Click()
{
    ContactFile& file = m_main.session().file;
    printListLabels(m_platform, m_lines->records(), [&file](int record) { return file.read(record); });
    ui->cmdViewAllClose->setFocus();
}

void frmViewAll::mnuLabelsPreview_Click()
{
    ContactFile& file = m_main.session().file;
    previewListLabels(m_platform, m_lines->records(), [&file](int record) { return file.read(record); });
}

void frmViewAll::mnuExportListed_Click()
{
    const std::vector<int> listed = m_lines->records();
    ExportRequest request{ExportKind::VCard, m_main.session().txtFileNam};
    request.records = QVector<int>(listed.begin(), listed.end());
    BusyCursor busy;
    exportContacts(m_platform, m_main.session().file, request);
}

void frmViewAll::mnuPrint_Click()
{
    printContactReport(m_platform, reportRequest());
}

void frmViewAll::mnuPrintPreview_Click()
{
    previewContactReport(m_platform, reportRequest());
}

void frmViewAll::cmdViewAllClose_Click()
{
    closeAndShowMain();
}

void frmViewAll::closeAndShowMain()
{
    // The main window takes over even with a contact current, so two windows never show at once.
    m_lines->clear();
    m_main.returnHere(this);
    close();
}

void frmViewAll::closeEvent(QCloseEvent* event)
{
    m_lines->clear();
    event->accept();
    if (!isVisible())
        return;
    if (m_main.session().CurrentRecord != 0)
        showInstead(this, m_main.contactBrowser());
    else
        m_main.returnHere(this);
}

void frmViewAll::keyPressEvent(QKeyEvent* event)
{
    // Enter on a line opens its contact, as a double-click does; else it presses the focused
    // button, else the default one.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (focusWidget() == ui->lstAllContacts && ui->lstAllContacts->currentIndex().isValid())
            return lstAllContacts_DblClick();
        if (auto* button = qobject_cast<QPushButton*>(focusWidget()); button && button->isEnabled())
            return button->click();
        if (ui->cmdACGetReport->isEnabled() && ui->cmdACGetReport->isVisible())
            return ui->cmdACGetReport->click();
    }
    QMainWindow::keyPressEvent(event);
}

bool frmViewAll::headerFocused() const
{
    return focusWidget() == ui->txtViewAllHeader;
}

std::vector<int> frmViewAll::selectedLines() const
{
    std::vector<int> indexes;
    for (const QModelIndex& index : ui->lstAllContacts->selectionModel()->selectedIndexes())
        indexes.push_back(index.row());
    std::sort(indexes.begin(), indexes.end());
    return indexes;
}

void frmViewAll::mnuVAEdit_Click()
{
    ui->mnuVAEditCut->setEnabled(true);
    ui->mnuVAEditCopy->setEnabled(true);
    if (headerFocused() && !ui->txtViewAllHeader->hasSelectedText()) {
        ui->mnuVAEditCut->setEnabled(false);
        ui->mnuVAEditCopy->setEnabled(false);
    }
}

void frmViewAll::mnuVAEditCopy_Click()
{
    m_platform.clearClipboard();
    if (headerFocused())
        m_platform.setClipboardText(ui->txtViewAllHeader->selectedText());
    else
        m_platform.setClipboardText(ContactList::clipboardText(m_lines->texts(), selectedLines()));
}

void frmViewAll::mnuVAEditCut_Click()
{
    m_platform.clearClipboard();
    if (headerFocused()) {
        m_platform.setClipboardText(ui->txtViewAllHeader->selectedText());
        if (ui->txtViewAllHeader->hasSelectedText())
            ui->txtViewAllHeader->del();
        return;
    }
    const std::vector<int> selected = selectedLines();
    const QString text = ContactList::clipboardText(m_lines->texts(), selected);
    for (auto it = selected.rbegin(); it != selected.rend(); ++it)
        m_lines->removeLine(*it);
    m_platform.setClipboardText(text);
}

void frmViewAll::mnuVAEditPaste_Click()
{
    const QString clipboard = m_platform.clipboardText();
    if (headerFocused()) {
        ui->txtViewAllHeader->insert(clipboard);
        return;
    }
    QStringList texts = m_lines->texts();
    for (const QString& line : ContactList::pastedLines(clipboard)) {
        const int at = ContactList::sortedPosition(texts, line);
        texts.insert(at, line);
        m_lines->insertLine(at, {line, 0});
    }
}

void frmViewAll::mnuVAEditSelAll_Click()
{
    if (headerFocused()) {
        ui->txtViewAllHeader->setFocus();
        ui->txtViewAllHeader->selectAll();
    } else {
        ui->lstAllContacts->selectAll();
    }
}
