#pragma once

#include "windows/ExchangeWindow.h"

#include <QString>

#include <memory>

class Platform;
class MainWindowLink;
namespace Ui {
class frmLMImport;
}

// Import Contacts: appends the contacts of a CSV file to the open contact file (CsvImport.h).
class frmLMImport : public ExchangeWindow {
    Q_OBJECT

public:
    frmLMImport(Platform& platform, MainWindowLink& main, QWidget* parent = nullptr);
    ~frmLMImport() override;

    // The chosen CSV file; both empty until one is chosen.
    QString csvPath;
    QString csvTitle;

public slots:
    void cmdCsvOpen_Click();
    void cmdStartImport_Click();
    void cmdImpCancel_Click();

protected:
    void resetForOpening() override;

private:
    std::unique_ptr<Ui::frmLMImport> ui; // from frmLMImport.ui
};
