#include "tests/support/TestEnvironment.h"

#include <QFile>

#include "courses/CourseState.h"
#include "game/Form1.h"
#include "game/RoundState.h"
#include "holeview/Form4.h"
#include "holeview/Form8.h"
#include "holeview/HoleViewState.h"
#include "platform/Program.h"
#include "platform/Runtime.h"
#include "platform/TextFiles.h"
#include "settings/SettingsState.h"

namespace testing {

platform::ScreenMetrics StandardScreen() {
    platform::ScreenMetrics screen;
    screen.widthPx = 1280;
    screen.heightPx = 800;
    screen.workAreaPx = QRect(0, 0, 1280, 760);
    screen.twipsPerPixelX = 15.0;
    screen.twipsPerPixelY = 15.0;
    return screen;
}

void ResetAllState() {
    game::state = {};
    settings::state = {};
    courses::state = {};
    holeview::DestroySprites();
    holeview::UnloadStrip();
    holeview::UnloadFlag();
    game::UnloadBall();
}

TestEnvironment::TestEnvironment() {
    ResetAllState();
    platform::SetTestScreen(StandardScreen());
    platform::SetSleepEnabled(false);
    platform::UnscriptRandom();
    platform::UnfixClock();
    platform::InjectWriteFailureAfter(-1);
    platform::SetAppFolder(dir_.path());
    platform::SetCommandLineText(QString());
    platform::SetMessageHook([this](const QString& text, const QString& title) {
        messages.append(title + QLatin1Char('|') + text);
    });
    platform::SetEndHook([](int code) { throw ProgramEnded(code); });
}

TestEnvironment::~TestEnvironment() {
    platform::SetMessageHook({});
    platform::SetEndHook({});
    platform::SetAppFolder(QString());
    platform::SetTestScreen(std::nullopt);
    platform::UnscriptRandom();
    platform::UnfixClock();
    platform::InjectWriteFailureAfter(-1);
    ResetAllState();
}

void TestEnvironment::writeFile(const QString& name, const QByteArray& bytes) const {
    QFile file(filePath(name));
    if (!file.open(QIODevice::WriteOnly)) throw std::runtime_error("cannot write test file");
    file.write(bytes);
}

QByteArray TestEnvironment::readFile(const QString& name) const {
    return platform::ReadFileBytes(filePath(name)).value_or(QByteArray());
}

}  // namespace testing
