#include "settings/Profile.h"

#include "platform/Program.h"
#include "platform/TextFiles.h"
#include "settings/IniDocument.h"

namespace settings {

QString SettingsFilePath() { return platform::SettingsFolder() + QStringLiteral("/QVN.ini"); }

QString ReadSetting(const QString& section, const QString& key) {
    const std::optional<QByteArray> bytes = platform::ReadFileBytes(SettingsFilePath());
    if (!bytes) return QString();
    return LookUpValue(ParseIni(*bytes), section, key).value_or(QString());
}

void WriteSetting(const QString& section, const QString& key, const QString& value) {
    const QString path = SettingsFilePath();
    std::optional<QByteArray> bytes = platform::ReadFileBytes(path);
    // A file that is there but cannot be read must not be replaced by a new one.
    if (!bytes) {
        if (platform::FileExists(path)) return;
        bytes.emplace();
    }
    const std::optional<QByteArray> updated = BytesWithValue(ParseIni(*bytes), section, key, value);
    if (!updated || *updated == *bytes) return;
    platform::WriteFileAtomically(path, *updated);
}

void WriteSetting(const QString& section, const QString& key, long long value) {
    WriteSetting(section, key, QString::number(value));
}

}  // namespace settings
