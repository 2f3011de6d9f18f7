#pragma once

#include "contacts/BirthdayReminders.h"
#include "contacts/ContactFile.h"

#include <QString>

// The contact file session: owned by the main window, read by every contact window.
// No file open: file closed, both names empty. The File commands that change it are in
// FileCommands.h; a window that must close and reopen the file (delete, opening from the list) does
//   session.file.close(); session.file.open(session.txtFileNam);
struct ContactSession {
    ContactFile file;     // the one contact file handle
    QString txtFileNam;   // full path of the open file; empty when none
    QString txtFileTitle; // file name without folder, every ".DAT" removed; empty when none
    int CurrentRecord = 0; // record shown in the contact browser; 0 when none
    // The program-wide reminder state that every save writes; the main window's two File menu
    // items show it.
    ReminderMenus reminders = ReminderMenus::none();

    bool isOpen() const { return file.isOpen(); }
    // Open without the right to change it: another Tessaprint holds it.
    bool isReadOnly() const { return file.isHeldElsewhere(); }
    // Back to the no-file state: handle closed, names empty, CurrentRecord 0, no reminder state.
    void reset();
};
