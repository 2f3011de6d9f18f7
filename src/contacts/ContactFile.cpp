#include "contacts/ContactFile.h"

#include "contacts/FileErrors.h"

#include <QFileInfo>

#include <algorithm>
#include <cerrno>

namespace {

int lastError()
{
    return errno ? errno : EIO;
}

} // namespace

void ContactFile::open(const QString& path)
{
    close();
    if (path.isEmpty())
        throw FileErrors::badFile();
    // A folder opens read-only on some systems; it is never a contact file.
    if (QFileInfo(path).isDir())
        throw FileErrors::pathFileAccess();
    m_file.setFileName(path);
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
    }
    if (m_file.size() > qint64(MaxRecords) * Contact::RecordLength) {
        close();
        m_file.setFileName(QString());
        throw FileErrors::tooLarge();
    }
    m_path = path;
}

void ContactFile::close()
{
    if (m_file.isOpen())
        m_file.close();
    m_path.clear();
    m_readOnly = false;
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
    return recordCountForLength(m_file.size());
}

Contact ContactFile::read(int n)
{
    requireRecordNumber(n);
    requireOpen();
    const qint64 offset = qint64(n - 1) * Contact::RecordLength;
    if (offset >= m_file.size())
        return Contact::blank();
    errno = 0;
    if (!m_file.seek(offset))
        throw FileErrors::fromErrno(lastError());
    const QByteArray bytes = m_file.read(Contact::RecordLength);
    if (bytes.isEmpty() && m_file.error() != QFileDevice::NoError)
        throw FileErrors::fromErrno(lastError());
    return Contact::fromRecord(bytes);
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
    requireOpen();
    if (m_readOnly)
        throw FileErrors::permissionDenied();
    if (!QFileInfo::exists(m_path))
        throw FileErrors::fileNotFound();
    const qint64 offset = qint64(n - 1) * Contact::RecordLength;
    const qint64 oldSize = m_file.size();
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
        m_seam.write(m_file, contact.toRecord());
        m_seam.flush(m_file);
    } catch (...) {
        restore(offset, before, oldSize);
        throw;
    }
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
    write(recordCount() + 1, contact);
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
