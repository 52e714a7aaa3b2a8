#pragma once
// The state of a round: which hole, the strokes, where the ball is and how it
// moves, the wind, and where the turn stands.

#include <QRgb>
#include <array>
#include <cstdint>

namespace game {

// One value per hole, addressed by hole number 1 to 18.
template <class Value>
struct PerHoleOf {
    std::array<Value, 18> values{};
    Value& operator[](int hole) { return values.at(static_cast<std::size_t>(hole - 1)); }
    const Value& operator[](int hole) const {
        return values.at(static_cast<std::size_t>(hole - 1));
    }
};
using PerHole = PerHoleOf<std::int32_t>;

// What a hole cost the player besides good strokes; the round's history
// keeps them.
struct HazardCounts {
    std::int32_t penalties = 0;    // strokes added for water
    std::int32_t bunkerShots = 0;  // shots played out of a bunker
    std::int32_t treeHits = 0;     // times a tree threw the ball back
    bool operator==(const HazardCounts&) const = default;
};

// Where the turn stands; the ball's colour shows it to the player.
enum class TurnPhase {
    SetupPending,  // the hole is cleared and waits to be laid out
    Ready,         // the ball waits for a shot
    InPlay,        // a shot is flying; its next turn is a shot too
    Holed,         // the ball dropped into the cup
};

// Green, magenta, the player's ball colour, red. The ball colours on offer
// use 254 where the fixed colours use 255, so they never look like one of them.
QRgb BallColorOf(TurnPhase phase, QRgb playerBallColor);

struct RoundState {
    TurnPhase phase = TurnPhase::SetupPending;
    int currentHole = 1;  // 19 once the 18th hole is holed
    PerHole holeStrokes;  // 0: not played yet
    PerHole holePar;
    std::int32_t strokeCount = 0;  // this hole's, penalties included
    std::int32_t ballX = 0;        // twips, left edge of the ball window
    std::int32_t ballY = 0;        // twips, top edge
    float ballVX = 0;              // twips per flight step, positive rightwards
    float ballVY = 0;              // positive downwards
    float bounceVX = 0;            // as of the launch or the last ground contact
    float prevVY = 0;              // a step that keeps it is a rolling step
    std::int32_t landingVY = 0;    // carried from one ground contact to the next
    std::int16_t rollSteps = 0;
    std::int16_t shotDirection = 1;  // 1 right, 2 left
    std::int32_t cupX = 0;
    std::int16_t shotPower = 0;      // 1 to 30
    std::int16_t shotLoft = 0;       // 1 to 50
    bool inBunker = false;           // the next shot is weaker
    std::int16_t windDirection = 1;  // 1 towards the left, 2 towards the right
    std::int16_t windStrength = 0;   // 0 to 5
    std::int32_t groundY = 0;        // twips: the bottom of a resting ball, the strip's top
    bool roundOver = false;

    HazardCounts hazards;                 // this hole's so far
    PerHoleOf<HazardCounts> holeHazards;  // recorded with the strokes
};

}  // namespace game
