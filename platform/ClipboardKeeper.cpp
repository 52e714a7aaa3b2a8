#include "platform/ClipboardKeeper.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <unistd.h>

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <cerrno>
#include <csignal>
#include <cstring>

#include "platform/Display.h"
#include "platform/TextFiles.h"

extern char** environ;

namespace platform {
namespace {

const char kKeeperOption[] = "--keep-clipboard";
constexpr int kTakeOverMs = 3000;

// Empty unless the game's text is on a clipboard other programs share.
QString GameClipboardText() {
    if (!qGuiApp || DisplayLost()) return QString();
    QClipboard* clipboard = QGuiApplication::clipboard();
    return clipboard->ownsClipboard() ? clipboard->text() : QString();
}

void WriteAll(int fd, const QByteArray& bytes) {
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t done = ::write(fd, bytes.constData() + written, bytes.size() - written);
        if (done < 0 && errno == EINTR) continue;
        if (done <= 0) return;
        written += done;
    }
}

QByteArray ReadAll(int fd) {
    QByteArray bytes;
    char buffer[4096];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0 || bytes.size() + got > kMostFileBytes) return bytes;
        bytes.append(buffer, got);
    }
}

// A session of its own, so the end of the game's terminal does not end it.
bool StartKeeper(int input, int output) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, input, STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, output, STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t noSignals;
    sigemptyset(&noSignals);
    posix_spawnattr_setsigmask(&attributes, &noSignals);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK);
    QByteArray program = QFile::encodeName(QCoreApplication::applicationFilePath());
    QByteArray option(kKeeperOption);
    char* arguments[] = {program.data(), option.data(), nullptr};
    pid_t keeper = 0;
    // The file this process runs, even when it has been replaced on disk since.
    const bool started =
        ::posix_spawn(&keeper, "/proc/self/exe", &actions, &attributes, arguments, environ) == 0;
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    return started;
}

}  // namespace

void HandOverClipboard() {
    const QString text = GameClipboardText();
    if (text.isEmpty()) return;
    int toKeeper[2];
    int fromKeeper[2];
    if (::pipe2(toKeeper, O_CLOEXEC) != 0) return;
    if (::pipe2(fromKeeper, O_CLOEXEC) != 0) {
        ::close(toKeeper[0]);
        ::close(toKeeper[1]);
        return;
    }
    const bool started = StartKeeper(toKeeper[0], fromKeeper[1]);
    ::close(toKeeper[0]);
    ::close(fromKeeper[1]);
    if (started) {
        // A keeper that failed must not end the game by a signal.
        std::signal(SIGPIPE, SIG_IGN);
        WriteAll(toKeeper[1], text.toUtf8());
    }
    ::close(toKeeper[1]);
    pollfd answer{fromKeeper[0], POLLIN, 0};
    char byte = 0;
    if (started && ::poll(&answer, 1, kTakeOverMs) > 0) {
        [[maybe_unused]] const ssize_t got = ::read(fromKeeper[0], &byte, 1);
    }
    ::close(fromKeeper[0]);
}

bool IsClipboardKeeper(int argc, char** argv) {
    return argc == 2 && std::strcmp(argv[1], kKeeperOption) == 0;
}

int KeepClipboard(int argc, char** argv) {
    const QString text = QString::fromUtf8(ReadAll(STDIN_FILENO));
    if (text.isEmpty() || !DisplayAvailable()) return 1;
    QGuiApplication application(argc, argv);
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(text);
    if (!clipboard->ownsClipboard()) return 1;
    WriteAll(STDOUT_FILENO, QByteArrayLiteral("1"));
    const int nowhere = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    ::dup2(nowhere, STDOUT_FILENO);
    ::close(nowhere);
    // Qt hands the clipboard to the manager as the application object goes.
    if (ClipboardManagerRuns()) return 0;
    QObject::connect(clipboard, &QClipboard::changed, &application,
                     [clipboard](QClipboard::Mode mode) {
                         if (mode == QClipboard::Clipboard && !clipboard->ownsClipboard()) {
                             QCoreApplication::quit();
                         }
                     });
    return QGuiApplication::exec();
}

}  // namespace platform
