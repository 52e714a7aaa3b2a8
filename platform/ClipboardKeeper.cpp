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
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/ClipboardOwnership.h"
#include "platform/Display.h"
#include "platform/KeeperProcess.h"

extern char** environ;

namespace platform {
namespace {

const char kKeeperOption[] = "--keep-clipboard";
constexpr int kTakeOverMs = 3000;
// Whatever feeds the keeper, it holds no more than this.
constexpr qsizetype kMostKeptBytes = 4 * 1024 * 1024;
const char kCutMessage[] =
    "quorvane: 文字列が 4 MB を超えたため、先頭の 4 MB だけをクリップボードに残します。\n";

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
    DetachKeeperProcess();
    const KeeperInput input = ReadKeeperInput(STDIN_FILENO, kMostKeptBytes);
    if (input.cut) std::fputs(kCutMessage, stderr);
    const QString text = QString::fromUtf8(input.text);
    if (text.isEmpty() || !DisplayAvailable()) return 1;
    QGuiApplication application(argc, argv);
    QGuiApplication::clipboard()->setText(text);
    // Not the owner: one started at the same moment took it, or the toolkit
    // asked with an old time and the server refused. Nothing to hand over.
    if (!OwnsClipboardSelection()) std::_Exit(1);
    WriteAll(STDOUT_FILENO, QByteArrayLiteral("1"));
    ReplaceWithNull(STDOUT_FILENO);
    // Qt hands the clipboard to the manager as the application object goes.
    if (ClipboardManagerRuns()) return 0;
    EndWhenClipboardSelectionLost();
    return QGuiApplication::exec();
}

}  // namespace platform
