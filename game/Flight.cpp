#include "game/Flight.h"

#include <algorithm>
#include <cmath>

#include "holeview/FieldGeometry.h"
#include "platform/Numeric.h"

namespace game {
namespace {

using platform::RoundHalfEven;
using Rest = StepResult::Rest;

constexpr double kBall = holeview::kBallSize;
constexpr double kGravity = 1.0;
constexpr double kBounce = 0.4;
constexpr double kFriction = 0.95;
constexpr double kCupSpeedLimit = 10;

// Speeds are 32-bit values computed in double precision.
void Store(float& speed, double value) { speed = static_cast<float>(value); }

void ApplyWind(const RoundState& round, float& vx) {
    if (round.windDirection == 1) Store(vx, double(vx) - round.windStrength);
    if (round.windDirection == 2) Store(vx, double(vx) + round.windStrength);
}

void ReverseHorizontally(RoundState& round) {
    Store(round.ballVX, -double(round.ballVX));
    Store(round.bounceVX, -double(round.bounceVX));
}

bool IsRolling(const RoundState& round) {
    return platform::Floor(double(round.ballVY) * 1000000.0) ==
           platform::Floor(double(round.prevVY) * 1000000.0);
}

bool WhollyOver(const holeview::Placement& hazard, std::int32_t ballX) {
    return ballX >= hazard.left && ballX + kBall <= hazard.left + hazard.width;
}

std::int32_t RestingTop(const RoundState& round) { return RoundHalfEven(round.groundY - kBall); }

StepResult RestOnGround(RoundState& round, Rest rest) {
    round.ballY = RestingTop(round);
    return {rest, std::nullopt, double(round.ballY)};
}

// A ground contact that stops nothing: the ball bounces, losing speed.
void Bounce(RoundState& round) {
    if (round.landingVY < 1) round.landingVY = RoundHalfEven(round.ballVY);
    Store(round.ballVX, round.bounceVX * kFriction);
    round.bounceVX = round.ballVX;
    Store(round.ballVY, -round.landingVY * kBounce);
    round.landingVY = RoundHalfEven(round.ballVY);
    round.ballY = RestingTop(round);
}

// Only the first tree hit counts: its trunk throws the ball back one width.
void HitTree(RoundState& round, const holeview::HolePlan& hole) {
    for (const holeview::Placement& tree : hole.trees) {
        const double right = round.ballX + kBall;
        const double treeTop = round.groundY - tree.height;
        if (right >= tree.left && right <= tree.left + tree.width && round.ballY > treeTop) {
            round.ballX =
                RoundHalfEven(round.ballVX > 0 ? round.ballX - kBall : round.ballX + kBall);
            ReverseHorizontally(round);
            round.hazards.treeHits += 1;
            return;
        }
    }
}

// A rolling ball over the cup drops in unless it is fast or still early in a
// strong shot's roll.
bool PassesOverCup(const RoundState& round) {
    return (round.shotPower >= 10 && (round.shotPower + 10) * 0.1 >= round.rollSteps) ||
           std::fabs(round.ballVX) >= kCupSpeedLimit;
}

}  // namespace

LaunchSpeeds Launch(std::int16_t power, std::int16_t loft, double r1, double r2) {
    return {static_cast<float>(platform::Floor(r1 * 5) + power),
            static_cast<float>(-(platform::Floor(r2 * 5) + loft))};
}

void PrepareShot(RoundState& round, LaunchSpeeds speeds) {
    float vx = speeds.vx;
    if (round.inBunker) round.hazards.bunkerShots += 1;
    round.rollSteps = 0;
    round.ballVY = speeds.vy;
    if (round.cupX < round.ballX) {
        vx = -vx;
        round.shotDirection = 2;
        if (round.shotLoft > 15) ApplyWind(round, vx);
        if (vx > -1) vx = -1;
    } else {
        round.shotDirection = 1;
        if (round.shotPower > 15 && round.shotLoft > 20) ApplyWind(round, vx);
        if (vx < 1) vx = 1;
    }
    round.bounceVX = vx;
    round.ballVX = vx;
}

bool SpansCup(double left, double width, std::int32_t cupX) {
    return left + width >= cupX && cupX >= left;
}

StepResult FlightStep(RoundState& round, const holeview::HolePlan& hole, std::int32_t screenWidth) {
    round.inBunker = false;
    Store(round.ballVY, round.ballVY + kGravity);
    round.ballX = RoundHalfEven(double(round.ballVX) + round.ballX);
    round.ballY = RoundHalfEven(double(round.ballVY) + round.ballY);

    if (round.ballY + kBall >= round.groundY) {
        if (!IsRolling(round) && SpansCup(round.ballX, kBall, round.cupX) &&
            std::fabs(round.ballVX) < kCupSpeedLimit) {
            return RestOnGround(round, Rest::OnCup);
        }
        for (const holeview::Placement& bunker : hole.bunkers) {
            if (WhollyOver(bunker, round.ballX)) {
                round.phase = TurnPhase::Ready;
                round.inBunker = true;
                return RestOnGround(round, Rest::InBunker);
            }
        }
        for (std::size_t i = 0; i < hole.waters.size(); ++i) {
            if (WhollyOver(hole.waters[i], round.ballX)) return {Rest::InWater, {}, 0, i};
        }
        Bounce(round);
    }

    if (round.ballX + kBall > screenWidth) {
        ReverseHorizontally(round);
        round.ballX = RoundHalfEven(screenWidth - kBall);
    }
    HitTree(round, hole);
    if (round.ballX < 0) {
        ReverseHorizontally(round);
        round.ballX = 0;
    }
    StepResult result{Rest::Moving, double(round.ballX), double(round.ballY)};

    if (IsRolling(round)) {
        if (SpansCup(round.ballX, kBall, round.cupX)) {
            if (!PassesOverCup(round)) return {Rest::OnCup, double(round.ballX), result.windowTop};
            // Over the cup for this one step; the next step puts the window back.
            result.windowTop = round.ballY + kBall;
        }
        round.rollSteps += 1;
        if (round.rollSteps > round.shotPower + 10) {
            result.rest = Rest::RollEnded;
            round.phase = TurnPhase::Ready;
        }
    }
    round.prevVY = round.ballVY;
    return result;
}

FrameResult FlightFrame(RoundState& round, const holeview::HolePlan& hole, std::int32_t screenWidth,
                        double windowLeft, double windowTop) {
    FrameResult frame{{}, 0, windowLeft, windowTop};
    do {
        frame.last = FlightStep(round, hole, screenWidth);
        ++frame.steps;
        if (frame.last.rest == Rest::InWater) break;
        frame.windowLeft = frame.last.windowLeft.value_or(frame.windowLeft);
        frame.windowTop = frame.last.windowTop;
    } while (frame.steps < kStepsPerFrame && frame.last.rest == Rest::Moving &&
             frame.windowTop == round.ballY);
    return frame;
}

double PutBackBesideWater(RoundState& round, const holeview::Placement& water,
                          std::int32_t stripWidth) {
    const double before = water.left - 2 * kBall;
    const double after = water.left + water.width + 2 * kBall;
    const auto onStrip = [&](double left) { return left >= 0 && left + kBall <= stripWidth; };
    const double fromSide = round.shotDirection == 1 ? before : after;
    const double otherSide = round.shotDirection == 1 ? after : before;
    // Water that runs to an end of the strip has no room on that side: a ball
    // put back off the strip could never be played onto it again.
    double left = fromSide;
    if (!onStrip(fromSide)) {
        left = onStrip(otherSide) ? otherSide : std::clamp(fromSide, 0.0, stripWidth - kBall);
    }
    round.ballX = RoundHalfEven(left);
    round.ballY = RestingTop(round);
    round.strokeCount += 1;
    round.hazards.penalties += 1;
    round.phase = TurnPhase::Ready;
    return left;
}

}  // namespace game
