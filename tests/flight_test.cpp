// The launch and the flight step, as plain arithmetic on the round state.
#include <QTest>

#include "game/Flight.h"

using game::RoundState;
using game::StepResult;
using holeview::HolePlan;
using holeview::Placement;
using Rest = StepResult::Rest;

namespace {

constexpr int kGround = 11350;
constexpr int kRestY = kGround - 80;
constexpr int kWidth = 19200;

RoundState Flying(int x, int y, float vx, float vy) {
    RoundState round;
    round.groundY = kGround;
    round.cupX = 15000;
    round.ballX = x;
    round.ballY = y;
    round.ballVX = round.bounceVX = vx;
    round.ballVY = vy;
    round.prevVY = 99;  // not rolling
    round.phase = game::TurnPhase::InPlay;
    return round;
}

// Rolling along the ground line: the last contact left ballVY at -0.4.
RoundState Rolling(int x, float vx, int power, int rollSteps, int cupX) {
    RoundState round = Flying(x, kRestY, vx, -0.4f);
    round.prevVY = -0.4f;
    round.shotPower = std::int16_t(power);
    round.rollSteps = std::int16_t(rollSteps);
    round.cupX = cupX;
    return round;
}

Placement Obstacle(Placement::Kind kind, double left, double width, double height = 10) {
    return {kind, left, width, height};
}

HolePlan With(std::vector<Placement> trees, std::vector<Placement> bunkers = {},
              std::vector<Placement> waters = {}) {
    HolePlan hole;
    hole.trees = std::move(trees);
    hole.bunkers = std::move(bunkers);
    hole.waters = std::move(waters);
    return hole;
}

const HolePlan kOpenField;

}  // namespace

class FlightTest : public QObject {
    Q_OBJECT
private slots:
    void launchAddsTheSpreadPowerFirst() {
        const game::LaunchSpeeds none = game::Launch(10, 10, 0.0, 0.0);
        QCOMPARE(none.vx, 10.f);
        QCOMPARE(none.vy, -10.f);
        const game::LaunchSpeeds spread = game::Launch(10, 20, 0.999, 0.2);
        QCOMPARE(spread.vx, 14.f);
        QCOMPARE(spread.vy, -21.f);
    }

    void launchTurnsTowardsTheCupWithWind_data() {
        QTest::addColumn<int>("cupX");
        QTest::addColumn<int>("power");
        QTest::addColumn<int>("loft");
        QTest::addColumn<int>("windDirection");
        QTest::addColumn<int>("windStrength");
        QTest::addColumn<int>("expectedVX");
        // The ball stands at 1000.
        QTest::newRow("right, no wind below loft 21") << 9000 << 30 << 20 << 2 << 2 << 30;
        QTest::newRow("right, no wind below power 16") << 9000 << 15 << 21 << 2 << 2 << 15;
        QTest::newRow("right, wind from behind") << 9000 << 16 << 21 << 2 << 2 << 18;
        QTest::newRow("right, wind against") << 9000 << 16 << 21 << 1 << 2 << 14;
        QTest::newRow("cup on the ball: right") << 1000 << 16 << 21 << 2 << 2 << 18;
        QTest::newRow("left, no wind at loft 15") << 0 << 5 << 15 << 1 << 2 << -5;
        QTest::newRow("left, wind from behind") << 0 << 5 << 16 << 1 << 2 << -7;
        QTest::newRow("left, wind against") << 0 << 5 << 16 << 2 << 2 << -3;
        QTest::newRow("left, blown back: at least 1") << 0 << 3 << 16 << 2 << 5 << -1;
        QTest::newRow("right, blown back: at least 1") << 9000 << 16 << 21 << 1 << 5 + 16 << 1;
    }
    void launchTurnsTowardsTheCupWithWind() {
        QFETCH(int, cupX);
        QFETCH(int, power);
        QFETCH(int, loft);
        QFETCH(int, windDirection);
        QFETCH(int, windStrength);
        QFETCH(int, expectedVX);
        RoundState round = Flying(1000, kRestY, 0, 0);
        round.cupX = cupX;
        round.shotPower = std::int16_t(power);
        round.shotLoft = std::int16_t(loft);
        round.windDirection = std::int16_t(windDirection);
        round.windStrength = std::int16_t(windStrength);
        round.rollSteps = 7;
        game::PrepareShot(round, {float(power), -10});
        QCOMPARE(round.ballVX, float(expectedVX));
        QCOMPARE(round.bounceVX, float(expectedVX));
        QCOMPARE(round.ballVY, -10.f);
        QCOMPARE(round.shotDirection, expectedVX > 0 ? 1 : 2);
        QCOMPARE(round.rollSteps, 0);
    }

