#pragma once
// The holes of the current course and the tree size tables.

#include <array>

#include <QString>

namespace courses {

struct CourseState {
    std::array<QString, 18> courseRows;  // hole n is element n - 1
    std::array<int, 21> treeHeightSteps{};
    std::array<int, 17> treeWidthSteps{};
};

extern CourseState state;

}  // namespace courses
