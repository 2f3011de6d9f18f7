#include "contacts/FileErrors.h"

#include <cerrno>

namespace FileErrors {

AppError badFile() { return AppError(52, QStringLiteral("Bad file name or number")); }
AppError fileNotFound() { return AppError(53, QStringLiteral("File not found")); }
AppError diskFull() { return AppError(61, QStringLiteral("Disk full")); }
AppError permissionDenied() { return AppError(70, QStringLiteral("Permission denied")); }
AppError pathFileAccess() { return AppError(75, QStringLiteral("Path/File access error")); }
AppError tooLarge() { return AppError(7, QStringLiteral("Out of memory")); }

FileInUse::FileInUse(const QString& holder)
    : AppError(55, QStringLiteral("File already open")), m_holder(holder)
{
}

QString FileInUse::sentence(const QString& fileName) const
{
    return fileName + QStringLiteral(" is open in another Tessaprint")
        + (m_holder.isEmpty() ? QString() : QStringLiteral(" (") + m_holder + u')') + u'.';
}

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
