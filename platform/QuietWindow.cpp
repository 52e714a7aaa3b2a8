#include "platform/QuietWindow.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QCursor>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cstdlib>

#include "platform/WindowFlags.h"
#include "platform/X11.h"

namespace platform {
namespace {

constexpr std::uint32_t kRemove = 0;
constexpr std::uint32_t kFromApplication = 1;
constexpr std::uint32_t kFromPager = 2;
constexpr int kPressWaitMs = 100;

class Quiet : public QObject, public QAbstractNativeEventFilter {
public:
    Quiet(QWidget& window, xcb_connection_t* connection)
        : QObject(&window),
          connection_(connection),
          window_(static_cast<xcb_window_t>(window.winId())),
          state_(Atom(connection, "_NET_WM_STATE")),
          attention_(Atom(connection, "_NET_WM_STATE_DEMANDS_ATTENTION")) {
        qGuiApp->installNativeEventFilter(this);
    }
    ~Quiet() override { qGuiApp->removeNativeEventFilter(this); }

protected:
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
        const auto* change =
            XcbEvent<xcb_property_notify_event_t>(eventType, message, XCB_PROPERTY_NOTIFY);
        if (change && change->window == window_ && change->atom == state_ && WantsAttention()) {
            TakeBack();
        }
        return false;
    }

private:
    bool WantsAttention() const {
        xcb_get_property_reply_t* reply = xcb_get_property_reply(
            connection_, xcb_get_property(connection_, 0, window_, state_, XCB_ATOM_ATOM, 0, 64),
            nullptr);
        if (!reply) return false;
        const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply));
        const int count = xcb_get_property_value_length(reply) / 4;
        const bool wants = std::find(atoms, atoms + count, attention_) != atoms + count;
        std::free(reply);
        return wants;
    }

    void TakeBack() {
        AskWindowManager(connection_, window_, "_NET_WM_STATE",
                         {kRemove, attention_, 0, kFromApplication, 0});
    }

    xcb_connection_t* connection_;
    xcb_window_t window_;
    xcb_atom_t state_;
    xcb_atom_t attention_;
};

// Some window managers (icewm, fluxbox) give the keyboard to every new window,
// whatever it asks. Refusing the keyboard outright would cost the click under
// others (mutter passes none to such a dialog), so until the player presses on
// the window, it asks the window manager to activate again the window the
// player was at. A press anywhere on it, its buttons and text included, takes
// the keyboard.
class KeyboardBack : public QObject, public QAbstractNativeEventFilter {
public:
    KeyboardBack(QWidget& window, xcb_connection_t* connection)
        : QObject(&window),
          window_(window),
          connection_(connection),
          playersWindow_(ActiveWindow(connection)) {
        qApp->installEventFilter(this);
        qGuiApp->installNativeEventFilter(this);
    }
    ~KeyboardBack() override { qGuiApp->removeNativeEventFilter(this); }

protected:
    // A window manager that activates a window at a click does so before the
    // click reaches it: with the pointer over the window, a press is given a
    // moment to arrive.
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
        const auto* focus = XcbEvent<xcb_focus_in_event_t>(eventType, message, XCB_FOCUS_IN);
        if (!focus || focusSeen_ || focus->mode != XCB_NOTIFY_MODE_NORMAL ||
            focus->event != static_cast<xcb_window_t>(window_.winId())) {
            return false;
        }
        focusSeen_ = true;
        const bool pressMayCome = window_.frameGeometry().contains(QCursor::pos());
        QTimer::singleShot(pressMayCome ? kPressWaitMs : 0, this, [this] {
            if (!pressed_ && playersWindow_) ActivatePlayersWindow();
        });
        return false;
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::MouseButtonPress || !watched->isWidgetType() ||
            static_cast<QWidget*>(watched)->window() != &window_ || pressed_) {
            return false;
        }
        pressed_ = true;
        window_.activateWindow();
        TakeKeyboard(window_);
        return false;
    }

private:
    void ActivatePlayersWindow() {
        AskWindowManager(connection_, playersWindow_, "_NET_ACTIVE_WINDOW",
                         {kFromPager, XCB_CURRENT_TIME, 0, 0, 0});
    }

    QWidget& window_;
    xcb_connection_t* connection_;
    xcb_window_t playersWindow_;
    bool focusSeen_ = false;
    bool pressed_ = false;
};

}  // namespace

void WaitQuietly(QWidget& window) {
    if (xcb_connection_t* connection = X11Connection()) new Quiet(window, connection);
}

void WaitForPlayer(QWidget& window) {
    window.setAttribute(Qt::WA_ShowWithoutActivating);
    WaitQuietly(window);
    if (xcb_connection_t* connection = X11Connection()) new KeyboardBack(window, connection);
}

}  // namespace platform
