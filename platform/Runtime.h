#pragma once
// Runtime services: random numbers, clock, sleeping, the event pump, the
// clipboard. Tests script the random sequence, fix the clock and turn sleeping off.

#include <cstdint>
#include <vector>

#include <QDateTime>
#include <QElapsedTimer>
#include <QString>

namespace platform {

// Uniform random number in [0, 1).
double Rnd();
// Reseeds the generator from the clock (no effect while a script is set).
void Randomize();

void Sleep(int ms);
std::uint32_t GetTickCount();
// Runs every pending event re-entrantly, then returns.
void DoEvents();

QDateTime Now();
QString DateTimeText(const QDateTime& when);  // "yyyy/mm/dd hh:mm:ss"
QString ClockText(const QDateTime& when);     // "hh:mm"

void ClipboardSetText(const QString& text);

// --- test seams ---
// Rnd() returns these values in order, then keeps returning the last one.
void ScriptRandom(std::vector<double> values);
void UnscriptRandom();
void FixClock(const QDateTime& when);
void UnfixClock();
// With sleeping off, Sleep() returns at once.
void SetSleepEnabled(bool enabled);

}  // namespace platform

namespace platform {

// Paces a loop: each Wait() returns one period after the previous one did, so
// the loop's own work does not slow it down. After a long stall (a modal
// window opened in between) it starts counting afresh.
class Pacer {
public:
    explicit Pacer(int periodMs);
    void Wait();

private:
    QElapsedTimer clock_;
    qint64 nextNs_;
    qint64 periodNs_;
};

}  // namespace platform
