#pragma once
// The command line: a hole to play, the demo, the statistics, --help,
// --version, or a refusal.

#include <QString>
#include <QStringList>
#include <optional>

namespace game {

struct CommandLine {
    enum class Request { Play, Demo, Edit, Stats, Help, Version, Refused };
    Request request = Request::Play;
    // Play: the hole string played as all 18 holes; empty: the start dialog chooses.
    QString hole;
    // Edit: the course file to edit; empty: USER.TXT where the game reads it.
    QString courseFile;
    // Refused: why, for the player.
    QString problem;
};

// The arguments after the program's name; the words that are no option make
// one hole string, joined by spaces.
CommandLine ParseCommandLine(const QStringList& arguments);
QStringList ArgumentsOf(int argc, char** argv);

// Answers what needs no window on the terminal: --help and --version on
// standard output, a refusal with its reason and the usage on standard error,
// a missing display. Returns the exit status when the program ends there: 0
// for --help and --version, 2 for a refusal and 1 to play, both without a
// display; nullopt when the game goes on, to play, to print the statistics
// (with or without a display) or to show the refusal in a message box too.
std::optional<int> AnswerOnTerminal(const CommandLine& commandLine, const char* version);

// Says on standard error, once the game is on a display, when the window
// manager is one the game cannot be played under: weston's, which lets no
// window of the game take the keyboard. True when it said so; the game goes on.
bool WarnOfDesktop(const QString& windowManagerName);

}  // namespace game
