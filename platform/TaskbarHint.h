#pragma once
// The field's windows (ball, strip, flag, obstacles) are parts of one game:
// they stay off the taskbar and the pager.

class QWidget;

namespace platform {

// Marks the window, before it is shown, for the window manager to leave it
// off the taskbar and the pager; does nothing off X11.
void KeepOffTaskbar(QWidget& window);

}  // namespace platform
