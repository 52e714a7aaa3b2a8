#pragma once
// The program itself: its folders, single-instance detection and the
// immediate end.

#include <functional>
#include <optional>

#include <QString>

namespace platform {

// Folder of the program file (or the test override).
QString AppFolder();
void SetAppFolder(const QString& folder);  // test seam; empty restores the real one

// The settings file of the given name. A portable copy whose folder is
// writable reads and writes the file beside the program. Otherwise the one in
// the per-user folder is used; until it exists, a portable copy reads the
// file beside the program and the first write starts from those bytes. An
// installed copy never looks beside the program: the folder is the system's.
QString SettingsFileToRead(const QString& fileName);
// Creates the per-user folder when the write goes there; a read never does.
QString SettingsFileToWrite(const QString& fileName);
// Test seam: the program's folder counts as writable or not (nullopt: as it is).
void SetProgramFolderWritable(std::optional<bool> writable);
// The installed copy is built to keep its settings per user, whoever runs it.
void SetInstalledLayout(bool installed);

// USER.TXT where the course editor saves it (where the settings file is
// written: beside a portable copy whose folder is writable, else in the
// per-user folder) when it is there, else the other one when that is there;
// the place of saving when neither is.
QString UserCourseFilePath();
// Where the course editor saves USER.TXT; creates the per-user folder when
// the file goes there.
QString UserCourseFileToWrite();
QString PerUserFolder();
// Where the game keeps what grows as it is played (the round history):
// $XDG_DATA_HOME/quorvane, ~/.local/share/quorvane when that is not set.
QString PerUserDataFolder();

// True when another instance already holds the single-instance lock.
bool AnotherInstanceRunning();

// Ends the program at once: no closing handler, no further code. Text the
// game put on the clipboard is handed over first, so it can still be pasted.
[[noreturn]] void EndProgram(int exitCode = 0);
// Test seam: called instead of ending; it must not return (throw instead).
using EndHook = std::function<void(int exitCode)>;
void SetEndHook(EndHook hook);

}  // namespace platform
