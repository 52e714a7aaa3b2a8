#pragma once
// The three texts made from a round's scores: the score card of the score
// window, the tab-separated copy and the one-column list of strokes.

#include <QDateTime>
#include <QString>
#include <cstdint>

#include "scorecard/RoundScores.h"

namespace scorecard {

// "+5", " 0", "-2".
QString SignedText(std::int32_t value);

// "入門コース：", "本格コース：", "自作コース："; empty for an unknown code.
QString CourseLabel(int courseSet);

// The card ends with the high-score entry and no line end.
QString CardText(const RoundScores& round, int courseSet, const QString& hiScoreEntry);
QString TabSeparatedText(const RoundScores& round, const QDateTime& when);
QString ColumnText(const RoundScores& round, int courseSet, const QDateTime& when);

}  // namespace scorecard
