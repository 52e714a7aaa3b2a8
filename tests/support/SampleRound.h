#pragma once
// A finished beginner round used by the score tests: par 72, 79 strokes.

#include "game/RoundState.h"

namespace testing {

game::RoundState FinishedBeginnerRound();

}  // namespace testing
