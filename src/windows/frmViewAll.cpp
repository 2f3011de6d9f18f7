#include "windows/frmViewAll.h"

#include "contacts/ContactSession.h"
#include "windows/MainWindowLink.h"
#include "contacts/ContactList.h"
#include "help/HelpEntries.h"
#include "platform/Platform.h"
#include "platform/TabStops.h"
#include "print/ContactReport.h"
#include "print/ListLabels.h"
#include "print/PrintPreview.h"
#include "windows/TabStopDelegate.h"
#include "windows/WindowFlow.h"
#include "windows/WindowPieces.h"
#include "windows/frmEdDelViewContact.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>


frmViewAll::frmViewAll(Platform& platform, MainWindowLink& main, QWidget* parent)
    : QMainWindow(parent), m_platform(platform), m_main(main)
{
    setObjectName(QStringLiteral("frmViewAll"));
    setWindowFlag(Qt::Window);
    buildControls();
    buildMenus();
    connectHandlers();
    resize(1040, 600);
}

void frmViewAll::buildControls()
{
    auto* central = new QWidget(this);
    setCentralWidget(central);
    auto* layout = new QVBoxLayout(central);

    frSearch = new QGroupBox(QStringLiteral("Search"), central);
    frSearch->setObjectName(QStringLiteral("frSearch"));
    QRadioButton** options[] = {&optSearchFName, &optSearchLName, &optSearchCity, &optSearchState, &optSearchZip,
                                &optSearchEmail, &optSearchCat,   &optSearchAll,  &optSearchCompany};
    const char* names[] = {"optSearchFName", "optSearchLName", "optSearchCity", "optSearchState", "optSearchZip",
                           "optSearchEmail", "optSearchCat",   "optSearchAll",  "optSearchCompany"};
    auto* searchGrid = new QGridLayout(frSearch);
    const auto& searchOptions = ContactList::searchOptions();
    for (int i = 0; i < 9; ++i) {
        *options[i] = new QRadioButton(searchOptions[i].caption, frSearch);
        (*options[i])->setObjectName(QString::fromLatin1(names[i]));
        searchGrid->addWidget(*options[i], i % 3, i / 3);
    }

    frSortOrder = new QGroupBox(central);
    frSortOrder->setObjectName(QStringLiteral("frSortOrder"));
    optLnameSort = new QRadioButton(QStringLiteral("Sort by last name"), frSortOrder);
    optLnameSort->setObjectName(QStringLiteral("optLnameSort"));
    optFnameSort = new QRadioButton(QStringLiteral("Sort by first name"), frSortOrder);
    optFnameSort->setObjectName(QStringLiteral("optFnameSort"));
    auto* sortBox = new QVBoxLayout(frSortOrder);
    sortBox->addWidget(optLnameSort);
    sortBox->addWidget(optFnameSort);

    cmdACGetReport = makeButton(QStringLiteral("cmdACGetReport"), QStringLiteral("Get report"), central);
    cmdACGetReport->setDefault(true);
    cmdPrintLabels = makeButton(QStringLiteral("cmdPrintLabels"), QStringLiteral("Print labels"), central);
    cmdPrintLabels->setToolTip(QStringLiteral("Print a label for each contact in list"));
    cmdViewAllClose = makeButton(QStringLiteral("cmdViewAllClose"), QStringLiteral("Close"), central);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cmdACGetReport);
    buttons->addWidget(cmdPrintLabels);
    buttons->addWidget(cmdViewAllClose);
    buttons->addStretch();

    auto* top = new QHBoxLayout;
    top->addWidget(frSearch);
    top->addWidget(frSortOrder);
    top->addStretch();
    top->addLayout(buttons);
    layout->addLayout(top);

    lblSearchDisplay = new QLabel(central);
    lblSearchDisplay->setObjectName(QStringLiteral("lblSearchDisplay"));
    layout->addWidget(lblSearchDisplay);

    txtViewAllHeader = new QLineEdit(central);
    txtViewAllHeader->setObjectName(QStringLiteral("txtViewAllHeader"));
    QFont headerFont(QStringLiteral("MS Sans Serif"));
    headerFont.setBold(true);
    txtViewAllHeader->setFont(headerFont);
    txtViewAllHeader->setFrame(false);
    layout->addWidget(txtViewAllHeader);

    lstAllContacts = new QListView(central);
    lstAllContactsLines = new RecordLinesModel(lstAllContacts);
    lstAllContacts->setModel(lstAllContactsLines);
    lstAllContacts->setObjectName(QStringLiteral("lstAllContacts"));
    lstAllContacts->setToolTip(QStringLiteral("Double-click contact to view or edit details"));
    lstAllContacts->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lstAllContacts->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstAllContacts->setUniformItemSizes(true);
    QFont listFont(QStringLiteral("MS Sans Serif"));
    listFont.setPointSizeF(9.75);
    lstAllContacts->setFont(listFont);
    m_tabStops = new TabStopDelegate(lstAllContacts);
    lstAllContacts->setItemDelegate(m_tabStops);
    layout->addWidget(lstAllContacts, 1);

    lblTotContacts = new QLabel(central);
    lblTotContacts->setObjectName(QStringLiteral("lblTotContacts"));
    layout->addWidget(lblTotContacts);
}

