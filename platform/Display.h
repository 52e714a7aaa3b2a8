#pragma once
// The connection to the display.

namespace platform {

// The window system can be reached: for X11, a connection to DISPLAY opens.
// Other platforms (offscreen, for the tests) count as there.
bool DisplayAvailable();

}  // namespace platform
