#include "desktop/Stacking.h"

#include "platform/Stacking.h"

namespace desktop {

bool SetTopmost(QWidget* window, bool alwaysTop) {
    if (!alwaysTop) return false;
    return platform::RaiseTopmost(window);
}

bool SetBottom(QWidget* window) { return platform::LowerToBottom(window); }

}  // namespace desktop
