#pragma once
// The round's set-up and the turn cycle that drives the game from shot to shot.

namespace game {

void NewRound();
// Closes the previous hole's obstacles, puts the ball in the setup-pending
// state, places the course strip and draws the wind.
void ResetHole();
// One pass of the turn cycle: a shot when the ball is ready or in play, then
// the hole's layout when the ball waits for it.
void NextTurn();
// Repeats NextTurn for as long as the game runs.
[[noreturn]] void RunTurnCycle();

}  // namespace game
