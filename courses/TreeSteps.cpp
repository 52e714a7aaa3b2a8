#include "courses/TreeSteps.h"

#include <cstddef>
#include <cstdint>

#include "courses/CourseState.h"
#include "game/RoundState.h"

namespace courses {
namespace {

constexpr std::int32_t kWidthPeriod = 16;
constexpr std::int32_t kHeightPeriod = 20;

// A position outside the cycle (never set so by the game) is folded back into
// it rather than read past the table.
template <std::size_t N>
int NextStep(const std::array<int, N>& steps, std::int32_t& position, std::int32_t period) {
    position = ((position % period) + period) % period;
    const int step = steps[static_cast<std::size_t>(position)];
    position = (position + 1) % period;
    return step;
}

}  // namespace

int NextTreeWidthStep() {
    return NextStep(state.treeWidthSteps, game::state.treeWidthPos, kWidthPeriod);
}

int NextTreeHeightStep() {
    return NextStep(state.treeHeightSteps, game::state.treeHeightPos, kHeightPeriod);
}

}  // namespace courses
