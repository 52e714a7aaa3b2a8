// Prints how long the game takes from start to the ready ball, and how long a
// hole takes from its reset until every one of its windows is shown and painted.
#include <QApplication>
#include <QElapsedTimer>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <set>
#include <vector>

#include "courses/CourseSets.h"
#include "game/Game.h"
#include "game/StartUp.h"
#include "platform/Display.h"
#include "settings/Settings.h"

namespace {

std::vector<QWidget*> HoleWindows(game::Game& game) {
    std::vector<QWidget*> windows{&game.Ball()};
    for (QWidget* window : game.Field().Windows()) windows.push_back(window);
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
void WaitUntilShown(game::Game& game) {
    const auto windows = HoleWindows(game);
    for (;;) {
        QApplication::processEvents();
        const bool done = std::all_of(windows.begin(), windows.end(), [&](QWidget* w) {
            const bool exposed = w->windowHandle() && w->windowHandle()->isExposed();
            const bool mustPaint = w != &game.Ball() && w != &game.Field().Flag();
            return exposed && (!mustPaint || paintWatch->painted.count(w) > 0);
        });
        if (done) break;
    }
    QApplication::sync();
}

int MostWindowsHole(int courseSet) {
    const courses::CourseRows rows = *courses::LoadCourse(courseSet).rows;
    int best = 1;
    qsizetype bestCount = -1;
    for (int hole = 1; hole <= 18; ++hole) {
        const QString& row = rows[static_cast<std::size_t>(hole - 1)];
        const qsizetype count =
            row.count(QLatin1Char('K')) + row.count(QLatin1Char('B')) + row.count(QLatin1Char('W'));
        if (count > bestCount) {
            bestCount = count;
            best = hole;
        }
    }
    return best;
}

// As in play: the hole-out resets the hole, the turn cycle lays out the next.
double LayOutMs(game::Game& game, int hole) {
    game.Round().currentHole = hole;
    QElapsedTimer timer;
    timer.start();
    paintWatch->painted.clear();
    game.ResetHole();
    game.NextTurn();
    WaitUntilShown(game);
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
    QElapsedTimer sinceStart;
    sinceStart.start();
    platform::SendPicturesInRequests();  // as the game does
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    PaintWatch watch;
    paintWatch = &watch;
    app.installEventFilter(&watch);

    settings::Settings settings = settings::StoredSettings();
    // The benchmark's argument "top" measures the game kept in front.
    settings.alwaysTop = argc > 1 && QString::fromLocal8Bit(argv[1]) == "top";
    std::printf("always in front: %s\n", settings.alwaysTop ? "on" : "off");
    {
        game::Game game(settings, QString());
        game.SetUpFirstHole();
        WaitUntilShown(game);
        std::printf("start-up to the ready ball (no start dialog): %.1f ms\n",
                    static_cast<double>(sinceStart.nsecsElapsed()) / 1e6);
    }

    const char* names[] = {"beginner", "full"};
    for (int courseSet = 0; courseSet < 2; ++courseSet) {
        const int hole = MostWindowsHole(courseSet);
        settings.courseSet = courseSet;
        game::Game game(settings, QString());
        QElapsedTimer timer;
        timer.start();
        paintWatch->painted.clear();
        game.SetUpFirstHole();
        WaitUntilShown(game);
        const double holeOne = static_cast<double>(timer.nsecsElapsed()) / 1e6;
        // The player takes aim for a moment before the next hole, while the
        // game makes the windows later holes need.
        game.MakeSpareWindows();
        QElapsedTimer aim;
        aim.start();
        while (aim.elapsed() < 1000) QApplication::processEvents(QEventLoop::AllEvents, 50);
        const double first = LayOutMs(game, hole);
        std::vector<double> runs;
        for (int run = 0; run < 5; ++run) runs.push_back(LayOutMs(game, hole));
        std::sort(runs.begin(), runs.end());
        std::printf(
            "%s hole %d (%zu windows), reset and layout until shown and painted: "
            "%.1f ms after hole 1 (which took %.1f ms), again median %.1f ms, max %.1f ms\n",
            names[courseSet], hole, HoleWindows(game).size(), first, holeOne, runs[2], runs[4]);
    }
    return 0;
}
