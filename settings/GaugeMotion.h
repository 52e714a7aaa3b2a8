#pragma once
// How a gauge swings: the control bar's power and loft gauges, and their
// preview in the settings dialog at the speed being chosen.

namespace settings {

inline constexpr float kMaxPower = 30;
inline constexpr float kMaxLoft = 50;

struct Gauge {
    float level = 1;
    float direction = 1;  // +1 or -1
};

// One step by speed; the direction turns first when the step would leave
// 1..upper, so the level turns back at the last value that still fits.
void StepGauge(Gauge& gauge, float speed, float upper);

}  // namespace settings
