#pragma once
// A game set up on a short hole, for tests of the turn cycle.

#include <QString>

#include "game/Game.h"
#include "settings/Settings.h"

namespace testing {

// A par-3 hole of 100 cells: the tee at the left edge, the cup at cell 6.
QString ShortHole();
// A USER.TXT of 18 such holes.
QByteArray ShortUserCourse();
// The game's width is the standard screen's, the gauges move one unit a
// step, the ball is white and the game is not kept in front.
settings::Settings StandardSettings();
// The ground line of the standard screen.
inline constexpr int kGroundY = 11350;

// A round set up on the given hole, without wind: the ball waits on the tee.
void StartOnHole(game::Game& game, int hole);

}  // namespace testing
