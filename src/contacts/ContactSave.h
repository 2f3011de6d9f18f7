#pragma once

#include "contacts/Contact.h"
#include "contacts/ContactBoxes.h"

#include <QString>
#include <QVector>
#include <optional>
#include <vector>

class ContactFile;
class Platform;

// The one save procedure of the add-contact window (Add) and the contact browser (Edit).
//
//   void frmNewContact::cmdSave_Click() {
//       const ContactSaveResult r = saveNewContact(platform, session.file, readBoxes(), remindersOn);
//       writeBoxes(r.boxes);                 // clean-ups stay in the boxes, even after a refusal
//       if (r.focus) box(*r.focus)->setFocus();
//       if (r.reminderWritten) session.reminders.canTurnOff = true;
//       if (r.outcome == Saved || r.outcome == Cancel) close the window;
//   }
enum class SaveVariant { Add, Edit };

struct SaveRefusal {
    QString text;
    QString title;                   // "Incorrect entry", or "Date error"
    std::optional<ContactBox> focus; // none: the focus stays where it was
};

// The checks and clean-ups in their order, without a file or a message.
struct SaveCheck {
    ContactBoxes boxes;                 // as the clean-ups left them, refused or not
    std::optional<SaveRefusal> refusal; // the first check that failed
    Contact record;                     // the record to write, when nothing was refused
};
// remindersOn: mnuFileBdayOn of the main window is disabled; the record then gets
// BirthdayReminder "1", otherwise "0".
SaveCheck checkContactBoxes(const ContactBoxes& boxes, SaveVariant variant, bool remindersOn);

// The boxes of an accepted save holding characters the file cannot store (StoredText.h), in
// tab order, and the Yes/No question that names them before anything is written: Yes writes
// them as '?', No goes back to the first of them.
struct UnstorableBox {
    ContactBox box;
    QVector<char32_t> characters;
    QString stored; // the box's text as the file will give it back
};
std::vector<UnstorableBox> unstorableBoxes(const SaveCheck& check);
QString unstorableQuestion(const std::vector<UnstorableBox>& boxes);

struct ContactSaveResult {
    enum Outcome {
        Saved,   // written, "S A V E D" shown
        Refused, // a check's message shown, or the unstorable characters' question answered No;
                 // nothing written
        Retry,   // an error, answered Retry: the window stays as it is
        Cancel,  // an error, answered Cancel: the window closes
    } outcome = Refused;
    ContactBoxes boxes;               // what the boxes and the check box hold now
    std::optional<ContactBox> focus;  // set after a refusal that names a box
    bool reminderWritten = false;     // a "1" reached the file: reminders can be turned off
    int recordWritten = 0;
};

// Add: checks, then appends at RecordCount + 1 and shows "S A V E D" titled
// "Contact saved to file".
ContactSaveResult saveNewContact(Platform& platform, ContactFile& file, const ContactBoxes& boxes,
                                 bool remindersOn);
// Edit: checks, then overwrites record `recordNumber` only and shows "S A V E D" titled
// "Changes saved". A record number outside 1..RecordCount is an error (63): an edit never
// grows the file.
ContactSaveResult saveChangedContact(Platform& platform, ContactFile& file, int recordNumber,
                                     const ContactBoxes& boxes, bool remindersOn);
