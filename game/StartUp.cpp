#include "game/StartUp.h"

#include "courses/Courses.h"
#include "desktop/Stacking.h"
#include "game/AppIcon.h"
#include "game/Form1.h"
#include "game/RoundState.h"
#include "game/TurnCycle.h"
#include "holeview/WindowShapes.h"
#include "platform/Numeric.h"
#include "platform/Program.h"
#include "platform/Screen.h"
#include "settings/Decoding.h"
#include "settings/Form7.h"
#include "settings/Profile.h"
#include "settings/SettingsState.h"

namespace game {

using platform::kFalse;
using platform::kTrue;

bool ChooseCourse() {
    settings::state.speedFactor = 1.0f;
    {
        settings::Form7 dialog(AppIcon());
        dialog.exec();
    }
    if (!settings::state.startAccepted) return false;
    const QString code = courses::CourseSetCode(settings::state.courseSet);
    if (!code.isEmpty())
        settings::WriteSetting(QStringLiteral("Setting"), QStringLiteral("Course"), code);
    return true;
}

int ComputeGroundY() {
    const int workAreaBottom = platform::GetSystemMetrics(platform::SM_CYFULLSCREEN) +
                               platform::GetSystemMetrics(platform::SM_CYCAPTION);
    return platform::Round(platform::TwipsPerPixelY() * workAreaBottom) - 50;
}

void StartUp() {
    if (platform::AnotherInstanceRunning()) platform::EndProgram(0);
    settings::state.alwaysTop = kTrue;
    settings::state.courseSet = 0;
    settings::state.startAccepted = kFalse;

    if (platform::CommandLineText().isEmpty()) {
        if (!ChooseCourse()) platform::EndProgram(0);
    } else {
        // A hole from the command line plays with the stored settings, so the
        // strip has its width and the gauges move.
        settings::ApplyStoredSettings();
    }

    NewRound();
    holeview::BuildWindowShapes();
    holeview::ShapeWindow(0);
    state.groundY = ComputeGroundY();
    ResetHole();
    NextTurn();
    desktop::SetTopmost(&Ball());
    Ball().Move(state.ballX, state.ballY);
    Ball().ShowWindow();
    RunTurnCycle();
}

}  // namespace game
