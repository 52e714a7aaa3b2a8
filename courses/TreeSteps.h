#pragma once
// Each tree takes the next width step, then the next height step. The read
// positions wrap before the tables' last entries: width modulo 16, height
// modulo 20, so the last entry of either table is never used.

namespace courses {

// The step at game::state.treeWidthPos; the position then advances.
int NextTreeWidthStep();
// The step at game::state.treeHeightPos; the position then advances.
int NextTreeHeightStep();

}  // namespace courses
