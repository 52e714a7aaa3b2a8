#include "tests/support/TestEnvironment.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <cstring>

#include "platform/Clock.h"
#include "platform/Messages.h"
#include "platform/Program.h"
#include "platform/Random.h"
#include "platform/SaveDialog.h"
#include "platform/TextFiles.h"

namespace testing {
namespace {

// A link to a device that reads zeros without end. Were a fault to write
// through a link to the real /dev/zero, a test run as root would replace it:
// root links to a device node of its own, made in the test's home.
bool LinkEndlessDevice(const QByteArray& path, const QString& home) {
    QByteArray device = "/dev/zero";
    if (::geteuid() == 0) {
        device = QFile::encodeName(home + QStringLiteral("/zero"));
        if (::mknod(device.constData(), S_IFCHR | 0666, makedev(1, 5)) != 0) return false;
    }
    return ::symlink(device.constData(), path.constData()) == 0;
}

}  // namespace

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
    qputenv("XDG_DATA_HOME", (home_.path() + QStringLiteral("/.local/share")).toLocal8Bit());
    platform::SetTestScreen(StandardScreen());
    platform::SetSleepEnabled(false);
    platform::UnscriptRandom();
    platform::UnfixClock();
    platform::InjectWriteFailureAfter(-1);
    platform::SetAppFolder(dir_.path());
    platform::SetProgramFolderWritable(std::nullopt);
    platform::SetInstalledLayout(false);
    platform::SetMessageHook([this](const QString& text, const QString& title) {
        messages.append(title + QLatin1Char('|') + text);
    });
    platform::SetEndHook([](int code) { throw ProgramEnded(code); });
}

TestEnvironment::~TestEnvironment() {
    platform::SetMessageHook({});
    platform::SetSavePathHook({});
    platform::SetEndHook({});
    platform::SetAppFolder(QString());
    platform::SetProgramFolderWritable(std::nullopt);
    platform::SetInstalledLayout(false);
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

void TestEnvironment::placeOddEntry(const QString& name, const QString& kind) const {
    const QByteArray path = QFile::encodeName(filePath(name));
    bool placed = false;
    if (kind == QLatin1String("fifo")) placed = ::mkfifo(path.constData(), 0600) == 0;
    if (kind == QLatin1String("folder")) placed = QDir().mkdir(filePath(name));
    if (kind == QLatin1String("zero")) placed = LinkEndlessDevice(path, home_.path());
    if (kind == QLatin1String("big")) {
        writeFile(name, QByteArray(platform::kMostFileBytes + 1, ';'));
        placed = true;
    }
    if (kind == QLatin1String("socket")) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, path.constData(), sizeof address.sun_path - 1);
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        placed = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
        ::close(fd);
    }
    if (!placed) throw std::runtime_error("cannot place the odd entry");
}

}  // namespace testing
