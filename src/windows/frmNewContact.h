#pragma once

#include "windows/ContactFieldsWindow.h"

#include <memory>

struct ComposerBoxes;
namespace Ui {
class frmNewContact;
}

// The add-contact window: one new contact typed (or taken from the composer lines) and
// appended to the open contact file.
class frmNewContact : public ContactFieldsWindow {
    Q_OBJECT

public:
    frmNewContact(Platform& platform, MainWindowLink& main, QWidget* parent = nullptr);
    ~frmNewContact() override;

    // Opening: every box empty and the include-company controls hidden, then the boxes the
    // composer lines filled; the main window hides, this one shows, focus txtACFName.
    void open(const ComposerBoxes& filled);

public slots:
    void cmdSave_Click();
    void cmdCancel_Click();
    void txtACCompany_Change() override;

protected:
    void closeBoxPressed() override { cmdCancel_Click(); }

private:
    std::unique_ptr<Ui::frmNewContact> ui; // from frmNewContact.ui
};
