#pragma once
// The end of a shot: the stroke is counted and a ball on the cup is holed,
// announced, and play moves to the next hole or ends the round.

#include <QString>

namespace game {

// Counts the stroke; a ball whose span covers the cup drops in and the round
// moves on (after the 18th hole the program ends).
void CheckHoleOut();
// The comment on the hole just recorded (currentHole - 1) against its par.
QString ShotComment();
// The hole-out announcement for the strokes of the hole just finished, given
// the hole that comes next (19 once the round is over).
QString HoleOutMessage(int strokes, int nextHole);

}  // namespace game
