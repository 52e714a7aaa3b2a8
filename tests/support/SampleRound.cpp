#include "tests/support/SampleRound.h"

namespace testing {

game::RoundState FinishedBeginnerRound() {
    const int pars[18] = {4, 3, 5, 3, 5, 5, 4, 4, 3, 5, 4, 3, 4, 4, 4, 4, 3, 5};
    const int strokes[18] = {5, 3, 6, 4, 5, 6, 4, 5, 3, 5, 4, 4, 5, 4, 3, 4, 3, 6};
    game::RoundState round;
    for (int hole = 1; hole <= 18; ++hole) {
        round.holePar[hole] = pars[hole - 1];
        round.holeStrokes[hole] = strokes[hole - 1];
    }
    round.currentHole = 19;
    round.roundOver = platform::kTrue;
    return round;
}

}  // namespace testing
