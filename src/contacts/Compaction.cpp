#include "contacts/Compaction.h"

#include "contacts/ContactFile.h"
#include "contacts/FileErrors.h"

#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <cstring>

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

// Streams the survivors of `file` into a new temporary file beside contactPath and puts them
// on the disk; returns its path. Throws; on failure the temporary file is removed.
QString writeTemporary(ContactFile& file, const QString& contactPath, int removeRecordNumber)
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
    const QString tempPath = writeTemporary(file, path, removeRecordNumber);

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
