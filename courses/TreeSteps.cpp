#include "courses/TreeSteps.h"

#include <array>
#include <cstddef>

#include "courses/CourseTables.h"

namespace courses {
namespace {

constexpr int kWidthPeriod = 16;
constexpr int kHeightPeriod = 20;

// A position outside the cycle (never set so by the game) is folded back into
// it rather than read past the table.
template <std::size_t N>
int NextStep(const std::array<int, N>& steps, int& position, int period) {
    position = ((position % period) + period) % period;
    const int step = steps[static_cast<std::size_t>(position)];
    position = (position + 1) % period;
    return step;
}

}  // namespace

TreeStep NextTreeStep(TreeCycle& cycle) {
    const int width = NextStep(kTreeWidthSteps, cycle.widthPos, kWidthPeriod);
    const int height = NextStep(kTreeHeightSteps, cycle.heightPos, kHeightPeriod);
    return {width, height};
}

}  // namespace courses
