#pragma once

#include "windows/ExchangeWindow.h"


class Platform;
class MainWindowLink;
class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;

// Export Contacts: writes every contact to a CSV, "|"-separated text or vCard file (ContactExport.h).
class frmLMExport : public ExchangeWindow {
    Q_OBJECT

public:
    frmLMExport(Platform& platform, MainWindowLink& main, QWidget* parent = nullptr);

    QLabel* lblExpBanner;
    QLabel* lblExport;
    QGroupBox* frExpOptions;
    QRadioButton* optExpCGCSV;
    QRadioButton* optExpCGTXT;
    QRadioButton* optExpCGVCF; // Create runs as for the text kind: optExpCGTXT_Click
    QPushButton* cmdExpCreate;
    QPushButton* cmdExpCancel;

    QMenu* mnuETFile;
    QAction* mnuETFileExit;
    QMenu* mnuETHelp;
    QAction* mnuETHelpUM;
    QAction* mnuETHelpAbout;

public slots:
    void optExpCGCSV_Click();
    void optExpCGTXT_Click();
    void cmdExpCreate_Click();
    void cmdExpCancel_Click();

protected:
    void resetForOpening() override;
};
