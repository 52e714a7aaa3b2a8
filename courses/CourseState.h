#pragma once
// The holes of the course being played and where the tree sizes have got to.

#include <QString>
#include <array>
#include <optional>

#include "courses/TreeSteps.h"

namespace courses {

using CourseRows = std::array<QString, 18>;  // hole n is element n - 1

struct CourseState {
    CourseRows rows;
    // Set back only when a new round starts: the same hole laid out again
    // gets trees of other sizes.
    TreeCycle trees;
};

// A course read from its source, or why it cannot be played.
struct CourseLoad {
    std::optional<CourseRows> rows;
    QString problem;
};

}  // namespace courses
