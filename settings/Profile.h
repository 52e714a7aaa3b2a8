#pragma once
// The settings file QVN.ini: read and write one value at a time, keeping
// every other byte of the file as it was.

#include <QString>

namespace settings {

// Full path of QVN.ini.
QString SettingsFilePath();

// The value, or the empty text when the file, section or key is missing.
QString ReadSetting(const QString& section, const QString& key);
// Stores the value, creating what is missing; a failed write is silent.
void WriteSetting(const QString& section, const QString& key, const QString& value);
void WriteSetting(const QString& section, const QString& key, long long value);

}  // namespace settings
