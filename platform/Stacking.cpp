#include "platform/Stacking.h"

#include <QWidget>
#include <QWindow>

namespace platform {
namespace {

// setWindowFlags would hide a shown window; the widget's flags are updated
// quietly instead (showing copies them to the native window) and a native
// window that exists gets the flag directly. The window manager keeps the
// state, so a window it leaves alone has none to keep.
void SetStaysOnTop(QWidget* window, bool onTop) {
    Qt::WindowFlags flags = window->windowFlags();
    if (flags.testFlag(Qt::BypassWindowManagerHint)) return;
    flags.setFlag(Qt::WindowStaysOnTopHint, onTop);
    window->overrideWindowFlags(flags);
    if (QWindow* handle = window->windowHandle()) handle->setFlag(Qt::WindowStaysOnTopHint, onTop);
}

}  // namespace

bool RaiseTopmost(QWidget* window) {
    if (!window) return false;
    SetStaysOnTop(window, true);
    if (!window->isVisible()) window->show();
    window->raise();
    return true;
}

bool LowerToBottom(QWidget* window) {
    if (!window) return false;
    SetStaysOnTop(window, false);
    if (!window->isVisible()) window->show();
    window->lower();
    return true;
}

}  // namespace platform
