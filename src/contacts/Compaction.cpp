#include "contacts/Compaction.h"

#include "contacts/ContactFile.h"
#include "contacts/FileErrors.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>

QString tempFilePath(const QString& programFolder)
{
    return programFolder + QStringLiteral("/Tempf");
}

bool isMarkedDeleted(const QString& firstName)
{
    return firstName.startsWith(QLatin1String("*DELETED*"));
}

namespace {

// Writes the survivors into a fresh tempPath and puts them on the disk. Throws; on failure
// tempPath is removed.
void writeTemporary(WriteSeam& seam, const QString& tempPath, const QString& contactPath,
                    const QVector<Contact>& records, int removeRecordNumber)
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
        for (int i = 0; i < records.size(); ++i) {
            if (i + 1 == removeRecordNumber || isMarkedDeleted(records[i].FirstName))
                continue;
            seam.write(temp, records[i].toRecord());
        }
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
    const QVector<Contact> records = file.readAll();

    writeTemporary(file.seam(), tempPath, path, records, removeRecordNumber);

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
