// The control bar: its labels and place, the gauges, and the presses that
// start them and fix the shot.
#include <QGuiApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include "controlbar/BarPlacement.h"
#include "controlbar/BarTexts.h"
#include "controlbar/Form3.h"
#include "controlbar/PictureBoxes.h"
#include "game/Form1.h"
#include "game/RoundState.h"
#include "game/Shot.h"
#include "holeview/Form8.h"
#include "settings/SettingsState.h"
#include "tests/support/PlayField.h"
#include "tests/support/TestEnvironment.h"

using controlbar::Gauges;
using game::state;
using testing::BarPlayer;

namespace {

QList<float> PowerLevels(float speed, int steps) {
    Gauges g;
    QList<float> levels{g.powerLevel};
    for (int i = 0; i < steps; ++i) {
        controlbar::MoveGauge(g.powerLevel, g.powerDir, speed, controlbar::kMaxPower);
        levels.append(g.powerLevel);
    }
    return levels;
}

QWidget* Control(const char* name) {
    return controlbar::LoadedBar()->findChild<QWidget*>(QLatin1String(name));
}

QString Text(const controlbar::Form3& bar, const char* name) {
    return bar.findChild<QLabel*>(QLatin1String(name))->text();
}

void PostKey(QEvent::Type type, int key, bool autoRepeat = false) {
    QCoreApplication::postEvent(Control("Picture1"),
                                new QKeyEvent(type, key, Qt::NoModifier, QString(), autoRepeat));
}

void BarField() {
    testing::FlatField(1000, 9000);
    settings::state.speedFactor = 1;
    state.currentHole = 1;
}

}  // namespace

class ControlBarTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { holeview::UnloadFlag(); }

    void barShowsTheRoundAboveTheBall() {
        testing::TestEnvironment env;
        BarField();
        settings::state.courseSet = 1;
        state.currentHole = 7;
        state.holePar[7] = 3;
        state.strokeCount = 3;
        state.windDirection = 1;
        state.windStrength = 3;
        game::Ball().Move(18500, 10000);
        controlbar::Form3 bar;
        QCOMPARE(Text(bar, "Label4"), u"@07 (3) : ");
        QCOMPARE(Text(bar, "Label3"), u"004");
        QCOMPARE(Text(bar, "Label1"), u"<<<");
        // Two bar heights as the window system gave them (15 px) above the ball.
        QCOMPARE(bar.geometry(), QRect(1280 - 181, qRound((10000 - 2 * 225) / 15.0), 181, 15));

        settings::state.courseSet = 0;
        state.windStrength = 0;
        controlbar::Form3 beginner;
        QCOMPARE(beginner.width(), 143);
        QCOMPARE(Text(beginner, "Label1"), QString());
        QCOMPARE(controlbar::StrokeText(999), u"1000");
    }

    void placementClampsAndCentres() {
        using controlbar::BarPosition;
        QCOMPARE(BarPosition({16480, 10000, 2720, 230, 19200, false}), QPoint(16480, 9540));
        QCOMPARE(BarPosition({16481, 10000, 2720, 230, 19200, false}), QPoint(16480, 9540));
        // Rounded first, then halved with the fraction dropped.
        QCOMPARE(BarPosition({17000, 10000, 2713, 230, 19200, true}), QPoint(8243, 9540));
    }

    void gaugesTurnBackAtTheLastLevelInRange() {
        QCOMPARE(PowerLevels(6, 9), (QList<float>{1, 7, 13, 19, 25, 19, 13, 7, 1, 7}));
        QCOMPARE(PowerLevels(0, 2), (QList<float>{1, 1, 1}));
        for (float level : PowerLevels(1.0f / 6, 1000)) QVERIFY(level >= 1 && level <= 30);
        Gauges g;
        for (int i = 0; i < 60; ++i) {
            controlbar::MoveGauge(g.loftLevel, g.loftDir, 1, controlbar::kMaxLoft);
        }
        QCOMPARE(g.loftLevel, 39.f);
        g.powerLevel = 1;
        g.loftLevel = 2.5;
        QCOMPARE(controlbar::FixedShot(g, true).power, 1);
        QCOMPARE(controlbar::FixedShot(g, false).loft, 2);
    }

    void pressesFixTheShot_data() {
        QTest::addColumn<bool>("bunker");
        QTest::addColumn<float>("power");
        QTest::addColumn<float>("loft");
        QTest::addColumn<int>("shotPower");
        QTest::addColumn<int>("shotLoft");
        QTest::newRow("bunker scales both") << true << 30.f << 50.f << 18 << 40;
        QTest::newRow("second press before the gauges start") << false << 1.f << 7.f << 1 << 7;
    }
    void pressesFixTheShot() {
        QFETCH(bool, bunker);
        QFETCH(float, power);
        QFETCH(float, loft);
        testing::TestEnvironment env;
        BarField();
        state.inBunker = platform::ToVbBool(bunker);
        BarPlayer player({{power, loft}});
        QVERIFY(controlbar::ShowBar());
        QTEST(int(state.shotPower), "shotPower");
        QTEST(int(state.shotLoft), "shotLoft");
        QVERIFY(!controlbar::LoadedBar());
    }

    // Held Space repeats its key-down, each repeat a press; Escape and Enter
    // leave the bar alone; only a real key-up turns the button blue.
    void keysOnTheShotButton() {
        testing::TestEnvironment env;
        BarField();
        BarPlayer watchdog({});
        QList<QRgb> colors;
        const auto color = [&] {
            colors.append(static_cast<controlbar::ColorBox*>(Control("Picture1"))->Color());
        };
        QTimer::singleShot(0, [&] {
            PostKey(QEvent::KeyPress, Qt::Key_Escape);
            PostKey(QEvent::KeyPress, Qt::Key_Return);
            PostKey(QEvent::KeyPress, Qt::Key_Space);
            PostKey(QEvent::KeyRelease, Qt::Key_Space, true);
            PostKey(QEvent::KeyPress, Qt::Key_Space, true);
            QTimer::singleShot(0, [&] {
                color();
                PostKey(QEvent::KeyRelease, Qt::Key_Space);
                QTimer::singleShot(0, [&] {
                    color();
                    PostKey(QEvent::KeyPress, Qt::Key_Space, true);
                });
            });
        });
        QVERIFY(controlbar::ShowBar());
        QCOMPARE(colors, (QList<QRgb>{controlbar::kRed, controlbar::kBlue}));
    }

    void lampAndStacking() {
        testing::TestEnvironment env;
        BarField();
        emit qGuiApp->applicationStateChanged(Qt::ApplicationInactive);
        for (const platform::VbBool alwaysTop : {platform::kFalse, platform::kTrue}) {
            settings::state.alwaysTop = alwaysTop;
            controlbar::Form3 bar;
            auto* lamp = bar.findChild<controlbar::ColorBox*>("pKB");
            QCOMPARE(lamp->Color(), controlbar::kRed);
            emit qGuiApp->applicationStateChanged(Qt::ApplicationInactive);
            QCOMPARE(lamp->Color(), controlbar::kBlack);
            emit qGuiApp->applicationStateChanged(Qt::ApplicationActive);
            QCOMPARE(lamp->Color(), controlbar::kRed);
            bar.show();
            QVERIFY(QTest::qWaitForWindowExposed(&bar));
            QTRY_COMPARE(bar.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint),
                         alwaysTop != 0);
        }
    }

    // A restart chosen while the gauges run closes the bar under its loop;
    // the hole is laid out again and no shot is played.
    void restartFromTheBarDropsTheShot() {
        testing::TestEnvironment env;
        testing::LaidOutHole(1);
        settings::state.speedFactor = 1;
        state.strokeCount = 2;
        BarPlayer watchdog({});
        int restarts = 0;
        QTimer::singleShot(0, testing::PressSpace);
        QTimer poller;
        connect(&poller, &QTimer::timeout, [&] {
            controlbar::Form3* bar = controlbar::LoadedBar();
            if (!bar || !bar->GaugeLevels().gaugeRunning || restarts++) return;
            state.holeChosenFromMenu = platform::kTrue;
            QTest::mouseClick(Control("Picture1"), Qt::RightButton);
        });
        poller.start(1);
        game::PlayShot();
        QCOMPARE(restarts, 1);
        QCOMPARE(state.holeChosenFromMenu, platform::kFalse);
        QCOMPARE(state.strokeCount, 0);
        QCOMPARE(game::Ball().BackColor(), game::kReadyColor);
        QCOMPARE(state.ballX, 0);
        QVERIFY(!controlbar::LoadedBar());
    }
};

QTEST_MAIN(ControlBarTest)
#include "controlbar_test.moc"
