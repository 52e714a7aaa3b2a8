// Prints what the round history costs: writing one round into a history of
// 10,000, the statistics window shown over them, and their size on disk.
// --rounds N keeps another number of rounds; --keep DIR leaves the history in
// DIR/rounds.sqlite (for looking at the window).
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGraphicsView>
#include <QTemporaryDir>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <random>

#include "courses/CourseSets.h"
#include "courses/HoleString.h"
#include "history/RoundStore.h"
#include "history/StatsWindow.h"
#include "history/Summary.h"
#include "platform/Fonts.h"

namespace {

// Rounds as a player plays them: mostly the beginner course, a little better
// as time goes on, now and then in the water, a bunker or a tree.
class RoundMaker {
public:
    history::RoundRecord Next() {
        const int course = Pick({6, 3, 1});
        history::RoundRecord round;
        round.playedAt = QDateTime(QDate(2020, 1, 1), QTime(19, 0)).addSecs(qint64(made_) * 7200);
        round.courseSet = course;
        if (course == 2) round.courseKey = QStringLiteral("5d41402abc4b2a76");
        const courses::CourseRows rows =
            courses::LoadCourse(std::min(course, 1)).rows.value_or(courses::CourseRows{});
        for (std::size_t hole = 0; hole < round.holes.size(); ++hole) {
            history::HoleRecord& h = round.holes[hole];
            h.par = courses::ParOf(rows[hole]);
            h.penalties = Pick({9, 1});
            h.bunkerShots = Pick({9, 1});
            h.treeHits = Pick({17, 3});
            const double practice = made_ > 5000 ? 1 : 0;
            h.strokes =
                h.par - 1 + Pick({1 + practice, 4 + practice, 3, 2 - practice, 1}) + h.penalties;
        }
        ++made_;
        return round;
    }

private:
    int Pick(std::initializer_list<double> weights) {
        std::discrete_distribution<int> choice(weights);
        return choice(random_);
    }
    std::mt19937 random_{1};
    int made_ = 0;
};

double Ms(const QElapsedTimer& clock) { return double(clock.nsecsElapsed()) / 1e6; }

double Median(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

// From asking for the rounds to both charts painted on the screen.
double ShowWindow(const QString& path) {
    QElapsedTimer clock;
    clock.start();
    const history::LoadedRounds loaded = history::RoundStore(path).Load();
    history::StatsWindow window(history::Summarize(loaded.rounds), 19200);
    int painted = 0;
    struct PaintWatch : QObject {
        int* painted;
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Paint) ++*painted;
            return false;
        }
    } watch;
    watch.painted = &painted;
    const QList<QGraphicsView*> charts = window.findChildren<QGraphicsView*>();
    for (QGraphicsView* chart : charts) chart->viewport()->installEventFilter(&watch);
    window.show();
    while (painted < charts.size()) QApplication::processEvents();
    QApplication::sync();
    return Ms(clock);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    platform::InstallFontSubstitutes();
    const QStringList arguments = QApplication::arguments();
    const int rounds = arguments.contains("--rounds")
                           ? std::max(1, arguments.value(arguments.indexOf("--rounds") + 1).toInt())
                           : 10000;
    QTemporaryDir temporary;
    const QString folder = arguments.contains("--keep")
                               ? arguments.value(arguments.indexOf("--keep") + 1)
                               : temporary.path();
    QDir().mkpath(folder);
    const QString path = folder + QStringLiteral("/rounds.sqlite");
    QFile::remove(path);

    RoundMaker maker;
    QElapsedTimer clock;
    clock.start();
    {
        history::RoundStore store(path);
        for (int i = 0; i < rounds; ++i) store.Keep(maker.Next());
    }
    std::printf("%d rounds kept one transaction each in %.0f ms\n", rounds, Ms(clock));
    std::printf("on disk: %.2f MB (%lld bytes)\n", double(QFileInfo(path).size()) / 1048576,
                static_cast<long long>(QFileInfo(path).size()));

    // As the game does it at the end of a round: the first use in a run opens
    // the file.
    std::vector<double> first;
    std::vector<double> later;
    for (int run = 0; run < 20; ++run) {
        history::RoundStore store(path);
        clock.restart();
        store.Keep(maker.Next());
        first.push_back(Ms(clock));
        for (int i = 0; i < 5; ++i) {
            clock.restart();
            store.Keep(maker.Next());
            later.push_back(Ms(clock));
        }
    }
    std::printf("write one round, first in a run (file opened): median %.2f ms, slowest %.2f ms\n",
                Median(first), *std::max_element(first.begin(), first.end()));
    std::printf("write one round, file already open: median %.2f ms, slowest %.2f ms\n",
                Median(later), *std::max_element(later.begin(), later.end()));

    const int kept = rounds + 120;
    std::printf("statistics window over %d rounds, first in a run: %.0f ms\n", kept,
                ShowWindow(path));
    std::printf("statistics window over %d rounds, again: %.0f ms\n", kept, ShowWindow(path));
    return 0;
}
