#include "controlbar/GaugeSession.h"

#include "platform/Numeric.h"

namespace controlbar {

GaugeSession::PressEffect GaugeSession::Press() {
    if (!running_ && !startArmed_) {
        startArmed_ = true;
        return PressEffect::ArmStart;
    }
    if (!powerFixed_) {
        powerFixed_ = true;
        return PressEffect::FixPower;
    }
    if (!loftFixed_) {
        loftFixed_ = true;
        return PressEffect::FixLoft;
    }
    return PressEffect::Nothing;
}

void GaugeSession::Start() {
    startArmed_ = false;
    running_ = true;
}

std::optional<ShotValues> GaugeSession::Step(float speed, bool inBunker) {
    if (powerFixed_ && loftFixed_) {
        over_ = true;
        return FixedShot(power_.level, loft_.level, inBunker);
    }
    if (!powerFixed_) settings::StepGauge(power_, speed, settings::kMaxPower);
    if (!loftFixed_) settings::StepGauge(loft_, speed, settings::kMaxLoft);
    return std::nullopt;
}

ShotValues FixedShot(float power, float loft, bool inBunker) {
    const double scaledPower = inBunker ? power * 0.6 : power;
    const double scaledLoft = inBunker ? loft * 0.8 : loft;
    return {static_cast<std::int16_t>(platform::RoundHalfEven(scaledPower)),
            static_cast<std::int16_t>(platform::RoundHalfEven(scaledLoft))};
}

}  // namespace controlbar
