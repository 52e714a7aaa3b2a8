// Start-up: the start dialog's choices and what it stores, the ground line,
// and the turn cycle's set-up of a hole.
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "game/Form1.h"
#include "game/RoundState.h"
#include "game/StartUp.h"
#include "game/TurnCycle.h"
#include "holeview/Form4.h"
#include "holeview/WindowShapes.h"
#include "platform/Runtime.h"
#include "settings/Form7.h"
#include "settings/SettingsState.h"
#include "tests/support/TestEnvironment.h"

namespace {

const QByteArray kIni = "[Setting]\r\nCourse=%1\r\n";

QByteArray UserCourse(int holeLines) {
    QByteArray text = "My course\r\n";
    for (int i = 0; i < holeLines; ++i) {
        text += "@4T" + QByteArray(48, '_') + "P" + QByteArray(50, '_') + "\r\n";
    }
    return text;
}

// Runs ChooseCourse, handing the open dialog to the given action.
bool ChooseWith(const std::function<void(settings::Form7&)>& action) {
    QTimer::singleShot(0, [action] {
        auto* dialog = qobject_cast<settings::Form7*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        action(*dialog);
    });
    return game::ChooseCourse();
}

int CheckedOption(settings::Form7& dialog) {
    for (int i = 0; i < 3; ++i) {
        if (dialog.Option1(i)->isChecked()) return i;
    }
    return -1;
}

}  // namespace

class StartUpTest : public QObject {
    Q_OBJECT
private slots:
    void preselectsTheStoredCourseSet_data() {
        QTest::addColumn<QByteArray>("course");
        QTest::addColumn<int>("holeLines");  // -1: no USER.TXT
        QTest::addColumn<int>("expected");
        QTest::addColumn<bool>("customEnabled");
        QTest::newRow("nothing stored") << QByteArray() << -1 << 0 << false;
        QTest::newRow("full with USER.TXT") << QByteArray("@") << 18 << 1 << true;
        QTest::newRow("custom") << QByteArray("*") << 18 << 2 << true;
        QTest::newRow("custom without USER.TXT") << QByteArray("*") << -1 << 0 << false;
        QTest::newRow("unknown code") << QByteArray("x") << 18 << 0 << true;
    }

    void preselectsTheStoredCourseSet() {
        QFETCH(QByteArray, course);
        QFETCH(int, holeLines);
        QFETCH(int, expected);
        QFETCH(bool, customEnabled);
        testing::TestEnvironment env;
        if (!course.isEmpty()) env.writeFile("QVN.ini", QByteArray(kIni).replace("%1", course));
        if (holeLines >= 0) env.writeFile("USER.TXT", UserCourse(holeLines));
        int checked = -1;
        bool enabled = false;
        const bool started = ChooseWith([&](settings::Form7& dialog) {
            checked = CheckedOption(dialog);
            enabled = dialog.Option1(2)->isEnabled();
            dialog.Command1()->click();
        });
        QVERIFY(started);
        QCOMPARE(checked, expected);
        QCOMPARE(enabled, customEnabled);
        QCOMPARE(settings::state.courseSet, expected);
        const char* codes[] = {"#", "@", "*"};
        QVERIFY(env.readFile("QVN.ini").contains(QByteArray("Course=") + codes[expected] + "\r\n"));
    }

    void leavingWritesNothing() {
        testing::TestEnvironment env;
        QVERIFY(!ChooseWith([](settings::Form7& dialog) { dialog.Command2()->click(); }));
        QVERIFY(!QFile::exists(env.filePath("QVN.ini")));
        env.writeFile("QVN.ini", "; mine\r\n[Setting]\r\nCourse=@\r\n");
        QVERIFY(!ChooseWith([](settings::Form7& dialog) {
            dialog.Option1(0)->click();
            dialog.Command2()->click();
        }));
        QVERIFY(!ChooseWith([](settings::Form7& dialog) { dialog.close(); }));
        QCOMPARE(env.readFile("QVN.ini"), QByteArray("; mine\r\n[Setting]\r\nCourse=@\r\n"));
    }

