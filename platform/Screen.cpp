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

constexpr int kCaptionHeightPx = 19;

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
    return Round(m.widthPx * m.twipsPerPixelX);
}

int ScreenHeightTwips() {
    const ScreenMetrics m = CurrentScreen();
    return Round(m.heightPx * m.twipsPerPixelY);
}

int GetSystemMetrics(SystemMetric metric) {
    const ScreenMetrics m = CurrentScreen();
    const int workBottom =
        m.workAreaPx.isValid() ? m.workAreaPx.y() + m.workAreaPx.height() : m.heightPx;
    const int caption = std::min(kCaptionHeightPx, workBottom);
    switch (metric) {
        case SM_CYCAPTION:
            return caption;
        case SM_CYFULLSCREEN:
            return workBottom - caption;
    }
    return 0;
}

}  // namespace platform
