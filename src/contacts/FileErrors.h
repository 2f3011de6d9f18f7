#pragma once

#include "platform/AppError.h"

#include <QString>

// File errors as the numbered AppErrors that users see.
namespace FileErrors {

AppError badFile();          // 52 "Bad file name or number" (no file open, empty name)
AppError fileNotFound();     // 53 "File not found"
AppError diskFull();         // 61 "Disk full"
AppError permissionDenied(); // 70 "Permission denied"
AppError pathFileAccess();   // 75 "Path/File access error"
// 7 "Out of memory": a file too large to be read whole (what reading it would end in anyway).
AppError tooLarge();

// 55 "File already open": another Tessaprint holds the file's lock. holder says who, where the
// system tells ("tessaprint-batch, process 4242"), else it is empty.
class FileInUse : public AppError {
public:
    explicit FileInUse(const QString& holder);
    QString holder() const { return m_holder; }
    // "Friends.DAT is open in another Tessaprint (tessaprint, process 4242)."
    QString sentence(const QString& fileName) const;

private:
    QString m_holder;
};

// The error for a failed system call, from its errno: ENOENT 53, EACCES/EPERM/EROFS 70,
// ENOSPC/EDQUOT/EFBIG 61, EBADF 52, anything else (EISDIR, ENOTDIR, EXDEV, EIO, ...) 75.
AppError fromErrno(int error);

} // namespace FileErrors
