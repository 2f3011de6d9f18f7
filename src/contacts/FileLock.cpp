#include "contacts/FileLock.h"

#include <QFile>
#include <QTextStream>

#include <cerrno>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace FileLock {

bool tryLock(int fd)
{
    int r;
    do {
        r = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (r != 0 && errno == EINTR);
    return r == 0;
}

QString holderOf(const QString& path)
{
    struct stat st { };
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return QString();
    // Each line: "1: FLOCK  ADVISORY  WRITE 4242 08:01:1234567 0 EOF".
    QFile locks(QStringLiteral("/proc/locks"));
    if (!locks.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    const QString device = QStringLiteral("%1:%2:%3")
                               .arg(major(st.st_dev), 2, 16, QChar(u'0'))
                               .arg(minor(st.st_dev), 2, 16, QChar(u'0'))
                               .arg(qulonglong(st.st_ino));
    QTextStream in(&locks);
    for (QString line = in.readLine(); !line.isNull(); line = in.readLine()) {
        const QStringList parts = line.split(u' ', Qt::SkipEmptyParts);
        if (parts.size() < 6 || parts[1] != QLatin1String("FLOCK") || parts[5] != device)
            continue;
        const QString pid = parts[4];
        QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
        const QString name
            = comm.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(comm.readAll()).trimmed() : QString();
        return name.isEmpty() ? QStringLiteral("process %1").arg(pid) : QStringLiteral("%1, process %2").arg(name, pid);
    }
    return QString();
}

} // namespace FileLock
