#pragma once
// Where the pause clock opens: where the player last left it, or the bottom
// right corner above the taskbar; always inside the screen.

#include <QPoint>
#include <QSize>
#include <QString>

namespace desktop {

struct ClockPlaceInput {
    QString storedLeft;  // "Location"/"Left", twips as text; empty when missing
    QString storedTop;
    int gameWidth;       // twips
    int workAreaBottom;  // twips
    int screenHeight;    // twips, the whole screen
    QSize windowSize;    // twips
};

// Both stored values, rounded half to even, or the default corner when either
// is missing; then pulled inside the game's width and the screen's height.
QPoint ClockPlace(const ClockPlaceInput& in);

}  // namespace desktop
