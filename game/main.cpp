// Quorvane: golf on the desktop.
#include <QApplication>

#include "game/AppIcon.h"
#include "game/Autopilot.h"
#include "game/CommandLine.h"
#include "game/CourseEditing.h"
#include "game/Game.h"
#include "game/RoundHistory.h"
#include "game/StartUp.h"
#include "platform/ClipboardKeeper.h"
#include "platform/Clock.h"
#include "platform/Display.h"
#include "platform/Fonts.h"
#include "platform/Messages.h"
#include "platform/MinimizedDialogs.h"
#include "platform/Program.h"
#include "platform/QtTexts.h"
#include "settings/Settings.h"

namespace {

// The game places its own top-level windows, which Wayland does not allow:
// on a Wayland session it runs through XWayland.
void PreferX11() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
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

// The start dialog comes back when the course editor closes; a course just
// saved there is the one offered.
void ChooseCourseToPlay(settings::Settings& settings, game::RoundHistory& history) {
    for (;;) {
        switch (game::ChooseCourse(settings, history)) {
            case game::StartChoice::Play:
                return;
            case game::StartChoice::Leave:
                platform::EndProgram(0);
            case game::StartChoice::EditCourse:
                if (game::EditCourse(settings, game::CourseFilesFor(QString())))
                    settings.courseSet = 2;
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (platform::IsClipboardKeeper(argc, argv)) return platform::KeepClipboard(argc, argv);
    platform::SetInstalledLayout(QUORVANE_INSTALLED_LAYOUT);
    PreferX11();
    platform::SendPicturesInRequests();
    const game::CommandLine commandLine = game::ParseCommandLine(game::ArgumentsOf(argc, argv));
    if (const auto status = game::AnswerOnTerminal(commandLine, QUORVANE_VERSION)) return *status;

    int qtArgumentCount = 1;  // Qt's own options were refused like any other
    if (commandLine.request == game::CommandLine::Request::Stats) {
        QCoreApplication app(qtArgumentCount, argv);
        return game::RoundHistory().PrintSummary();
    }
    QApplication app(qtArgumentCount, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setApplicationName(QStringLiteral("Quorvane"));
    QApplication::setApplicationVersion(QStringLiteral(QUORVANE_VERSION));
    QApplication::setWindowIcon(game::AppIcon());
    platform::InstallFontSubstitutes();
    platform::InstallJapaneseQtTexts();
    platform::EndAtOnceWhenDisplayLost();
    platform::BringBackMinimizedDialogsOnPress();

    // A second instance ends silently, whatever its command line.
    if (platform::AnotherInstanceRunning()) return 0;
    game::WarnOfDesktop(platform::WindowManagerName());
    if (commandLine.request == game::CommandLine::Request::Refused) {
        platform::ShowMessage(commandLine.problem, QStringLiteral("Quorvane"));
        return 2;
    }
    if (commandLine.request == game::CommandLine::Request::Demo) PlayDemo();

    settings::Settings settings = settings::StoredSettings();
    if (commandLine.request == game::CommandLine::Request::Edit) {
        game::EditCourse(settings, game::CourseFilesFor(commandLine.courseFile));
        platform::EndProgram(0);
    }
    game::RoundHistory history;
    if (commandLine.hole.isEmpty()) ChooseCourseToPlay(settings, history);
    game::Game game(settings, commandLine.hole, std::move(history));
    game.Play();
}
