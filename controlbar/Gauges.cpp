#include "controlbar/Gauges.h"

namespace controlbar {

void MoveGauge(float& level, float& dir, float speedFactor, float upper) {
    const double next = double(level) + double(speedFactor) * dir;
    if (dir == -1.0f ? next < 1 : next > upper) dir = -dir;
    level = static_cast<float>(double(level) + double(speedFactor) * dir);
}

ShotValues FixedShot(const Gauges& gauges, bool inBunker) {
    const double power = inBunker ? gauges.powerLevel * 0.6 : gauges.powerLevel;
    const double loft = inBunker ? gauges.loftLevel * 0.8 : gauges.loftLevel;
    return {static_cast<std::int16_t>(platform::Round(power)),
            static_cast<std::int16_t>(platform::Round(loft))};
}

}  // namespace controlbar
