#pragma once
// The program itself: its folders, single-instance detection and the
// immediate end.

#include <functional>

#include <QString>

namespace platform {

// Folder of the program file (or the test override).
QString AppFolder();
void SetAppFolder(const QString& folder);  // test seam; empty restores the real one

// Where QVN.ini lives: beside the program, or the per-user configuration
// folder when the program's folder is not writable.
QString SettingsFolder();
// USER.TXT beside the program, else in the per-user configuration folder; the
// path beside the program when neither exists.
QString UserCourseFilePath();
QString PerUserFolder();

// True when another instance already holds the single-instance lock.
bool AnotherInstanceRunning();

bool FileExists(const QString& path);

// Ends the program at once: no closing handler, no further code.
[[noreturn]] void EndProgram(int exitCode = 0);
// Test seam: called instead of ending; it must not return (throw instead).
using EndHook = std::function<void(int exitCode)>;
void SetEndHook(EndHook hook);

}  // namespace platform
