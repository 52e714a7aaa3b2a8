#pragma once
// The game playing itself, for a showcase and for soak tests: it presses the
// bar's button at random moments, lets the messages and the score card close
// by themselves, and starts a new round after each one.

#include <random>

namespace controlbar {
class ControlBar;
}

namespace game {

class Autopilot {
public:
    // Fast: presses and pauses come at once (for soak tests, with sleeping
    // off). Rounds: how many to play before the program ends; 0 for ever.
    Autopilot(bool fast, int rounds);

    // Schedules the three presses of a stroke on the bar that just opened.
    void TakeAim(controlbar::ControlBar& bar);
    // How long a message or the score card stays before it closes.
    int PauseMs() const { return fast_ ? 0 : 1500; }
    // Tells how much the program holds after each round; false once all the
    // rounds asked for are played.
    bool RoundPlayed();

private:
    int Delay(int fromMs, int toMs);
    int Level(int from, int to);

    std::mt19937 random_;
    bool fast_;
    int roundsWanted_;
    int roundsPlayed_ = 0;
};

}  // namespace game
