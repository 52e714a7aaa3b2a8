#pragma once
// Time: the local clock with the game's two formats, sleeping, and a pacer for
// loops that step at a fixed period. Tests fix the clock and turn sleeping off.

#include <QDateTime>
#include <QElapsedTimer>
#include <QString>

namespace platform {

QDateTime Now();
QString DateTimeText(const QDateTime& when);  // "yyyy/mm/dd hh:mm:ss"
QString ClockText(const QDateTime& when);     // "hh:mm"

void SleepMs(int ms);
// The length of a deliberate pause timed by the event loop: ms, or none
// while sleeping is off.
int PauseMs(int ms);

// Test seams.
void FixClock(const QDateTime& when);
void UnfixClock();
// With sleeping off, SleepMs() and Pacer::Wait() return at once.
void SetSleepEnabled(bool enabled);
bool SleepEnabled();

// Paces a loop: each Wait(n) returns n periods after the previous one did, so
// the loop's own work does not slow it down. After a long stall (a modal
// window opened in between) it starts counting afresh.
class Pacer {
public:
    explicit Pacer(int periodMs);
    void Wait(int periods = 1);

private:
    QElapsedTimer clock_;
    qint64 nextNs_;
    qint64 periodNs_;
};

}  // namespace platform
