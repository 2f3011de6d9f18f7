#pragma once

#include "contacts/Contact.h"
#include "contacts/ContactBoxes.h"
#include "contacts/ContactSave.h"

#include <QString>
#include <QVector>
#include <optional>

class Platform;
struct ContactSession;

// One entry of the browser's find list: FirstName, " ", MiddleInitial, " ", LastName, each
// trimmed ("Ann  Lee" without a middle initial), and the record it names.
struct FindEntry {
    QString text;
    int recordNumber = 0;
    bool operator==(const FindEntry&) const = default;
};
// From a record's 513 bytes as the file holds them.
QString findEntryText(const char* record);
// Records 1..RecordCount in one read, sorted by their text ignoring case; entries of equal
// text stay in record order.
QVector<FindEntry> loadFindList(ContactFile& file);

// What the browser window applies after a command. Every error has already been shown
// with Retry and Cancel; Retry leaves the window as it is, Cancel closes it.
struct BrowserResult {
    enum Outcome {
        Done,     // applied: boxes, list, enabling as set below
        Refused,  // a message was shown; nothing changed (or, for a save, the boxes' clean-ups)
        Deleted,  // the contact is gone: empty the boxes, drop the picked entry, close the window
        Retry,
        Cancel,
    } outcome = Done;
    std::optional<ContactBoxes> boxes;          // the record to show
    std::optional<QVector<FindEntry>> findList; // the list to load (its text then cleared)
    bool enableEditing = false;                 // the boxes, the check box, Save, Delete, Print Label
    std::optional<ContactBox> focus;            // after a refused save
    bool focusCancel = false;                   // focus to cmdCancel
    bool reminderWritten = false;               // a save wrote BirthdayReminder "1"
};

enum class BrowserStep { First, Previous, Next, Last };

// The contact browser's commands over the session's file and its CurrentRecord.
//
//   ContactBrowser browser(platform, main.session);
//   apply(browser.load());                 // window load: the find list
//   apply(browser.pick(recordOfEntry));    // a pick from the list
//   apply(browser.step(BrowserStep::Next));
//   apply(browser.save(readBoxes(), remindersOn));
//   apply(browser.remove());
//   browser.close();                       // CurrentRecord := 0
class ContactBrowser {
public:
    ContactBrowser(Platform& platform, ContactSession& session) : m_platform(platform), m_session(session) {}

    BrowserResult load();
    // CurrentRecord := n, show record n, editing enabled.
    BrowserResult pick(int recordNumber);
    // Shows record n already read elsewhere (the contact list opens a contact this way):
    // CurrentRecord := n, editing enabled, the find list rebuilt.
    BrowserResult openOnRecord(int recordNumber, const Contact& record);
    // First 1, Last RecordCount, Next CurrentRecord + 1 while the file holds that many whole
    // records ("End of file."), Previous CurrentRecord - 1 down to 1 ("Beginning of file.").
    // Shows the record, reloads the find list, sets CurrentRecord; enabling is left alone.
    BrowserResult step(BrowserStep step);
    // The edit save over record CurrentRecord.
    BrowserResult save(const ContactBoxes& boxes, bool remindersOn);
    // Asks; on Yes rewrites the file without record CurrentRecord (Compaction.h), beside the
    // contact file, then says "Contact deleted!".
    BrowserResult remove();
    void close();

private:
    // Runs a command; any error shows the program's message and gives Retry or Cancel.
    template <typename F>
    BrowserResult guarded(F&& command);
    // Before a save or delete: record CurrentRecord still holds what is shown, or a refusal.
    void requireShownRecord();

    Platform& m_platform;
    ContactSession& m_session;
    QByteArray m_shown; // the record CurrentRecord held when it was shown
};

