#pragma once
// Start-up before the first hole: the start dialog and the ground line.

#include "settings/Settings.h"

namespace game {

class RoundHistory;

// Shows the start dialog over the stored settings; false when the player
// left it. On OK the chosen course set is stored. The history's window opens
// from the dialog too.
bool ChooseCourse(settings::Settings& settings, RoundHistory& history);

// The ground line: 50 twips above the bottom of the screen's work area.
int GroundLine();

}  // namespace game
