#include "contacts/WriteSeam.h"

#include "contacts/FileErrors.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

// Errno of the failed call, or EIO when the call left it unset.
int lastError()
{
    return errno ? errno : EIO;
}

void syncToDisk(QFile& file)
{
    const int fd = file.handle();
    if (fd < 0)
        return;
#ifdef Q_OS_WIN
    if (_commit(fd) != 0)
        throw FileErrors::fromErrno(lastError());
#else
    errno = 0;
    if (::fsync(fd) != 0)
        throw FileErrors::fromErrno(lastError());
#endif
}

#ifndef Q_OS_WIN
// So that the rename itself survives a power cut; failure here is not an error of the rename.
void syncFolder(const QString& path)
{
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}
#endif

} // namespace

void WriteSeam::write(QFile& file, const QByteArray& bytes)
{
    if (++m_writes == m_failWrite) {
        if (m_tear)
            file.write(bytes.left(bytes.size() / 2));
        throw FileErrors::diskFull();
    }
    errno = 0;
    const qint64 written = file.write(bytes);
    if (written != bytes.size())
        throw FileErrors::fromErrno(lastError());
}

void WriteSeam::flush(QFile& file, bool toDisk)
{
    if (++m_flushes == m_failFlush)
        throw FileErrors::diskFull();
    errno = 0;
    if (!file.flush())
        throw FileErrors::fromErrno(lastError());
    if (toDisk)
        syncToDisk(file);
}

void WriteSeam::rename(const QString& from, const QString& to)
{
    if (++m_renames == m_failRename)
        throw FileErrors::pathFileAccess();
    if (m_refuseAcrossFolders && QFileInfo(from).absolutePath() != QFileInfo(to).absolutePath())
        throw FileErrors::fromErrno(EXDEV);
#ifdef Q_OS_WIN
    if (!MoveFileExW(reinterpret_cast<const wchar_t*>(from.utf16()),
                     reinterpret_cast<const wchar_t*>(to.utf16()),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        throw FileErrors::pathFileAccess();
#else
    errno = 0;
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0)
        throw FileErrors::fromErrno(lastError());
    syncFolder(to);
#endif
}
