#include "settings/Profile.h"

#include "platform/Program.h"
#include "platform/TextFiles.h"
#include "settings/IniDocument.h"

namespace settings {
namespace {

const QString kFileName = QStringLiteral("QVN.ini");

}  // namespace

QString SettingsFilePath() { return platform::SettingsFileToRead(kFileName); }

QByteArray ReadSettingsFile() {
    return platform::ReadFileBytes(SettingsFilePath()).value_or(QByteArray());
}

QString SettingIn(const QByteArray& file, const QString& section, const QString& key) {
    return LookUpValue(file, section, key).value_or(QString());
}

QString ReadSetting(const QString& section, const QString& key) {
    return SettingIn(ReadSettingsFile(), section, key);
}

// Until the per-user file exists, the bytes beside the program are where the
// first write starts from.
void WriteSetting(const QString& section, const QString& key, const QString& value) {
    const QString source = SettingsFilePath();
    std::optional<QByteArray> bytes = platform::ReadFileBytes(source);
    if (!bytes) {
        if (platform::EntryExists(source)) return;
        bytes.emplace();
    }
    const std::optional<QByteArray> updated = BytesWithValue(*bytes, section, key, value);
    if (!updated || *updated == *bytes) return;
    platform::WriteFileAtomically(platform::SettingsFileToWrite(kFileName), *updated);
}

void WriteSetting(const QString& section, const QString& key, long long value) {
    WriteSetting(section, key, QString::number(value));
}

}  // namespace settings
