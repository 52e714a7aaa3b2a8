#include "settings/Profile.h"

#include "platform/Program.h"
#include "platform/TextFiles.h"
#include "settings/IniDocument.h"

namespace settings {

QString SettingsFilePath() { return platform::SettingsFolder() + QStringLiteral("/QVN.ini"); }

QByteArray ReadSettingsFile() {
    return platform::ReadFileBytes(SettingsFilePath()).value_or(QByteArray());
}

QString SettingIn(const QByteArray& file, const QString& section, const QString& key) {
    return LookUpValue(file, section, key).value_or(QString());
}

QString ReadSetting(const QString& section, const QString& key) {
    return SettingIn(ReadSettingsFile(), section, key);
}

void WriteSetting(const QString& section, const QString& key, const QString& value) {
    const QString path = SettingsFilePath();
    std::optional<QByteArray> bytes = platform::ReadFileBytes(path);
    // A file that is there but cannot be read must not be replaced by a new one.
    if (!bytes) {
        if (platform::FileExists(path)) return;
        bytes.emplace();
    }
    const std::optional<QByteArray> updated = BytesWithValue(*bytes, section, key, value);
    if (!updated || *updated == *bytes) return;
    platform::WriteFileAtomically(path, *updated);
}

void WriteSetting(const QString& section, const QString& key, long long value) {
    WriteSetting(section, key, QString::number(value));
}

}  // namespace settings
