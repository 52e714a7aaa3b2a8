// The launch and every way the ball's flight can end.
#include <QTest>

#include "game/Flight.h"
#include "game/Form1.h"
#include "game/RoundState.h"
#include "game/Shot.h"
#include "platform/Runtime.h"
#include "settings/SettingsState.h"
#include "tests/support/PlayField.h"
#include "tests/support/TestEnvironment.h"

using game::state;
using testing::AddSprite;
using testing::FlatField;
using testing::kGroundY;

namespace {

constexpr int kRestY = kGroundY - 80;

void Fly(int x, int y, float vx, float vy) {
    state.ballX = x;
    state.ballY = y;
    state.ballVX = state.bounceVX = vx;
    state.ballVY = vy;
}

// Rolling along the ground line: the last contact left ballVY at -0.4.
void Roll(int x, float vx) {
    Fly(x, kRestY, vx, -0.4f);
    state.prevVY = -0.4f;
    state.landingVY = 0;
}

bool Step() { return game::FlightStep(game::Ball()); }

// Where the ball stands from (1000, kRestY) at every move while a shot is in play.
class MoveWatch : public QObject {
public:
    MoveWatch() { game::Ball().installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Move &&
            game::Ball().BackColor() == settings::state.ballColor) {
            steps.append(QPoint(state.ballX - 1000, state.ballY - kRestY));
        }
        return false;
    }
    QList<QPoint> steps;
};

}  // namespace

class FlightTest : public QObject {
    Q_OBJECT
private slots:
    void launchTurnsTowardsTheCup_data() {
        QTest::addColumn<int>("cupX");
        QTest::addColumn<int>("power");
        QTest::addColumn<int>("loft");
        QTest::addColumn<int>("expectedVX");
        QTest::newRow("right, gauges 10") << 9000 << 10 << 10 << 10;
        QTest::newRow("left, wind then minimum -1") << 0 << 3 << 16 << -1;
        QTest::newRow("left, loft 15: no wind") << 0 << 3 << 15 << -3;
        QTest::newRow("right, loft 20: no wind") << 9000 << 30 << 20 << 30;
        QTest::newRow("right, wind") << 9000 << 16 << 21 << 21;
    }
    void launchTurnsTowardsTheCup() {
        QFETCH(int, cupX);
        QFETCH(int, power);
        QFETCH(int, loft);
        QFETCH(int, expectedVX);
        testing::TestEnvironment env;
        FlatField(1000, cupX);
        state.shotPower = std::int16_t(power);
        state.shotLoft = std::int16_t(loft);
        state.windDirection = 2;
        state.windStrength = 5;
        state.rollSteps = 7;
        game::PrepareShot(float(power), -10);  // the launch speed before the wind
        QCOMPARE(state.bounceVX, float(expectedVX));
        QCOMPARE(state.shotDirection, expectedVX > 0 ? 1 : 2);
        QCOMPARE(state.rollSteps, 0);
        QVERIFY(Step());
        QCOMPARE(QPoint(state.ballX - 1000, state.ballY - kRestY), QPoint(expectedVX, -9));
    }

    void launchFromTheBarAddsTheSpread_data() {
        QTest::addColumn<double>("r");
        QTest::addColumn<QPoint>("firstStep");
        QTest::newRow("no spread") << 0.0 << QPoint(10, -9);
        QTest::newRow("largest spread") << 0.999 << QPoint(14, -13);
    }
    void launchFromTheBarAddsTheSpread() {
        QFETCH(double, r);
        testing::TestEnvironment env;
        FlatField(1000, 15000);
        settings::state.speedFactor = 1;
        settings::state.ballColor = qRgb(254, 254, 254);
        state.currentHole = 1;
        game::Ball().ShowWindow();
        platform::ScriptRandom({r, r});
        MoveWatch watch;
        testing::BarPlayer player({{10, 10}});
        game::PlayShot();
        QTEST(watch.steps.value(0), "firstStep");
        QCOMPARE(state.strokeCount, 1);
    }

    void bunkerStopsOnlyABallWhollyOverIt() {
        testing::TestEnvironment env;
        FlatField(1000, 15000);
        auto& bunker = AddSprite(holeview::state.bunkerSprites, 900, 300, 10);
        Fly(1000, kRestY - 5, 2, 5);
        QVERIFY(!Step());
        QCOMPARE(state.inBunker, platform::kTrue);
        QCOMPARE(game::Ball().Top(), state.ballY);
        QCOMPARE(state.ballY, kRestY);
        QCOMPARE(game::Ball().BackColor(), game::kReadyColor);

        bunker.SetLeft(1050);
        Fly(1000, kRestY - 5, 2, 5);
        QVERIFY(Step());
        QCOMPARE(state.inBunker, platform::kFalse);
        QCOMPARE(state.ballVY, -2.4f);
    }

