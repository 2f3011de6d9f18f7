#include "contacts/Compaction.h"

#include "contacts/ContactFile.h"
#include "contacts/FileErrors.h"

#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>

QString temporaryFileTemplate(const QString& contactPath)
{
    const QFileInfo contact(contactPath);
    return contact.absolutePath() + QStringLiteral("/.") + contact.fileName() + QStringLiteral(".Tempf-XXXXXX");
}

bool isMarkedDeleted(const QString& firstName)
{
    return firstName.startsWith(QLatin1String("*DELETED*"));
}

namespace {

// Writes the survivors into a new temporary file beside contactPath and puts them on the disk;
// returns its path. Throws; on failure the temporary file is removed.
QString writeTemporary(WriteSeam& seam, const QString& contactPath, const QVector<Contact>& records,
                       int removeRecordNumber)
{
    QTemporaryFile temp(temporaryFileTemplate(contactPath));
    // Its name becomes the contact file's; nothing may remove it by that name later.
    temp.setAutoRemove(false);
    errno = 0;
    if (!temp.open())
        throw FileErrors::fromErrno(errno ? errno : EIO);
    const QString tempPath = temp.fileName();
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
    return tempPath;
}

} // namespace

void compactContactFile(ContactFile& file, int removeRecordNumber)
{
    if (!file.isOpen())
        throw FileErrors::badFile();
    // The rename would replace a file the user may only read.
    if (file.isReadOnly())
        throw FileErrors::permissionDenied();
    const QString path = file.path();
    const QVector<Contact> records = file.readAll();

    const QString tempPath = writeTemporary(file.seam(), path, records, removeRecordNumber);

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
