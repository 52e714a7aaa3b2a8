#pragma once
// A finished beginner round used by the score tests: par 72, 79 strokes.

#include "scorecard/RoundScores.h"

namespace testing {

scorecard::RoundScores FinishedBeginnerRound();

}  // namespace testing
