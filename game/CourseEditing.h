#pragma once
// The course editor as the game runs it, from the start dialog or the command
// line: a hole the player tries is played by a game of its own, and the
// editor comes back when it is over.

#include "editor/CourseEditor.h"
#include "settings/Settings.h"

namespace game {

// Runs the editor on the files until the player closes it; true when the
// course was saved at least once.
bool EditCourse(const settings::Settings& settings, const editor::CourseFiles& files);

// A file named on the command line is read and saved in place; without one,
// USER.TXT where the game reads it.
editor::CourseFiles CourseFilesFor(const QString& named);

}  // namespace game
