#pragma once
// One stroke on the control bar: three presses start the gauges, fix the
// power and fix the loft; then the gauges give the shot.

#include <cstdint>
#include <optional>

#include "settings/GaugeMotion.h"

namespace controlbar {

struct ShotValues {
    std::int16_t power;  // 1 to 30
    std::int16_t loft;   // 1 to 50
};

class GaugeSession {
public:
    enum class PressEffect { ArmStart, FixPower, FixLoft, Nothing };

    // The first press arms the start (the gauges start a moment later); a
    // press before they start already fixes the power, at its lowest.
    PressEffect Press();
    // The armed start has come: from now on the gauges step.
    void Start();
    // One gauge step: the gauges still free move by speed. Once both are
    // fixed it gives the shot instead, scaled down for a ball in a bunker,
    // and the session is over.
    std::optional<ShotValues> Step(float speed, bool inBunker);

    bool Running() const { return running_ && !over_; }
    bool StartArmed() const { return startArmed_; }
    const settings::Gauge& Power() const { return power_; }
    const settings::Gauge& Loft() const { return loft_; }

private:
    bool startArmed_ = false;
    bool running_ = false;
    bool over_ = false;
    bool powerFixed_ = false;
    bool loftFixed_ = false;
    settings::Gauge power_;
    settings::Gauge loft_;
};

// The fixed levels as shot values: a bunker keeps 0.6 of the power and 0.8
// of the loft; rounded half to even.
ShotValues FixedShot(float power, float loft, bool inBunker);

}  // namespace controlbar
