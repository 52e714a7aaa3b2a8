#pragma once
// The score card shown in the score window, and the two texts its copy
// button puts on the clipboard.

#include <QDateTime>
#include <QString>

#include "scorecard/RoundScores.h"

namespace scorecard {

// The card with the course's high score below it. A finished round that beats
// the stored high score replaces it, unless keepHiScore is off: a hole given
// on the command line is none of the course sets.
QString ScoreCardText(const RoundScores& round, int courseSet, bool keepHiScore,
                      const QDateTime& when);

// Puts the scores on the clipboard, tab-separated or as one column of
// strokes, stamped with the time of the copy, and tells the player.
void CopyScores(const RoundScores& round, int courseSet, bool oneColumn);

}  // namespace scorecard
