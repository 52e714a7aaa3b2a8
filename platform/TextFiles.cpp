#include "platform/TextFiles.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace platform {
namespace {

qint64& InjectedFailure() {
    static qint64 afterBytes = -1;
    return afterBytes;
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

std::optional<QByteArray> ReadFileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) return std::nullopt;
    return bytes;
}

std::optional<QStringList> ReadCp932Lines(const QString& path) {
    const std::optional<QByteArray> bytes = ReadFileBytes(path);
    if (!bytes) return std::nullopt;
    const std::optional<QString> text = DecodeCp932(*bytes);
    if (!text) return std::nullopt;
    QString normalised = *text;
    normalised.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    normalised.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = normalised.split(QLatin1Char('\n'));
    if (normalised.endsWith(QLatin1Char('\n'))) lines.removeLast();
    return lines;
}

bool WriteFileAtomically(const QString& path, const QByteArray& data) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    const qint64 failAfter = InjectedFailure();
    if (failAfter >= 0 && failAfter < data.size()) {
        file.write(data.left(failAfter));
        file.cancelWriting();
        file.commit();
        return false;
    }
    if (file.write(data) != data.size()) {
        file.cancelWriting();
        file.commit();
        return false;
    }
    if (!file.flush()) {
        file.cancelWriting();
        file.commit();
        return false;
    }
    return file.commit();
}

void InjectWriteFailureAfter(qint64 bytes) { InjectedFailure() = bytes; }

}  // namespace platform
