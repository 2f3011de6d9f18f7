#include "platform/PrintFiles.h"

QString copyFileName(const QString& first, int copy)
{
    if (copy <= 1)
        return first;
    QString name = first;
    const QString suffix = QStringLiteral("-%1").arg(copy);
    if (name.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        name.insert(name.size() - 4, suffix);
    else
        name += suffix;
    return name;
}