    void onlyAShotFromABunkerCountsAsABunkerShot() {
        for (const bool inBunker : {false, true}) {
            RoundState round = Flying(1000, kRestY, 0, 0);
            round.inBunker = inBunker;
            game::PrepareShot(round, {10, -10});
            QCOMPARE(round.hazards.bunkerShots, inBunker ? 1 : 0);
        }
    }

    // Positions are rounded half to even; gravity first, then the move.
    void stepMovesByTheSpeedsRoundedHalfToEven_data() {
        QTest::addColumn<float>("vx");
        QTest::addColumn<float>("vy");
        QTest::addColumn<QPoint>("moved");
        QTest::newRow("launch 10, -10") << 10.f << -10.f << QPoint(10, -9);
        QTest::newRow("half goes down to even") << 9.5f << -1.5f << QPoint(9, -1);
        QTest::newRow("half goes up to even") << 10.5f << -3.5f << QPoint(11, -3);
        QTest::newRow("fractions round, not cut") << 2.6f << -10.6f << QPoint(3, -10);
        QTest::newRow("leftwards") << -2.6f << -5.f << QPoint(-3, -4);
    }
    void stepMovesByTheSpeedsRoundedHalfToEven() {
        QFETCH(float, vx);
        QFETCH(float, vy);
        QFETCH(QPoint, moved);
        // Odd start positions, so a half lands between two even neighbours.
        RoundState round = Flying(991, 5001, vx, vy);
        const StepResult step = game::FlightStep(round, kOpenField, kWidth);
        QCOMPARE(QPoint(round.ballX - 991, round.ballY - 5001), moved);
        QCOMPARE(step.rest, Rest::Moving);
        QCOMPARE(step.windowLeft.value(), double(round.ballX));
        QCOMPARE(step.windowTop, double(round.ballY));
    }

    void groundContactBouncesWithFriction() {
        RoundState round = Flying(1000, kRestY - 5, 10, 5);
        QCOMPARE(game::FlightStep(round, kOpenField, kWidth).rest, Rest::Moving);
        QCOMPARE(round.ballVX, 9.5f);
        QCOMPARE(round.bounceVX, 9.5f);
        QCOMPARE(round.ballVY, -2.4f);  // 6 landing, kept 0.4 of it
        QCOMPARE(round.landingVY, -2);
        QCOMPARE(round.ballY, kRestY);
    }

