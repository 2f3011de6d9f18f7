#pragma once

#include "contacts/ContactBrowser.h"
#include "windows/ContactFieldsWindow.h"

#include <QVector>
#include <memory>

class RecordLinesModel;
namespace Ui {
class frmEdDelViewContact;
}

// The contact browser: one contact of the open file at a time, picked by name or stepped to,
// edited, saved, deleted. CurrentRecord (the session's) is the record on show.
class frmEdDelViewContact : public ContactFieldsWindow {
    Q_OBJECT

public:
    frmEdDelViewContact(Platform& platform, MainWindowLink& main, QWidget* parent = nullptr);
    ~frmEdDelViewContact() override;

    // Window load: the main window hides, this one shows with empty boxes, the find list
    // loaded and focused, editing disabled until a contact is picked.
    void open();
    // Shows record `recordNumber` read elsewhere (the contact list's double-click, after it has
    // set CurrentRecord and shown this window): the boxes trimmed, the company-box rule and then
    // the check box, editing enabled, the find list rebuilt.
    void openOnRecord(int recordNumber, const Contact& record);
    // The record number of find-list entry `index`; 0 when there is none.
    int findRecordAt(int index) const;

public slots:
    void cboFindContact_Click(int index);
    void cmdFirst_Click();
    void cmdPrevious_Click();
    void cmdNext_Click();
    void cmdLast_Click();
    void cmdSave_Click();
    void cmdDelete_Click();
    void cmdPrintLabel_Click();
    void cmdCancel_Click();
    void mnuEDVPrint_Click();
    void mnuEDVPreview_Click();
    void txtACCompany_Change() override;

protected:
    void closeBoxPressed() override { cmdCancel_Click(); }

private:
    void apply(BrowserResult result);
    void showRecord(const ContactBoxes& boxes);
    void loadFindList(QVector<FindEntry> entries);
    void setEditingEnabled(bool enabled);
    void resetForLoad();

    std::unique_ptr<Ui::frmEdDelViewContact> ui; // from frmEdDelViewContact.ui
    ContactBrowser m_browser;
    RecordLinesModel* m_findModel = nullptr; // what cboFindContact lists
};
