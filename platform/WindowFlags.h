#pragma once
// A window flag changed on a window that may be shown.

#include <Qt>

class QWidget;

namespace platform {

// setWindowFlags would hide a shown window; the widget's flags are updated
// quietly instead (showing copies them to the native window), and a native
// window that exists gets the flag directly.
void SetWindowFlagQuietly(QWidget& window, Qt::WindowType flag, bool on);

}  // namespace platform
