// Prints how long the game takes from start to the ready ball, and how long a
// hole takes from ResetHole until every one of its windows is shown and painted.
#include <QApplication>
#include <QElapsedTimer>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <set>
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

// Notes which windows have painted since it was last cleared.
class PaintWatch : public QObject {
public:
    std::set<QObject*> painted;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) painted.insert(watched);
        return false;
    }
};

PaintWatch* paintWatch = nullptr;

// Runs events until the window system shows every window of the hole and every
// obstacle and the strip have painted their new contents.
void WaitUntilShown() {
    const auto windows = HoleWindows();
    for (;;) {
        QApplication::processEvents();
        const bool done = std::all_of(windows.begin(), windows.end(), [](QWidget* w) {
            const bool exposed = w->windowHandle() && w->windowHandle()->isExposed();
            const bool mustPaint = w != &game::Ball() && w != &holeview::Flag();
            return exposed && (!mustPaint || paintWatch->painted.count(w) > 0);
        });
        if (done) break;
    }
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
    paintWatch->painted.clear();
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
    PaintWatch watch;
    paintWatch = &watch;
    app.installEventFilter(&watch);

    settings::ApplyStoredSettings();
    // The benchmark's argument "top" measures the game kept in front.
    settings::state.alwaysTop =
        platform::ToVbBool(argc > 1 && QString::fromLocal8Bit(argv[1]) == "top");
    std::printf("always in front: %s\n", settings::state.alwaysTop ? "on" : "off");
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
        // As in play: hole 1 first, which also prepares windows for later holes.
        holeview::DestroySprites();
        const double holeOne = LayOutMs(courseSet, 1);
        // The player takes aim for a moment before the next hole.
        QElapsedTimer aim;
        aim.start();
        while (aim.elapsed() < 1000) QApplication::processEvents(QEventLoop::AllEvents, 50);
        const double first = LayOutMs(courseSet, hole);
        std::vector<double> runs;
        for (int run = 0; run < 5; ++run) runs.push_back(LayOutMs(courseSet, hole));
        std::sort(runs.begin(), runs.end());
        std::printf(
            "%s hole %d (%zu windows), ResetHole + LayOutHole until shown and painted: "
            "%.1f ms after hole 1 (which took %.1f ms), again median %.1f ms, max %.1f ms\n",
            names[courseSet], hole, HoleWindows().size(), first, holeOne, runs[2], runs[4]);
    }
    // The single windows must go before the application does.
    holeview::DestroySprites();
    holeview::UnloadFlag();
    holeview::UnloadStrip();
    game::UnloadBall();
    return 0;
}
