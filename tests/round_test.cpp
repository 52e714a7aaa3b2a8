// The turn cycle played through the game's controller: setting up a hole,
// shots made on the control bar, holing out, the end of the round and the
// restart.
#include <QApplication>
#include <QTest>
#include <QTimer>

#include "controlbar/ControlBar.h"
#include "game/Game.h"
#include "holeview/HoleView.h"
#include "platform/Messages.h"
#include "platform/Random.h"
#include "scorecard/ScoreWindow.h"
#include "tests/support/BarPlayer.h"
#include "tests/support/ShortHole.h"
#include "tests/support/TestEnvironment.h"

using game::TurnPhase;
using namespace Qt::StringLiterals;

namespace {

const QRgb kGreen = qRgb(0, 255, 0);
const QRgb kMagenta = qRgb(255, 0, 255);
const QRgb kRed = qRgb(255, 0, 0);

QRectF Geometry(const platform::GameWindow& w) {
    return QRectF(w.Left(), w.Top(), w.Width(), w.Height());
}

// "Quorvane|" and the result, comment and what comes next, in paragraphs.
QString Message(const QString& result, const QString& comment, const QString& next) {
    const QString paragraph = u"\r\n\r\n"_s;
    return u"Quorvane|"_s + result + paragraph + comment + paragraph + next;
}

// Plays shots until a message is shown, at most the given number.
void PlayUntilMessage(game::Game& game, const testing::TestEnvironment& env, int turns) {
    for (int turn = 0; turn < turns && env.messages.isEmpty(); ++turn) game.NextTurn();
}

}  // namespace

class RoundTest : public QObject {
    Q_OBJECT
private slots:
    void settingUpAHoleLeavesTheBallReadyOnTheTee() {
        testing::TestEnvironment env;
        game::Game game(testing::StandardSettings(), QString());
        game.Round().groundY = testing::kGroundY;
        game.NewRound();
        platform::ScriptRandom({0.99, 0.6, 0.0, 0.49});
        game.Round().inBunker = true;  // holed from a bunker
        game.ResetHole();
        QVERIFY(!game.Round().inBunker);
        QCOMPARE(game.Round().windStrength, 5);
        QCOMPARE(game.Round().windDirection, 2);
        QCOMPARE(game.Ball().BackgroundColor(), kGreen);
        // Off the tee until the hole is laid out: a hundredth of the width in.
        QCOMPARE(Geometry(game.Ball()), QRectF(192, testing::kGroundY - 80, 80, 80));
        QCOMPARE(Geometry(game.Field().Strip()), QRectF(0, testing::kGroundY, 19200, 40));

        game.NextTurn();
        QCOMPARE(game.Round().windStrength, 0);
        QCOMPARE(game.Round().windDirection, 1);
        QCOMPARE(game.Round().phase, TurnPhase::Ready);
        QCOMPARE(game.Ball().BackgroundColor(), kMagenta);
        QCOMPARE(game.Round().currentHole, 1);
        QCOMPARE(game.Round().strokeCount, 0);
        QCOMPARE(Geometry(game.Ball()), QRectF(0, testing::kGroundY - 80, 80, 80));
        int parTotal = 0;
        for (int par : game.Round().holePar.values) parTotal += par;
        QCOMPARE(parTotal, 72);
    }

    void aTurnThatFindsTheBallHoledDoesNothing() {
        testing::TestEnvironment env;
        game::Game game(testing::StandardSettings(), testing::ShortHole());
        game.Round().phase = TurnPhase::Holed;
        game.Round().strokeCount = 3;
        game.NextTurn();
        QCOMPARE(game.Round().phase, TurnPhase::Holed);
        QCOMPARE(game.Round().strokeCount, 3);
    }

    // From the tee to the hole-out with presses on the bar: the ball drops
    // red into the cup while the message shows, then the next hole waits.
    void wholeHolePlayedWithTheBar() {
        testing::TestEnvironment env;
        game::Game game(testing::StandardSettings(), testing::ShortHole());
        testing::StartOnHole(game, 1);
        QPointF ballAtMessage;
        platform::SetMessageHook([&](const QString& text, const QString& title) {
            env.messages.append(title + u'|' + text);
            ballAtMessage = QPointF(game.Ball().Top(), game.Ball().BackgroundColor());
        });
        testing::BarPlayer player({{20, 12}, {6, 5}, {6, 5}, {6, 5}, {6, 5}});
        PlayUntilMessage(game, env, 5);
        QCOMPARE(env.messages, QStringList(Message(u"3打で入りました！"_s, u"いい感じ！"_s,
                                                   u"次は 2番ホールです！"_s)));
        QCOMPARE(player.barsOpened, 3);
        QCOMPARE(ballAtMessage, QPointF(testing::kGroundY, kRed));
        QCOMPARE(game.Round().holeStrokes[1], 3);
        QCOMPARE(game.Round().currentHole, 2);
        QCOMPARE(game.Round().strokeCount, 0);
        QCOMPARE(game.Round().phase, TurnPhase::Ready);
        QCOMPARE(game.Ball().Left(), 0.0);
    }

