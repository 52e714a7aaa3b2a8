#pragma once
// What the player is told when the ball drops: strokes, a comment against
// par, and the hole that comes next.

#include <QString>

namespace game {

// A hole in one beats every other comment.
QString ShotComment(int strokes, int par);
// The announcement for a hole holed in strokes, given the hole that comes
// next (19 once the round is over); paragraphs end with CR LF twice.
QString HoleOutMessage(int strokes, int par, int nextHole);
// The announcement for a hole tried from the course editor.
QString TriedHoleOutMessage(int strokes, int par);

}  // namespace game
