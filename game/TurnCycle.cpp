#include "game/TurnCycle.h"

#include "game/Form1.h"
#include "game/RoundState.h"
#include "game/Shot.h"
#include "holeview/Form4.h"
#include "holeview/HoleViewState.h"
#include "holeview/LayOutHole.h"
#include "platform/Numeric.h"
#include "platform/Runtime.h"
#include "settings/SettingsState.h"

namespace game {

using platform::Int;
using platform::kFalse;

void NewRound() {
    state.roundOver = kFalse;
    state.treeHeightPos = 0;
    state.treeWidthPos = 0;
    state.holeStrokes = {};
    state.currentHole = 1;
    state.holeChosenFromMenu = kFalse;
}

void ResetHole() {
    holeview::CloseSprites();

    Form1& ball = Ball();
    ball.SetBackColor(kSetupPendingColor);
    // The height is read before the resize, as the ball may still have another size.
    state.ballY = platform::Round(state.groundY - ball.Height());
    ball.Move(settings::state.screenWidth / 100.0, state.ballY, 80, 80);

    // Clearing the strip's drawing is what unloading it would achieve; the
    // window itself can stay.
    holeview::Form4& strip = holeview::Strip();
    strip.Cls();
    strip.Move(0, state.groundY, settings::state.screenWidth, 40);
    strip.ShowWindow();

    state.windStrength = static_cast<std::int16_t>(Int(platform::Rnd() * 6));
    state.windDirection = static_cast<std::int16_t>(Int(platform::Rnd() * 2 + 1));
}

void NextTurn() {
    platform::Randomize();
    const QRgb color = Ball().BackColor();
    if (color == kReadyColor || color == settings::state.ballColor) PlayShot();
    if (Ball().BackColor() == kSetupPendingColor) {
        ResetHole();
        Ball().SetBackColor(kReadyColor);
        holeview::LayOutHole();
        state.strokeCount = 0;
    }
}

void RunTurnCycle() {
    for (;;) NextTurn();
}

}  // namespace game
