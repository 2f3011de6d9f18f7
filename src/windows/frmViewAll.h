#pragma once

#include "print/ContactReport.h"
#include "windows/RecordLinesModel.h"

#include <QMainWindow>
#include <vector>

class Platform;
class MainWindowLink;
class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QMenu;
class QPushButton;
class QRadioButton;
class TabStopDelegate;

// The contact list: search one field or list all, sorted by first or last name; open a contact
// by double-click, print the list or a label for each listed contact, copy and paste lines.
class frmViewAll : public QMainWindow {
    Q_OBJECT

public:
    // Each line of lstAllContacts carries its record number under this role (0 for a pasted line).
    static constexpr int RecordRole = RecordLinesModel::RecordRole;

    frmViewAll(Platform& platform, MainWindowLink& main, QWidget* parent = nullptr);

    // Hides the main window and shows this one in its opening state.
    void open();

    QGroupBox* frSearch;
    QRadioButton* optSearchFName;
    QRadioButton* optSearchLName;
    QRadioButton* optSearchCity;
    QRadioButton* optSearchState;
    QRadioButton* optSearchZip;
    QRadioButton* optSearchEmail;
    QRadioButton* optSearchCat;
    QRadioButton* optSearchAll;
    QRadioButton* optSearchCompany;
    QGroupBox* frSortOrder;
    QRadioButton* optLnameSort;
    QRadioButton* optFnameSort;
    QPushButton* cmdACGetReport;
    QPushButton* cmdPrintLabels;
    QPushButton* cmdViewAllClose;
    QLineEdit* txtViewAllHeader;
    QListView* lstAllContacts;
    RecordLinesModel* lstAllContactsLines; // what lstAllContacts shows
    QLabel* lblSearchDisplay;
    QLabel* lblTotContacts;

    QMenu* mnuFile;
    QAction* mnuPrint;
    QAction* mnuPrintPreview;
    QAction* mnuLabelsPreview;
    QMenu* mnuVAEdit;
    QAction* mnuVAEditCut;
    QAction* mnuVAEditCopy;
    QAction* mnuVAEditPaste;
    QAction* mnuVAEditSelAll;
    QMenu* mnuVAHelp;
    QAction* mnuVAManual;
    QAction* mnuVAAbout;

    // Window state.
    ContactList::SearchMode SearchMode = ContactList::SearchMode::All;
    QString SearchText;
    ContactList::SortOrder SortOrder = ContactList::SortOrder::ByFirstName;

    TabStopDelegate* listTabStops() const { return m_tabStops; }

public slots:
    void optSearch_Click(ContactList::SearchMode code);
    void optSearchAll_Click();
    void optFnameSort_Click();
    void optLnameSort_Click();
    void cmdACGetReport_Click();
    void lstAllContacts_DblClick();
    void cmdPrintLabels_Click();
    void mnuPrint_Click();
    void mnuPrintPreview_Click();
    void mnuLabelsPreview_Click();
    void cmdViewAllClose_Click();
    void mnuVAEdit_Click();
    void mnuVAEditCut_Click();
    void mnuVAEditCopy_Click();
    void mnuVAEditPaste_Click();
    void mnuVAEditSelAll_Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls();
    void buildMenus();
    void connectHandlers();
    void loadState();
    bool headerFocused() const;
    std::vector<int> selectedLines() const;
    ReportRequest reportRequest() const;
    void closeAndShowMain();

    Platform& m_platform;
    MainWindowLink& m_main;
    TabStopDelegate* m_tabStops;
};
