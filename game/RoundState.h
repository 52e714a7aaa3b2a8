#pragma once
// The state of a round: which hole, the strokes, where the ball is and how it
// moves, the wind, and the flags the subsystems exchange.

#include <array>
#include <cstdint>

#include "platform/Numeric.h"

namespace game {

// One value per hole, addressed by hole number 1 to 18.
struct PerHole {
    std::array<std::int32_t, 18> values{};
    std::int32_t& operator[](int hole) { return values.at(static_cast<std::size_t>(hole - 1)); }
    std::int32_t operator[](int hole) const {
        return values.at(static_cast<std::size_t>(hole - 1));
    }
};

struct RoundState {
    std::int32_t currentHole = 0;
    PerHole holeStrokes;
    PerHole holePar;
    std::int32_t strokeCount = 0;
    std::int32_t ballX = 0;  // twips, left edge of the ball window
    std::int32_t ballY = 0;  // twips, top edge
    float ballVX = 0;        // twips per flight step
    float ballVY = 0;
    float bounceVX = 0;
    float prevVY = 0;
    std::int32_t landingVY = 0;
    std::int16_t rollSteps = 0;
    std::int16_t shotDirection = 1;  // 1 right, 2 left
    std::int32_t cupX = 0;
    std::int16_t shotPower = 0;
    std::int16_t shotLoft = 0;
    platform::VbBool inBunker = platform::kFalse;
    std::int16_t windDirection = 1;  // 1 towards the left, 2 towards the right
    std::int16_t windStrength = 0;
    std::int32_t groundY = 0;
    platform::VbBool holeChosenFromMenu = platform::kFalse;
    platform::VbBool roundOver = platform::kFalse;
    std::int32_t treeHeightPos = 0;
    std::int32_t treeWidthPos = 0;
};

extern RoundState state;

// Ball colours that double as the turn state.
inline constexpr unsigned kSetupPendingColor = 0xFF00FF00u;  // RGB(0, 255, 0)
inline constexpr unsigned kReadyColor = 0xFFFF00FFu;         // RGB(255, 0, 255)
inline constexpr unsigned kHoledColor = 0xFFFF0000u;         // RGB(255, 0, 0)

}  // namespace game
