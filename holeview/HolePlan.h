#pragma once
// Where a hole's tee, cup, trees, bunkers and water go, worked out from its
// hole string before any window is touched.

#include <QStringView>
#include <cstdint>
#include <optional>
#include <vector>

#include "courses/CourseState.h"
#include "platform/Box.h"

namespace holeview {

struct Placement {
    enum class Kind { Tee, Cup, Tree, Bunker, Water };
    Kind kind;
    double left;  // twips from the strip's left edge
    // Obstacles stand on the ground line with this size.
    double width = 0;
    double height = 0;

    bool operator==(const Placement&) const = default;
};

struct HolePlan {
    std::vector<Placement> placements;  // in cell order
    // The last tee and the last pin decide; a hole without one leaves the
    // ball, or the cup and flag, where they were.
    std::optional<std::int32_t> teeX;
    std::optional<std::int32_t> cupX;
    std::vector<Placement> trees;
    std::vector<Placement> bunkers;
    std::vector<Placement> waters;
};

// One hundredth of the game's width, rounded half to even.
std::int32_t CellWidth(std::int32_t screenWidth);

// Walks the cells (the hole string without its par digit) from the left:
// "T" tee, "P" pin, "K" a tree of the next size, a run of "B" or "W" one
// bunker or water; the cell right after a run is never looked at, and "E"
// ends the hole.
HolePlan PlanHole(QStringView cells, std::int32_t cellWidth, courses::TreeCycle& trees);

// What an obstacle's window shows: three green bands for a tree, five
// coloured boxes along a hazard's one pixel row.
std::vector<platform::Box> ObstaclePicture(const Placement& obstacle);
// What a placement paints on the course strip: green and cup at a pin, a blue
// mark under water; nothing for the rest.
std::vector<platform::Box> StripMarks(const Placement& placement);

// Windows the busiest hole needs: one per tree and one per run.
int MostObstacleWindows(const courses::CourseRows& rows);

}  // namespace holeview
