#pragma once
// The primary screen in the game's units: twips per pixel, size, work area.
// Tests replace the real screen with a fixed one.

#include <functional>
#include <optional>

#include <QRect>

class QObject;

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

// Calls changed, for as long as receiver lives, whenever the primary screen,
// its size or its work area changes (an output switched on counts; a work
// area may be told twice).
void WatchScreen(QObject* receiver, const std::function<void()>& changed);

}  // namespace platform
