#include "platform/MinimizedDialogs.h"

#include <xcb/xcb.h>
#include <xcb/xinput.h>

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QWidget>

#include "platform/X11.h"

namespace platform {
namespace {

// A window blocked by a modal one never sees the press as a toolkit event,
// so the filter looks at the display's own events: the toolkit takes the
// pointer's through the input extension, the core ones where it has none.
class PressWatcher : public QAbstractNativeEventFilter {
public:
    explicit PressWatcher(std::uint8_t inputOpcode) : inputOpcode_(inputOpcode) {}

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
        if (eventType != "xcb_generic_event_t") return false;
        if (IsPress(static_cast<const xcb_generic_event_t*>(message))) BringBackMinimizedDialogs();
        return false;
    }

private:
    bool IsPress(const xcb_generic_event_t* event) const {
        const std::uint8_t type = event->response_type & 0x7f;
        if (type == XCB_BUTTON_PRESS) return true;
        if (type != XCB_GE_GENERIC || inputOpcode_ == 0) return false;
        const auto* generic = reinterpret_cast<const xcb_ge_generic_event_t*>(event);
        return generic->extension == inputOpcode_ && generic->event_type == XCB_INPUT_BUTTON_PRESS;
    }

    std::uint8_t inputOpcode_;
};

}  // namespace

void BringBackMinimizedDialogs() {
    bool broughtBack = false;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->windowType() != Qt::Dialog || !window->isVisible() || !window->isMinimized())
            continue;
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
        window->raise();
        broughtBack = true;
    }
    if (!broughtBack) return;
    if (QWidget* modal = QApplication::activeModalWidget()) {
        modal->raise();
        modal->activateWindow();
    }
}

void BringBackMinimizedDialogsOnPress() {
    xcb_connection_t* connection = X11Connection();
    if (!connection) return;
    const xcb_query_extension_reply_t* input = xcb_get_extension_data(connection, &xcb_input_id);
    static PressWatcher watcher(input && input->present ? input->major_opcode : 0);
    qApp->installNativeEventFilter(&watcher);
}

}  // namespace platform
