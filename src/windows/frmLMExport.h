#pragma once

#include "windows/ExchangeWindow.h"

#include <memory>

class Platform;
class MainWindowLink;
namespace Ui {
class frmLMExport;
}

// Export Contacts: writes every contact to a CSV, "|"-separated text or vCard file (ContactExport.h).
class frmLMExport : public ExchangeWindow {
    Q_OBJECT

public:
    frmLMExport(Platform& platform, MainWindowLink& main, QWidget* parent = nullptr);
    ~frmLMExport() override;

public slots:
    void optExpCGCSV_Click();
    void optExpCGTXT_Click();
    void cmdExpCreate_Click();
    void cmdExpCancel_Click();

protected:
    void resetForOpening() override;

private:
    std::unique_ptr<Ui::frmLMExport> ui; // from frmLMExport.ui
};
