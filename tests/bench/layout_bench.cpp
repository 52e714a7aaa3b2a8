// Prints how long the game takes from start to the ready ball, and how long a
// hole takes from ResetHole until every one of its windows is shown and painted.
#include <QApplication>
#include <QElapsedTimer>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "courses/CourseState.h"
#include "courses/Courses.h"
#include "desktop/Stacking.h"
#include "game/Form1.h"
#include "game/RoundState.h"
#include "game/StartUp.h"
#include "game/TurnCycle.h"
#include "holeview/Form4.h"
#include "holeview/Form8.h"
#include "holeview/HoleViewState.h"
#include "holeview/LayOutHole.h"
#include "holeview/WindowShapes.h"
#include "platform/Runtime.h"
#include "settings/Decoding.h"
#include "settings/SettingsState.h"

namespace {

std::vector<QWidget*> HoleWindows() {
    std::vector<QWidget*> windows{&game::Ball(), &holeview::Strip(), &holeview::Flag()};
    for (auto* list : {&holeview::state.treeSprites, &holeview::state.bunkerSprites,
                       &holeview::state.waterSprites}) {
        for (auto& sprite : *list) windows.push_back(sprite.get());
    }
    return windows;
}

// Runs events until the window system has shown every window, then once more
// so that the exposed windows paint.
void WaitUntilShown() {
    for (;;) {
        QApplication::processEvents();
        const auto windows = HoleWindows();
        if (std::all_of(windows.begin(), windows.end(), [](QWidget* w) {
                return w->windowHandle() && w->windowHandle()->isExposed();
            })) {
            break;
        }
    }
    QApplication::processEvents();
    QApplication::sync();
}

int MostWindowsHole(int courseSet) {
    settings::state.courseSet = courseSet;
    courses::LoadCourse();
    int best = 1;
    qsizetype bestCount = -1;
    for (int hole = 1; hole <= 18; ++hole) {
        const QString& row = courses::state.courseRows[static_cast<std::size_t>(hole - 1)];
        const qsizetype count =
            row.count(QLatin1Char('K')) + row.count(QLatin1Char('B')) + row.count(QLatin1Char('W'));
        if (count > bestCount) {
            bestCount = count;
            best = hole;
        }
    }
    return best;
}

double LayOutMs(int courseSet, int hole) {
    settings::state.courseSet = courseSet;
    game::state.currentHole = hole;
    QElapsedTimer timer;
    timer.start();
    game::ResetHole();
    game::Ball().SetBackColor(game::kReadyColor);
    holeview::LayOutHole();
    WaitUntilShown();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
    QElapsedTimer sinceStart;
    sinceStart.start();
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);

    settings::state.alwaysTop = platform::kTrue;
    settings::ApplyStoredSettings();
    game::NewRound();
    holeview::BuildWindowShapes();
    holeview::ShapeWindow(0);
    game::state.groundY = game::ComputeGroundY();
    game::ResetHole();
    game::NextTurn();
    desktop::SetTopmost(&game::Ball());
    game::Ball().Move(game::state.ballX, game::state.ballY);
    game::Ball().ShowWindow();
    WaitUntilShown();
    std::printf("start-up to the ready ball (no start dialog): %.1f ms\n",
                static_cast<double>(sinceStart.nsecsElapsed()) / 1e6);

    const char* names[] = {"beginner", "full"};
    for (int courseSet = 0; courseSet < 2; ++courseSet) {
        const int hole = MostWindowsHole(courseSet);
        std::vector<double> runs;
        for (int run = 0; run < 5; ++run) runs.push_back(LayOutMs(courseSet, hole));
        std::sort(runs.begin(), runs.end());
        std::printf(
            "%s hole %d (%zu windows): ResetHole + LayOutHole until shown: "
            "median %.1f ms, min %.1f ms, max %.1f ms\n",
            names[courseSet], hole, HoleWindows().size(), runs[2], runs[0], runs[4]);
    }
    // The single windows must go before the application does.
    holeview::CloseSprites();
    holeview::UnloadFlag();
    holeview::UnloadStrip();
    game::UnloadBall();
    return 0;
}