    // Back on the tee side, whichever way the ball flew at the end.
    void waterPutsTheBallBackWithAPenalty_data() {
        QTest::addColumn<int>("direction");
        QTest::addColumn<int>("expectedX");
        QTest::newRow("shot to the right") << 1 << 3000 - 160;
        QTest::newRow("shot to the left, reversed on the way") << 2 << 3400 + 160;
    }
    void waterPutsTheBallBackWithAPenalty() {
        QFETCH(int, direction);
        testing::TestEnvironment env;
        FlatField(3100, 15000);
        AddSprite(holeview::state.waterSprites, 3000, 400, 10);
        state.shotDirection = std::int16_t(direction);
        state.strokeCount = 2;
        Fly(3100, kRestY - 5, 2, 5);
        game::FlyBall();
        QTEST(state.ballX, "expectedX");
        QCOMPARE(QPointF(game::Ball().Left(), game::Ball().Top()), QPointF(state.ballX, kRestY));
        QCOMPARE(state.ballY, kRestY);
        QCOMPARE(state.strokeCount, 4);
        QCOMPARE(game::Ball().BackColor(), game::kReadyColor);
    }

    void treesAndScreenEdgesThrowTheBallBack() {
        testing::TestEnvironment env;
        FlatField(1000, 15000);
        AddSprite(holeview::state.treeSprites, 1090, 60, 500);
        AddSprite(holeview::state.treeSprites, 1060, 60, 500);  // also hit, but later in order
        Fly(1000, kGroundY - 300, 10, -5);
        Step();
        QCOMPARE(state.ballX, 1010 - 80);
        QCOMPARE(state.ballVX, -10.f);
        QCOMPARE(state.bounceVX, -10.f);

        Fly(1000, kGroundY - 600, 10, -5);  // above the treetops
        Step();
        QCOMPARE(state.ballX, 1010);

        Fly(1020, kGroundY - 300, -10, -5);  // flying left, right edge in the tree
        Step();
        QCOMPARE(state.ballX, 1010 + 80);
        QCOMPARE(state.ballVX, 10.f);

        Fly(19100, kGroundY - 2000, 30, -5);
        state.bounceVX = 31;
        Step();
        QCOMPARE(state.ballX, testing::kFieldWidth - 80);
        QCOMPARE(state.ballVX, -30.f);
        QCOMPARE(state.bounceVX, -31.f);

        Fly(5, kGroundY - 2000, -10, -5);
        Step();
        QCOMPARE(state.ballX, 0);
        QCOMPARE(state.bounceVX, 10.f);
    }

    void cupCatchesSlowBalls() {
        testing::TestEnvironment env;
        FlatField(1000, 1050);
        Fly(1000, kRestY - 5, 9, 5);
        QVERIFY(!Step());
        QCOMPARE(state.ballY, kRestY);
        QCOMPARE(game::Ball().Left(), 1000.0);  // on the cup only the top moves
        Fly(1000, kRestY - 5, 10, 5);
        QVERIFY(Step());

        // 10.2 escapes the landing test; friction brings it under 10 for the rolling one.
        state.shotPower = 20;
        for (std::int16_t steps = 0; steps <= 4; ++steps) {
            Roll(1000, 10.2f);
            state.rollSteps = steps;
            const bool passes = steps <= 3;
            QCOMPARE(Step(), passes);
            QCOMPARE(state.ballY, kRestY);
            QCOMPARE(game::Ball().Top(), passes ? kGroundY : kRestY);
        }
        state.shotPower = 9;
        Roll(1000, 10.2f);
        QVERIFY(!Step());
    }

    void rollEndsAfterPowerPlusElevenSteps() {
        testing::TestEnvironment env;
        FlatField(1000, 15000);
        state.shotPower = 5;
        Roll(1000, 1);
        int steps = 1;
        while (Step()) ++steps;
        QCOMPARE(steps, 16);
        QCOMPARE(game::Ball().BackColor(), game::kReadyColor);
    }
};

QTEST_MAIN(FlightTest)
#include "flight_test.moc"
