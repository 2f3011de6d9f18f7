#include "platform/SettingsStore.h"

#include <QSettings>

QString readStoredSetting(const QString& appTitle, const QString& section, const QString& key)
{
    QSettings settings(QStringLiteral("Tessaprint"), appTitle);
    settings.beginGroup(section);
    return settings.value(key).toString();
}

void writeStoredSetting(const QString& appTitle, const QString& section, const QString& key, const QString& value)
{
    QSettings settings(QStringLiteral("Tessaprint"), appTitle);
    settings.beginGroup(section);
    settings.setValue(key, value);
    settings.endGroup();
}
