#pragma once

namespace game {

// What the player can ask for from the game menu while the game is busy.
enum class Command { Pause, Restart, ShowScore, ShowStatistics, About, Exit, BackToEditor };

}  // namespace game
