#pragma once
// Tree sizes come from two step tables, read one tree after the other: each
// tree takes the next width step, then the next height step. The read
// positions wrap before the tables' last entries (width after 16 entries,
// height after 20), so the last entry of either table is never used.

namespace courses {

struct TreeCycle {
    int widthPos = 0;
    int heightPos = 0;
};

struct TreeStep {
    int width;   // tenths of a cell
    int height;  // a tree is height x 20 + 50 twips tall
};

// The steps at the current positions; both positions then advance.
TreeStep NextTreeStep(TreeCycle& cycle);

}  // namespace courses
