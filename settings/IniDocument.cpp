#include "settings/IniDocument.h"

#include "platform/TextFiles.h"

namespace settings {
namespace {

// Spaces, tabs, CR, LF, "=" and ";" are below 0x40, the lowest trail byte of a
// two-byte character, so finding them in the raw bytes is safe, and so is "[" at
// the start of a line; "]", "\" and letters can be trail bytes, which is why
// names are only looked at once decoded.
bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsBlank(QChar c) { return c == u' ' || c == u'\t'; }

QString Trimmed(QStringView text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && IsBlank(text[first])) ++first;
    while (last > first && IsBlank(text[last - 1])) --last;
    return text.mid(first, last - first).toString();
}

std::optional<QString> DecodedTrimmed(const QByteArray& bytes, qsizetype from, qsizetype to) {
    const std::optional<QString> text = platform::DecodeCp932(bytes.mid(from, to - from));
    if (!text) return std::nullopt;
    return Trimmed(*text);
}

IniLine ClassifyLine(const QByteArray& bytes, qsizetype start, qsizetype contentEnd,
                     qsizetype end) {
    IniLine line;
    line.start = start;
    line.contentEnd = contentEnd;
    line.end = end;
    qsizetype first = start;
    qsizetype last = contentEnd;
    while (first < last && IsBlank(bytes[first])) ++first;
    while (last > first && IsBlank(bytes[last - 1])) --last;
    if (first == last || bytes[first] == ';') return line;
    if (bytes[first] == '[') {
        // A broken header still ends the section before it, so its keys never
        // pass for keys of that section; it just has no name to match.
        line.kind = IniLine::Kind::Section;
        const std::optional<QString> text = platform::DecodeCp932(bytes.mid(first, last - first));
        if (!text) return line;
        const qsizetype close = text->lastIndexOf(u']');
        if (close > 0) line.name = Trimmed(QStringView(*text).mid(1, close - 1));
        return line;
    }
    const qsizetype equalsInLine = QByteArrayView(bytes).sliced(first, last - first).indexOf('=');
    if (equalsInLine < 0) return line;
    const qsizetype equals = first + equalsInLine;
    line.kind = IniLine::Kind::Key;
    line.valueStart = equals + 1;
    line.name = DecodedTrimmed(bytes, first, equals);
    line.value = DecodedTrimmed(bytes, equals + 1, last).value_or(QString());
    return line;
}

bool SameName(QStringView a, QStringView b) {
    if (a.size() != b.size()) return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        char16_t x = a[i].unicode();
        char16_t y = b[i].unicode();
        if (x >= u'a' && x <= u'z') x -= u'a' - u'A';
        if (y >= u'a' && y <= u'z') y -= u'a' - u'A';
        if (x != y) return false;
    }
    return true;
}

bool NameMatches(const IniLine& line, IniLine::Kind kind, const QString& name) {
    return line.kind == kind && line.name && SameName(*line.name, name);
}

std::optional<std::size_t> FindSection(const IniDocument& document, const QString& section) {
    for (std::size_t i = 0; i < document.lines.size(); ++i) {
        if (NameMatches(document.lines[i], IniLine::Kind::Section, section)) return i;
    }
    return std::nullopt;
}

std::optional<std::size_t> FindKey(const IniDocument& document, std::size_t sectionIndex,
                                   const QString& key) {
    for (std::size_t i = sectionIndex + 1; i < document.lines.size(); ++i) {
        const IniLine& line = document.lines[i];
        if (line.kind == IniLine::Kind::Section) break;
        if (NameMatches(line, IniLine::Kind::Key, key)) return i;
    }
    return std::nullopt;
}

// The section's last key line, or its header when it has no keys.
std::size_t LastLineToKeep(const IniDocument& document, std::size_t sectionIndex) {
    std::size_t anchor = sectionIndex;
    for (std::size_t i = sectionIndex + 1; i < document.lines.size(); ++i) {
        const IniLine::Kind kind = document.lines[i].kind;
        if (kind == IniLine::Kind::Section) break;
        if (kind == IniLine::Kind::Key) anchor = i;
    }
    return anchor;
}

bool IsQuote(QChar c) { return c == u'"' || c == u'\''; }

QString Unquoted(const QString& value) {
    if (value.size() >= 2 && IsQuote(value.front()) && value.back() == value.front()) {
        return value.mid(1, value.size() - 2);
    }
    return value;
}

qsizetype EncodedWidth(QChar c) {
    const std::optional<QByteArray> bytes = platform::EncodeCp932(QString(c));
    return bytes ? bytes->size() : 2;
}

