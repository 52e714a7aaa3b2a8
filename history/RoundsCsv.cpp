#include "history/RoundsCsv.h"

#include "platform/Clock.h"

namespace history {
namespace {

// Quoted only when it has to be, as spreadsheets expect.
QString Field(const QString& text) {
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') &&
        !text.contains(u'\r')) {
        return text;
    }
    return u'"' + QString(text).replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
}

}  // namespace

QByteArray RoundsCsv(const std::vector<RoundRecord>& rounds, const QString& courseLabel) {
    QString text =
        QStringLiteral("ラウンド,日時,コース,ホール,パー,打数,ペナルティ,バンカー,木\r\n");
    const QString course = Field(courseLabel);
    for (std::size_t r = 0; r < rounds.size(); ++r) {
        const RoundRecord& round = rounds[r];
        const QString played = platform::DateTimeText(round.playedAt);
        for (int hole = 1; hole <= kHoles; ++hole) {
            const HoleRecord& h = round.holes[static_cast<std::size_t>(hole - 1)];
            // Rounds from before these were counted leave them empty, not 0.
            const auto counted = [&](std::int32_t n) {
                return round.hazardsCounted ? QString::number(n) : QString();
            };
            text += QStringLiteral("%1,%2,%3,%4,%5,%6,%7,%8,%9\r\n")
                        .arg(QString::number(r + 1), played, course, QString::number(hole),
                             QString::number(h.par), QString::number(h.strokes),
                             counted(h.penalties), counted(h.bunkerShots), counted(h.treeHits));
        }
    }
    return text.toUtf8();
}

}  // namespace history
