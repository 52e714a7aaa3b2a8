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

enum SystemMetric { SM_CYCAPTION = 4, SM_CYFULLSCREEN = 17 };
// SM_CYFULLSCREEN + SM_CYCAPTION is the bottom edge of the work area in pixels.
int GetSystemMetrics(SystemMetric metric);

}  // namespace platform
