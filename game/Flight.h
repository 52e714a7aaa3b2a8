#pragma once
// The ball's flight: the launch, then one step at a time over the desktop
// until it rests. Plain arithmetic on the round state; the windows follow.

#include <cstddef>
#include <cstdint>
#include <optional>

#include "game/RoundState.h"
#include "holeview/HolePlan.h"

namespace game {

struct LaunchSpeeds {
    float vx;
    float vy;
};

// The gauges' values with a random spread of 0 to 4 each: r1 for the power,
// r2 for the loft, both in [0, 1).
LaunchSpeeds Launch(std::int16_t power, std::int16_t loft, double r1, double r2);

// Turns the shot towards the cup, adds the wind when the gauges pass their
// thresholds, and keeps at least 1 twip per step in the shot's direction. A
// shot from a bunker is counted as one.
void PrepareShot(RoundState& round, LaunchSpeeds speeds);

// The cup lies within this horizontal span, edges included.
bool SpansCup(double left, double width, std::int32_t cupX);

struct StepResult {
    enum class Rest { Moving, OnCup, InBunker, InWater, RollEnded };
    Rest rest = Rest::Moving;
    // Where the ball window goes; without a left it keeps its own.
    std::optional<double> windowLeft;
    double windowTop = 0;
    std::size_t water = 0;  // InWater: which hazard of the hole
};

// One step of the flight over the hole: gravity, ground contacts, the right
// and left edges of the game's width, trees (each hit counted), bunkers,
// water and the cup.
StepResult FlightStep(RoundState& round, const holeview::HolePlan& hole, std::int32_t screenWidth);

// The ball window moves once for two steps: 50 moves a second look as smooth
// as 100 on a 60 Hz screen, which could not show them all anyway, and the
// whole desktop wakes half as often.
constexpr int kStepsPerFrame = 2;

struct FrameResult {
    StepResult last;  // the frame's last step
    int steps = 0;
    // Where the ball window goes: where the last step put it; for water, where
    // the step before left it, to sink there.
    double windowLeft = 0;
    double windowTop = 0;
};

// The steps of one move of the ball window, from where the window is now: a
// frame ends early when the ball rests, and at a step that drops the window
// into the cup, so that this dip is seen.
FrameResult FlightFrame(RoundState& round, const holeview::HolePlan& hole, std::int32_t screenWidth,
                        double windowLeft, double windowTop);

// After the ball has sunk: back on the ground two ball widths beside the
// water, on the side the shot came from (the other side when that one lies
// off the strip), with a penalty stroke (counted as one). Returns the ball
// window's new left edge.
double PutBackBesideWater(RoundState& round, const holeview::Placement& water,
                          std::int32_t stripWidth);

}  // namespace game
