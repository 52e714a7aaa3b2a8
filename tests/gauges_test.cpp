// The gauges of a stroke: how they swing, the three presses and the shot
// they fix.
#include <QTest>

#include "controlbar/GaugeSession.h"
#include "settings/GaugeMotion.h"

using controlbar::GaugeSession;
using Effect = GaugeSession::PressEffect;

namespace {

QList<float> Levels(float speed, float upper, int steps) {
    settings::Gauge gauge;
    QList<float> levels{gauge.level};
    for (int i = 0; i < steps; ++i) {
        settings::StepGauge(gauge, speed, upper);
        levels.append(gauge.level);
    }
    return levels;
}

}  // namespace

class GaugesTest : public QObject {
    Q_OBJECT
private slots:
    void gaugesTurnBackAtTheLastLevelInRange() {
        QCOMPARE(Levels(6, 30, 9), (QList<float>{1, 7, 13, 19, 25, 19, 13, 7, 1, 7}));
        QCOMPARE(Levels(1, 30, 31).mid(28), (QList<float>{29, 30, 29, 28}));
        QCOMPARE(Levels(5, 50, 11).mid(8), (QList<float>{41, 46, 41, 36}));
        QCOMPARE(Levels(0, 30, 2), (QList<float>{1, 1, 1}));
        for (float level : Levels(1.0f / 6, 30, 1000)) QVERIFY(level >= 1 && level <= 30);
    }

    void pressesStartThenFixPowerThenLoft() {
        GaugeSession session;
        QCOMPARE(session.Press(), Effect::ArmStart);
        QVERIFY(!session.Running());
        session.Start();
        QVERIFY(session.Running());
        QVERIFY(!session.Step(1, false));
        QCOMPARE(session.Power().level, 2.f);
        QCOMPARE(session.Press(), Effect::FixPower);
        QVERIFY(!session.Step(1, false));
        QCOMPARE(session.Power().level, 2.f);  // fixed power stays
        QCOMPARE(session.Loft().level, 3.f);
        QCOMPARE(session.Press(), Effect::FixLoft);
        QCOMPARE(session.Press(), Effect::Nothing);
        const auto shot = session.Step(1, false);
        QVERIFY(shot);
        QCOMPARE(shot->power, 2);
        QCOMPARE(shot->loft, 3);
        QVERIFY(!session.Running());
    }

    // A second press before the start fixes the power at its lowest.
    void secondPressBeforeTheStartFixesPowerOne() {
        GaugeSession session;
        session.Press();
        QCOMPARE(session.Press(), Effect::FixPower);
        session.Start();
        for (int i = 0; i < 6; ++i) session.Step(1, false);
        session.Press();
        const auto shot = session.Step(1, false);
        QCOMPARE(shot->power, 1);
        QCOMPARE(shot->loft, 7);
    }

    void bunkerScalesTheShot_data() {
        QTest::addColumn<float>("power");
        QTest::addColumn<float>("loft");
        QTest::addColumn<bool>("bunker");
        QTest::addColumn<int>("shotPower");
        QTest::addColumn<int>("shotLoft");
        QTest::newRow("full gauges in a bunker") << 30.f << 50.f << true << 18 << 40;
        QTest::newRow("lowest power in a bunker") << 1.f << 1.f << true << 1 << 1;
        QTest::newRow("halves to even in a bunker") << 25.f << 3.125f << true << 15 << 2;
        QTest::newRow("power 2.5 rounds to even") << 2.5f << 3.5f << false << 2 << 4;
    }
    void bunkerScalesTheShot() {
        QFETCH(float, power);
        QFETCH(float, loft);
        QFETCH(bool, bunker);
        const controlbar::ShotValues shot = controlbar::FixedShot(power, loft, bunker);
        QTEST(int(shot.power), "shotPower");
        QTEST(int(shot.loft), "shotLoft");
    }
};

QTEST_APPLESS_MAIN(GaugesTest)
#include "gauges_test.moc"
