#include "tests/support/TestEnvironment.h"

#include <QFile>

#include "platform/Clock.h"
#include "platform/Messages.h"
#include "platform/Program.h"
#include "platform/Random.h"
#include "platform/TextFiles.h"

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

TestEnvironment::TestEnvironment() {
    // A USER.TXT or QVN.ini of the person running the tests must not count.
    qputenv("HOME", home_.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home_.path() + QStringLiteral("/.config")).toLocal8Bit());
    platform::SetTestScreen(StandardScreen());
    platform::SetSleepEnabled(false);
    platform::UnscriptRandom();
    platform::UnfixClock();
    platform::InjectWriteFailureAfter(-1);
    platform::SetAppFolder(dir_.path());
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
