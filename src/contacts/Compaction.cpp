#include "contacts/Compaction.h"

#include "contacts/ContactFile.h"
#include "contacts/FileErrors.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

QString tempFilePath(const QString& programFolder)
{
    return programFolder + QStringLiteral("/Tempf");
}

bool isMarkedDeleted(const QString& firstName)
{
    return firstName.startsWith(QLatin1String("*DELETED*"));
}

namespace {

// The record as a writer writes it: every separator "|" and CR LF at the end, whatever the
// file held there (the same bytes a decode and encode of the record would give).
void normaliseRecord(char* record)
{
    for (int i = 0; i + 1 < Contact::FieldCount; ++i) {
        const Contact::FieldInfo& info = Contact::fieldInfo(i);
        record[info.offset + info.width] = '|';
    }
    record[Contact::RecordLength - 2] = '\r';
    record[Contact::RecordLength - 1] = '\n';
}

// Streams the survivors of `file` into a fresh tempPath and puts them on the disk. Throws;
// on failure tempPath is removed.
void writeTemporary(ContactFile& file, const QString& tempPath, const QString& contactPath,
                    int removeRecordNumber)
{
    if (QFileInfo(tempPath).isDir())
        throw FileErrors::pathFileAccess();
    QFile temp(tempPath);
    errno = 0;
    if (!temp.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw FileErrors::fromErrno(errno ? errno : EIO);
    try {
        // The new file takes the old one's place: give it the old one's permissions.
        temp.setPermissions(QFile::permissions(contactPath));
        WriteSeam& seam = file.seam();
        QByteArray record(Contact::RecordLength, Qt::Uninitialized);
        file.forEachRecord([&](int n, const char* bytes) {
            // "*DELETED*" is plain ASCII: the same nine bytes as the nine characters.
            if (n == removeRecordNumber || std::memcmp(bytes, "*DELETED*", 9) == 0)
                return;
            std::memcpy(record.data(), bytes, Contact::RecordLength);
            normaliseRecord(record.data());
            seam.write(temp, record);
        });
        seam.flush(temp, /*toDisk=*/true);
        temp.close();
    } catch (...) {
        temp.close();
        QFile::remove(tempPath);
        throw;
    }
}

} // namespace

void compactContactFile(ContactFile& file, const QString& tempPath, int removeRecordNumber)
{
    if (!file.isOpen())
        throw FileErrors::badFile();
    const QString path = file.path();
    writeTemporary(file, tempPath, path, removeRecordNumber);

    // Closed across the rename: a system that cannot replace an open file may then do it.
    file.close();
    try {
        file.seam().rename(tempPath, path);
    } catch (...) {
        QFile::remove(tempPath);
        try {
            file.open(path);
        } catch (...) {
            // The rename's error is the one to report.
        }
        throw;
    }
    file.open(path);
}
