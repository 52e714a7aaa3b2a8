#include "game/RoundState.h"

namespace game {

RoundState state;

}  // namespace game
