#pragma once

#include <QString>

class ContactFile;

// Removal of records (compaction, used by the delete of a contact), built so that
// no failure can lose a contact:
//   1. the records are read in large sequential blocks and
//   2. tempPath ("Tempf" in the program folder, see tempFilePath) is created empty, truncating
//      any leftover, and the survivors are written to it in order, flushed and synced to disk;
//   3. Tempf replaces the contact file in one atomic rename (never delete-then-rename);
//   4. the contact file is opened again by its path.
// Survivors are the records whose FirstName does not begin with "*DELETED*", less record
// `removeRecordNumber` when it is 1 or more. The delete of a contact calls it with the record
// to remove instead of first writing the "*DELETED*" mark, so a failed delete leaves the file
// exactly as it was.
//
// On any failure: Tempf is removed, the contact file is byte for byte what it was, the
// handle is open on it again, and the error is thrown as AppError.
// Tempf must be on the contact file's filesystem for the rename; otherwise the rename fails
// (75) and nothing changes.
void compactContactFile(ContactFile& file, const QString& tempPath, int removeRecordNumber = 0);

// programFolder + "/Tempf".
QString tempFilePath(const QString& programFolder);

// True when FirstName begins with "*DELETED*".
bool isMarkedDeleted(const QString& firstName);
