#include "batch/PdfTarget.h"

#include "platform/PrintFiles.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <filesystem>

namespace Batch {

namespace {

// The same file on disk, however it is named: hard and symbolic links included.
bool sameFile(const QString& a, const QString& b)
{
    std::error_code error;
    return std::filesystem::equivalent(std::filesystem::path(QFile::encodeName(a).toStdString()),
                                       std::filesystem::path(QFile::encodeName(b).toStdString()), error)
        && !error;
}

// An empty file holds nothing to lose; anything else must begin as a PDF does.
bool replaceable(const QString& path)
{
    QFile file(path);
    if (file.size() == 0)
        return true;
    return file.open(QIODevice::ReadOnly) && file.read(5) == "%PDF-";
}

} // namespace

QString pdfTargetProblem(const QString& pdfPath, int copies, const QString& contactFile)
{
    for (int copy = 1; copy <= std::max(copies, 1); ++copy) {
        const QString path = copyFileName(pdfPath, copy);
        const QFileInfo info(path);
        if (!contactFile.isEmpty() && sameFile(path, contactFile)) {
            const QString named =
                path == contactFile ? QString() : QStringLiteral(" %1 by another name").arg(contactFile);
            return QStringLiteral("%1 is the contact file%2: printing into it would replace its contacts. "
                                  "Name another file with --pdf.")
                .arg(path, named);
        }
        if (info.isDir())
            return QStringLiteral("%1 is a folder, not a PDF file.").arg(path);
        if (info.exists() && !replaceable(path))
            return QStringLiteral("%1 is not a PDF file: printing into it would replace what it holds. "
                                  "Name another file with --pdf, or remove this one first.")
                .arg(path);
    }
    return QString();
}

} // namespace Batch
