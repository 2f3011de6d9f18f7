#pragma once

#include <QString>

// The per-user settings store (QSettings under the organisation "Tessaprint"), for every platform
// that reaches the user's real settings.
QString readStoredSetting(const QString& appTitle, const QString& section, const QString& key);
void writeStoredSetting(const QString& appTitle, const QString& section, const QString& key, const QString& value);
