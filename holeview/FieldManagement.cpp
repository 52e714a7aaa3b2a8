#include "holeview/FieldManagement.h"

#include "settings/SettingsState.h"

namespace holeview {

platform::WindowManagement FieldManagement() {
    return settings::state.alwaysTop ? platform::WindowManagement::Unmanaged
                                     : platform::WindowManagement::Managed;
}

}  // namespace holeview
