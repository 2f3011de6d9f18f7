#pragma once

#include <QString>

#include <functional>

class ContactFile;

// Whole-file changes of the contact file, built so that no failure or crash can lose a contact:
//   1. the records are read in large sequential blocks (never all decoded at once);
//   2. the new file is written beside the contact file (beside a symbolic link's target, so the
//      link stays a link), under a hidden name of its own (ReplacingFile.h), locked, flushed
//      and synced to disk;
//   3. it replaces the contact file in one atomic rename (never delete-then-rename);
//   4. the handle goes on with the new file, still locked: no other process can take the file
//      between the rename and the reopen.
// On any failure: the temporary file is removed, the contact file is byte for byte what it
// was, the handle is open on it, and the error is thrown as AppError. A file with other names
// (hard links) is refused before anything is written, since a rename would part it from them.
//
// edit(n, record) sees the 513 bytes of record n, may change them in place, and returns
// whether the record stays. Every record written is whole (separators and CR LF).
using RecordEdit = std::function<bool(int n, char* record)>;
void rewriteContactFile(ContactFile& file, const RecordEdit& edit);

// Removal of records, used by the delete of a contact. Survivors are the records whose
// FirstName does not begin with "*DELETED*", less record `removeRecordNumber` when it is 1 or
// more. The delete calls it with the record to remove instead of first writing the "*DELETED*"
// mark, so a failed delete leaves the file exactly as it was.
void compactContactFile(ContactFile& file, int removeRecordNumber = 0);

// True when FirstName begins with "*DELETED*".
bool isMarkedDeleted(const QString& firstName);
