#pragma once

#include "contacts/Contact.h"

#include <QString>
#include <QVector>

class ContactFile;
class Platform;

// The import window's commands as plain code; messages go through the platform.
//
//   void frmLMImport::cmdStartImport_Click() {
//       const ImportResult r = importContacts(platform, main.session.file,
//                                             {csvPath, !main.mnuFileBdayOn->isEnabled()});
//       cmdStartImport->setEnabled(r.importEnabled);
//       if (r.focusClose) cmdImpCancel->setFocus();
//       if (r.outcome == ImportResult::ErrorCancel) close();
//   }

inline const QString importErrorSuffix = QStringLiteral(".  Try again, or notify Tessaprint.");

struct CsvChoice {
    enum Outcome { Chosen, Cancelled, ErrorRetry, ErrorCancel } outcome = Cancelled;
    QString path;  // full path
    QString title; // file name without folder
};

// "Open" dialog with the CSV / Text / All filter; the chosen file is opened once to prove
// it can be read. An error shows the import's error message.
CsvChoice chooseCsvFile(Platform& platform);

struct ImportRequest {
    QString csvPath;        // empty when no file has been chosen
    bool remindersOn = true; // the program-wide reminder state: mnuFileBdayOn disabled
};

struct ImportResult {
    enum Outcome {
        NoFileChosen,  // "No csv file selected"
        NoLayout,      // first line of no known layout: ended without a message
        NotCompatible, // generic list without an e-mail column
        Done,          // "D O N E !  n contacts successfully imported."
        ErrorRetry,    // the error message, answered Retry: the window stays as it is
        ErrorCancel,   // answered Cancel: the window closes
    } outcome = NoLayout;
    int written = 0;          // records appended (they stay, also after an error)
    bool importEnabled = true; // cmdStartImport afterwards
    bool focusClose = false;   // focus to cmdImpCancel
};

// Appends the contacts of the CSV file that are not on file yet. The records on file when the
// import starts are read once; a line matching one of them (same e-mail, or first and last
// name contained in a record's) is skipped, and so is a line without first name, last name
// and e-mail. Every record goes through ContactFile::write.
ImportResult importContacts(Platform& platform, ContactFile& file, const ImportRequest& request);

// The duplicate test over the records on file.
class DuplicateIndex {
public:
    explicit DuplicateIndex(const QVector<Contact>& onFile);
    bool matches(const Contact& working) const;

private:
    struct Names {
        QString first, last;
    };
    QVector<Names> m_names;
    QVector<QString> m_emails; // sorted
};

// The record an imported contact becomes: leading spaces gone, the reminder state set.
Contact importedRecord(const Contact& working, bool remindersOn);
