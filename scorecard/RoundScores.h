#pragma once
// The scores of a round as the score card sees them.

#include <array>
#include <cstdint>

namespace scorecard {

inline constexpr int kHoles = 18;

struct RoundScores {
    std::array<std::int32_t, kHoles> par{};      // hole n is element n - 1
    std::array<std::int32_t, kHoles> strokes{};  // 0 for a hole not yet played
    int currentHole = 1;                         // 19 once the 18th is holed
    bool roundOver = false;

    std::int32_t Par(int hole) const { return par[static_cast<std::size_t>(hole - 1)]; }
    std::int32_t Strokes(int hole) const { return strokes[static_cast<std::size_t>(hole - 1)]; }
    bool Played(int hole) const { return hole < currentHole || roundOver; }
};

// Sums over all 18 holes, which include the zero strokes of holes not yet played.
struct Totals {
    std::int32_t par = 0;
    std::int32_t strokes = 0;
    std::int32_t Difference() const { return strokes - par; }
};

inline Totals SumOverAllHoles(const RoundScores& round) {
    Totals totals;
    for (int hole = 1; hole <= kHoles; ++hole) {
        totals.par += round.Par(hole);
        totals.strokes += round.Strokes(hole);
    }
    return totals;
}

}  // namespace scorecard
