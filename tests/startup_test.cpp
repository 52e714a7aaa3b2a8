// Start-up: the start dialog's choices and what it stores, and the ground line.
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "game/RoundHistory.h"
#include "game/StartUp.h"
#include "platform/Fonts.h"
#include "platform/Screen.h"
#include "platform/TextFit.h"
#include "settings/Settings.h"
#include "settings/StartDialog.h"
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

// Runs ChooseCourse over the stored settings, handing the open dialog to the action.
game::StartChoice ChooseWith(const std::function<void(settings::StartDialog&)>& action,
                             settings::Settings* chosen = nullptr) {
    QTimer::singleShot(0, [action] {
        auto* dialog = qobject_cast<settings::StartDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        action(*dialog);
    });
    settings::Settings settings = settings::StoredSettings();
    game::RoundHistory history;
    const game::StartChoice choice = game::ChooseCourse(settings, history);
    if (chosen) *chosen = settings;
    return choice;
}

int CheckedCourse(settings::StartDialog& dialog) {
    for (int i = 0; i < 3; ++i) {
        if (dialog.CourseButton(i)->isChecked()) return i;
    }
    return -1;
}

}  // namespace

class StartUpTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { platform::InstallFontSubstitutes(); }

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
        settings::Settings chosen;
        const game::StartChoice started = ChooseWith(
            [&](settings::StartDialog& dialog) {
                checked = CheckedCourse(dialog);
                for (QWidget* control : dialog.findChildren<QWidget*>()) {
                    QVERIFY2(platform::TextFits(control), qPrintable(control->objectName()));
                }
                enabled = dialog.CourseButton(2)->isEnabled();
                dialog.OkButton()->click();
            },
            &chosen);
        QCOMPARE(started, game::StartChoice::Play);
        QCOMPARE(checked, expected);
        QCOMPARE(enabled, customEnabled);
        QCOMPARE(chosen.courseSet, expected);
        const char* codes[] = {"#", "@", "*"};
        QVERIFY(env.readFile("QVN.ini").contains(QByteArray("Course=") + codes[expected] + "\r\n"));
    }

    // The course editor asked for stores nothing either.
    void leavingWritesNothing() {
        testing::TestEnvironment env;
        const auto leave = game::StartChoice::Leave;
        QCOMPARE(ChooseWith([](settings::StartDialog& dialog) { dialog.QuitButton()->click(); }),
                 leave);
        QVERIFY(!QFile::exists(env.filePath("QVN.ini")));
        env.writeFile("QVN.ini", "; mine\r\n[Setting]\r\nCourse=@\r\n");
        QCOMPARE(ChooseWith([](settings::StartDialog& dialog) {
                     dialog.CourseButton(0)->click();
                     dialog.QuitButton()->click();
                 }),
                 leave);
        QCOMPARE(ChooseWith([](settings::StartDialog& dialog) { dialog.close(); }), leave);
        QCOMPARE(ChooseWith([](settings::StartDialog& dialog) {
                     dialog.CourseButton(0)->click();
                     dialog.EditButton()->click();
                 }),
                 game::StartChoice::EditCourse);
        QCOMPARE(env.readFile("QVN.ini"), QByteArray("; mine\r\n[Setting]\r\nCourse=@\r\n"));
    }

    void aRefusedCustomCourseKeepsTheDialogOpen() {
        testing::TestEnvironment env;
        env.writeFile("USER.TXT", UserCourse(3));
        bool stillOpen = false;
        const game::StartChoice started = ChooseWith([&](settings::StartDialog& dialog) {
            dialog.CourseButton(2)->click();
            dialog.OkButton()->click();
            stillOpen = dialog.isVisible();
            dialog.QuitButton()->click();
        });
        QCOMPARE(started, game::StartChoice::Leave);
        QVERIFY(stillOpen);
        QCOMPARE(env.messages.size(), 1);
        QVERIFY(env.messages[0].startsWith("Quorvane|"));
        QVERIFY(env.messages[0].contains("USER.TXT"));
    }

    void storedSettingsAreReadAndTheDialogCentredOnTheGameWidth() {
        testing::TestEnvironment env;
        env.writeFile("QVN.ini",
                      "[Setting]\r\nAlwaysTop=TRUE\r\nCtlLock=TRUE\r\nBColor=\x90\xD4\r\n"
                      "PlusMinus=10\r\nScrnWidth=TRUE\r\n");
        QRect frame;
        settings::Settings chosen;
        ChooseWith(
            [&](settings::StartDialog& dialog) {
                frame = dialog.frameGeometry();
                dialog.OkButton()->click();
            },
            &chosen);
        // Centred on the game's 1024 pixels, not on the 1280-pixel screen.
        QVERIFY(qAbs(frame.center().x() - 512) <= 1);
        QVERIFY(qAbs(frame.center().y() - 400) <= 1);
        QVERIFY(chosen.alwaysTop);
        QVERIFY(chosen.ctlLock);
        QCOMPARE(chosen.ballColor, qRgb(254, 0, 0));
        QCOMPARE(chosen.speedFactor, 6.0f);
        QCOMPARE(chosen.screenWidth, 1024 * 15);
    }

    // Fifty twips above the work area's bottom, rounded half to even.
    void groundLineLiesFiftyTwipsAboveTheWorkArea_data() {
        QTest::addColumn<double>("twipsPerPixel");
        QTest::addColumn<int>("workAreaBottom");
        QTest::addColumn<int>("groundY");
        QTest::newRow("standard screen") << 15.0 << 725 << 10825;
        QTest::newRow("half goes down to even") << 12.5 << 761 << 9512 - 50;
        QTest::newRow("half goes up to even") << 12.5 << 763 << 9538 - 50;
        QTest::newRow("fraction rounds, not cut") << 12.6 << 761 << 9589 - 50;
    }
    void groundLineLiesFiftyTwipsAboveTheWorkArea() {
        QFETCH(double, twipsPerPixel);
        QFETCH(int, workAreaBottom);
        testing::TestEnvironment env;
        platform::ScreenMetrics screen = testing::StandardScreen();
        screen.workAreaPx = QRect(0, 0, 1280, workAreaBottom);
        screen.twipsPerPixelY = twipsPerPixel;
        platform::SetTestScreen(screen);
        QTEST(game::GroundLine(), "groundY");
    }
};

QTEST_MAIN(StartUpTest)
#include "startup_test.moc"