void frmViewAll::buildMenus()
{
    mnuFile = menuBar()->addMenu(QStringLiteral("File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuPrint = addMenuItem(mnuFile, QStringLiteral("mnuPrint"), QStringLiteral("Print"));
    mnuPrintPreview = addMenuItem(mnuFile, QStringLiteral("mnuPrintPreview"), QStringLiteral("Print Preview"),
                              QKeySequence(QStringLiteral("Ctrl+Shift+P")));
    mnuLabelsPreview = addMenuItem(mnuFile, QStringLiteral("mnuLabelsPreview"), QStringLiteral("Print Labels Preview"),
                               QKeySequence(QStringLiteral("Ctrl+Shift+L")));
    mnuVAEdit = menuBar()->addMenu(QStringLiteral("Edit"));
    mnuVAEdit->setObjectName(QStringLiteral("mnuVAEdit"));
    mnuVAEditCut = addMenuItem(mnuVAEdit, QStringLiteral("mnuVAEditCut"), QStringLiteral("Cut"), QKeySequence(QStringLiteral("Ctrl+X")));
    mnuVAEditCopy = addMenuItem(mnuVAEdit, QStringLiteral("mnuVAEditCopy"), QStringLiteral("Copy"), QKeySequence(QStringLiteral("Ctrl+C")));
    mnuVAEditPaste = addMenuItem(mnuVAEdit, QStringLiteral("mnuVAEditPaste"), QStringLiteral("Paste"), QKeySequence(QStringLiteral("Ctrl+V")));
    mnuVAEditSelAll = addMenuItem(mnuVAEdit, QStringLiteral("mnuVAEditSelAll"), QStringLiteral("Select All"), QKeySequence(QStringLiteral("Ctrl+A")));
    mnuVAHelp = menuBar()->addMenu(QStringLiteral("Help"));
    mnuVAHelp->setObjectName(QStringLiteral("mnuVAHelp"));
    mnuVAManual = addMenuItem(mnuVAHelp, QStringLiteral("mnuVAManual"), QStringLiteral("User Manual"), QKeySequence(Qt::Key_F1));
    mnuVAAbout = addMenuItem(mnuVAHelp, QStringLiteral("mnuVAAbout"), QStringLiteral("About Tessaprint"));
}

void frmViewAll::connectHandlers()
{
    const QRadioButton* searchFields[] = {optSearchFName, optSearchLName, optSearchCity, optSearchState,
                                          optSearchZip,   optSearchEmail, optSearchCat};
    for (int code = 0; code < 7; ++code)
        connect(searchFields[code], &QRadioButton::clicked, this,
                [this, code] { optSearch_Click(static_cast<ContactList::SearchMode>(code)); });
    connect(optSearchCompany, &QRadioButton::clicked, this,
            [this] { optSearch_Click(ContactList::SearchMode::Company); });
    connect(optSearchAll, &QRadioButton::clicked, this, &frmViewAll::optSearchAll_Click);
    connect(optFnameSort, &QRadioButton::clicked, this, &frmViewAll::optFnameSort_Click);
    connect(optLnameSort, &QRadioButton::clicked, this, &frmViewAll::optLnameSort_Click);
    connect(cmdACGetReport, &QPushButton::clicked, this, &frmViewAll::cmdACGetReport_Click);
    connect(lstAllContacts, &QListView::doubleClicked, this, &frmViewAll::lstAllContacts_DblClick);
    connect(cmdPrintLabels, &QPushButton::clicked, this, &frmViewAll::cmdPrintLabels_Click);
    connect(cmdViewAllClose, &QPushButton::clicked, this, &frmViewAll::cmdViewAllClose_Click);
    connect(mnuPrint, &QAction::triggered, this, &frmViewAll::mnuPrint_Click);
    connect(mnuPrintPreview, &QAction::triggered, this, &frmViewAll::mnuPrintPreview_Click);
    connect(mnuLabelsPreview, &QAction::triggered, this, &frmViewAll::mnuLabelsPreview_Click);
    connect(mnuVAEdit, &QMenu::aboutToShow, this, &frmViewAll::mnuVAEdit_Click);
    connect(mnuVAEditCut, &QAction::triggered, this, &frmViewAll::mnuVAEditCut_Click);
    connect(mnuVAEditCopy, &QAction::triggered, this, &frmViewAll::mnuVAEditCopy_Click);
    connect(mnuVAEditPaste, &QAction::triggered, this, &frmViewAll::mnuVAEditPaste_Click);
    connect(mnuVAEditSelAll, &QAction::triggered, this, &frmViewAll::mnuVAEditSelAll_Click);
    connectHelp(mnuVAManual, mnuVAAbout, this, m_platform);
}

void frmViewAll::open()
{
    m_main.handOverTo(this);
    loadState();
    frSearch->show();
    chooseOption(optSearchAll);
    chooseOption(optFnameSort);
}

void frmViewAll::loadState()
{
    lstAllContactsLines->clear();
    mnuPrint->setEnabled(false);
    mnuPrintPreview->setEnabled(false);
    setWindowTitle(captionWithFile(QStringLiteral("All Contacts"), m_main.session().txtFileTitle));
    txtViewAllHeader->clear();
    txtViewAllHeader->show();
    lstAllContacts->show();
    cmdACGetReport->setEnabled(true);
    cmdPrintLabels->setEnabled(false);
    mnuLabelsPreview->setEnabled(false);
    frSortOrder->show();
    lblSearchDisplay->clear();
    lblSearchDisplay->hide();
    lblTotContacts->clear();
    SearchText.clear();
    SearchMode = ContactList::SearchMode::All;
    SortOrder = ContactList::SortOrder::ByFirstName;
    cmdACGetReport->setFocus();
}

void frmViewAll::optSearch_Click(ContactList::SearchMode code)
{
    const QRadioButton* option = code == ContactList::SearchMode::Company ? optSearchCompany : nullptr;
    if (!option) {
        const QRadioButton* fields[] = {optSearchFName, optSearchLName, optSearchCity, optSearchState,
                                        optSearchZip,   optSearchEmail, optSearchCat};
        option = fields[static_cast<int>(code)];
    }
    if (option->isChecked())
        SearchMode = code;
    SearchText = ContactList::askSearchText(m_platform, code);
    lblSearchDisplay->setText(SearchText);
    lblSearchDisplay->show();
    cmdACGetReport->setFocus();
}

void frmViewAll::optSearchAll_Click()
{
    if (optSearchAll->isChecked())
        SearchMode = ContactList::SearchMode::All;
    lblSearchDisplay->hide();
}

void frmViewAll::optFnameSort_Click()
{
    if (optFnameSort->isChecked())
        SortOrder = ContactList::SortOrder::ByFirstName;
    cmdACGetReport->setFocus();
}

void frmViewAll::optLnameSort_Click()
{
    if (optLnameSort->isChecked())
        SortOrder = ContactList::SortOrder::ByLastName;
    cmdACGetReport->setFocus();
}

void frmViewAll::cmdACGetReport_Click()
{
    m_tabStops->setTabStops({});
    m_tabStops->setTabStops(TabStops::listStops);
    frSearch->hide();
    frSortOrder->hide();
    lstAllContacts->viewport()->update();
    txtViewAllHeader->show();
    QFont headerFont = txtViewAllHeader->font();
    headerFont.setPointSizeF(12);
    txtViewAllHeader->setFont(headerFont);
    txtViewAllHeader->setText(ContactList::heading());
    txtViewAllHeader->setCursorPosition(0);

    ContactList::ListingResult result =
        ContactList::getReport(m_platform, m_main.session(), {SearchMode, SearchText, SortOrder});
    if (result.outcome == ContactList::ListingResult::Retry)
        return;
    if (result.outcome == ContactList::ListingResult::Cancel)
        return closeAndShowMain();

    lstAllContactsLines->append(std::move(result.lines));

    lblSearchDisplay->setVisible(result.searchDisplayVisible);
    lblSearchDisplay->setText(result.searchDisplay);
    cmdPrintLabels->setEnabled(true);
    mnuLabelsPreview->setEnabled(true);
    lblTotContacts->show();
    lblTotContacts->setText(result.totalCaption);
    mnuPrint->setEnabled(true);
    mnuPrintPreview->setEnabled(true);
    cmdViewAllClose->setFocus();
    if (result.outcome == ContactList::ListingResult::Listed)
        cmdACGetReport->setEnabled(false);
}

void frmViewAll::lstAllContacts_DblClick()
{
    const QModelIndex current = lstAllContacts->currentIndex();
    if (!current.isValid())
        return;
    const ContactList::OpenedContact opened =
        ContactList::openListedContact(m_platform, m_main.session(), current.data(RecordRole).toInt(),
                                       current.data(Qt::DisplayRole).toString());
    if (opened.outcome == ContactList::OpenedContact::Retry)
        return;
    if (opened.outcome == ContactList::OpenedContact::Cancel)
        return closeAndShowMain();
    lstAllContactsLines->clear();
    frmEdDelViewContact* browser = m_main.contactBrowser();
    showInstead(this, browser);
    browser->openOnRecord(m_main.session().CurrentRecord, opened.record);
    close();
}

ReportRequest frmViewAll::reportRequest() const
{
    ReportRequest request;
    request.lines = lstAllContactsLines->texts();
    request.selected = selectedLines();
    request.headingSelection = txtViewAllHeader->selectedText();
    request.headingFocused = headerFocused();
    request.fileTitle = m_main.session().txtFileTitle;
    return request;
}

void frmViewAll::cmdPrintLabels_Click()
{
    ContactFile& file = m_main.session().file;
    printListLabels(m_platform, lstAllContactsLines->records(), [&file](int record) { return file.read(record); });
    cmdViewAllClose->setFocus();
}

void frmViewAll::mnuLabelsPreview_Click()
{
    ContactFile& file = m_main.session().file;
    previewListLabels(m_platform, lstAllContactsLines->records(), [&file](int record) { return file.read(record); });
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
    lstAllContactsLines->clear();
    m_main.returnHere(this);
    close();
}

void frmViewAll::closeEvent(QCloseEvent* event)
{
    lstAllContactsLines->clear();
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
    // Enter presses the focused button, else the default one.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (auto* button = qobject_cast<QPushButton*>(focusWidget()); button && button->isEnabled())
            return button->click();
        if (cmdACGetReport->isEnabled() && cmdACGetReport->isVisible())
            return cmdACGetReport->click();
    }
    QMainWindow::keyPressEvent(event);
}

bool frmViewAll::headerFocused() const
{
    return focusWidget() == txtViewAllHeader;
}

std::vector<int> frmViewAll::selectedLines() const
{
    std::vector<int> indexes;
    for (const QModelIndex& index : lstAllContacts->selectionModel()->selectedIndexes())
        indexes.push_back(index.row());
    std::sort(indexes.begin(), indexes.end());
    return indexes;
}

void frmViewAll::mnuVAEdit_Click()
{
    mnuVAEditCut->setEnabled(true);
    mnuVAEditCopy->setEnabled(true);
    if (headerFocused() && !txtViewAllHeader->hasSelectedText()) {
        mnuVAEditCut->setEnabled(false);
        mnuVAEditCopy->setEnabled(false);
    }
}

void frmViewAll::mnuVAEditCopy_Click()
{
    m_platform.clearClipboard();
    if (headerFocused())
        m_platform.setClipboardText(txtViewAllHeader->selectedText());
    else
        m_platform.setClipboardText(ContactList::clipboardText(lstAllContactsLines->texts(), selectedLines()));
}

void frmViewAll::mnuVAEditCut_Click()
{
    m_platform.clearClipboard();
    if (headerFocused()) {
        m_platform.setClipboardText(txtViewAllHeader->selectedText());
        if (txtViewAllHeader->hasSelectedText())
            txtViewAllHeader->del();
        return;
    }
    const std::vector<int> selected = selectedLines();
    const QString text = ContactList::clipboardText(lstAllContactsLines->texts(), selected);
    for (auto it = selected.rbegin(); it != selected.rend(); ++it)
        lstAllContactsLines->removeLine(*it);
    m_platform.setClipboardText(text);
}

void frmViewAll::mnuVAEditPaste_Click()
{
    const QString clipboard = m_platform.clipboardText();
    if (headerFocused()) {
        txtViewAllHeader->insert(clipboard);
        return;
    }
    QStringList texts = lstAllContactsLines->texts();
    for (const QString& line : ContactList::pastedLines(clipboard)) {
        const int at = ContactList::sortedPosition(texts, line);
        texts.insert(at, line);
        lstAllContactsLines->insertLine(at, {line, 0});
    }
}

void frmViewAll::mnuVAEditSelAll_Click()
{
    if (headerFocused()) {
        txtViewAllHeader->setFocus();
        txtViewAllHeader->selectAll();
    } else {
        lstAllContacts->selectAll();
    }
}
