#include "platform/WindowFlags.h"

#include <QWidget>
#include <QWindow>

#include "platform/X11.h"

namespace platform {

void SetWindowFlagQuietly(QWidget& window, Qt::WindowType flag, bool on) {
    Qt::WindowFlags flags = window.windowFlags();
    flags.setFlag(flag, on);
    window.overrideWindowFlags(flags);
    if (QWindow* handle = window.windowHandle()) handle->setFlag(flag, on);
}

void TakeKeyboard(QWidget& window) {
    xcb_connection_t* connection = X11Connection();
    if (!connection) return;
    xcb_set_input_focus(connection, XCB_INPUT_FOCUS_PARENT,
                        static_cast<xcb_window_t>(window.winId()), XCB_CURRENT_TIME);
    xcb_flush(connection);
}

}  // namespace platform