    void bunkerAndWaterStopOnlyABallWhollyOverThem_data() {
        QTest::addColumn<int>("hazardLeft");
        QTest::addColumn<bool>("water");
        QTest::addColumn<bool>("stopped");
        // The ball lands with its left edge at 1002: it covers 1002..1082.
        QTest::newRow("bunker, left edges meet") << 1002 << false << true;
        QTest::newRow("bunker, one twip late") << 1003 << false << false;
        QTest::newRow("bunker, right edges meet") << 782 << false << true;
        QTest::newRow("bunker, one twip short") << 781 << false << false;
        QTest::newRow("water, left edges meet") << 1002 << true << true;
        QTest::newRow("water, one twip late") << 1003 << true << false;
    }
    void bunkerAndWaterStopOnlyABallWhollyOverThem() {
        QFETCH(int, hazardLeft);
        QFETCH(bool, water);
        QFETCH(bool, stopped);
        const Placement hazard =
            Obstacle(water ? Placement::Kind::Water : Placement::Kind::Bunker, hazardLeft, 300);
        const HolePlan hole = water ? With({}, {}, {hazard}) : With({}, {hazard});
        RoundState round = Flying(1000, kRestY - 5, 2, 5);
        const StepResult step = game::FlightStep(round, hole, kWidth);
        if (!stopped) {
            QCOMPARE(step.rest, Rest::Moving);
            QCOMPARE(round.inBunker, false);
            return;
        }
        QCOMPARE(step.rest, water ? Rest::InWater : Rest::InBunker);
        QCOMPARE(round.inBunker, !water);
        if (water) return;
        QCOMPARE(round.ballY, kRestY);
        QVERIFY(!step.windowLeft);  // only the top moves
        QCOMPARE(step.windowTop, double(kRestY));
        QCOMPARE(round.phase, game::TurnPhase::Ready);
    }

    // Two ball widths beside the water on the side the shot came from, unless
    // that lies off the strip.
    void waterPutsTheBallBackWithAPenalty_data() {
        QTest::addColumn<double>("waterLeft");
        QTest::addColumn<double>("waterWidth");
        QTest::addColumn<int>("direction");
        QTest::addColumn<int>("left");
        QTest::newRow("shot to the right") << 3000.0 << 400.0 << 1 << 3000 - 160;
        QTest::newRow("shot to the left") << 3000.0 << 400.0 << 2 << 3400 + 160;
        QTest::newRow("water to the right end") << 384.0 << 18816.0 << 2 << 384 - 160;
        QTest::newRow("room for the ball at the right end") << 3000.0 << 15960.0 << 2 << 19120;
        QTest::newRow("water from the left end") << 0.0 << 3000.0 << 1 << 3000 + 160;
        QTest::newRow("room for the ball at the left end") << 160.0 << 3000.0 << 1 << 0;
        QTest::newRow("water everywhere") << 0.0 << 19200.0 << 2 << 19120;
    }
    void waterPutsTheBallBackWithAPenalty() {
        QFETCH(double, waterLeft);
        QFETCH(double, waterWidth);
        QFETCH(int, direction);
        QFETCH(int, left);
        RoundState round = Flying(3100, 9000, 2, 5);
        round.shotDirection = std::int16_t(direction);
        round.strokeCount = 2;
        const Placement water = Obstacle(Placement::Kind::Water, waterLeft, waterWidth);
        QCOMPARE(game::PutBackBesideWater(round, water, kWidth), double(left));
        QCOMPARE(round.ballX, left);
        QCOMPARE(round.ballY, kRestY);
        QCOMPARE(round.strokeCount, 3);
        QCOMPARE(round.hazards.penalties, 1);
        QCOMPARE(round.phase, game::TurnPhase::Ready);
    }

    void treesThrowBackABallWhoseRightEdgeIsInTheTrunk_data() {
        QTest::addColumn<double>("treeLeft");
        QTest::addColumn<double>("treeHeight");
        QTest::addColumn<bool>("hit");
        // After the move the ball's right edge is at 1090 and its top at
        // 11000, 350 above the ground.
        QTest::newRow("edge at the tree's left") << 1090.0 << 400.0 << true;
        QTest::newRow("edge at the tree's right") << 1030.0 << 400.0 << true;
        QTest::newRow("edge just left of it") << 1091.0 << 400.0 << false;
        QTest::newRow("edge just right of it") << 1029.0 << 400.0 << false;
        QTest::newRow("top level with the treetop") << 1060.0 << 350.0 << false;
        QTest::newRow("top just below the treetop") << 1060.0 << 351.0 << true;
    }
    void treesThrowBackABallWhoseRightEdgeIsInTheTrunk() {
        QFETCH(double, treeLeft);
        QFETCH(double, treeHeight);
        QFETCH(bool, hit);
        RoundState round = Flying(1000, 10999, 10, 0);
        game::FlightStep(round, With({Obstacle(Placement::Kind::Tree, treeLeft, 60, treeHeight)}),
                         kWidth);
        QCOMPARE(round.ballX, hit ? 1010 - 80 : 1010);
        QCOMPARE(round.ballVX, hit ? -10.f : 10.f);
        QCOMPARE(round.bounceVX, hit ? -10.f : 10.f);
        QCOMPARE(round.hazards.treeHits, hit ? 1 : 0);
    }

