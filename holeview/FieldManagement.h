#pragma once

#include "platform/Windows.h"

namespace holeview {

// The field's windows (strip, flag, obstacles) take no input. While the game
// stays in front they bypass the window manager, so a hole with forty windows
// appears at once; otherwise they stack like any other window.
platform::WindowManagement FieldManagement();

}  // namespace holeview
