#include "tests/support/SampleRound.h"

namespace testing {

scorecard::RoundScores FinishedBeginnerRound() {
    return {{4, 3, 5, 3, 5, 5, 4, 4, 3, 5, 4, 3, 4, 4, 4, 4, 3, 5},
            {5, 3, 6, 4, 5, 6, 4, 5, 3, 5, 4, 4, 5, 4, 3, 4, 3, 6},
            19,
            true};
}

}  // namespace testing
