#include "contacts/FileErrors.h"

#include <cerrno>

namespace FileErrors {

AppError badFile() { return AppError(52, QStringLiteral("Bad file name or number")); }
AppError fileNotFound() { return AppError(53, QStringLiteral("File not found")); }
AppError diskFull() { return AppError(61, QStringLiteral("Disk full")); }
AppError permissionDenied() { return AppError(70, QStringLiteral("Permission denied")); }
AppError pathFileAccess() { return AppError(75, QStringLiteral("Path/File access error")); }
AppError tooLarge() { return AppError(7, QStringLiteral("Out of memory")); }

AppError fromErrno(int error)
{
    switch (error) {
    case ENOENT:
        return fileNotFound();
    case EACCES:
    case EPERM:
    case EROFS:
        return permissionDenied();
    case ENOSPC:
    case EFBIG:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return diskFull();
    case EBADF:
        return badFile();
    default:
        return pathFileAccess();
    }
}

} // namespace FileErrors
