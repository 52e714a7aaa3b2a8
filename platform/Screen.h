#pragma once
// The primary screen in the game's units: twips per pixel, size, work area.
// Tests replace the real screen with a fixed one.

#include <optional>

#include <QRect>

namespace platform {

struct ScreenMetrics {
    int widthPx = 0;
    int heightPx = 0;
    QRect workAreaPx;  // the part of the screen not covered by panels
    double twipsPerPixelX = 15.0;
    double twipsPerPixelY = 15.0;
};

ScreenMetrics CurrentScreen();
void SetTestScreen(std::optional<ScreenMetrics> metrics);

double TwipsPerPixelX();
double TwipsPerPixelY();
int ScreenWidthTwips();
int ScreenHeightTwips();
// Bottom edge of the work area (just above a bottom panel), in pixels.
int WorkAreaBottomPx();

}  // namespace platform
