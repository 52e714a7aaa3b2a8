#pragma once
// The clipboard keeper's process: it outlives whoever started it, so it lets
// go of everything it inherited and of the writer that fed it.

#include <QByteArray>

namespace platform {

// Ignores a broken pipe (the game may have stopped waiting for the answer),
// opens /dev/null in place of a closed standard descriptor, closes every
// other inherited descriptor and leaves the starting folder for "/".
void DetachKeeperProcess();

struct KeeperInput {
    QByteArray text;   // UTF-8, whole characters only
    bool cut = false;  // the writer sent more than was kept
};

// Reads the descriptor to its end or until more than `most` bytes came, then
// puts /dev/null in its place, so a writer with more to send is not kept
// waiting.
KeeperInput ReadKeeperInput(int fd, qsizetype most);

// How many of the bytes to keep: all of them up to `most`, otherwise at most
// `most` without the start of a character cut off from its end.
qsizetype WholeUtf8Length(const QByteArray& bytes, qsizetype most);

// Puts /dev/null in place of the descriptor.
void ReplaceWithNull(int fd);

}  // namespace platform
