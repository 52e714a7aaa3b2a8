#pragma once
// The game's controller: it alone runs the turn cycle, owns the round and
// every window, and carries out what the player asks for. The windows show
// what it gives them and report what the player did. What may run inside its
// loops is written down in docs/DESIGN.md.

#include <QObject>
#include <optional>

#include "controlbar/GaugeSession.h"
#include "courses/CourseState.h"
#include "game/Command.h"
#include "game/GameMenu.h"
#include "game/RoundState.h"
#include "holeview/BallWindow.h"
#include "holeview/HolePlan.h"
#include "holeview/HoleView.h"
#include "scorecard/RoundScores.h"
#include "scorecard/ScoreWindow.h"
#include "settings/Settings.h"

namespace controlbar {
class ControlBar;
}

namespace game {

class Game : public QObject {
public:
    // A hole given on the command line is played as every hole of the round.
    Game(const settings::Settings& settings, const QString& commandLineHole);
    ~Game() override;

    // Lays out hole 1, shows the ball and runs the turn cycle for as long as
    // the program runs.
    [[noreturn]] void Play();
    void SetUpFirstHole();

    void NewRound();
    // Clears the previous hole, puts the ball back at the left, out of any
    // bunker, and draws the wind.
    void ResetHole();
    // One pass of the turn cycle: a shot when the ball waits for one, then the
    // hole's layout when it waits for that.
    void NextTurn();

    // Recorded now and carried out at the next point where the game can.
    void Request(Command command);
    // The game menu at the position; from the bar, with the restart offered
    // or not, from the ball as the menu was left.
    void RequestMenu(QPoint globalPos, std::optional<bool> restartShown);

    RoundState& Round() { return round_; }
    const RoundState& Round() const { return round_; }
    const holeview::HolePlan& Hole() const { return hole_; }
    holeview::BallWindow& Ball() { return ball_; }
    holeview::HoleView& Field() { return field_; }
    GameMenu& Menu() { return menu_; }

private:
    void LayOutHole();
    void LoadRows();
    void PlayShot();
    std::optional<controlbar::ShotValues> TakeAim();
    void FlyBall();
    void SinkAndPutBack(std::size_t water);
    void CheckHoleOut();
    [[noreturn]] void EndRound(const QString& message);
    void ShowScoreCard(scorecard::ScoreWindow::Opened opened);
    scorecard::RoundScores Scores() const;
    void ServeRequests();
    void CarryOut(Command command);
    void Pause();
    void Restart();
    // Every window of the game moves this far down, or back up, and is
    // shown or hidden.
    void MoveGameWindows(double twipsDown, bool shown);
    void ShowPhase();

    settings::Settings settings_;
    QString commandLineHole_;
    RoundState round_;
    courses::CourseState course_;
    holeview::HolePlan hole_;
    holeview::BallWindow ball_;
    holeview::HoleView field_;
    GameMenu menu_;
    struct MenuRequest {
        QPoint at;
        std::optional<bool> restartShown;
    };
    std::optional<MenuRequest> menuRequest_;
    std::optional<Command> request_;
    // The bar of the stroke being aimed; a restart abandons that stroke.
    controlbar::ControlBar* openBar_ = nullptr;
    bool strokeAbandoned_ = false;
};

}  // namespace game
