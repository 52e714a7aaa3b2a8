#pragma once
// Start-up before the first hole: the start dialog and the ground line.

#include "settings/Settings.h"

namespace game {

class RoundHistory;

enum class StartChoice { Play, EditCourse, Leave };

// Shows the start dialog over the stored settings. On OK the chosen course
// set is stored; the course editor asked for stores nothing. The history's
// window opens from the dialog too.
StartChoice ChooseCourse(settings::Settings& settings, RoundHistory& history);

// The ground line: 50 twips above the bottom of the screen's work area.
int GroundLine();

}  // namespace game
