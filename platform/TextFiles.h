#pragma once
// Files in code page 932 (Shift-JIS), read and written whole.

#include <optional>

#include <QByteArray>
#include <QList>
#include <QString>

namespace platform {

// Strict conversions: nullopt when a byte sequence or a character has no
// counterpart, so nothing silently turns into other bytes.
std::optional<QString> DecodeCp932(const QByteArray& bytes);
std::optional<QByteArray> EncodeCp932(const QString& text);

// Something is there under the name: a file, a folder, a FIFO, even a link
// that leads nowhere.
bool EntryExists(const QString& path);

// The largest file the game reads; a larger one counts as unreadable.
inline constexpr qsizetype kMostFileBytes = 4 * 1024 * 1024;

// The whole file, or nullopt when it cannot be read: missing, larger than
// kMostFileBytes, or no regular file (a FIFO, device, folder or socket, none
// of which is ever opened in a way that could block).
std::optional<QByteArray> ReadFileBytes(const QString& path);

// 3 when the bytes start with a UTF-8 byte order mark, as editors write it.
qsizetype Utf8BomLength(const QByteArray& bytes);

// Where a line lies in a text: its first byte, the first byte of its line
// end (or the text's end), and the first byte of the next line.
struct LineSpan {
    qsizetype start;
    qsizetype contentEnd;
    qsizetype end;
};

// The lines of a text after its byte order mark; ends CR LF, CR or LF.
QList<LineSpan> LineSpans(const QByteArray& bytes);
QList<QByteArray> SplitLines(const QByteArray& bytes);
// The lines of a file, or nullopt when it cannot be read.
std::optional<QList<QByteArray>> ReadLines(const QString& path);

// Writes the whole file or nothing: the old file stays byte for byte when any
// part of the write fails. A link is written through to its target; anything
// else that is no regular file is never replaced. A successful write removes
// the temporary files that killed writes of the same file left beside it.
bool WriteFileAtomically(const QString& path, const QByteArray& data);

// Test seam: the next atomic writes fail after this many bytes (-1: never).
void InjectWriteFailureAfter(qint64 bytes);

}  // namespace platform
