// The INI engine on arbitrary bytes: parsing covers every byte, a stored value
// reads back, and no other value changes.
//
// Input: section 0x01 key 0x01 value 0x01 file bytes; a missing part is taken
// from the defaults below.
#include <QByteArray>
#include <QList>
#include <QString>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <utility>

#include "platform/TextFiles.h"
#include "settings/IniDocument.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

QString AsciiUpper(QString text) {
    for (QChar& c : text) {
        if (c >= u'a' && c <= u'z') c = QChar(c.unicode() - (u'a' - u'A'));
    }
    return text;
}

void RequireCoversEveryByte(const QByteArray& file) {
    for (qsizetype next = 0; next < file.size();) {
        const settings::IniLine line = settings::LineAt(file, next);
        Require(line.start == next && line.start < line.end);
        Require(line.contentEnd >= line.start && line.contentEnd <= line.end);
        Require(line.end - line.contentEnd <= 2);
        Require(line.start <= line.first && line.first <= line.last);
        Require(line.last <= line.contentEnd);
        next = line.end;
    }
}

// Every (section, key) name pair the file holds, as far as they decode.
QList<std::pair<QString, QString>> NamePairs(const QByteArray& file) {
    QList<std::pair<QString, QString>> pairs;
    QString section;
    bool inNamedSection = false;
    for (qsizetype next = 0; next < file.size() && pairs.size() < 64;) {
        const settings::IniLine line = settings::LineAt(file, next);
        const std::optional<QString> name = settings::NameOf(file, line);
        if (line.kind == settings::IniLine::Kind::Section) {
            inNamedSection = name.has_value();
            if (name) section = *name;
        } else if (line.kind == settings::IniLine::Kind::Key && inNamedSection && name) {
            pairs.append({section, *name});
        }
        next = line.end;
    }
    return pairs;
}

struct Input {
    QString section = QStringLiteral("Setting");
    QString key = QStringLiteral("Course");
    QString value = QStringLiteral("x");
    QByteArray file;
};

Input Split(const QByteArray& bytes) {
    Input input;
    QList<qsizetype> cuts;
    qsizetype at = -1;
    while (cuts.size() < 3 && (at = bytes.indexOf('\x01', at + 1)) >= 0) cuts.append(at);
    if (cuts.size() < 3) {
        input.file = bytes;
        return input;
    }
    const auto decoded = [&](qsizetype from, qsizetype to, const QString& fallback) {
        return platform::DecodeCp932(bytes.mid(from, to - from)).value_or(fallback);
    };
    input.section = decoded(0, cuts[0], input.section);
    input.key = decoded(cuts[0] + 1, cuts[1], input.key);
    input.value = decoded(cuts[1] + 1, cuts[2], input.value);
    input.file = bytes.mid(cuts[2] + 1);
    return input;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto [section, key, value, file] =
        Split(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));

    RequireCoversEveryByte(file);
    const QList<std::pair<QString, QString>> pairs = NamePairs(file);
    QList<std::optional<QString>> before;
    for (const auto& [s, k] : pairs) before.append(settings::LookUpValue(file, s, k));

    const std::optional<QByteArray> updated = settings::BytesWithValue(file, section, key, value);
    if (!updated) return 0;
    const QByteArray& after = *updated;
    RequireCoversEveryByte(after);
    // A byte order mark stays where it was.
    Require(after.startsWith("\xEF\xBB\xBF") == file.startsWith("\xEF\xBB\xBF"));

    const std::optional<QString> readBack = settings::LookUpValue(after, section, key);
    Require(readBack.has_value());
    const qsizetype valueBytes = platform::EncodeCp932(value).value().size();
    if (valueBytes <= settings::kMaxValueBytes) {
        Require(*readBack == value);
    } else {
        Require(value.startsWith(*readBack));
        Require(platform::EncodeCp932(*readBack).value().size() <= settings::kMaxValueBytes);
    }
    for (qsizetype i = 0; i < pairs.size(); ++i) {
        const auto& [s, k] = pairs[i];
        if (AsciiUpper(s) == AsciiUpper(section) && AsciiUpper(k) == AsciiUpper(key)) continue;
        Require(settings::LookUpValue(after, s, k) == before[i]);
    }
    return 0;
}
