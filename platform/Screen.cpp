#include "platform/Screen.h"

#include <QGuiApplication>
#include <QScreen>

#include "platform/Numeric.h"

namespace platform {
namespace {

std::optional<ScreenMetrics>& TestScreen() {
    static std::optional<ScreenMetrics> screen;
    return screen;
}

}  // namespace

ScreenMetrics CurrentScreen() {
    if (TestScreen()) return *TestScreen();
    ScreenMetrics metrics;
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return metrics;
    metrics.widthPx = screen->geometry().width();
    metrics.heightPx = screen->geometry().height();
    metrics.workAreaPx = screen->availableGeometry().translated(-screen->geometry().topLeft());
    const double dpi = screen->logicalDotsPerInch() > 0 ? screen->logicalDotsPerInch() : 96.0;
    metrics.twipsPerPixelX = 1440.0 / dpi;
    metrics.twipsPerPixelY = 1440.0 / dpi;
    return metrics;
}

void SetTestScreen(std::optional<ScreenMetrics> metrics) { TestScreen() = metrics; }

double TwipsPerPixelX() { return CurrentScreen().twipsPerPixelX; }
double TwipsPerPixelY() { return CurrentScreen().twipsPerPixelY; }

int ScreenWidthTwips() {
    const ScreenMetrics m = CurrentScreen();
    return RoundHalfEven(m.widthPx * m.twipsPerPixelX);
}

int ScreenHeightTwips() {
    const ScreenMetrics m = CurrentScreen();
    return RoundHalfEven(m.heightPx * m.twipsPerPixelY);
}

int WorkAreaBottomPx() {
    const ScreenMetrics m = CurrentScreen();
    return m.workAreaPx.isValid() ? m.workAreaPx.y() + m.workAreaPx.height() : m.heightPx;
}

}  // namespace platform
