#include "contacts/WriteSeam.h"

#include "contacts/FileErrors.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

// Errno of the failed call, or EIO when the call left it unset.
int lastError()
{
    return errno ? errno : EIO;
}

} // namespace

void WriteSeam::write(QFile& file, const QByteArray& bytes)
{
    observe(Step::Write, ++m_writes);
    if (m_writes == m_failWrite) {
        if (m_tear)
            file.write(bytes.left(bytes.size() / 2));
        throw FileErrors::diskFull();
    }
    errno = 0;
    const qint64 written = file.write(bytes);
    if (written != bytes.size())
        throw FileErrors::fromErrno(lastError());
}

void WriteSeam::flush(QFile& file)
{
    observe(Step::Flush, ++m_flushes);
    if (m_flushes == m_failFlush)
        throw FileErrors::diskFull();
    errno = 0;
    if (!file.flush())
        throw FileErrors::fromErrno(lastError());
}

void WriteSeam::sync(QFile& file)
{
    observe(Step::Sync, ++m_syncs);
    if (m_syncs == m_failSync)
        throw FileErrors::diskFull();
    if (file.handle() < 0)
        throw FileErrors::badFile();
    errno = 0;
    if (::fsync(file.handle()) != 0)
        throw FileErrors::fromErrno(lastError());
}

void WriteSeam::rename(const QString& from, const QString& to)
{
    observe(Step::Rename, ++m_renames);
    if (m_renames == m_failRename)
        throw FileErrors::pathFileAccess();
    if (m_refuseAcrossFolders && QFileInfo(from).absolutePath() != QFileInfo(to).absolutePath())
        throw FileErrors::fromErrno(EXDEV);
    errno = 0;
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0)
        throw FileErrors::fromErrno(lastError());

    // So that the rename itself survives a power cut. The new file is already in place and
    // whole; a folder that cannot be synced is no reason to report the change as failed.
    const QByteArray folder = QFile::encodeName(QFileInfo(to).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}
