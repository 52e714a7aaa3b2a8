#pragma once
// The shot branch of the turn cycle: the control bar, then the launch.

namespace game {

// Shows the control bar modally and launches the shot it fixed; returns
// without a shot when the bar was closed by a restart of the hole.
void PlayShot();

}  // namespace game
