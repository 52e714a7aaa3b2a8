#pragma once
// Which holes count as played and the sums over all 18 holes, which include
// the zero strokes of holes not yet played.

#include <cstdint>

#include "game/RoundState.h"

namespace scorecard {

inline constexpr int kHoles = 18;

inline bool HolePlayed(const game::RoundState& round, int hole) {
    return hole < round.currentHole || round.roundOver != platform::kFalse;
}

struct Totals {
    std::int32_t par = 0;
    std::int32_t strokes = 0;
    std::int32_t Difference() const { return strokes - par; }
};

inline Totals SumOverAllHoles(const game::RoundState& round) {
    Totals totals;
    for (int hole = 1; hole <= kHoles; ++hole) {
        totals.par += round.holePar[hole];
        totals.strokes += round.holeStrokes[hole];
    }
    return totals;
}

}  // namespace scorecard
