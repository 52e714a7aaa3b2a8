#include "scorecard/ScoreCard.h"

#include "platform/Clipboard.h"
#include "platform/Clock.h"
#include "platform/Messages.h"
#include "scorecard/CardText.h"
#include "scorecard/HiScore.h"

namespace scorecard {

QString ScoreCardText(const RoundScores& round, int courseSet, bool keepHiScore,
                      const QDateTime& when) {
    const QString hiScoreEntry =
        keepHiScore ? KeepHiScore(round, courseSet, when) : StoredHiScore(courseSet);
    return CardText(round, courseSet, hiScoreEntry);
}

void CopyScores(const RoundScores& round, int courseSet, bool oneColumn) {
    const QDateTime now = platform::Now();
    platform::SetClipboardText(oneColumn ? ColumnText(round, courseSet, now)
                                         : TabSeparatedText(round, now));
    platform::ShowMessage(QStringLiteral("スコアをクリップボードにコピーしました！"),
                          QStringLiteral("Quorvane"));
}

}  // namespace scorecard
