#include "contacts/Compaction.h"

#include "contacts/Contact.h"
#include "contacts/ContactFile.h"
#include "contacts/FileErrors.h"
#include "contacts/ReplacingFile.h"

#include <QFileInfo>

#include <cstring>

bool isMarkedDeleted(const QString& firstName)
{
    return firstName.startsWith(QLatin1String("*DELETED*"));
}

void rewriteContactFile(ContactFile& file, const RecordEdit& edit)
{
    // Also refuses a read-only handle and a file another program changed.
    file.requireWritable();
    if (file.hasOtherNames())
        throw AppError::refusal(
            75, QStringLiteral("Path/File access error"),
            QFileInfo(file.path()).fileName()
                + QStringLiteral(" has other names on the disk (hard links). This change rewrites the whole file, "
                                 "which would part it from those names, so nothing was changed.\r\n\r\nMake a "
                                 "copy of the file under one name and open that copy to make this change."),
            QStringLiteral("Contact file not changed"));

    ReplacingFile next(file.target(), file.seam());
    QByteArray record(Contact::RecordLength, Qt::Uninitialized);
    file.forEachRecord([&](int n, const char* bytes) {
        std::memcpy(record.data(), bytes, Contact::RecordLength);
        if (!edit(n, record.data()))
            return;
        Contact::normaliseRecord(record.data());
        next.write(record);
    });
    next.commit();
    file.adopt(next.takeDescriptor());
}

void compactContactFile(ContactFile& file, int removeRecordNumber)
{
    rewriteContactFile(file, [removeRecordNumber](int n, char* bytes) {
        // "*DELETED*" is plain ASCII: the same nine bytes as the nine characters.
        return n != removeRecordNumber && std::memcmp(bytes, "*DELETED*", 9) != 0;
    });
}
