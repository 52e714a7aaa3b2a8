#pragma once
// Start-up before the first hole: the start dialog and the ground line.

#include "settings/Settings.h"

namespace game {

// Shows the start dialog over the stored settings; false when the player
// left it. On OK the chosen course set is stored.
bool ChooseCourse(settings::Settings& settings);

// The ground line: 50 twips above the bottom of the screen's work area.
int GroundLine();

}  // namespace game
