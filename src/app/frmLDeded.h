#pragma once

#include "contacts/ContactSession.h"
#include "windows/MainWindowLink.h"

#include <QMainWindow>
#include <QString>
#include <array>
#include <cstdint>
#include <memory>

namespace Ui {
class frmLDeded;
}

class Platform;
struct Composer;
struct EnvelopeSizeChoice;
struct FileCommandResult;
struct ReminderMenus;
class frmNewContact;
class frmEdDelViewContact;
class frmViewAll;
class frmLMImport;
class frmLMExport;
class LineFitHint;
class frmCalibrate;
class SheetPicturer;
class QtTextMeasure;
struct PositionDialogResult;

// The main window: the five-line composer, its options, and the menus that lead everywhere else.
class frmLDeded : public QMainWindow, public MainWindowLink {
    Q_OBJECT

public:
    explicit frmLDeded(Platform& platform, QWidget* parent = nullptr);
    ~frmLDeded() override;

    // The contact windows, each created on first use and owned by this window.
    frmNewContact* newContactWindow();
    frmEdDelViewContact* contactBrowser() override;

    // What the other windows may ask of this one.
    ContactSession& session() override { return m_session; }
    void handOverTo(QWidget* next) override;
    void returnHere(QWidget* closing) override;
    void closeContactFile() override;
    void takeComposerLines(QWidget* closing, const std::array<QString, 5>& lines) override;

    // Composer state beside the controls.
    QString PositionEntry;
    QString StartPosition;
    QString EndPosition;
    int16_t LabelCount = 0;
    QString EnvelopeSizeNumber;

    // The composer as the controls hold it now: what Print reads.
    Composer composerState() const;

    // The contact list window, created on first use.
    frmViewAll* contactList();
    // Created on first use.
    frmLMImport* importWindow();
    frmLMExport* exportWindow();

public slots:
    void optLMLabel_Click();
    void optLMEnvelope_Click();
    void cboLMEnvelope_Click();
    void optPortrait_Click();
    void optLandscape_Click();
    void optLMCenter_Click();
    void optLMLeftjust_Click();
    void chkBold_Click();
    void chkLargeFont_Click();
    void cmdLMStart_Click();
    void cmdRetAddress_Click();
    void cmdLMClear_Click();
    void cmdLMExit_Click();
    void mnuFileNew_Click();
    void mnuFileOpen_Click();
    void mnuFileClose_Click();
    void mnuFileBdayOn_Click();
    void mnuFileBdayOff_Click();
    void mnuRetAddress_Click();
    void mnuFilePrint_Click();
    void mnuFilePreview_Click();
    void mnuRetAddressPreview_Click();
    void mnuFileCalibrate_Click();
    void mnuFileExit_Click();
    void cmdFindContact_Click();
    void cmdAddContact_Click();
    void mnuViewAll_Click();
    void mnuImport_Click();
    void mnuExport_Click();
    // The sheet beside the composer (frmLDededSheet.cpp).
    void mnuViewSheet_Click(bool shown);
    void picLMSheet_LabelChosen(int position);
    void refreshSheet();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectHandlers();
    void loadStartState();

    void setMargins(int indent, int padRows);
    void hideEnvelopeChecks();
    // What choosing Label stock sets before a position is asked for or clicked.
    void showLabelStockOptions();
    void disableContactCommands();
    void applyFileResult(const FileCommandResult& result);
    ReminderMenus reminderMenus() const;
    void setReminderMenus(const ReminderMenus& menus);
    void runReturnAddressLabels(bool preview = false);
    void applyEnvelopeSize(const EnvelopeSizeChoice& choice);
    std::array<QString, 5> composerLines() const;
    // What the position dialog leaves in the window, from the dialog or a label of the sheet.
    void applyPosition(const PositionDialogResult& result);
    void setUpSheet();

    void closeAtUnload();
    void closeOtherWindows();
    void writePlacement();

    std::unique_ptr<Ui::frmLDeded> ui; // the controls, from frmLDeded.ui
    Platform& m_platform;
    // The contact file session every contact window works through.
    ContactSession m_session;
    frmNewContact* m_newContactWindow = nullptr;
    frmEdDelViewContact* m_contactBrowser = nullptr;
    frmViewAll* m_contactList = nullptr;
    frmLMImport* m_importWindow = nullptr;
    frmLMExport* m_exportWindow = nullptr;
    LineFitHint* m_lineFitHint = nullptr;
    bool m_envelopeStepped = false; // the size list was stepped through, not picked from
    frmCalibrate* m_calibrateWindow = nullptr;
    std::unique_ptr<QtTextMeasure> m_sheetMeasure;
    std::unique_ptr<SheetPicturer> m_sheetPicturer;
};