    void onlyTheFirstTreeHitCounts() {
        // Thrown back from the first, the ball's edge would be in the second.
        RoundState round = Flying(1000, 10000, 10, 0);
        game::FlightStep(round,
                         With({Obstacle(Placement::Kind::Tree, 1060, 60, 2000),
                               Obstacle(Placement::Kind::Tree, 1000, 20, 2000)}),
                         kWidth);
        QCOMPARE(round.ballX, 930);
        QCOMPARE(round.ballVX, -10.f);
        QCOMPARE(round.hazards.treeHits, 1);
        // Flying left, the edge that counts is still the right one.
        round = Flying(1020, 10000, -10, 0);
        game::FlightStep(round, With({Obstacle(Placement::Kind::Tree, 1060, 60, 2000)}), kWidth);
        QCOMPARE(round.ballX, 1090);
        QCOMPARE(round.ballVX, 10.f);
    }

    void screenEdgesThrowTheBallBack_data() {
        QTest::addColumn<int>("x");
        QTest::addColumn<float>("vx");
        QTest::addColumn<int>("expectedX");
        QTest::addColumn<float>("expectedVX");
        QTest::newRow("right edge reached") << kWidth - 90 << 10.f << kWidth - 80 << 10.f;
        QTest::newRow("right edge passed") << kWidth - 89 << 10.f << kWidth - 80 << -10.f;
        QTest::newRow("left edge reached") << 10 << -10.f << 0 << -10.f;
        QTest::newRow("left edge passed") << 9 << -10.f << 0 << 10.f;
    }
    void screenEdgesThrowTheBallBack() {
        QFETCH(int, x);
        QFETCH(float, vx);
        RoundState round = Flying(x, 5000, vx, 0);
        round.bounceVX = 2 * vx;
        game::FlightStep(round, kOpenField, kWidth);
        QTEST(round.ballX, "expectedX");
        QTEST(round.ballVX, "expectedVX");
        QFETCH(float, expectedVX);
        QCOMPARE(round.bounceVX, 2 * vx * (expectedVX == vx ? 1 : -1));
    }

    void landingOnTheCupNeedsASlowBall() {
        for (const auto& [vx, caught] : {std::pair{9.9f, true}, {10.f, false}, {-9.9f, true}}) {
            RoundState round = Flying(1000, kRestY - 5, vx, 5);
            round.cupX = 1040;
            const StepResult step = game::FlightStep(round, kOpenField, kWidth);
            QCOMPARE(step.rest, caught ? Rest::OnCup : Rest::Moving);
            if (caught) QVERIFY(!step.windowLeft);  // only the top moves onto the ground
        }
    }

