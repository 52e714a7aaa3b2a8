#pragma once
// The two built-in course sets and the tree size tables.

#include <QStringView>
#include <array>

namespace courses {

// Hole strings, hole 1 first: a par digit, then 100 cells.
extern const std::array<QStringView, 18> beginnerCourse;  // "#": trees and bunkers
extern const std::array<QStringView, 18> fullCourse;      // "@": with water

inline constexpr std::array<int, 21> kTreeHeightSteps = {5, 7, 3, 4, 6, 2, 1, 4, 3, 5, 6,
                                                         7, 5, 7, 8, 8, 3, 4, 5, 6, 4};
inline constexpr std::array<int, 17> kTreeWidthSteps = {2, 6, 3, 7, 8, 9, 5, 7, 3,
                                                        4, 2, 5, 3, 4, 6, 4, 2};

}  // namespace courses
