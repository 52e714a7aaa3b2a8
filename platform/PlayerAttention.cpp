#include "platform/PlayerAttention.h"

#include <xcb/xinput.h>
#include <QGuiApplication>
#include <QTimer>
#include <QWindow>

#include "platform/X11.h"

namespace platform {
namespace {

// A press reaches the display's listeners a moment before the window it is
// for; the game has seen its own presses by then.
constexpr int kPressSettleMs = 50;

bool IsOurs(std::uint32_t window) {
    for (const QWindow* ours : QGuiApplication::allWindows()) {
        if (ours->handle() && ours->winId() == window) return true;
    }
    return false;
}

bool IsPress(const QEvent* event) {
    return event->type() == QEvent::KeyPress || event->type() == QEvent::MouseButtonPress;
}

}  // namespace

PlayerAttention::PlayerAttention() {
    clock_.start();
    qApp->installEventFilter(this);
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state == Qt::ApplicationActive)
                    rule_.ActiveWindowChanged(true, clock_.elapsed());
            });
    ListenToTheDisplay();
}

PlayerAttention::~PlayerAttention() {
    if (root_) qGuiApp->removeNativeEventFilter(this);
}

void PlayerAttention::ListenToTheDisplay() {
    xcb_connection_t* connection = X11Connection();
    if (!connection) return;
    activeWindowAtom_ = Atom(connection, "_NET_ACTIVE_WINDOW");
    if (activeWindowAtom_ == XCB_ATOM_NONE) return;
    root_ = RootWindow(connection);
    AddRootEvents(connection, XCB_EVENT_MASK_PROPERTY_CHANGE);

    const xcb_query_extension_reply_t* input = xcb_get_extension_data(connection, &xcb_input_id);
    if (input && input->present) {
        inputOpcode_ = input->major_opcode;
        struct {
            xcb_input_event_mask_t head;
            std::uint32_t bits;
        } presses = {
            {XCB_INPUT_DEVICE_ALL_MASTER, 1},
            XCB_INPUT_XI_EVENT_MASK_RAW_KEY_PRESS | XCB_INPUT_XI_EVENT_MASK_RAW_BUTTON_PRESS};
        xcb_input_xi_select_events(connection, root_, 1, &presses.head);
    }
    xcb_flush(connection);
    qGuiApp->installNativeEventFilter(this);
}

bool PlayerAttention::eventFilter(QObject* watched, QEvent* event) {
    if (IsPress(event) && event->spontaneous()) {
        lastGamePressMs_ = clock_.elapsed();
        rule_.PressReachedGame();
    } else if (event->type() == QEvent::Hide && watched->isWindowType()) {
        rule_.OwnWindowClosed(clock_.elapsed());
    }
    return false;
}

bool PlayerAttention::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    const std::uint8_t type = event->response_type & 0x7f;
    if (type == XCB_PROPERTY_NOTIFY) {
        const auto* change = static_cast<const xcb_property_notify_event_t*>(message);
        if (change->window == root_ && change->atom == activeWindowAtom_) ActiveWindowChanged();
    } else if (type == XCB_GE_GENERIC && inputOpcode_ != 0) {
        const auto* generic = static_cast<const xcb_ge_generic_event_t*>(message);
        if (generic->extension == inputOpcode_ &&
            (generic->event_type == XCB_INPUT_RAW_KEY_PRESS ||
             generic->event_type == XCB_INPUT_RAW_BUTTON_PRESS)) {
            PressOnTheDisplay();
        }
    }
    return false;
}

void PlayerAttention::ActiveWindowChanged() {
    const std::uint32_t active = ActiveWindow(X11Connection());
    if (active != 0) rule_.ActiveWindowChanged(IsOurs(active), clock_.elapsed());
}

// Whether the press was the game's shows once the game has had its events.
void PlayerAttention::PressOnTheDisplay() {
    const qint64 pressedAt = clock_.elapsed();
    QTimer::singleShot(kPressSettleMs, this, [this, pressedAt] {
        if (lastGamePressMs_ < pressedAt - kPressSettleMs) rule_.PressReachedAnotherProgram();
    });
}

}  // namespace platform
