#pragma once
// Files in code page 932 (Shift-JIS), read and written whole.

#include <optional>

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace platform {

// Strict conversions: nullopt when a byte sequence or a character has no
// counterpart, so nothing silently turns into other bytes.
std::optional<QString> DecodeCp932(const QByteArray& bytes);
std::optional<QByteArray> EncodeCp932(const QString& text);

// The whole file, or nullopt when it cannot be read.
std::optional<QByteArray> ReadFileBytes(const QString& path);

// Lines of a code page 932 text file, ends CR LF, CR or LF; nullopt when the
// file cannot be read or is not valid code page 932.
std::optional<QStringList> ReadCp932Lines(const QString& path);

// Writes the whole file or nothing: the old file stays byte for byte when any
// part of the write fails.
bool WriteFileAtomically(const QString& path, const QByteArray& data);

// Test seam: the next atomic writes fail after this many bytes (-1: never).
void InjectWriteFailureAfter(qint64 bytes);

}  // namespace platform
