#include "desktop/Stacking.h"

#include "platform/Windows.h"
#include "settings/SettingsState.h"

namespace desktop {

bool SetTopmost(QWidget* window) {
    if (!settings::state.alwaysTop) return false;
    return platform::RaiseTopmost(window);
}

bool SetBottom(QWidget* window) { return platform::LowerToBottom(window); }

}  // namespace desktop
