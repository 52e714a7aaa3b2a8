#include "platform/KeeperProcess.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>

namespace platform {
namespace {

bool IsOpen(int fd) { return ::fcntl(fd, F_GETFD) != -1 || errno != EBADF; }

// Before the kernel knows close_range, every descriptor the limit allows.
void CloseFrom(int first) {
    if (::close_range(static_cast<unsigned>(first), ~0U, 0) == 0) return;
    rlimit limit{};
    const rlim_t most = ::getrlimit(RLIMIT_NOFILE, &limit) == 0 ? limit.rlim_cur : 1024;
    const int last = static_cast<int>(std::min<rlim_t>(most, 1 << 20));
    for (int fd = first; fd < last; ++fd) ::close(fd);
}

bool IsContinuationByte(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

}  // namespace

void ReplaceWithNull(int fd) {
    const int nowhere = ::open("/dev/null", O_RDWR);
    if (nowhere < 0) return;
    ::dup2(nowhere, fd);
    if (nowhere != fd) ::close(nowhere);
}

void DetachKeeperProcess() {
    std::signal(SIGPIPE, SIG_IGN);
    // A closed standard descriptor would be handed to the next file opened,
    // the connection to the X server: "taken" would be written into it.
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
        if (!IsOpen(fd)) ReplaceWithNull(fd);
    }
    CloseFrom(STDERR_FILENO + 1);
    // Nothing keeps the folder it was started in from being unmounted.
    [[maybe_unused]] const int changed = ::chdir("/");
}

qsizetype WholeUtf8Length(const QByteArray& bytes, qsizetype most) {
    if (bytes.size() <= most) return bytes.size();
    // A character is at most four bytes: three of them follow its first.
    qsizetype end = most;
    while (end > most - 3 && end > 0 && IsContinuationByte(bytes[end])) --end;
    return IsContinuationByte(bytes[end]) ? most : end;
}

KeeperInput ReadKeeperInput(int fd, qsizetype most) {
    QByteArray bytes;
    char buffer[64 * 1024];
    while (bytes.size() <= most) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        bytes.append(buffer, got);
    }
    ReplaceWithNull(fd);
    KeeperInput input;
    input.cut = bytes.size() > most;
    input.text = bytes.left(WholeUtf8Length(bytes, most));
    return input;
}

}  // namespace platform
