#pragma once
// The pause of the game's busy loops: pending window events first, then sleep.

namespace game {

// Runs pending events, reads the tick count (the value is not used), then
// sleeps ms rounded to a whole number.
void WaitMs(float ms);

}  // namespace game
