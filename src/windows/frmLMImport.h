#pragma once

#include "windows/ExchangeWindow.h"

#include <QString>

class Platform;
class MainWindowLink;
class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

// Import Contacts: appends the contacts of a CSV file to the open contact file (CsvImport.h).
class frmLMImport : public ExchangeWindow {
    Q_OBJECT

public:
    frmLMImport(Platform& platform, MainWindowLink& main, QWidget* parent = nullptr);

    QLabel* lblImpHdr;
    QPushButton* cmdCsvOpen;
    QPushButton* cmdStartImport;
    QPushButton* cmdImpCancel;
    QLineEdit* txtImpFilename;
    QLineEdit* txtImpData;

    QMenu* mnuITFile;
    QAction* mnuITFileExit;
    QMenu* mnuITEdit;
    QAction* mnuITEditCut;
    QAction* mnuITEditCopy;
    QAction* mnuITEditPaste;
    QMenu* mnuITHelp;
    QAction* mnuITHelpUM;
    QAction* mnuITHelpAbout;

    // The chosen CSV file; both empty until one is chosen.
    QString csvPath;
    QString csvTitle;

public slots:
    void cmdCsvOpen_Click();
    void cmdStartImport_Click();
    void cmdImpCancel_Click();

protected:
    void resetForOpening() override;
};
