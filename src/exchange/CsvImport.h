#pragma once

#include "contacts/Contact.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVector>

#include <utility>

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

// The largest CSV file the import reads; a larger one is error 7, as no address book comes near it.
inline constexpr qint64 MaxCsvBytes = qint64(128) * 1024 * 1024;

inline const QString importErrorSuffix = QStringLiteral(".  Try again, or notify Tessaprint.");

struct CsvChoice {
    enum Outcome { Chosen, Cancelled, ErrorRetry, ErrorCancel } outcome = Cancelled;
    QString path;  // full path
    QString title; // file name without folder
};

// "Open" dialog with the CSV / vCard / Text / All filter; the chosen file is opened once to prove
// it can be read. An error shows the import's error message.
CsvChoice chooseCsvFile(Platform& platform);

// ByContent: a file that begins with BEGIN:VCARD is read as vCard, any other as CSV.
enum class ImportFormat { ByContent, Csv, VCard };

struct ImportRequest {
    QString csvPath;        // the file to import; empty when no file has been chosen
    bool remindersOn = true; // the program-wide reminder state: mnuFileBdayOn disabled
    ImportFormat format = ImportFormat::ByContent;
};

struct ImportResult {
    enum Outcome {
        NoFileChosen,  // "No csv file selected"
        NoLayout,      // first line of no known layout: "CSV file not compatible ...", or a file without
                       // a card: "vCard file not compatible ..."; Import stays enabled
        NotCompatible, // generic list without an e-mail column
        Done,          // "D O N E !  n contacts successfully imported."
        ErrorRetry,    // the error message, answered Retry: the window stays as it is
        ErrorCancel,   // answered Cancel: the window closes
    } outcome = NoLayout;
    int written = 0;          // records appended (they stay, also after an error)
    // The contacts written with '?' for characters the file cannot store, one line each:
    // "Record 3, 李 Wei: First Name 李 (U+674E) -- saved as "?"".
    QStringList changedContacts;
    bool importEnabled = true; // cmdStartImport afterwards
    bool focusClose = false;   // focus to cmdImpCancel
};

// What the "D O N E !" message adds when some contacts were written with '?' (empty for none).
QString changedTextSentence(int contacts);
// What the error message adds once contacts were being written, the classic text kept before it.
QString writtenBeforeErrorSentence(int written);

// Appends the contacts of the CSV or vCard file that are not on file yet (each card of a vCard
// file is a line, VCardImport.h). The records on file when the
// import starts are read once; a line matching one of them (same e-mail, or first and last
// name contained in a record's, not both empty) is skipped, and so is a line without first
// name, last name and e-mail. Every record goes through ContactFile::write.
ImportResult importContacts(Platform& platform, ContactFile& file, const ImportRequest& request);

// The duplicate test over the records on file, built once per import: the e-mails in a set,
// each pair of names once, found exactly or by the rarest run of two or three characters
// that the line's names hold, so a line is compared with the few names that can contain
// it, not with every record. A line is compared as it will be stored, '?' for each
// character the file cannot hold.
class DuplicateIndex {
public:
    explicit DuplicateIndex(const QVector<Contact>& onFile);
    // Reads the three fields it needs from every record of the file, in blocks.
    explicit DuplicateIndex(ContactFile& file);
    bool matches(const Contact& working) const;

private:
    using Names = std::pair<QString, QString>; // first, last; trimmed
    void add(const QString& first, const QString& last, const QString& email);

    QSet<QString> m_emails;                        // trimmed
    QVector<Names> m_names;                        // each pair once
    QVector<quint64> m_signatures;                 // beside m_names: the characters they hold
    QHash<Names, int> m_nameIndex;                 // into m_names
    QHash<quint64, QVector<int>> m_byRun;          // a run of a name -> the pairs holding it
};

// The record an imported contact becomes: leading spaces gone, the reminder state set.
Contact importedRecord(const Contact& working, bool remindersOn);
