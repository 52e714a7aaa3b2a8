// The end of a shot: the stroke is counted and a ball on the cup is holed,
// announced, and play moves to the next hole or the round ends.
#include <QTimer>

#include "controlbar/ControlBar.h"
#include "game/Autopilot.h"
#include "game/Flight.h"
#include "game/Game.h"
#include "game/HoleOutTexts.h"
#include "holeview/FieldGeometry.h"
#include "platform/Clock.h"
#include "platform/Messages.h"
#include "platform/Program.h"
#include "scorecard/ScoreCard.h"
#include "scorecard/ScoreWindow.h"

namespace game {
namespace {

const QString kTitle = QStringLiteral("Quorvane");

}  // namespace

// Whatever way the shot ended, a ball whose span covers the cup drops in.
// The next hole is only cleared here; the turn cycle lays it out.
void Game::CheckHoleOut() {
    round_.strokeCount += 1;
    if (!SpansCup(round_.ballX, holeview::kBallSize, round_.cupX)) return;

    ball_.SetTop(ball_.Top() + ball_.Height());
    round_.phase = TurnPhase::Holed;
    ShowPhase();
    const int hole = round_.currentHole;
    round_.holeStrokes[hole] = round_.strokeCount;
    round_.holeHazards[hole] = round_.hazards;
    round_.currentHole += 1;
    if (trying_) {
        tryOver_ = true;
        platform::ShowMessage(TriedHoleOutMessage(round_.strokeCount, round_.holePar[hole]), kTitle,
                              MessageFocus());
        return;
    }
    const QString message =
        HoleOutMessage(round_.strokeCount, round_.holePar[hole], round_.currentHole);
    if (round_.currentHole >= 19) {
        EndRound(message);
        return;
    }
    platform::ShowMessage(message, kTitle, MessageFocus());
    ResetHole();
}

// The final message, then the score card; the program ends when its window
// closes, unless the game plays itself: then the next round begins.
void Game::EndRound(const QString& message) {
    platform::ShowMessage(message, kTitle, MessageFocus());
    round_.roundOver = true;
    ShowScoreCard(scorecard::ScoreWindow::Opened::AtRoundEnd);
    if (!autopilot_ || !autopilot_->RoundPlayed()) platform::EndProgram();
    NewRound();
    ResetHole();
}

// The round is kept once its window is built, before the player sees it.
void Game::ShowScoreCard(scorecard::ScoreWindow::Opened opened) {
    const scorecard::RoundScores scores = Scores();
    // Only a finished round the player played on a course set sets a high
    // score and goes into the history: a hole given on the command line is
    // none of them, nor is a round the game played itself.
    const bool forTheRecord = opened == scorecard::ScoreWindow::Opened::AtRoundEnd &&
                              commandLineHole_.isEmpty() && !autopilot_;
    const QDateTime now = platform::Now();
    const QString card = scorecard::ScoreCardText(scores, settings_.courseSet, forTheRecord, now);
    scorecard::ScoreWindow window(card, opened, settings_.screenWidth);
    if (forTheRecord) {
        history_.Keep(RecordOf(round_, settings_.courseSet, course_.rows, now), MessageFocus());
    }
    connect(&window, &scorecard::ScoreWindow::copyRequested, this,
            [&](bool oneColumn) { scorecard::CopyScores(scores, settings_.courseSet, oneColumn); });
    if (autopilot_) QTimer::singleShot(autopilot_->PauseMs(), &window, &QDialog::accept);
    window.exec();
}

platform::Focus Game::MessageFocus() const {
    return attention_.PlayerElsewhere() ? platform::Focus::Leave : platform::Focus::Take;
}

scorecard::RoundScores Game::Scores() const {
    scorecard::RoundScores scores;
    scores.par = round_.holePar.values;
    scores.strokes = round_.holeStrokes.values;
    scores.currentHole = round_.currentHole;
    scores.roundOver = round_.roundOver;
    return scores;
}

}  // namespace game
