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

// The settings file of the given name. When the program's folder is
// writable, the file beside the program is read and written. Otherwise the
// one in the per-user folder is; until it exists, reads fall back to the file
// beside the program and the first write starts it from those bytes.
QString SettingsFileToRead(const QString& fileName);
// Creates the per-user folder when the write goes there; a read never does.
QString SettingsFileToWrite(const QString& fileName);
// Test seam: the program's folder counts as writable or not (nullopt: as it is).
void SetProgramFolderWritable(std::optional<bool> writable);

// USER.TXT where the course editor saves it (beside the program when its
// folder is writable, else in the per-user folder) when it is there, else the
// other one when that is there; the place of saving when neither is.
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