    void aRefusedCustomCourseKeepsTheDialogOpen() {
        testing::TestEnvironment env;
        env.writeFile("USER.TXT", UserCourse(3));
        bool stillOpen = false;
        const bool started = ChooseWith([&](settings::Form7& dialog) {
            dialog.Option1(2)->click();
            dialog.Command1()->click();
            stillOpen = dialog.isVisible();
            dialog.Command2()->click();
        });
        QVERIFY(!started);
        QVERIFY(stillOpen);
        QCOMPARE(env.messages.size(), 1);
        QVERIFY(env.messages[0].startsWith("Quorvane|"));
        QVERIFY(env.messages[0].contains("USER.TXT"));
    }

    void readsTheStoredSettingsAtLoad() {
        testing::TestEnvironment env;
        env.writeFile("QVN.ini",
                      "[Setting]\r\nAlwaysTop=TRUE\r\nCtlLock=TRUE\r\nBColor=\x90\xD4\r\n"
                      "PlusMinus=10\r\nScrnWidth=TRUE\r\n");
        QRect frame;
        ChooseWith([&](settings::Form7& dialog) {
            frame = dialog.frameGeometry();
            dialog.Command1()->click();
        });
        // Centred on the game's 1024 pixels, not on the 1280-pixel screen.
        QVERIFY(qAbs(frame.center().x() - 512) <= 1);
        QVERIFY(qAbs(frame.center().y() - 400) <= 1);
        QCOMPARE(settings::state.alwaysTop, platform::kTrue);
        QCOMPARE(settings::state.ctlLock, platform::kTrue);
        QCOMPARE(settings::state.ballColor, qRgb(254, 0, 0));
        QCOMPARE(settings::state.speedFactor, 6.0f);
        QCOMPARE(settings::state.screenWidth, 1024 * 15);
    }

    void groundLineLiesFiftyTwipsAboveTheWorkArea() {
        testing::TestEnvironment env;
        platform::ScreenMetrics screen = testing::StandardScreen();
        screen.workAreaPx = QRect(0, 0, 1280, 706 + 19);
        platform::SetTestScreen(screen);
        QCOMPARE(game::ComputeGroundY(), 10825);
    }

    void settingUpAHoleLeavesTheBallReadyOnTheTee() {
        testing::TestEnvironment env;
        settings::state.screenWidth = 19200;
        game::state.groundY = game::ComputeGroundY();
        game::NewRound();
        holeview::BuildWindowShapes();
        platform::ScriptRandom({0.99, 0.6, 0.0, 0.49});
        game::ResetHole();
        QCOMPARE(game::state.windStrength, 5);
        QCOMPARE(game::state.windDirection, 2);
        QCOMPARE(game::Ball().BackColor(), game::kSetupPendingColor);
        game::NextTurn();
        QCOMPARE(game::state.windStrength, 0);
        QCOMPARE(game::state.windDirection, 1);
        QCOMPARE(game::Ball().BackColor(), game::kReadyColor);
        QCOMPARE(game::state.currentHole, 1);
        QCOMPARE(game::state.strokeCount, 0);
        QCOMPARE(game::state.ballX, 0);
        QCOMPARE(game::Ball().Left(), 0.0);
        QCOMPARE(game::Ball().Top() + game::Ball().Height(), double(game::state.groundY));
        QCOMPARE(game::Ball().Width(), 80.0);
        QCOMPARE(holeview::Strip().Top(), double(game::state.groundY));
        QCOMPARE(holeview::Strip().Width(), 19200.0);
    }

    void aTurnThatFindsTheBallHoledDoesNothing() {
        testing::TestEnvironment env;
        game::Ball().SetBackColor(game::kHoledColor);
        game::state.strokeCount = 3;
        game::NextTurn();
        QCOMPARE(game::Ball().BackColor(), game::kHoledColor);
        QCOMPARE(game::state.strokeCount, 3);
    }
};

QTEST_MAIN(StartUpTest)
#include "startup_test.moc"
