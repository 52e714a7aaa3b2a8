#pragma once
// Builds the current hole on the desktop: the ball on the tee, green, cup and
// water marks on the course strip, the flag, and one window per tree, bunker
// and water hazard.

namespace holeview {

// Lays out hole currentHole of the course (or the command-line hole) and
// records the pars.
void LayOutHole();

}  // namespace holeview
