// Which rounds the game keeps and when, and what the player is told when the
// history fails.
#include <QApplication>
#include <QDir>
#include <QTest>
#include <QTimer>

#include "game/Autopilot.h"
#include "game/Game.h"
#include "history/RoundStore.h"
#include "history/StatsWindow.h"
#include "scorecard/ScoreWindow.h"
#include "tests/support/BarPlayer.h"
#include "tests/support/ShortHole.h"
#include "tests/support/TestEnvironment.h"

using namespace Qt::StringLiterals;

namespace {

std::vector<history::RoundRecord> Kept() {
    return history::RoundStore(game::RoundHistory::DefaultPath()).Load().rounds;
}

// Runs the action on each modal window of the type as it opens.
template <class Window>
void WhenOpen(QTimer& poller, std::function<void(Window&)> action) {
    QObject::connect(&poller, &QTimer::timeout, [action] {
        if (auto* window = qobject_cast<Window*>(QApplication::activeModalWidget())) {
            action(*window);
        }
    });
    poller.start(1);
}

// Restarts the round as soon as the ball flies.
struct RestartInFlight : QObject {
    game::Game* game = nullptr;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Move && game->Round().phase == game::TurnPhase::InPlay &&
            game->Round().currentHole == 18) {
            game->Request(game::Command::Restart);
        }
        return false;
    }
};

}  // namespace

class RoundHistoryTest : public QObject {
    Q_OBJECT
private slots:
    // Kept once, as the score window opens; a command-line hole, the demo and
    // a round given up are not. A history that cannot be written changes
    // nothing else: the round ends as always, with its high score.
    void finishedRoundsAreKeptOnce_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("kept");
        QTest::newRow("played on a course set") << u"course"_s << 1;
        QTest::newRow("hole from the command line") << u"command line"_s << 0;
        QTest::newRow("demo") << u"demo"_s << 0;
        QTest::newRow("restarted on the last hole") << u"restart"_s << 0;
        QTest::newRow("history cannot be written") << u"blocked"_s << 0;
    }
    void finishedRoundsAreKeptOnce() {
        QFETCH(QString, how);
        testing::TestEnvironment env;
        env.writeFile(u"USER.TXT"_s, testing::ShortUserCourse());
        const QFileInfo folder(QFileInfo(game::RoundHistory::DefaultPath()).absolutePath());
        if (how == u"blocked"_s) {
            QDir().mkpath(folder.absolutePath());
            QFile(folder.filePath()).open(QIODevice::WriteOnly);  // a file where it should be
        }
        settings::Settings settings = testing::StandardSettings();
        settings.courseSet = 2;
        game::Game game(settings, how == u"command line"_s ? testing::ShortHole() : QString());
        game::Autopilot autopilot(true, 1);
        if (how == u"demo"_s) game.SetAutopilot(&autopilot);
        RestartInFlight restart;
        restart.game = &game;
        testing::StartOnHole(game, 18);
        if (how == u"restart"_s) {
            game.Ball().ShowInPlace();
            game.Ball().installEventFilter(&restart);
        }
        game.Round().holeStrokes[1] = 7;
        game.Round().holeHazards[1] = {2, 1, 3};
        std::optional<std::size_t> keptAsTheWindowOpened;
        int endedWith = -1;
        QTimer closer;
        WhenOpen<scorecard::ScoreWindow>(closer, [&](scorecard::ScoreWindow& window) {
            if (!keptAsTheWindowOpened) keptAsTheWindowOpened = Kept().size();
            window.close();
        });
        std::unique_ptr<testing::BarPlayer> player;
        if (how != u"demo"_s) {
            player = std::make_unique<testing::BarPlayer>(
                std::deque<testing::BarPlayer::Shot>{{20, 12}, {6, 5}, {6, 5}, {6, 5}, {6, 5}});
        }
        try {
            for (int turn = 0; turn < 200 && game.Round().currentHole == 18; ++turn)
                game.NextTurn();
        } catch (const testing::ProgramEnded& end) {
            endedWith = end.exitCode;
        }
        QFETCH(int, kept);
        const std::vector<history::RoundRecord> rounds = Kept();
        QCOMPARE(int(rounds.size()), kept);
        if (how == u"restart"_s) QCOMPARE(game.Round().currentHole, 1);
        if (how == u"blocked"_s) {
            QCOMPARE(endedWith, 0);
            QVERIFY(env.readFile(u"QVN.ini"_s).contains("HISCORE*="));
            QVERIFY(env.messages.last().contains(u"このラウンドは成績に残せませんでした。"_s));
        }
        if (!kept) return;
        QCOMPARE(keptAsTheWindowOpened, std::optional<std::size_t>(1));
        const history::RoundRecord& round = rounds[0];
        QCOMPARE(round.courseSet, 2);
        courses::CourseRows rows;
        rows.fill(testing::ShortHole());
        QCOMPARE(round.courseKey, history::CourseFingerprint(rows));
        QCOMPARE(round.holes[0], (history::HoleRecord{3, 7, 2, 1, 3}));
        QCOMPARE(round.holes[17], (history::HoleRecord{3, 3, 0, 0, 0}));
        QCOMPARE(round.holes[1].strokes, 0);
    }

    // One message in a run, whichever failure came first; the window says
    // why it shows no rounds.
    void aFailureIsToldOnce() {
        testing::TestEnvironment env;
        env.writeFile(u"blocked"_s, "a file where the folder should be");
        game::RoundHistory history(env.filePath(u"blocked/rounds.sqlite"_s));
        history.Keep({}, platform::Focus::Take);
        history.Keep({}, platform::Focus::Take);
        QCOMPARE(env.messages.size(), 1);
        QVERIFY(env.messages[0].startsWith(u"Quorvane|このラウンドは成績に残せませんでした。"_s));

        env.placeOddEntry(u"folder.sqlite"_s, u"folder"_s);
        game::RoundHistory reading(env.filePath(u"folder.sqlite"_s));
        QString shown;
        QTimer closer;
        WhenOpen<history::StatsWindow>(closer, [&](history::StatsWindow& window) {
            shown = window.Figure(u"welcome"_s);
            window.close();
        });
        reading.ShowStatistics(19200);
        reading.Keep({}, platform::Focus::Take);
        QCOMPARE(env.messages.size(), 1);
        QCOMPARE(shown, u"成績を読めませんでした。成績のファイル %1 を開けません。"_s.arg(
                            env.filePath(u"folder.sqlite"_s)));
    }
};

QTEST_MAIN(RoundHistoryTest)
#include "roundhistory_test.moc"
