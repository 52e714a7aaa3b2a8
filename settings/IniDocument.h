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
// value reads as empty. A UTF-8 byte order mark before the first line is
// skipped on reading and kept on writing.
//
// Nothing is kept per line: each look-up walks the lines again and decodes only
// names that could match, so a file of a million short lines costs little more
// than its bytes.

#include <QByteArray>
#include <QString>
#include <optional>

namespace settings {

struct IniLine {
    enum class Kind { Other, Section, Key };
    Kind kind = Kind::Other;
    qsizetype start = 0;       // first byte of the line
    qsizetype contentEnd = 0;  // first byte of the line end, or the end of the file
    qsizetype end = 0;         // first byte of the next line
    qsizetype first = 0;       // the content without blanks at its ends (nor a byte order mark)
    qsizetype last = 0;
    qsizetype valueStart = 0;  // key lines: the byte after "="
};

// The line that starts at the given byte, which lies inside the file.
IniLine LineAt(const QByteArray& file, qsizetype start);
// The section's or key's name; nullopt for other lines, a section header
// without "]", and names whose bytes are not code page 932.
std::optional<QString> NameOf(const QByteArray& file, const IniLine& line);

// Longest value a read returns, in bytes of code page 932.
inline constexpr qsizetype kMaxValueBytes = 510;

// The value, unquoted and cut to kMaxValueBytes; nullopt when the section or
// key is missing.
std::optional<QString> LookUpValue(const QByteArray& file, const QString& section,
                                   const QString& key);

// The file's bytes after storing the value, or nullopt when it cannot be stored
// so that it reads back: a name or value with no code page 932 form, an empty
// name, a line break or NUL, or a name the file syntax would read differently.
std::optional<QByteArray> BytesWithValue(const QByteArray& file, const QString& section,
                                         const QString& key, const QString& value);

}  // namespace settings
