// Quorvane: golf on the desktop.
#include <QApplication>
#include <QStringList>
#include <cstdio>

#include "courses/HoleString.h"
#include "game/AppIcon.h"
#include "game/Autopilot.h"
#include "game/Game.h"
#include "game/StartUp.h"
#include "platform/Clock.h"
#include "platform/Fonts.h"
#include "platform/Messages.h"
#include "platform/Program.h"
#include "settings/Settings.h"

namespace {

const char kUsage[] =
    "Usage: quorvane [HOLE]\n"
    "Golf on the desktop. Without HOLE the start dialog chooses the course.\n"
    "HOLE is a hole string played as all 18 holes: a par digit, then one letter\n"
    "per cell (T tee, P pin, B bunker, W water, K tree, E end, _ fairway);\n"
    "100 cells fill the strip, 1000 at most.\n"
    "  --demo     play rounds on its own, for a showcase\n"
    "  --help     show this text\n"
    "  --version  show the version\n";

// The game places its own top-level windows, which Wayland does not allow:
// on a Wayland session it runs through XWayland.
void PreferX11() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
}

QString CommandLineProblem(const QString& holeText) {
    if (holeText.isEmpty()) return QString();
    if (!courses::StartsWithParDigit(holeText)) {
        return QStringLiteral(
            "コマンドラインにはホールの文字列を指定してください。\r\n"
            "先頭の1文字はパーの数字です（例: 4T____P___）。");
    }
    if (courses::HasTooManyCells(holeText)) {
        return QStringLiteral("コマンドラインのホールが長すぎます。1ホールは%1マスまでです。")
            .arg(courses::kMostCells);
    }
    return QString();
}

// QUORVANE_DEMO_ROUNDS ends the demo after that many rounds, and
// QUORVANE_DEMO_FAST plays it without sleeping or pausing: a soak test.
[[noreturn]] void PlayDemo() {
    const bool fast = qEnvironmentVariableIsSet("QUORVANE_DEMO_FAST");
    if (fast) platform::SetSleepEnabled(false);
    game::Autopilot autopilot(fast, qEnvironmentVariableIntValue("QUORVANE_DEMO_ROUNDS"));
    platform::SetMessageTimeout(autopilot.PauseMs());
    game::Game game(settings::StoredSettings(), QString());
    game.SetAutopilot(&autopilot);
    game.Play();
}

}  // namespace

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    if (arguments.value(0) == QLatin1String("--help")) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (arguments.value(0) == QLatin1String("--version")) {
        std::puts("Version " QUORVANE_VERSION);
        return 0;
    }

    PreferX11();
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setApplicationName(QStringLiteral("Quorvane"));
    QApplication::setApplicationVersion(QStringLiteral(QUORVANE_VERSION));
    QApplication::setWindowIcon(game::AppIcon());
    platform::InstallFontSubstitutes();

    // A second instance ends silently, whatever its command line.
    if (platform::AnotherInstanceRunning()) return 0;
    if (arguments.value(0) == QLatin1String("--demo")) PlayDemo();
    // Qt has taken its own options out of the arguments by now.
    const QString holeText = QApplication::arguments().mid(1).join(QLatin1Char(' '));
    if (const QString problem = CommandLineProblem(holeText); !problem.isEmpty()) {
        platform::ShowMessage(problem, QStringLiteral("Quorvane"));
        return 2;
    }

    settings::Settings settings = settings::StoredSettings();
    if (holeText.isEmpty() && !game::ChooseCourse(settings)) platform::EndProgram(0);
    game::Game game(settings, holeText);
    game.Play();
}