// Cut at a character boundary, so no half of a two-byte character is left.
QString CutToMaxBytes(const QString& value) {
    const std::optional<QByteArray> whole = platform::EncodeCp932(value);
    if (whole && whole->size() <= kMaxValueBytes) return value;
    qsizetype used = 0;
    qsizetype kept = 0;
    while (kept < value.size() && used + EncodedWidth(value[kept]) <= kMaxValueBytes) {
        used += EncodedWidth(value[kept]);
        ++kept;
    }
    return value.left(kept);
}

bool HasLineBreakOrNul(const QString& text) {
    return text.contains(u'\r') || text.contains(u'\n') || text.contains(QChar(0));
}

bool IsWritableName(const QString& name) {
    return !name.isEmpty() && !IsBlank(name.front()) && !IsBlank(name.back()) &&
           !HasLineBreakOrNul(name);
}

bool IsWritableKey(const QString& key) {
    return IsWritableName(key) && !key.contains(u'=') && key.front() != u';' && key.front() != u'[';
}

// Quotes keep blanks at the ends, and an already quoted value, as they are.
QString StoredForm(const QString& value) {
    if (value.isEmpty()) return value;
    const bool blankEnd = IsBlank(value.front()) || IsBlank(value.back());
    if (blankEnd || Unquoted(value) != value) return u'"' + value + u'"';
    return value;
}

const QByteArray kLineEnd = QByteArrayLiteral("\r\n");

bool EndsWithLineBreak(const QByteArray& bytes) {
    return bytes.endsWith('\r') || bytes.endsWith('\n');
}

}  // namespace

IniDocument ParseIni(const QByteArray& bytes) {
    IniDocument document;
    document.bytes = bytes;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype contentEnd = start;
        while (contentEnd < bytes.size() && bytes[contentEnd] != '\r' &&
               bytes[contentEnd] != '\n') {
            ++contentEnd;
        }
        qsizetype end = contentEnd;
        if (end < bytes.size() && bytes[end] == '\r') ++end;
        if (end < bytes.size() && bytes[end] == '\n') ++end;
        document.lines.push_back(ClassifyLine(bytes, start, contentEnd, end));
        start = end;
    }
    return document;
}

std::optional<QString> LookUpValue(const IniDocument& document, const QString& section,
                                   const QString& key) {
    const std::optional<std::size_t> sectionIndex = FindSection(document, section);
    if (!sectionIndex) return std::nullopt;
    const std::optional<std::size_t> keyIndex = FindKey(document, *sectionIndex, key);
    if (!keyIndex) return std::nullopt;
    QString value = Unquoted(document.lines[*keyIndex].value);
    const qsizetype nul = value.indexOf(QChar(0));
    if (nul >= 0) value.truncate(nul);
    return CutToMaxBytes(value);
}

std::optional<QByteArray> BytesWithValue(const IniDocument& document, const QString& section,
                                         const QString& key, const QString& value) {
    if (!IsWritableName(section) || !IsWritableKey(key) || HasLineBreakOrNul(value)) {
        return std::nullopt;
    }
    const std::optional<QByteArray> sectionBytes = platform::EncodeCp932(section);
    const std::optional<QByteArray> keyBytes = platform::EncodeCp932(key);
    const std::optional<QByteArray> valueBytes = platform::EncodeCp932(StoredForm(value));
    if (!sectionBytes || !keyBytes || !valueBytes) return std::nullopt;

    const QByteArray& bytes = document.bytes;
    const std::optional<std::size_t> sectionIndex = FindSection(document, section);
    if (!sectionIndex) {
        QByteArray result = bytes;
        if (!result.isEmpty() && !EndsWithLineBreak(result)) result += kLineEnd;
        return result + '[' + *sectionBytes + ']' + kLineEnd + *keyBytes + '=' + *valueBytes +
               kLineEnd;
    }
    if (const std::optional<std::size_t> keyIndex = FindKey(document, *sectionIndex, key)) {
        const IniLine& line = document.lines[*keyIndex];
        return bytes.left(line.valueStart) + *valueBytes + bytes.mid(line.contentEnd);
    }
    const IniLine& anchor = document.lines[LastLineToKeep(document, *sectionIndex)];
    QByteArray result = bytes.left(anchor.end);
    if (anchor.end == anchor.contentEnd) result += kLineEnd;
    return result + *keyBytes + '=' + *valueBytes + kLineEnd + bytes.mid(anchor.end);
}

}  // namespace settings
