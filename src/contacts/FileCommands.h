#pragma once

#include "contacts/ContactSession.h"

#include <QString>
#include <functional>

class Platform;

// The File menu's New, Open and Close as plain code. Each returns what the main
// window applies to its controls:
//
//   void frmLDeded::mnuFileOpen_Click() {
//       const FileCommandResult r = fileOpen(platform, session, [this](auto& s) { apply(s); });
//       apply(r);                                 // caption, contact commands, birthday items
//       if (r.result == FileCommandResult::Quit)  // Cancel on the error message
//           close();                              // ends the program
//   }
//   apply(r): setWindowTitle(r.caption); cmdAddContact, cmdFindContact, mnuAdd, mnuEdit,
//       mnuDelete, mnuFind, mnuViewOne, mnuViewAll, mnuImport, mnuExport, mnuSrchContacts
//       .setEnabled(r.contactCommandsEnabled); mnuFileBdayOn.setEnabled(r.canTurnOn);
//       mnuFileBdayOff.setEnabled(r.canTurnOff); txtFileNam/txtFileTitle from the session.
//
//   Exit: fileClose(session), then close the window; its unload calls closeAtProgramEnd().
//
// A file another Tessaprint holds: "Contact file in use" asks whether to open it read-only
// (Yes: Opened, every write then refused with a message; No: Cancelled).
//
// Every result other than Opened is the no-file state: caption "Tessaprint", everything
// disabled, session reset. fileClose returns Closed. A cancelled dialog returns Cancelled in
// that state (the old file was already closed before the dialog, so nothing may still describe it).
// An error shows the program's error message: Retry -> Retry (no-file state), Cancel -> Quit
// (no-file state; the window closes, which ends the program).
struct FileCommandResult {
    enum Outcome { Opened, Cancelled, Closed, Retry, Quit } result = Closed;
    QString caption = QStringLiteral("Tessaprint");
    bool contactCommandsEnabled = false;
    bool canTurnOn = false;  // reminders can be turned on (File menu)
    bool canTurnOff = false; // and off
};

// Called by fileOpen with the Opened result just before the birthday check, so that the
// window already shows the new file while the reminder messages are up. May be empty.
using ApplyFileResult = std::function<void(const FileCommandResult&)>;

// Close, hide unins000.DAT, dialog "New" (program folder, "Data Files (*.DAT)|*.DAT"), open
// or create the file without truncating, names and caption, reminders on, restore unins000.DAT.
// No birthday check.
FileCommandResult fileNew(Platform& platform, ContactSession& session);
// As New with the dialog "Open"; then RecordCount, restore unins000.DAT, birthday items from
// record 1 ("1" = on; empty file: both disabled), and the birthday check.
FileCommandResult fileOpen(Platform& platform, ContactSession& session, const ApplyFileResult& applyBeforeCheck = {});
// Close the handle and return to the no-file state (also the first step of Exit).
FileCommandResult fileClose(ContactSession& session);
// The main window's unload: close the file, then unins000.DAK back to unins000.DAT.
void closeAtProgramEnd(Platform& platform, ContactSession& session);

// "Tessaprint  [" + title + "]", and "  (read-only)" after it when another Tessaprint holds the file.
QString windowCaption(const QString& fileTitle, bool readOnly = false);
// The file's name with every ".DAT" removed (case-sensitive: ".dat" stays).
QString fileTitleFromName(const QString& fileName);
