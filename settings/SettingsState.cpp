#include "settings/SettingsState.h"

namespace settings {

SettingsState state;

}  // namespace settings
