#include "contacts/ReplacingFile.h"

#include "contacts/FileErrors.h"
#include "contacts/FileLock.h"
#include "contacts/WriteSeam.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

int lastError()
{
    return errno ? errno : EIO;
}

} // namespace

QString ReplacingFile::targetOf(const QString& path)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? QFileInfo(path).absoluteFilePath() : canonical;
}

QString ReplacingFile::temporaryTemplate(const QString& target)
{
    const QFileInfo info(target);
    return info.absolutePath() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".Tempf-XXXXXX");
}

void ReplacingFile::removeLeftovers(const QString& path)
{
    const QFileInfo target(targetOf(path));
    const QDir folder = target.absoluteDir();
    const QRegularExpression own(QStringLiteral("^\\.") + QRegularExpression::escape(target.fileName())
                                 + QStringLiteral("\\.Tempf-[A-Za-z0-9]{6}$"));
    const QStringList hidden
        = folder.entryList({QStringLiteral(".*.Tempf-*")}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : hidden) {
        if (!own.match(name).hasMatch())
            continue;
        const QByteArray leftover = QFile::encodeName(folder.filePath(name));
        const int fd = ::open(leftover.constData(), O_RDWR | O_CLOEXEC | O_NOFOLLOW);
        if (fd < 0)
            continue;
        // A live writer holds its temporary locked until the rename.
        if (FileLock::tryLock(fd))
            ::unlink(leftover.constData());
        ::close(fd);
    }
}

ReplacingFile::ReplacingFile(const QString& path, WriteSeam& seam) : m_seam(seam), m_target(targetOf(path))
{
    removeLeftovers(m_target);
    QTemporaryFile temp(temporaryTemplate(m_target));
    temp.setAutoRemove(false);
    errno = 0;
    if (!temp.open())
        throw FileErrors::fromErrno(lastError());
    const QString tempPath = temp.fileName();
    temp.close();
    m_temp.setFileName(tempPath);
    errno = 0;
    if (!m_temp.open(QIODevice::ReadWrite | QIODevice::Unbuffered)) {
        const int error = lastError();
        QFile::remove(tempPath);
        throw FileErrors::fromErrno(error);
    }
    FileLock::tryLock(m_temp.handle());
    // It takes the old file's place: give it the old one's permissions.
    // A new file gets what a plain new file would: everything the umask allows.
    const QFileInfo old(m_target);
    if (old.exists()) {
        m_temp.setPermissions(old.permissions());
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(m_temp.handle(), 0666 & ~mask);
    }
}

ReplacingFile::~ReplacingFile()
{
    if (m_committed)
        return;
    const QString tempPath = m_temp.fileName();
    m_temp.close();
    QFile::remove(tempPath);
}

void ReplacingFile::write(const QByteArray& bytes)
{
    m_seam.write(m_temp, bytes);
}

void ReplacingFile::commit()
{
    // On the disk before its name can replace the old file: after a power cut the folder then
    // names either the old file or the whole new one.
    m_seam.flush(m_temp);
    m_seam.sync(m_temp);
    m_seam.rename(m_temp.fileName(), m_target);
    m_committed = true;
}

int ReplacingFile::takeDescriptor()
{
    errno = 0;
    const int fd = ::fcntl(m_temp.handle(), F_DUPFD_CLOEXEC, 0);
    if (fd < 0)
        throw FileErrors::fromErrno(lastError());
    return fd;
}
