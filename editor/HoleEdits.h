#pragma once
// What an edit does to a hole string (a par digit, then one letter a cell),
// and which cell a point of the strip stands for.

#include <QString>
#include <cstdint>

#include "courses/CourseState.h"

namespace editor {

enum class Tool { Fairway, Tee, Pin, Bunker, Water, Tree, End };

// The strip shows this many columns; cells beyond lie past the screen's edge.
inline constexpr int kColumns = 100;

QChar LetterOf(Tool tool);
QString NameOf(Tool tool);  // "バンカー" and so on

// A plain par-4 hole of 100 cells: the tee on the first, the pin on the 80th.
QString NewHoleRow();

// The hole with the cells from..to (1-based, either order) set to the tool's
// letter. A tee or a pin is moved instead: it goes to cell to alone and the
// hole's other tees or pins become fairway. Cells past the hole's end make it
// longer, with fairway between; none goes past the longest hole.
QString Painted(const QString& row, Tool tool, int from, int to);
QString WithPar(const QString& row, int par);
// Shorter: the last cells go; longer: fairway is added.
QString WithLength(const QString& row, int cells);
int LengthOf(const QString& row);
// The last cell the layout reaches: the one before an "E", else the last.
int LastLaidOutCell(const QString& row);

// The column of the strip under a point, 0 to 99.
int ColumnAt(double xTwips, std::int32_t cellWidth);
// The cell a tool sets at a column: what a cell holds stands one cell to the
// right of its number's column, except the ball on a tee, which stands on it.
// So a tee set at a column, or a bunker, shows there.
int CellAt(int column, Tool tool);

// Where the tree sizes stand when the hole is laid out in a round of the
// course: each tree of the holes before it took the next size.
courses::TreeCycle TreesBefore(const courses::CourseRows& rows, int hole);

}  // namespace editor
