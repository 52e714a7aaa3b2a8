#pragma once
// An INI file in code page 932, kept as its bytes: look up one value, or get the
// bytes with one value changed and every other byte left alone.
//
// Lines end with CR LF, CR or LF. "[name]" opens a section, "key=value" gives a
// value, a line starting with ";" is a comment, anything else is ignored. Names
// match without regard to ASCII case; only the first section of a name and the
// first key of a name in it count. Every line starting with "[" opens a section,
// but one without "]" has no name and never matches. A line that is not valid
// code page 932 keeps its place in the structure (a "[" line still opens a
// section, a line with "=" is still a key) but its names never match and its
// value reads as empty.

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace settings {

struct IniLine {
    enum class Kind { Other, Section, Key };
    Kind kind = Kind::Other;
    qsizetype start = 0;          // first byte of the line
    qsizetype contentEnd = 0;     // first byte of the line end, or the end of the file
    qsizetype end = 0;            // first byte of the next line
    qsizetype valueStart = 0;     // key lines: the byte after "="
    std::optional<QString> name;  // nullopt when the name's bytes are not code page 932
    QString value;                // key lines: trimmed, quotes kept
};

struct IniDocument {
    QByteArray bytes;
    std::vector<IniLine> lines;
};

// Longest value a read returns, in bytes of code page 932.
inline constexpr qsizetype kMaxValueBytes = 510;

IniDocument ParseIni(const QByteArray& bytes);

// The value, unquoted and cut to kMaxValueBytes; nullopt when the section or
// key is missing.
std::optional<QString> LookUpValue(const IniDocument& document, const QString& section,
                                   const QString& key);

// The file's bytes after storing the value, or nullopt when it cannot be stored
// so that it reads back: a name or value with no code page 932 form, an empty
// name, a line break or NUL, or a name the file syntax would read differently.
std::optional<QByteArray> BytesWithValue(const IniDocument& document, const QString& section,
                                         const QString& key, const QString& value);

}  // namespace settings
