#pragma once
// A window flag changed on a window that may be shown.

#include <Qt>

class QWidget;

namespace platform {

// setWindowFlags would hide a shown window; the widget's flags are updated
// quietly instead (showing copies them to the native window), and a native
// window that exists gets the flag directly.
void SetWindowFlagQuietly(QWidget& window, Qt::WindowType flag, bool on);

// Gives the window the keyboard at the player's click, for window managers
// (kwin) that will not hand it to a window that did not take it when it
// opened.
void TakeKeyboard(QWidget& window);

}  // namespace platform
