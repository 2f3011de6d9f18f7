#pragma once

#include <QString>

class ContactFile;

// Removal of records (compaction, used by the delete of a contact), built so that
// no failure can lose a contact:
//   1. the records are read in large sequential blocks (never all decoded at once);
//   2. a temporary file is created beside the contact file (same folder, so the rename is
//      atomic on every file system, and writable wherever the contact file is), under a fresh
//      name that no existing file has (see temporaryFileTemplate); the survivors are written
//      to it in order, flushed and synced to disk;
//   3. it replaces the contact file in one atomic rename (never delete-then-rename);
//   4. the contact file is opened again by its path.
// Survivors are the records whose FirstName does not begin with "*DELETED*", less record
// `removeRecordNumber` when it is 1 or more. The delete of a contact calls it with the record
// to remove instead of first writing the "*DELETED*" mark, so a failed delete leaves the file
// exactly as it was.
//
// On any failure: the temporary file is removed, the contact file is byte for byte what it
// was, the handle is open on it again, and the error is thrown as AppError.
void compactContactFile(ContactFile& file, int removeRecordNumber = 0);

// The name pattern of the temporary file for contactPath (QTemporaryFile's XXXXXX): a hidden
// "Tempf" file in the contact file's folder.
QString temporaryFileTemplate(const QString& contactPath);

// True when FirstName begins with "*DELETED*".
bool isMarkedDeleted(const QString& firstName);
