#include "game/Flight.h"

#include <cmath>

#include "desktop/Stacking.h"
#include "game/Form1.h"
#include "game/HoleOut.h"
#include "game/RoundState.h"
#include "game/WaitMs.h"
#include "holeview/HoleViewState.h"
#include "platform/Numeric.h"
#include "platform/Runtime.h"
#include "settings/SettingsState.h"

namespace game {
namespace {

using platform::Round;

constexpr int kStepPauseMs = 10;
constexpr double kGravity = 1.0;
constexpr double kBounce = 0.4;
constexpr double kFriction = 0.95;
constexpr double kCupSpeedLimit = 10;

void ApplyWind(float& vx) {
    if (state.windDirection == 1) vx = static_cast<float>(double(vx) - state.windStrength);
    if (state.windDirection == 2) vx = static_cast<float>(double(vx) + state.windStrength);
}

// Speeds are 32-bit values computed in double precision.
void Store(float& speed, double value) { speed = static_cast<float>(value); }

void ReverseHorizontally() {
    Store(state.ballVX, -double(state.ballVX));
    Store(state.bounceVX, -double(state.bounceVX));
}

bool IsRolling() {
    return platform::Int(double(state.ballVY) * 1000000.0) ==
           platform::Int(double(state.prevVY) * 1000000.0);
}

// The ball lies wholly over the hazard.
bool WhollyOver(const holeview::Form2& hazard, double ballWidth) {
    return state.ballX >= hazard.Left() &&
           state.ballX + ballWidth <= hazard.Left() + hazard.Width();
}

void RestOnGround(Form1& ball) {
    state.ballY = Round(state.groundY - ball.Height());
    ball.SetTop(state.ballY);
}

// Sinks through its own height, then comes back beside the water on the side
// the shot came from.
void SinkAndPutBack(Form1& ball, const holeview::Form2& water) {
    const double h = ball.Height();
    const double w = ball.Width();
    const int y0 = state.ballY;
    const int halfway = y0 + Round(h) / 2;
    for (int i = y0; i <= Round(y0 + h); ++i) {
        if (i > halfway) desktop::SetBottom(&ball);
        WaitMs(5);
        ball.SetTop(i);
    }
    WaitMs(20);
    if (state.shotDirection == 1) {
        ball.SetLeft(water.Left() - 2 * w);
    } else {
        ball.SetLeft(water.Left() + water.Width() + 2 * w);
    }
    state.ballX = Round(ball.Left());
    RestOnGround(ball);
    desktop::SetTopmost(&ball);
    state.strokeCount += 1;
    ball.SetBackColor(kReadyColor);
}

// Ground contact; false when the ball stops there (cup, bunker, water).
bool TouchGround(Form1& ball, double w, double h) {
    if (!IsRolling() && SpansCup(state.ballX, w) && std::fabs(state.ballVX) < kCupSpeedLimit) {
        RestOnGround(ball);
        return false;
    }
    for (const auto& bunker : holeview::state.bunkerSprites) {
        if (WhollyOver(*bunker, w)) {
            ball.SetBackColor(kReadyColor);
            RestOnGround(ball);
            state.inBunker = platform::kTrue;
            return false;
        }
    }
    for (const auto& water : holeview::state.waterSprites) {
        if (WhollyOver(*water, w)) {
            SinkAndPutBack(ball, *water);
            return false;
        }
    }
    if (state.landingVY < 1) state.landingVY = Round(state.ballVY);
    Store(state.ballVX, state.bounceVX * kFriction);
    state.bounceVX = state.ballVX;
    Store(state.ballVY, -state.landingVY * kBounce);
    state.landingVY = Round(state.ballVY);
    state.ballY = Round(state.groundY - h);
    return true;
}

void HitTree(double w) {
    for (const auto& tree : holeview::state.treeSprites) {
        const double right = state.ballX + w;
        if (right >= tree->Left() && right <= tree->Left() + tree->Width() &&
            state.ballY > tree->Top()) {
            state.ballX = Round(state.ballVX > 0 ? state.ballX - w : state.ballX + w);
            ReverseHorizontally();
            return;
        }
    }
}

// A rolling ball over the cup drops in unless it is fast or still early in a
// strong shot's roll; false when it stops on the cup.
bool RollOverCup(Form1& ball) {
    if (!SpansCup(state.ballX, ball.Width())) return true;
    const bool passes =
        (state.shotPower >= 10 && (state.shotPower + 10) * 0.1 >= state.rollSteps) ||
        std::fabs(state.ballVX) >= kCupSpeedLimit;
    if (!passes) return false;
    ball.SetTop(state.ballY + ball.Height());
    return true;
}

}  // namespace

bool SpansCup(double left, double width) {
    return left + width >= state.cupX && state.cupX >= left;
}

void PrepareShot(float vx, float vy) {
    platform::Randomize();
    state.rollSteps = 0;
    state.ballVY = vy;
    if (state.cupX < state.ballX) {
        vx = -vx;
        state.shotDirection = 2;
        if (state.shotLoft > 15) ApplyWind(vx);
        if (vx > -1) vx = -1;
    } else {
        state.shotDirection = 1;
        if (state.shotPower > 15 && state.shotLoft > 20) ApplyWind(vx);
        if (vx < 1) vx = 1;
    }
    state.bounceVX = vx;
    state.ballVX = vx;
}

void StartShot(float vx, float vy) {
    PrepareShot(vx, vy);
    FlyBall();
}

void FlyBall() {
    // The pause runs from step to step, so drawing the ball does not slow the flight.
    platform::Pacer pause(kStepPauseMs);
    while (FlightStep(Ball())) {
        pause.Wait();
        platform::DoEvents();
    }
    CheckHoleOut();
}

bool FlightStep(Form1& ball) {
    state.inBunker = platform::kFalse;
    bool result = true;
    const double h = ball.Height();
    const double w = ball.Width();
    Store(state.ballVY, state.ballVY + kGravity);
    state.ballX = Round(double(state.ballVX) + state.ballX);
    state.ballY = Round(double(state.ballVY) + state.ballY);

    if (state.ballY + h >= state.groundY && !TouchGround(ball, w, h)) return false;

    const int screenWidth = settings::state.screenWidth;
    if (state.ballX + w > screenWidth) {
        ReverseHorizontally();
        state.ballX = Round(screenWidth - w);
    }
    HitTree(w);
    if (state.ballX < 0) {
        ReverseHorizontally();
        state.ballX = 0;
    }
    ball.Move(state.ballX, state.ballY);

    if (IsRolling()) {
        if (!RollOverCup(ball)) return false;
        state.rollSteps += 1;
        if (state.rollSteps > state.shotPower + 10) {
            result = false;
            ball.SetBackColor(kReadyColor);
        }
    }
    state.prevVY = state.ballVY;
    return result;
}

}  // namespace game
