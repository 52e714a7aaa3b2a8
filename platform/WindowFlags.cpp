#include "platform/WindowFlags.h"

#include <QWidget>
#include <QWindow>

namespace platform {

void SetWindowFlagQuietly(QWidget& window, Qt::WindowType flag, bool on) {
    Qt::WindowFlags flags = window.windowFlags();
    flags.setFlag(flag, on);
    window.overrideWindowFlags(flags);
    if (QWindow* handle = window.windowHandle()) handle->setFlag(flag, on);
}

}  // namespace platform
