#include "platform/Screen.h"

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <QScreen>
#include <cstdlib>

#include "platform/Numeric.h"
#include "platform/X11.h"

namespace platform {
namespace {

std::optional<ScreenMetrics>& TestScreen() {
    static std::optional<ScreenMetrics> screen;
    return screen;
}

double TwipsPerPixel(const QScreen* screen) {
    const double dpi =
        screen && screen->logicalDotsPerInch() > 0 ? screen->logicalDotsPerInch() : 96.0;
    return 1440.0 / dpi;
}

std::optional<std::uint32_t> CardinalOf(xcb_connection_t* connection, xcb_window_t window,
                                        const char* name, std::uint32_t index) {
    const xcb_atom_t atom = Atom(connection, name, true);
    if (atom == XCB_ATOM_NONE) return std::nullopt;
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, atom, XCB_ATOM_CARDINAL, index, 1),
        nullptr);
    std::optional<std::uint32_t> value;
    if (reply && xcb_get_property_value_length(reply) == 4) {
        value = *static_cast<const std::uint32_t*>(xcb_get_property_value(reply));
    }
    std::free(reply);
    return value;
}

// With every output switched off, the toolkit's screen has no size at all; the
// root window still has the desktop's, and the window manager its work area.
std::optional<ScreenMetrics> RootWindowMetrics() {
    xcb_connection_t* connection = X11Connection();
    if (!connection) return std::nullopt;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    xcb_get_geometry_reply_t* geometry =
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, root), nullptr);
    if (!geometry) return std::nullopt;
    ScreenMetrics metrics;
    metrics.widthPx = geometry->width;
    metrics.heightPx = geometry->height;
    std::free(geometry);
    const QRect whole(0, 0, metrics.widthPx, metrics.heightPx);
    metrics.workAreaPx = whole;
    const std::uint32_t desktop =
        CardinalOf(connection, root, "_NET_CURRENT_DESKTOP", 0).value_or(0);
    QList<int> area;
    for (std::uint32_t i = 0; i < 4; ++i) {
        const auto value = CardinalOf(connection, root, "_NET_WORKAREA", desktop * 4 + i);
        if (!value) break;
        area << static_cast<int>(*value);
    }
    if (area.size() == 4) {
        const QRect workArea = QRect(area[0], area[1], area[2], area[3]) & whole;
        if (!workArea.isEmpty()) metrics.workAreaPx = workArea;
    }
    return metrics;
}

// With no output switched on, the toolkit's screen has no size and never hears
// of a new work area; the window manager still says it on the root window.
// Some window managers write the same work area again: that is no change.
class WorkAreaWatch : public QObject, public QAbstractNativeEventFilter {
public:
    WorkAreaWatch(QObject* receiver, std::function<void()> changed, xcb_connection_t* connection)
        : QObject(receiver),
          changed_(std::move(changed)),
          root_(RootWindow(connection)),
          workArea_(Atom(connection, "_NET_WORKAREA")),
          seen_(CurrentScreen().workAreaPx) {
        AddRootEvents(connection, XCB_EVENT_MASK_PROPERTY_CHANGE);
        qGuiApp->installNativeEventFilter(this);
    }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
        const auto* change =
            XcbEvent<xcb_property_notify_event_t>(eventType, message, XCB_PROPERTY_NOTIFY);
        if (!change || change->window != root_ || change->atom != workArea_) return false;
        const QRect workArea = CurrentScreen().workAreaPx;
        if (workArea != seen_) {
            seen_ = workArea;
            changed_();
        }
        return false;
    }

private:
    std::function<void()> changed_;
    xcb_window_t root_;
    xcb_atom_t workArea_;
    QRect seen_;
};

}  // namespace

ScreenMetrics CurrentScreen() {
    if (TestScreen()) return *TestScreen();
    const QScreen* screen = QGuiApplication::primaryScreen();
    ScreenMetrics metrics;
    if (screen && !screen->geometry().isEmpty()) {
        metrics.widthPx = screen->geometry().width();
        metrics.heightPx = screen->geometry().height();
        metrics.workAreaPx = screen->availableGeometry().translated(-screen->geometry().topLeft());
    } else if (const std::optional<ScreenMetrics> root = RootWindowMetrics()) {
        metrics = *root;
    }
    metrics.twipsPerPixelX = metrics.twipsPerPixelY = TwipsPerPixel(screen);
    return metrics;
}

void SetTestScreen(std::optional<ScreenMetrics> metrics) { TestScreen() = metrics; }

// Asked for at every move of a window: the size of the screen is not needed.
double TwipsPerPixelX() {
    return TestScreen() ? TestScreen()->twipsPerPixelX
                        : TwipsPerPixel(QGuiApplication::primaryScreen());
}
double TwipsPerPixelY() {
    return TestScreen() ? TestScreen()->twipsPerPixelY
                        : TwipsPerPixel(QGuiApplication::primaryScreen());
}

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

void WatchScreen(QObject* receiver, const std::function<void()>& changed) {
    const auto watch = [receiver, changed](QScreen* screen) {
        if (!screen) return;
        QObject::connect(screen, &QScreen::geometryChanged, receiver, changed);
        QObject::connect(screen, &QScreen::availableGeometryChanged, receiver, changed);
    };
    watch(QGuiApplication::primaryScreen());
    QObject::connect(qGuiApp, &QGuiApplication::primaryScreenChanged, receiver,
                     [watch, changed](QScreen* screen) {
                         watch(screen);
                         changed();
                     });
    if (xcb_connection_t* connection = X11Connection()) {
        new WorkAreaWatch(receiver, changed, connection);
    }
}

}  // namespace platform
