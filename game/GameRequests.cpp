// What the player asks for while the game is busy, carried out between two
// steps of whatever loop is running.
#include "game/Game.h"

namespace game {

void Game::Request(Command command) { request_ = command; }

void Game::ServeRequests() {
    if (const std::optional<Command> command = std::exchange(request_, std::nullopt)) {
        CarryOut(*command);
    }
}

void Game::CarryOut(Command command) {
    switch (command) {
        case Command::Restart:
            Restart();
            break;
    }
}

// A flight goes on over the hole on the screen and counts as hole 1; a stroke
// still being aimed is abandoned and hole 1 laid out.
void Game::Restart() {
    round_.holeStrokes = {};
    round_.strokeCount = 0;
    round_.currentHole = 1;
    if (openBar_) strokeAbandoned_ = true;
}

}  // namespace game
