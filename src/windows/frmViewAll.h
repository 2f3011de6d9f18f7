#pragma once

#include "print/ContactReport.h"
#include "windows/RecordLinesModel.h"

#include <QMainWindow>
#include <memory>
#include <vector>

class Platform;
class MainWindowLink;
class QRadioButton;
class TabStopDelegate;
namespace Ui {
class frmViewAll;
}

// The contact list: search one field or list all, sorted by first or last name; open a contact
// by double-click, print the list or a label for each listed contact, copy and paste lines.
class frmViewAll : public QMainWindow {
    Q_OBJECT

public:
    // Each line of lstAllContacts carries its record number under this role (0 for a pasted line).
    static constexpr int RecordRole = RecordLinesModel::RecordRole;

    frmViewAll(Platform& platform, MainWindowLink& main, QWidget* parent = nullptr);
    ~frmViewAll() override;

    // Hides the main window and shows this one in its opening state.
    void open();

    // Window state.
    ContactList::SearchMode SearchMode = ContactList::SearchMode::All;
    QString SearchText;
    ContactList::SortOrder SortOrder = ContactList::SortOrder::ByFirstName;

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
    void mnuExportListed_Click();
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
    void connectHandlers();
    QRadioButton* searchOption(ContactList::SearchMode code) const;
    void loadState();
    bool headerFocused() const;
    std::vector<int> selectedLines() const;
    ReportRequest reportRequest() const;
    void closeAndShowMain();

    std::unique_ptr<Ui::frmViewAll> ui; // from frmViewAll.ui
    Platform& m_platform;
    MainWindowLink& m_main;
    RecordLinesModel* m_lines; // what lstAllContacts shows
    TabStopDelegate* m_tabStops;
};