    // Put back from the water onto the cup: holed, penalty and stroke counted.
    void waterShotHoledCountsThePenalty() {
        testing::TestEnvironment env;
        settings::Settings settings = testing::StandardSettings();
        settings.screenWidth = 15360;
        game::Game game(settings, u"2TP"_s + QString(98, u'W'));
        testing::StartOnHole(game, 1);
        testing::BarPlayer player({{30, 40}});
        PlayUntilMessage(game, env, 1);
        QCOMPARE(game.Round().holeStrokes[1], 2);
        QCOMPARE(game.Round().holeHazards[1], (game::HazardCounts{1, 0, 0}));
        QCOMPARE(game.Round().hazards, game::HazardCounts{});  // hole 2 starts afresh
    }

    // The final message, then the score card of a finished round, which keeps
    // the high score; the program ends when its window closes.
    void lastHoleEndsTheRound() {
        testing::TestEnvironment env;
        env.writeFile(u"USER.TXT"_s, testing::ShortUserCourse());
        settings::Settings settings = testing::StandardSettings();
        settings.courseSet = 2;
        game::Game game(settings, QString());
        testing::StartOnHole(game, 18);
        bool scoreShown = false;
        QTimer closer;
        connect(&closer, &QTimer::timeout, [&] {
            if (auto* window =
                    qobject_cast<scorecard::ScoreWindow*>(QApplication::activeModalWidget())) {
                scoreShown = true;
                window->close();
            }
        });
        closer.start(10);
        testing::BarPlayer player({{20, 12}, {6, 5}, {6, 5}, {6, 5}});
        QVERIFY_THROWS_EXCEPTION(testing::ProgramEnded, PlayUntilMessage(game, env, 4));
        QCOMPARE(env.messages.last(), Message(u"3打で入りました！"_s, u"いい感じ！"_s,
                                              u"全ホール終了です。お疲れ様でした！"_s));
        QVERIFY(scoreShown);
        QVERIFY(game.Round().roundOver);
        QCOMPARE(game.Round().currentHole, 19);
        // 3 strokes on hole 18 alone, against 18 pars of 3.
        QVERIFY(env.readFile(u"QVN.ini"_s).contains("HISCORE*="));
        QVERIFY(env.readFile(u"QVN.ini"_s).contains("> -51\r\n"));
    }

    // A restart while the gauges run abandons the stroke: no shot is played
    // and hole 1 is laid out afresh.
    void restartFromTheBarAbandonsTheStroke() {
        testing::TestEnvironment env;
        game::Game game(testing::StandardSettings(), testing::ShortHole());
        testing::StartOnHole(game, 4);
        game.Round().strokeCount = 2;
        game.Round().holeStrokes[2] = 5;
        game.Round().hazards.treeHits = 1;
        game.Round().holeHazards[2].penalties = 1;
        testing::BarPlayer watchdog({});
        QTimer::singleShot(0, testing::PressSpace);
        QTimer poller;
        connect(&poller, &QTimer::timeout, [&] {
            const controlbar::ControlBar* bar = testing::OpenBar();
            if (bar && bar->PowerShown() > 3) game.Request(game::Command::Restart);
        });
        poller.start(1);
        game.NextTurn();
        QCOMPARE(game.Round().currentHole, 1);
        QCOMPARE(game.Round().holeStrokes[2], 0);
        QCOMPARE(game.Round().strokeCount, 0);
        QCOMPARE(game.Round().holeHazards[2], game::HazardCounts{});
        QCOMPARE(game.Round().hazards, game::HazardCounts{});
        QCOMPARE(game.Round().phase, TurnPhase::Ready);
        QCOMPARE(game.Ball().Left(), 0.0);
        QVERIFY(!testing::OpenBar());
    }

    // The first random number spreads the power, the second the loft.
    void launchFromTheBarAddsTheSpread() {
        testing::TestEnvironment env;
        game::Game game(testing::StandardSettings(), testing::ShortHole());
        testing::StartOnHole(game, 1);
        game.Ball().ShowInPlace();
        platform::ScriptRandom({0.99, 0.0});
        QList<QPoint> steps;
        struct MoveWatch : QObject {
            game::Game* game;
            QList<QPoint>* steps;
            bool eventFilter(QObject*, QEvent* event) override {
                if (event->type() == QEvent::Move && game->Round().phase == TurnPhase::InPlay) {
                    steps->append(QPoint(game->Round().ballX, game->Round().ballY));
                }
                return false;
            }
        } watch;
        watch.game = &game;
        watch.steps = &steps;
        game.Ball().installEventFilter(&watch);
        testing::BarPlayer player({{10, 10}});
        game.NextTurn();
        // 14 twips right a step, 9 then 8 up: the first step stays within the
        // ball's pixel, the second is the first the window shows.
        QCOMPARE(steps.value(0), QPoint(28, testing::kGroundY - 80 - 17));
    }
};

QTEST_MAIN(RoundTest)
#include "round_test.moc"
