#include "platform/Stacking.h"

#include <QWidget>

#include "platform/WindowFlags.h"

namespace platform {
namespace {

// The window manager keeps the state, so a window it leaves alone has none to
// keep.
void SetStaysOnTop(QWidget* window, bool onTop) {
    if (window->windowFlags().testFlag(Qt::BypassWindowManagerHint)) return;
    SetWindowFlagQuietly(*window, Qt::WindowStaysOnTopHint, onTop);
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
