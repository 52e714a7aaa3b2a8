#pragma once
// A hole string: a par digit, then one letter per cell.

#include <QString>

namespace courses {

// Longer holes lie far beyond the screen's right edge; refusing them keeps
// every position well inside 32 bits and the window count sane.
inline constexpr qsizetype kMostCells = 1000;

bool StartsWithParDigit(const QString& hole);
// The par digit's value; 0 for a hole that has none.
int ParOf(const QString& hole);
bool HasTooManyCells(const QString& hole);

}  // namespace courses
