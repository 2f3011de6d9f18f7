#include "contacts/InstallerFile.h"

#include "platform/Platform.h"

#include <QFile>

namespace {

QString inFolder(Platform& platform, const char* name)
{
    return platform.programFolder() + u'/' + QLatin1String(name);
}

void renameIfPresent(const QString& from, const QString& to)
{
    if (QFile::exists(from) && !QFile::exists(to))
        QFile::rename(from, to);
}

} // namespace

void hideInstallerFile(Platform& platform)
{
    renameIfPresent(inFolder(platform, "unins000.DAT"), inFolder(platform, "unins000.DAK"));
}

void restoreInstallerFile(Platform& platform)
{
    renameIfPresent(inFolder(platform, "unins000.DAK"), inFolder(platform, "unins000.DAT"));
}
