#include "contacts/ContactFile.h"

#include "contacts/FileErrors.h"
#include "contacts/FileLock.h"
#include "contacts/ReplacingFile.h"

#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

int lastError()
{
    return errno ? errno : EIO;
}

bool statPath(const QString& path, struct stat& st)
{
    return ::stat(QFile::encodeName(path).constData(), &st) == 0;
}

qint64 mtimeNs(const struct stat& st)
{
    return qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
}

} // namespace

void ContactFile::startOpen(const QString& path)
{
    close();
    if (path.isEmpty())
        throw FileErrors::badFile();
    // A folder opens read-only on some systems; it is never a contact file.
    if (QFileInfo(path).isDir())
        throw FileErrors::pathFileAccess();
    m_file.setFileName(path);
}

void ContactFile::finishOpen(const QString& path)
{
    if (m_file.size() > qint64(MaxRecords) * Contact::RecordLength) {
        close();
        m_file.setFileName(QString());
        throw FileErrors::tooLarge();
    }
    m_path = path;
    m_target = ReplacingFile::targetOf(path);
    remember();
}

void ContactFile::open(const QString& path)
{
    startOpen(path);
    errno = 0;
    // Unbuffered: each write goes straight to the system, and a failed write leaves nothing
    // queued that a later call could still push into the file.
    const bool denied = m_seam.writeAccessDenied();
    if (denied || !m_file.open(QIODevice::ReadWrite | QIODevice::Unbuffered)) {
        const int error = denied ? EACCES : lastError();
        const bool readable = (error == EACCES || error == EPERM || error == EROFS) && QFileInfo::exists(path);
        if (!readable || !m_file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
            m_file.setFileName(QString());
            throw FileErrors::fromErrno(error);
        }
        m_readOnly = true;
    } else {
        openLocked(path);
    }
    finishOpen(path);
    // Holding the lock, nobody else can be rewriting this file: any temporary is a leftover.
    if (!m_readOnly)
        ReplacingFile::removeLeftovers(m_target);
}

void ContactFile::openLocked(const QString& path)
{
    // Another process may replace the file between our open and our lock (its delete renames a
    // new file into place, then lets go of the old one): the lock counts only on the file the
    // path names once we hold it.
    for (int attempt = 0;; ++attempt) {
        if (!FileLock::tryLock(m_file.handle())) {
            m_file.close();
            m_file.setFileName(QString());
            throw FileErrors::FileInUse(FileLock::holderOf(path));
        }
        struct stat held {}, named {};
        if (::fstat(m_file.handle(), &held) == 0 && statPath(path, named) && held.st_dev == named.st_dev
            && held.st_ino == named.st_ino)
            return;
        m_file.close();
        if (attempt == 10) {
            m_file.setFileName(QString());
            throw FileErrors::pathFileAccess();
        }
        m_file.setFileName(path);
        errno = 0;
        if (!m_file.open(QIODevice::ReadWrite | QIODevice::Unbuffered)) {
            const int error = lastError();
            m_file.setFileName(QString());
            throw FileErrors::fromErrno(error);
        }
    }
}

void ContactFile::openReadOnly(const QString& path, const QString& heldBy)
{
    startOpen(path);
    errno = 0;
    if (!m_file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        const int error = lastError();
        m_file.setFileName(QString());
        throw FileErrors::fromErrno(error);
    }
    finishOpen(path);
    m_readOnly = true;
    m_heldElsewhere = true;
    m_heldBy = heldBy;
}

void ContactFile::close()
{
    if (m_file.isOpen())
        m_file.close();
    m_path.clear();
    m_target.clear();
    m_readOnly = false;
    m_heldElsewhere = false;
    m_heldBy.clear();
    m_seen = Identity();
}

