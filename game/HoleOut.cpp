#include "game/HoleOut.h"

#include "controlbar/Form3.h"
#include "game/Flight.h"
#include "game/Form1.h"
#include "game/RoundState.h"
#include "game/TurnCycle.h"
#include "platform/Program.h"
#include "scorecard/ScoreCard.h"

namespace game {
namespace {

const QString kNewLine = QStringLiteral("\r\n");
const QString kTitle = QStringLiteral("Quorvane");

void Drop(Form1& ball) {
    ball.SetTop(ball.Top() + ball.Height());
    ball.SetBackColor(kHoledColor);
}

[[noreturn]] void EndRound(const QString& message) {
    platform::MsgBox(message, kTitle);
    state.roundOver = platform::kTrue;
    scorecard::ScoreCard(false);
    controlbar::UnloadBar();
    UnloadBall();
    platform::EndProgram();
}

}  // namespace

QString HoleOutMessage(int strokes, int nextHole) {
    QString text = QString::number(strokes) + QStringLiteral("打で入りました！") + kNewLine +
                   kNewLine + ShotComment() + kNewLine + kNewLine;
    if (nextHole >= 19) return text + QStringLiteral("全ホール終了です。お疲れ様でした！");
    if (nextHole == 18) return text + QStringLiteral("次は最終ホールです！");
    return text + QStringLiteral("次は ") + QString::number(nextHole) +
           QStringLiteral("番ホールです！");
}

QString ShotComment() {
    const int hole = state.currentHole - 1;
    const int s = state.holeStrokes[hole];
    const int p = state.holePar[hole];
    if (s == 1) return QStringLiteral("ホールインワン！！！！");
    if (s < p) return QStringLiteral("やるぅー！！");
    if (s == p) return QStringLiteral("いい感じ！");
    if (s == p + 1) return QStringLiteral("おしい！");
    if (s == p + 2) return QStringLiteral("残念！");
    return QStringLiteral("もっと頑張らなきゃ！");
}

void CheckHoleOut() {
    state.strokeCount += 1;
    Form1& ball = Ball();
    if (!SpansCup(state.ballX, ball.Width())) return;

    Drop(ball);
    state.holeStrokes[state.currentHole] = state.strokeCount;
    state.currentHole += 1;
    const QString message = HoleOutMessage(state.strokeCount, state.currentHole);
    if (state.currentHole >= 19) EndRound(message);

    platform::MsgBox(message, kTitle);
    // The turn cycle plays the next shot; this only lays out the next hole.
    ResetHole();
    NextTurn();
}

}  // namespace game
