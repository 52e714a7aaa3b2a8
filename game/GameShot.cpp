// The shot branch of the turn cycle: the control bar, then the launch.
#include <QTimer>

#include "controlbar/BarPlacement.h"
#include "controlbar/BarTexts.h"
#include "controlbar/ControlBar.h"
#include "game/Autopilot.h"
#include "game/Flight.h"
#include "game/Game.h"
#include "platform/Clock.h"
#include "platform/EventPump.h"
#include "platform/Random.h"

namespace game {
namespace {

constexpr int kStartDelayMs = 10;
constexpr int kCloseDelayMs = 200;
// Long enough for the bar to be on the screen before spare windows are made.
constexpr int kSparesDelayMs = 300;

controlbar::BarContent BarContentFor(const RoundState& round, const settings::Settings& settings) {
    return {controlbar::HoleText(settings.courseSet, round.currentHole,
                                 round.holePar[round.currentHole]),
            controlbar::StrokeText(round.strokeCount),
            controlbar::WindText(round.windDirection, round.windStrength),
            controlbar::BarWidthTwips(settings.courseSet), settings.alwaysTop};
}

}  // namespace

void Game::PlayShot() {
    const std::optional<controlbar::ShotValues> shot = TakeAim();
    if (!shot) {
        // Abandoned: for a new screen the hole moves and the same stroke is
        // asked for again; for a restart hole 1 is laid out afresh; a tried
        // hole is left as it is.
        if (strokeAbandoned_ == Abandoned::ForRestart) {
            ResetHole();
        } else if (strokeAbandoned_ == Abandoned::ForNewScreen) {
            FollowScreen();
        }
        return;
    }
    round_.shotPower = shot->power;
    round_.shotLoft = shot->loft;
    round_.phase = TurnPhase::InPlay;
    ShowPhase();
    const double r1 = platform::Random01();
    const double r2 = platform::Random01();
    platform::ReseedRandom();
    PrepareShot(round_, Launch(round_.shotPower, round_.shotLoft, r1, r2));
    FlyBall();
}

void Game::MakeSpareWindows() {
    if (spareWindowsWanted_ > 0)
        field_.ReserveObstacleWindows(std::exchange(spareWindowsWanted_, 0));
}

// Opens the bar for one stroke and runs its gauges until the player has fixed
// power and loft; the bar closes a moment later. Empty when a restart
// abandoned the stroke.
std::optional<controlbar::ShotValues> Game::TakeAim() {
    controlbar::ControlBar bar(BarContentFor(round_, settings_));
    bar.PlaceAbove(ball_.Left(), ball_.Top(), settings_.screenWidth, settings_.ctlLock);
    controlbar::GaugeSession gauges;
    std::optional<controlbar::ShotValues> shot;
    QTimer startTimer;
    startTimer.setSingleShot(true);
    startTimer.setInterval(platform::PauseMs(kStartDelayMs));
    QTimer closeTimer;
    closeTimer.setSingleShot(true);
    closeTimer.setInterval(platform::PauseMs(kCloseDelayMs));
    bool closeDue = false;
    connect(&bar, &controlbar::ControlBar::pressed, this, [&] {
        if (gauges.Press() == controlbar::GaugeSession::PressEffect::ArmStart) startTimer.start();
    });
    connect(&startTimer, &QTimer::timeout, this, [&] { gauges.Start(); });
    connect(&closeTimer, &QTimer::timeout, this, [&] { closeDue = true; });
    bool sparesDue = false;
    QTimer::singleShot(platform::PauseMs(kSparesDelayMs), &bar, [&] { sparesDue = true; });
    connect(&bar, &controlbar::ControlBar::menuRequested, this,
            [this](QPoint at, bool shiftAlone) { RequestMenu(at, shiftAlone); });

    openBar_ = &bar;
    strokeAbandoned_.reset();
    bar.Open(!attention_.PlayerElsewhere());
    if (autopilot_) autopilot_->TakeAim(bar);
    const float speed = settings_.speedFactor;
    while (!closeDue && !strokeAbandoned_) {
        if (gauges.Running()) {
            // Presses come in here; a fixed loft gives the shot at this step.
            platform::PumpEvents();
            ServeRequests();
            if (strokeAbandoned_) break;
            shot = gauges.Step(speed, round_.inBunker);
            if (shot) {
                closeTimer.start();
                continue;
            }
            bar.ShowLevels(gauges.Power().level, gauges.Loft().level);
            platform::PumpEventsThenSleep(speed * 10);
        } else {
            // Windows later holes need are made while the player takes aim:
            // making and mapping them would slow the hole's first showing.
            if (sparesDue && !gauges.StartArmed() && !shot) MakeSpareWindows();
            platform::WaitForEvents();
        }
        ServeRequests();
    }
    openBar_ = nullptr;
    bar.hide();
    if (strokeAbandoned_) return std::nullopt;
    return shot;
}

}  // namespace game
