// The ball's flight over the desktop, and its sinking in water.
#include "desktop/Stacking.h"
#include "game/Flight.h"
#include "game/Game.h"
#include "platform/Clock.h"
#include "platform/EventPump.h"
#include "platform/GameWindow.h"
#include "platform/Numeric.h"

namespace game {
namespace {

constexpr int kStepPauseMs = 10;
constexpr int kSinkStepMs = 5;
constexpr int kSunkPauseMs = 20;

}  // namespace

// A step every 10 ms, the window moved every frame, until the ball rests;
// then the hole-out check.
void Game::FlyBall() {
    // The pause runs from step to step, so drawing the ball does not slow the flight.
    platform::Pacer pause(kStepPauseMs);
    std::optional<platform::QuietMoves> quiet(std::in_place, ball_);
    for (;;) {
        const FrameResult frame =
            FlightFrame(round_, hole_, settings_.screenWidth, ball_.Left(), ball_.Top());
        ball_.Move(frame.windowLeft, frame.windowTop);
        if (frame.last.rest == StepResult::Rest::InWater) {
            quiet.reset();  // the sinking serves requests too
            SinkAndPutBack(frame.last.water);
        } else {
            ShowPhase();
        }
        if (frame.last.rest != StepResult::Rest::Moving) break;
        pause.Wait(frame.steps);
        platform::PumpEvents();
        if (menuRequest_ || request_) {
            // A pause hides the ball and shows it again: the toolkit must hear of that.
            quiet.reset();
            ServeRequests();
            quiet.emplace(ball_);
        }
    }
    quiet.reset();
    CheckHoleOut();
}

// Down through its own height, behind every other window once half under;
// then back beside the water, in front again.
void Game::SinkAndPutBack(std::size_t water) {
    const int top = round_.ballY;
    const int halfway = top + platform::RoundHalfEven(ball_.Height()) / 2;
    for (int i = top; i <= platform::RoundHalfEven(top + ball_.Height()); ++i) {
        if (i > halfway) desktop::SetBottom(&ball_);
        platform::PumpEventsThenSleep(kSinkStepMs);
        ServeRequests();
        ball_.SetTop(i);
    }
    platform::PumpEventsThenSleep(kSunkPauseMs);
    ServeRequests();
    const double left = PutBackBesideWater(round_, hole_.waters[water], settings_.screenWidth);
    ball_.Move(left, round_.ballY);
    desktop::SetTopmost(&ball_, settings_.alwaysTop);
    ShowPhase();
}

}  // namespace game
