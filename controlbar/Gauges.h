#pragma once
// The power and loft gauges of the control bar and the shot they fix.

#include <cstdint>

#include "platform/Numeric.h"

namespace controlbar {

inline constexpr float kMaxPower = 30;
inline constexpr float kMaxLoft = 50;

struct Gauges {
    platform::VbBool gaugeRunning = platform::kFalse;
    platform::VbBool powerFixed = platform::kFalse;
    platform::VbBool loftFixed = platform::kFalse;
    float powerLevel = 1;
    float loftLevel = 1;
    float powerDir = 1;  // +1 or -1
    float loftDir = 1;
};

// One step of a gauge by speedFactor; the direction turns before the step
// would leave 1..upper.
void MoveGauge(float& level, float& dir, float speedFactor, float upper);

struct ShotValues {
    std::int16_t power;
    std::int16_t loft;
};
// The fixed levels as shot values, scaled down when the ball lies in a bunker.
ShotValues FixedShot(const Gauges& gauges, bool inBunker);

}  // namespace controlbar
