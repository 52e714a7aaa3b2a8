#include "history/RoundRecord.h"

#include <QCryptographicHash>

namespace history {

std::int32_t RoundRecord::TotalPar() const {
    std::int32_t total = 0;
    for (const HoleRecord& hole : holes) total += hole.par;
    return total;
}

std::int32_t RoundRecord::TotalStrokes() const {
    std::int32_t total = 0;
    for (const HoleRecord& hole : holes) total += hole.strokes;
    return total;
}

QString CourseFingerprint(const courses::CourseRows& rows) {
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (const QString& row : rows) {
        hash.addData(row.toUtf8());
        hash.addData(QByteArrayView("\n"));
    }
    return QString::fromLatin1(hash.result().toHex().left(16));
}

}  // namespace history
