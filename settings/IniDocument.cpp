#include "settings/IniDocument.h"

#include "platform/TextFiles.h"

namespace settings {
namespace {

// Spaces, tabs, CR, LF, "=" and ";" are below 0x40, the lowest trail byte of a
// two-byte character, so finding them in the raw bytes is safe, and so is "[" at
// the start of a line; "]", "\" and letters can be trail bytes, which is why
// names are only compared as characters.
bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsBlank(QChar c) { return c == u' ' || c == u'\t'; }

// Printable ASCII and tabs read as themselves in code page 932 (a few control
// bytes do not), so such names are compared without decoding them.
bool IsPlain(QByteArrayView bytes) {
    for (const char c : bytes) {
        if (!((c >= 0x20 && c <= 0x7E) || c == '\t')) return false;
    }
    return true;
}

std::optional<QString> Decoded(QByteArrayView bytes) {
    if (IsPlain(bytes)) return QString::fromLatin1(bytes);
    return platform::DecodeCp932(bytes.toByteArray());
}

QString Trimmed(QStringView text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && IsBlank(text[first])) ++first;
    while (last > first && IsBlank(text[last - 1])) --last;
    return text.mid(first, last - first).toString();
}

QByteArrayView Span(const QByteArray& file, qsizetype from, qsizetype to) {
    return QByteArrayView(file).sliced(from, to - from);
}

char16_t Folded(char16_t c) { return c >= u'a' && c <= u'z' ? c - (u'a' - u'A') : c; }

bool SameName(QByteArrayView name, QStringView wanted) {
    if (name.size() != wanted.size()) return false;
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (Folded(char16_t(uchar(name[i]))) != Folded(wanted[i].unicode())) return false;
    }
    return true;
}

bool SameName(QStringView name, QStringView wanted) {
    if (name.size() != wanted.size()) return false;
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (Folded(name[i].unicode()) != Folded(wanted[i].unicode())) return false;
    }
    return true;
}

// The name's bytes when they need no decoding: a key's up to "=", a header's
// between "[" and its last "]"; nullopt for other names.
std::optional<QByteArrayView> PlainName(const QByteArray& file, const IniLine& line) {
    if (line.kind == IniLine::Kind::Key) {
        qsizetype last = line.valueStart - 1;
        while (last > line.first && IsBlank(file[last - 1])) --last;
        const QByteArrayView name = Span(file, line.first, last);
        if (!IsPlain(name)) return std::nullopt;
        return name;
    }
    const QByteArrayView content = Span(file, line.first, line.last);
    const qsizetype close = content.lastIndexOf(']');
    if (!IsPlain(content) || close <= 0) return std::nullopt;
    qsizetype first = 1;
    qsizetype last = close;
    while (first < last && IsBlank(content[first])) ++first;
    while (last > first && IsBlank(content[last - 1])) --last;
    return content.sliced(first, last - first);
}

bool NameMatches(const QByteArray& file, const IniLine& line, IniLine::Kind kind,
                 const QString& wanted) {
    if (line.kind != kind) return false;
    if (const std::optional<QByteArrayView> plain = PlainName(file, line)) {
        return SameName(*plain, wanted);
    }
    const std::optional<QString> name = NameOf(file, line);
    return name && SameName(*name, wanted);
}

std::optional<IniLine> FindSection(const QByteArray& file, const QString& section) {
    for (qsizetype at = 0; at < file.size();) {
        const IniLine line = LineAt(file, at);
        if (NameMatches(file, line, IniLine::Kind::Section, section)) return line;
        at = line.end;
    }
    return std::nullopt;
}

std::optional<IniLine> FindKey(const QByteArray& file, const IniLine& section, const QString& key) {
    for (qsizetype at = section.end; at < file.size();) {
        const IniLine line = LineAt(file, at);
        if (line.kind == IniLine::Kind::Section) break;
        if (NameMatches(file, line, IniLine::Kind::Key, key)) return line;
        at = line.end;
    }
    return std::nullopt;
}

