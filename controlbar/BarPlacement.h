#pragma once
// Where the control bar opens and how large it is, in twips.

#include <QPoint>

namespace controlbar {

inline constexpr int kBarHeightTwips = 230;
// The beginner's bar is narrower: its wind indicator lies beyond the edge.
int BarWidthTwips(int courseSet);

struct BarPlacementInput {
    double ballLeft;
    double ballTop;
    double barWidth;
    double barHeight;
    int screenWidth;
    bool ctlLock;
};
// Above the ball; centred on the screen when locked, else starting at the
// ball but never past the right screen edge.
QPoint BarPosition(const BarPlacementInput& in);

}  // namespace controlbar
