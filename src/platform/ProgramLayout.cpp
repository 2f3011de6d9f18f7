#include "platform/ProgramLayout.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

// The build sets this from its install folders; the default is theirs too.
#ifndef TP_DATA_FROM_PROGRAM
#define TP_DATA_FROM_PROGRAM "../share/tessaprint"
#endif

ProgramLayout programLayout(const QString& programFolder)
{
    const QString installed = QDir::cleanPath(QDir(programFolder).absoluteFilePath(QStringLiteral(TP_DATA_FROM_PROGRAM)));
    if (QFileInfo(installed).isDir())
        return {installed, true};
    return {QDir::cleanPath(programFolder), false};
}

QString userDocumentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}