    // A rolling ball over the cup passes while fast, or early in a strong
    // shot's roll: rolling steps up to a tenth of power + 10. Each ball lands
    // too fast for the cup and starts rolling with 0.95 of its speed.
    void rollingOverTheCup_data() {
        QTest::addColumn<float>("landingVX");
        QTest::addColumn<int>("power");
        QTest::addColumn<int>("rollSteps");
        QTest::addColumn<bool>("passes");
        const float toTen = 10.526316f;  // 10 exactly after friction
        QTest::newRow("slow, weak shot") << 10.2f << 9 << 0 << false;
        QTest::newRow("power 10, up to step 2") << 10.2f << 10 << 2 << true;
        QTest::newRow("power 10, step 3") << 10.2f << 10 << 3 << false;
        QTest::newRow("power 20, up to step 3") << 10.2f << 20 << 3 << true;
        QTest::newRow("power 20, step 4") << 10.2f << 20 << 4 << false;
        QTest::newRow("speed 10 passes") << toTen << 5 << 0 << true;
        QTest::newRow("speed -10 passes") << -toTen << 5 << 0 << true;
    }
    void rollingOverTheCup() {
        QFETCH(float, landingVX);
        QFETCH(int, power);
        QFETCH(int, rollSteps);
        QFETCH(bool, passes);
        RoundState round = Rolling(1000, landingVX, power, rollSteps, 1050);
        const StepResult step = game::FlightStep(round, kOpenField, kWidth);
        QCOMPARE(round.ballY, kRestY);
        QCOMPARE(step.rest, passes ? Rest::Moving : Rest::OnCup);
        // Passing over, the window dips into the cup for this one step.
        QCOMPARE(step.windowTop, passes ? double(kGround) : double(kRestY));
        QCOMPARE(round.rollSteps, passes ? rollSteps + 1 : rollSteps);
    }

    void rollEndsAfterPowerPlusElevenSteps() {
        RoundState round = Rolling(1000, 1, 5, 0, 15000);
        int steps = 1;
        while (game::FlightStep(round, kOpenField, kWidth).rest == Rest::Moving) ++steps;
        QCOMPARE(steps, 16);
        QCOMPARE(round.rollSteps, 16);
        QCOMPARE(round.phase, game::TurnPhase::Ready);
    }

    // The window moves once a frame of two steps, to the last step it may show.
    void aFrameMovesTheWindowToItsLastStep() {
        const Placement bunker = Obstacle(Placement::Kind::Bunker, 782, 300);
        const Placement water = Obstacle(Placement::Kind::Water, 1000, 300);
        struct Row {
            const char* name;
            RoundState round;
            HolePlan hole;
            int steps;
            Rest rest;
            QPointF window;
        };
        const Row rows[] = {
            {"in the air", Flying(1000, 5000, 14, -9), kOpenField, 2, Rest::Moving, {1028, 4985}},
            {"resting on the first step",
             Flying(1000, kRestY - 5, 2, 5),
             With({}, {bunker}),
             1,
             Rest::InBunker,
             {500, kRestY}},
            {"dipping into the cup on the first step",
             Rolling(1000, 10.526316f, 5, 0, 1050),
             kOpenField,
             1,
             Rest::Moving,
             {1011, kGround}},
            {"water on the second step",
             Flying(1000, kRestY - 8, 2, 5),
             With({}, {}, {water}),
             2,
             Rest::InWater,
             {1002, kRestY - 2}},
        };
        const auto text = [](const char* name, int steps, Rest rest, double left, double top) {
            return QStringLiteral("%1: %2 steps, rest %3, window at %4, %5")
                .arg(name)
                .arg(steps)
                .arg(int(rest))
                .arg(left)
                .arg(top);
        };
        for (Row row : rows) {
            const game::FrameResult frame = game::FlightFrame(row.round, row.hole, kWidth, 500, 0);
            QCOMPARE(
                text(row.name, frame.steps, frame.last.rest, frame.windowLeft, frame.windowTop),
                text(row.name, row.steps, row.rest, row.window.x(), row.window.y()));
        }
    }

    void cupSpanIncludesBothEdges() {
        QVERIFY(game::SpansCup(5000, 80, 5000));
        QVERIFY(game::SpansCup(4920, 80, 5000));
        QVERIFY(!game::SpansCup(4919, 80, 5000));
        QVERIFY(!game::SpansCup(5001, 80, 5000));
    }
};

QTEST_APPLESS_MAIN(FlightTest)
#include "flight_test.moc"
