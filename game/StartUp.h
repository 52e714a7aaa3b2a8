#pragma once
// Start-up of the game, from the single-instance check to the turn cycle.

namespace game {

// Shows the start dialog; false when the player left it. On OK the chosen
// course set is stored.
bool ChooseCourse();

// The ground line: 50 twips above the bottom of the screen's work area.
int ComputeGroundY();

// Runs the whole game; returns only through the end of the program.
[[noreturn]] void StartUp();

}  // namespace game
