#pragma once

#include <QString>

// Whole-file locks that the system drops when the holding process ends, however it ends, so no
// stale lock can outlive a crash. flock(2) locks belong to one open file description: a second
// open of the same file, even in this process, cannot take the lock while the first holds it.
namespace FileLock {

// Takes the exclusive lock on an open descriptor without waiting; false when another holds it.
bool tryLock(int fd);

// Who holds a lock on the file at path, as "tessaprint-batch, process 4242" where the system
// tells, else an empty text.
QString holderOf(const QString& path);

} // namespace FileLock