// The section's last key line, or its header when it has no keys.
IniLine LastLineToKeep(const QByteArray& file, const IniLine& section) {
    IniLine anchor = section;
    for (qsizetype at = section.end; at < file.size();) {
        const IniLine line = LineAt(file, at);
        if (line.kind == IniLine::Kind::Section) break;
        if (line.kind == IniLine::Kind::Key) anchor = line;
        at = line.end;
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

IniLine LineAt(const QByteArray& file, qsizetype start) {
    const char* bytes = file.constData();
    const qsizetype size = file.size();
    // One pass finds the end of the line and its first "=".
    qsizetype contentEnd = start;
    qsizetype equals = -1;
    while (contentEnd < size && bytes[contentEnd] != '\r' && bytes[contentEnd] != '\n') {
        if (equals < 0 && bytes[contentEnd] == '=') equals = contentEnd;
        ++contentEnd;
    }
    qsizetype end = contentEnd;
    if (end < size && bytes[end] == '\r') ++end;
    if (end < size && bytes[end] == '\n') ++end;

    qsizetype first = start == 0 ? platform::Utf8BomLength(file) : start;
    qsizetype last = contentEnd;
    while (first < last && IsBlank(bytes[first])) ++first;
    while (last > first && IsBlank(bytes[last - 1])) --last;
    IniLine line{IniLine::Kind::Other, start, contentEnd, end, first, last, 0};
    if (first == last || bytes[first] == ';') return line;
    if (bytes[first] == '[') {
        // A broken header still ends the section before it, so its keys never
        // pass for keys of that section; it just has no name to match.
        line.kind = IniLine::Kind::Section;
    } else if (equals >= 0) {
        line.kind = IniLine::Kind::Key;
        line.valueStart = equals + 1;
    }
    return line;
}

std::optional<QString> NameOf(const QByteArray& file, const IniLine& line) {
    if (line.kind == IniLine::Kind::Key) {
        const std::optional<QString> name = Decoded(Span(file, line.first, line.valueStart - 1));
        if (!name) return std::nullopt;
        return Trimmed(*name);
    }
    if (line.kind != IniLine::Kind::Section) return std::nullopt;
    const std::optional<QString> text = Decoded(Span(file, line.first, line.last));
    if (!text) return std::nullopt;
    const qsizetype close = text->lastIndexOf(u']');
    if (close <= 0) return std::nullopt;
    return Trimmed(QStringView(*text).mid(1, close - 1));
}

std::optional<QString> LookUpValue(const QByteArray& file, const QString& section,
                                   const QString& key) {
    const std::optional<IniLine> sectionLine = FindSection(file, section);
    if (!sectionLine) return std::nullopt;
    const std::optional<IniLine> keyLine = FindKey(file, *sectionLine, key);
    if (!keyLine) return std::nullopt;
    const std::optional<QString> stored = Decoded(Span(file, keyLine->valueStart, keyLine->last));
    QString value = Unquoted(Trimmed(stored.value_or(QString())));
    const qsizetype nul = value.indexOf(QChar(0));
    if (nul >= 0) value.truncate(nul);
    return CutToMaxBytes(value);
}

std::optional<QByteArray> BytesWithValue(const QByteArray& file, const QString& section,
                                         const QString& key, const QString& value) {
    if (!IsWritableName(section) || !IsWritableKey(key) || HasLineBreakOrNul(value)) {
        return std::nullopt;
    }
    const std::optional<QByteArray> sectionBytes = platform::EncodeCp932(section);
    const std::optional<QByteArray> keyBytes = platform::EncodeCp932(key);
    const std::optional<QByteArray> valueBytes = platform::EncodeCp932(StoredForm(value));
    if (!sectionBytes || !keyBytes || !valueBytes) return std::nullopt;

    const std::optional<IniLine> sectionLine = FindSection(file, section);
    if (!sectionLine) {
        QByteArray result = file;
        if (result.size() > platform::Utf8BomLength(result) && !EndsWithLineBreak(result)) {
            result += kLineEnd;
        }
        return result + '[' + *sectionBytes + ']' + kLineEnd + *keyBytes + '=' + *valueBytes +
               kLineEnd;
    }
    if (const std::optional<IniLine> keyLine = FindKey(file, *sectionLine, key)) {
        return file.left(keyLine->valueStart) + *valueBytes + file.mid(keyLine->contentEnd);
    }
    const IniLine anchor = LastLineToKeep(file, *sectionLine);
    QByteArray result = file.left(anchor.end);
    if (anchor.end == anchor.contentEnd) result += kLineEnd;
    return result + *keyBytes + '=' + *valueBytes + kLineEnd + file.mid(anchor.end);
}

}  // namespace settings
