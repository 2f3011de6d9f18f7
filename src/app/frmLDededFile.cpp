#include "app/frmLDeded.h"

#include "contacts/BirthdayReminders.h"
#include "contacts/FileCommands.h"
#include "exchange/AddContactCommand.h"
#include "platform/Platform.h"
#include "ui_frmLDeded.h"
#include "windows/WindowFlow.h"
#include "windows/frmCalibrate.h"
#include "windows/frmEdDelViewContact.h"
#include "windows/frmLMExport.h"
#include "windows/frmLMImport.h"
#include "windows/frmNewContact.h"
#include "windows/frmViewAll.h"

#include <QApplication>
#include <QCloseEvent>

// The main window's contact-file side: the file commands, the windows they lead to and back
// from, and the end of the program. The composer is frmLDeded.cpp.

frmNewContact* frmLDeded::newContactWindow()
{
    if (!m_newContactWindow)
        m_newContactWindow = new frmNewContact(m_platform, *this);
    return m_newContactWindow;
}

frmEdDelViewContact* frmLDeded::contactBrowser()
{
    if (!m_contactBrowser)
        m_contactBrowser = new frmEdDelViewContact(m_platform, *this);
    return m_contactBrowser;
}

void frmLDeded::cmdFindContact_Click()
{
    contactBrowser()->open();
}

void frmLDeded::cmdAddContact_Click()
{
    const AddContactStart start = startAddContact(m_platform, composerLines());
    if (start.outcome == AddContactStart::Open)
        newContactWindow()->open(start.boxes);
    else if (start.outcome == AddContactStart::Retry)
        mnuFileClose_Click(); // the file is closed, and the window no longer offers it
    else if (start.outcome == AddContactStart::Quit)
        close();
}

void frmLDeded::cmdLMExit_Click()
{
    closeAtUnload();
    setWindowTitle(QStringLiteral("Tessaprint"));
    disableContactCommands();
    ui->txtFileTitle->hide();
    close();
}

void frmLDeded::mnuFileExit_Click()
{
    ui->txtFileNam->clear();
    ui->txtFileTitle->clear();
    cmdLMExit_Click();
}

void frmLDeded::applyFileResult(const FileCommandResult& result)
{
    setWindowTitle(result.caption);
    ui->cmdAddContact->setEnabled(result.contactCommandsEnabled);
    ui->cmdFindContact->setEnabled(result.contactCommandsEnabled);
    for (QAction* item : {ui->mnuAdd, ui->mnuEdit, ui->mnuDelete, ui->mnuFind, ui->mnuViewOne, ui->mnuViewAll,
                          ui->mnuImport, ui->mnuExport, ui->mnuSrchContacts})
        item->setEnabled(result.contactCommandsEnabled);
    setReminderMenus({result.canTurnOn, result.canTurnOff});
    ui->txtFileNam->setText(m_session.txtFileNam);
    ui->txtFileTitle->setText(m_session.txtFileTitle);
    if (result.result == FileCommandResult::Quit)
        close();
}

void frmLDeded::mnuFileNew_Click()
{
    applyFileResult(fileNew(m_platform, m_session));
}

void frmLDeded::mnuFileOpen_Click()
{
    // The window shows the new file before the birthday reminders come up.
    const FileCommandResult result
        = fileOpen(m_platform, m_session, [this](const FileCommandResult& opened) { applyFileResult(opened); });
    applyFileResult(result);
}

void frmLDeded::mnuFileClose_Click()
{
    applyFileResult(fileClose(m_session));
    ui->txtFileTitle->hide();
}

ReminderMenus frmLDeded::reminderMenus() const
{
    return m_session.reminders;
}

void frmLDeded::setReminderMenus(const ReminderMenus& menus)
{
    m_session.reminders = menus;
    ui->mnuFileBdayOn->setEnabled(menus.canTurnOn);
    ui->mnuFileBdayOff->setEnabled(menus.canTurnOff);
}

void frmLDeded::mnuFileBdayOn_Click()
{
    setReminderMenus(enableBirthdayReminders(m_platform, m_session.file, reminderMenus()));
}

void frmLDeded::mnuFileBdayOff_Click()
{
    setReminderMenus(disableBirthdayReminders(m_platform, m_session.file, reminderMenus()));
}

void frmLDeded::handOverTo(QWidget* next)
{
    showInstead(this, next);
}

void frmLDeded::returnHere(QWidget* closing)
{
    // A contact saved meanwhile may have switched reminders on.
    setReminderMenus(m_session.reminders);
    returnTo(closing, this, ui->txtLMLine1);
}

void frmLDeded::closeContactFile()
{
    mnuFileClose_Click();
}

void frmLDeded::takeComposerLines(QWidget* closing, const std::array<QString, 5>& lines)
{
    returnHere(closing);
    ui->chkBold->setChecked(false);
    ui->chkBold->hide();
    QLineEdit* boxes[] = {ui->txtLMLine1, ui->txtLMLine2, ui->txtLMline3, ui->txtLMLine4, ui->txtLMLine5};
    for (int i = 0; i < 5; ++i)
        boxes[i]->setText(lines[i]);
}

// Also puts back the installer's unins000.DAT should a file dialog have left it renamed.
void frmLDeded::closeAtUnload()
{
    closeAtProgramEnd(m_platform, m_session);
}

void frmLDeded::closeEvent(QCloseEvent* event)
{
    closeAtUnload();
    disableContactCommands();
    ui->mnuSrchContacts->setEnabled(false);
    ui->txtFileTitle->hide();
    closeOtherWindows();
    if (!isMinimized())
        writePlacement();
    event->accept();
}

void frmLDeded::closeOtherWindows()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
        QWidget* window = *it;
        if (window != this && !qobject_cast<QMenu*>(window))
            window->close();
    }
}

void frmLDeded::writePlacement()
{
    const QRect frame = frameGeometry();
    const auto twips = [](int pixels, int dpi) { return QString::number(qint64(pixels) * 1440 / dpi); };
    const int dpiX = logicalDpiX();
    const int dpiY = logicalDpiY();
    const QString app = QStringLiteral("Tessaprint");
    const QString section = QStringLiteral("Settings");
    m_platform.writeSetting(app, section, QStringLiteral("MainLeft"), twips(frame.x(), dpiX));
    m_platform.writeSetting(app, section, QStringLiteral("MainTop"), twips(frame.y(), dpiY));
    m_platform.writeSetting(app, section, QStringLiteral("MainWidth"), twips(frame.width(), dpiX));
    m_platform.writeSetting(app, section, QStringLiteral("MainHeight"), twips(frame.height(), dpiY));
}

frmViewAll* frmLDeded::contactList()
{
    if (!m_contactList)
        m_contactList = new frmViewAll(m_platform, *this, this);
    return m_contactList;
}

void frmLDeded::mnuViewAll_Click()
{
    contactList()->open();
}

frmLMImport* frmLDeded::importWindow()
{
    if (!m_importWindow)
        m_importWindow = new frmLMImport(m_platform, *this, this);
    return m_importWindow;
}

frmLMExport* frmLDeded::exportWindow()
{
    if (!m_exportWindow)
        m_exportWindow = new frmLMExport(m_platform, *this, this);
    return m_exportWindow;
}

void frmLDeded::mnuImport_Click()
{
    showInstead(this, importWindow());
}

void frmLDeded::mnuExport_Click()
{
    showInstead(this, exportWindow());
}

void frmLDeded::mnuFileCalibrate_Click()
{
    if (!m_calibrateWindow)
        m_calibrateWindow = new frmCalibrate(m_platform, *this, this);
    showInstead(this, m_calibrateWindow);
}
