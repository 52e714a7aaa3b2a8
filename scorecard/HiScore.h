#pragma once
// The best finished round of each course set, kept in the settings file.

#include <QDateTime>
#include <QString>

#include "scorecard/RoundScores.h"

namespace scorecard {

// "HISCORE", "HISCORE@", "HISCORE*"; empty for an unknown code.
QString HiScoreKey(int courseSet);

// The total difference an entry records: the text after its last space, read
// by the leading-number rule.
double StoredTotal(const QString& entry);

// The course set's entry as stored (empty when there is none).
QString StoredHiScore(int courseSet);

// Replaces the course set's entry when the round is over and strictly better,
// and returns the entry to show (empty when there is none).
QString KeepHiScore(const RoundScores& round, int courseSet, const QDateTime& when);

}  // namespace scorecard
