#pragma once
// A flat playing field for flight and hole-out tests, and a player that works
// the control bar with real key events.

#include <QObject>
#include <QTimer>
#include <deque>

#include "holeview/HoleViewState.h"

namespace testing {

inline constexpr int kGroundY = 11350;
inline constexpr int kFieldWidth = 19200;

// Ground line, screen width and the 80 x 80 ball resting at ballX; the cup at cupX.
void FlatField(int ballX, int cupX);
// An obstacle window standing on the ground line.
holeview::Form2& AddSprite(holeview::SpriteList& list, double left, double width, double height);
// A par-3 hole set up by the turn cycle: ball ready on the tee at the left edge,
// the cup at cell 6, no wind.
void LaidOutHole(int hole);

// Presses Space on every control bar that opens, then once more when the power
// gauge shows the power asked for and when the loft gauge shows the loft.
// Power 1 is fixed by a second press before the gauges start. Bars that open
// when no shot is left are counted and left alone; a bar still open after ten
// seconds is closed as if the hole were restarted, so a failing test cannot hang.
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
    QTimer watchdog_;
};

// Presses Space on the open control bar (the event runs when events are next processed).
void PressSpace();

}  // namespace testing
