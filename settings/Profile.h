#pragma once
// The settings file QVN.ini: read and write one value at a time, keeping
// every other byte of the file as it was.

#include <QByteArray>
#include <QString>

namespace settings {

// Full path of the QVN.ini that is read.
QString SettingsFilePath();

// The file's bytes, read once for several look-ups; empty when it cannot be read.
QByteArray ReadSettingsFile();
// The value in those bytes, or the empty text when the section or key is missing.
QString SettingIn(const QByteArray& file, const QString& section, const QString& key);

// The value, or the empty text when the file, section or key is missing.
QString ReadSetting(const QString& section, const QString& key);
// Stores the value, creating what is missing; a failed write is silent. A file
// that is there but cannot be read is never replaced.
void WriteSetting(const QString& section, const QString& key, const QString& value);
void WriteSetting(const QString& section, const QString& key, long long value);

}  // namespace settings
