#include "platform/TextFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>
#include <cerrno>

namespace platform {
namespace {

qint64& InjectedFailure() {
    static qint64 afterBytes = -1;
    return afterBytes;
}

std::optional<QByteArray> ReadRegularFile(int fd) {
    struct stat info {};
    // Checked again on the open file: the name may have been given to
    // something else since it was looked at.
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size > kMostFileBytes) {
        return std::nullopt;
    }
    QByteArray bytes;
    bytes.reserve(info.st_size);
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return std::nullopt;
        if (got == 0) return bytes;
        bytes.append(buffer, got);
        if (bytes.size() > kMostFileBytes) return std::nullopt;
    }
}

bool IsAsciiLetter(QChar c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'); }

// A write killed after Qt named its temporary file, before the rename, leaves
// "<name>." and six letters beside the file: each of A-Z and a-z, drawn at
// random, so one name in thirty is all upper or all lower case.
bool IsLeftoverOf(const QString& fileName, const QString& candidate) {
    return candidate.size() == fileName.size() + 7 && candidate.startsWith(fileName + u'.') &&
           std::all_of(candidate.end() - 6, candidate.end(), IsAsciiLetter);
}

// Qt places its temporary file beside the file a link leads to.
void RemoveLeftoverTemporaries(const QString& path) {
    const QFileInfo written(QFileInfo(path).canonicalFilePath());
    const QDir folder = written.absoluteDir();
    const QStringList candidates =
        folder.entryList({written.fileName() + QStringLiteral(".??????")},
                         QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QString& candidate : candidates) {
        if (IsLeftoverOf(written.fileName(), candidate)) QFile::remove(folder.filePath(candidate));
    }
}

}  // namespace

std::optional<QString> DecodeCp932(const QByteArray& bytes) {
    QStringDecoder decoder("CP932", QStringConverter::Flag::Stateless);
    if (!decoder.isValid()) return std::nullopt;
    QString text = decoder.decode(bytes);
    if (decoder.hasError()) return std::nullopt;
    return text;
}

std::optional<QByteArray> EncodeCp932(const QString& text) {
    QStringEncoder encoder("CP932", QStringConverter::Flag::Stateless);
    if (!encoder.isValid()) return std::nullopt;
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError()) return std::nullopt;
    return bytes;
}

bool EntryExists(const QString& path) {
    const QFileInfo entry(path);
    return entry.exists() || entry.isSymLink();
}

std::optional<QByteArray> ReadFileBytes(const QString& path) {
    // Looked at before it is opened: opening a device can do things of its own.
    if (!QFileInfo(path).isFile()) return std::nullopt;
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    std::optional<QByteArray> bytes = ReadRegularFile(fd);
    ::close(fd);
    return bytes;
}

qsizetype Utf8BomLength(const QByteArray& bytes) {
    return bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
}

QList<LineSpan> LineSpans(const QByteArray& bytes) {
    QList<LineSpan> spans;
    qsizetype start = Utf8BomLength(bytes);
    while (start < bytes.size()) {
        qsizetype contentEnd = start;
        while (contentEnd < bytes.size() && bytes[contentEnd] != '\r' && bytes[contentEnd] != '\n')
            ++contentEnd;
        qsizetype end = contentEnd;
        if (end < bytes.size() && bytes[end] == '\r') ++end;
        if (end < bytes.size() && bytes[end] == '\n') ++end;
        spans.append({start, contentEnd, end});
        start = end;
    }
    return spans;
}

QList<QByteArray> SplitLines(const QByteArray& bytes) {
    QList<QByteArray> lines;
    for (const LineSpan& span : LineSpans(bytes))
        lines.append(bytes.mid(span.start, span.contentEnd - span.start));
    return lines;
}

std::optional<QList<QByteArray>> ReadLines(const QString& path) {
    const std::optional<QByteArray> bytes = ReadFileBytes(path);
    if (!bytes) return std::nullopt;
    return SplitLines(*bytes);
}

bool WriteFileAtomically(const QString& path, const QByteArray& data) {
    if (EntryExists(path) && !QFileInfo(path).isFile()) return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    const qint64 failAfter = InjectedFailure();
    if (failAfter >= 0 && failAfter < data.size()) {
        file.write(data.left(failAfter));
        file.cancelWriting();
        file.commit();
        return false;
    }
    if (file.write(data) != data.size() || !file.flush()) {
        file.cancelWriting();
        file.commit();
        return false;
    }
    if (!file.commit()) return false;
    RemoveLeftoverTemporaries(path);
    return true;
}

void InjectWriteFailureAfter(qint64 bytes) { InjectedFailure() = bytes; }

}  // namespace platform
