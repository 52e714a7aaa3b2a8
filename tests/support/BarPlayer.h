#pragma once
// A player that works every control bar that opens with real key events.

#include <QObject>
#include <QTimer>
#include <deque>

namespace controlbar {
class ControlBar;
}

namespace testing {

// Presses Space on every bar that opens, then once more when the power gauge
// shows the power asked for and when the loft gauge shows the loft. Power 1
// is fixed by a second press before the gauges start. Bars that open when no
// shot is left are counted and left alone; a bar still open after ten seconds
// fails the test.
class BarPlayer : public QObject {
public:
    struct Shot {
        float power;
        float loft;
    };
    explicit BarPlayer(std::deque<Shot> shots);
    ~BarPlayer() override;
    int barsOpened = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::deque<Shot> shots_;
    int presses_ = 0;
    QTimer watchdog_;
};

// The control bar that is open, if any.
controlbar::ControlBar* OpenBar();
// Presses Space on the open bar (the event runs when events are next processed).
void PressSpace();

}  // namespace testing
