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
#include "game/RoundHistory.h"
#include "game/RoundState.h"
#include "holeview/BallWindow.h"
#include "holeview/HolePlan.h"
#include "holeview/HoleView.h"
#include "platform/FieldStacking.h"
#include "platform/Messages.h"
#include "platform/PlayerAttention.h"
#include "scorecard/RoundScores.h"
#include "scorecard/ScoreWindow.h"
#include "settings/Settings.h"

namespace controlbar {
class ControlBar;
}

namespace game {

class Autopilot;

class Game : public QObject {
public:
    // A hole given on the command line is played as every hole of the round.
    // Finished rounds go into the history, which the start dialog may have
    // used already.
    Game(const settings::Settings& settings, const QString& commandLineHole,
         RoundHistory history = RoundHistory());
    ~Game() override;

    // Lays out hole 1, shows the ball and runs the turn cycle for as long as
    // the program runs.
    [[noreturn]] void Play();
    void SetUpFirstHole();
    // Plays the hole given at construction once, its trees of these sizes,
    // for the course editor: nothing is stored, and the game returns when the
    // ball is holed or the player goes back from the game menu.
    void TryHole(const courses::TreeCycle& trees);

    void NewRound();
    // Clears the previous hole, puts the ball back at the left, out of any
    // bunker, and draws the wind.
    void ResetHole();
    // One pass of the turn cycle: a shot when the ball waits for one, then the
    // hole's layout when it waits for that.
    void NextTurn();

    // The game plays itself: it presses the bar's button, and a new round
    // follows each one. Nothing is written to the settings file.
    void SetAutopilot(Autopilot* autopilot) { autopilot_ = autopilot; }

    // Makes the windows later holes of the course need, if the hole on the
    // screen did not; done while the player takes aim.
    void MakeSpareWindows();

    // Recorded now and carried out at the next point where the game can.
    void Request(Command command);
    // The screen or its work area changed: before the next shot the hole
    // moves onto the new ground line, at the new width.
    void ScreenChanged() { screenChanged_ = true; }
    // The game menu at the position; from the bar, with the restart offered
    // or not, from the ball as the menu was left.
    void RequestMenu(QPoint globalPos, std::optional<bool> restartShown);

    RoundState& Round() { return round_; }
    const RoundState& Round() const { return round_; }
    const holeview::HolePlan& Hole() const { return hole_; }
    holeview::BallWindow& Ball() { return ball_; }
    holeview::HoleView& Field() { return field_; }
    GameMenu& Menu() { return menu_; }
    RoundHistory& History() { return history_; }

private:
    void ShowFirstHole();
    void LayOutHole();
    void FollowScreen();
    void LoadRows();
    void PlayShot();
    std::optional<controlbar::ShotValues> TakeAim();
    void FlyBall();
    void SinkAndPutBack(std::size_t water);
    void CheckHoleOut();
    void EndRound(const QString& message);
    void ShowScoreCard(scorecard::ScoreWindow::Opened opened);
    scorecard::RoundScores Scores() const;
    platform::Focus MessageFocus() const;
    void ServeRequests();
    void CarryOut(Command command);
    void Pause();
    void Restart();
    // Every window of the game moves this far down, or back up, and is
    // shown or hidden.
    void MoveGameWindows(double twipsDown, bool shown);
    // The field's windows from bottom to top: the ball flies in front.
    std::vector<platform::GameWindow*> FieldWindows();
    void KeepFieldInPlace();
    void ShowPhase();
    // While a bar waits, a click on the ball hands it the keyboard; during a
    // flight any button but the left one opens the game menu. Between the two
    // (a hole-out message) the ball takes no clicks.
    void OnBallPressed(Qt::MouseButton button, QPoint globalPos);

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
    // Why the stroke being aimed was given up, once it was.
    enum class Abandoned { ForRestart, ForNewScreen, ToLeave };
    std::optional<Abandoned> strokeAbandoned_;
    bool screenChanged_ = false;
    // A hole tried from the course editor, and whether it is over.
    bool trying_ = false;
    bool tryOver_ = false;
    int spareWindowsWanted_ = 0;
    // The hole on the screen: its cells, and the tree sizes it started from.
    QString holeCells_;
    courses::TreeCycle holeTrees_;
    Autopilot* autopilot_ = nullptr;
    platform::PlayerAttention attention_;
    RoundHistory history_;
    platform::FieldStacking stacking_;
};

}  // namespace game