void ContactFile::adopt(int descriptor)
{
    m_file.close();
    if (!m_file.open(descriptor, QIODevice::ReadWrite | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        throw FileErrors::badFile();
    }
    remember();
}

void ContactFile::remember()
{
    struct stat st {};
    if (::fstat(m_file.handle(), &st) != 0)
        return;
    m_seen = {quint64(st.st_dev), quint64(st.st_ino), qint64(st.st_size), mtimeNs(st)};
}

bool ContactFile::hasOtherNames() const
{
    struct stat st {};
    return isOpen() && ::fstat(m_file.handle(), &st) == 0 && st.st_nlink > 1;
}

void ContactFile::followReplacement() const
{
    if (!m_heldElsewhere)
        return;
    struct stat named {};
    if (!statPath(m_path, named))
        return;
    if (quint64(named.st_dev) == m_seen.device && quint64(named.st_ino) == m_seen.inode)
        return;
    QFile next(m_path);
    if (!next.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return;
    m_file.close();
    m_file.open(::dup(next.handle()), QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle);
    const_cast<ContactFile*>(this)->remember();
}

void ContactFile::requireWritable()
{
    requireOpen();
    if (m_heldElsewhere) {
        const QString name = QFileInfo(m_path).fileName();
        throw AppError::refusal(
            70, QStringLiteral("Permission denied"),
            QStringLiteral("%1 is open read-only here, because another Tessaprint has it open for changes%2. "
                           "Nothing was written.\r\n\r\nClose the file in the other Tessaprint, then open it "
                           "here again to make changes.")
                .arg(name, m_heldBy.isEmpty() ? QString() : QStringLiteral(" (") + m_heldBy + u')'),
            QStringLiteral("Contact file is read-only"));
    }
    if (m_readOnly)
        throw FileErrors::permissionDenied();
    struct stat held {}, named {};
    errno = 0;
    if (!statPath(m_path, named)) {
        if (errno == ENOENT || errno == ENOTDIR)
            throw FileErrors::fileNotFound();
        throw FileErrors::fromErrno(lastError());
    }
    if (::fstat(m_file.handle(), &held) != 0)
        throw FileErrors::fromErrno(lastError());
    const Identity now{quint64(held.st_dev), quint64(held.st_ino), qint64(held.st_size), mtimeNs(held)};
    if (held.st_dev != named.st_dev || held.st_ino != named.st_ino || now != m_seen)
        throwStale();
}

void ContactFile::throwStale()
{
    const QString name = QFileInfo(m_path).fileName();
    const QString path = m_path;
    throw AppError::refusal(
        75, QStringLiteral("Path/File access error"),
        QStringLiteral("%1 was changed by another program after Tessaprint opened it, so nothing was written "
                       "(the other program's changes are kept).\r\n\r\nOpen the file again now, to see "
                       "those changes?")
            .arg(name),
        QStringLiteral("Contact file changed"), [this, path] {
            try {
                open(path);
            } catch (const FileErrors::FileInUse& inUse) {
                try {
                    openReadOnly(path, inUse.holder());
                } catch (...) {
                }
            } catch (...) {
                // Still closed: the next command says there is no file.
            }
        });
}

int ContactFile::recordCountForLength(qint64 length)
{
    if (length <= 0)
        return 0;
    return static_cast<int>((length + Contact::RecordLength / 2) / Contact::RecordLength);
}

int ContactFile::recordCount() const
{
    requireOpen();
    followReplacement();
    return recordCountForLength(m_file.size());
}

Contact ContactFile::read(int n)
{
    requireRecordNumber(n);
    requireOpen();
    followReplacement();
    // One read at the record's place: a list printout reads every record again this way, in
    // list order, and a seek, a size and a read each time cost more than decoding it.
    char record[Contact::RecordLength];
    errno = 0;
    const ssize_t got = ::pread(m_file.handle(), record, sizeof record, off_t(n - 1) * Contact::RecordLength);
    if (got < 0)
        throw FileErrors::fromErrno(lastError());
    if (got == 0)
        return Contact::blank(); // beyond the end
    std::fill(record + got, record + sizeof record, ' ');
    return Contact::fromRecordBytes(record);
}

QVector<Contact> ContactFile::readAll()
{
    QVector<Contact> contacts;
    contacts.reserve(recordCount());
    forEachRecord([&](int, const char* record) { contacts.push_back(Contact::fromRecordBytes(record)); });
    return contacts;
}

void ContactFile::forEachRecord(const std::function<void(int n, const char* record)>& visit)
{
    const int count = recordCount();
    if (count == 0)
        return;
    errno = 0;
    if (!m_file.seek(0))
        throw FileErrors::fromErrno(lastError());
    // About a megabyte a read: sequential, and little memory however large the file.
    constexpr int BlockRecords = 2048;
    QByteArray block(qint64(BlockRecords) * Contact::RecordLength, Qt::Uninitialized);
    for (int first = 0; first < count; first += BlockRecords) {
        const int records = std::min(BlockRecords, count - first);
        const qint64 wanted = qint64(records) * Contact::RecordLength;
        qint64 got = 0;
        while (got < wanted) {
            errno = 0;
            const qint64 n = m_file.read(block.data() + got, wanted - got);
            if (n < 0)
                throw FileErrors::fromErrno(lastError());
            if (n == 0)
                break; // the end: a fragment, or a file that got shorter
            got += n;
        }
        // What read() gives for missing bytes: spaces.
        std::fill(block.data() + got, block.data() + wanted, ' ');
        for (int i = 0; i < records; ++i)
            visit(first + i + 1, block.constData() + qint64(i) * Contact::RecordLength);
    }
}

void ContactFile::write(int n, const Contact& contact)
{
    requireRecordNumber(n);
    requireWritable();
    const qint64 oldSize = m_file.size();
    const int count = recordCountForLength(oldSize);
    if (n > count + 1)
        throw AppError::badRecordNumber();
    qint64 offset = qint64(n - 1) * Contact::RecordLength;
    QByteArray bytes = contact.toRecord();
    if (offset > oldSize) {
        // An append after a torn record that counts: complete it first, as read() shows it.
        offset -= Contact::RecordLength;
        QByteArray torn(Contact::RecordLength, ' ');
        errno = 0;
        if (!m_file.seek(offset))
            throw FileErrors::fromErrno(lastError());
        const QByteArray fragment = m_file.read(oldSize - offset);
        // Its own bytes stay as they are; the missing ones become what a writer writes there.
        Contact::normaliseRecord(torn.data());
        std::memcpy(torn.data(), fragment.constData(), fragment.size());
        bytes.prepend(torn);
    }
    // What the record held, so that a write that fails half-way can be undone.
    QByteArray before;
    if (offset < oldSize) {
        errno = 0;
        if (!m_file.seek(offset))
            throw FileErrors::fromErrno(lastError());
        before = m_file.read(Contact::RecordLength);
    }
    errno = 0;
    if (!m_file.seek(offset))
        throw FileErrors::fromErrno(lastError());
    try {
        m_seam.write(m_file, bytes);
        m_seam.flush(m_file);
    } catch (...) {
        restore(offset, before, oldSize);
        remember();
        throw;
    }
    remember();
}

void ContactFile::restore(qint64 offset, const QByteArray& before, qint64 oldSize)
{
    // Best effort: the write's own error is the one to report. Putting back bytes that were
    // there needs no new space, and cutting off an appended fragment always can be done, so
    // no torn record stays behind (a fragment of 257 bytes or more would count as a record).
    if (!before.isEmpty() && m_file.seek(offset))
        m_file.write(before);
    if (m_file.size() > oldSize)
        m_file.resize(oldSize);
}

void ContactFile::append(const Contact& contact)
{
    requireOpen();
    write(recordCountForLength(m_file.size()) + 1, contact);
}

void ContactFile::requireOpen() const
{
    if (!m_file.isOpen())
        throw FileErrors::badFile();
}

void ContactFile::requireRecordNumber(int n)
{
    if (n <= 0)
        throw AppError::badRecordNumber();
}
