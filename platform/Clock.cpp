#include "platform/Clock.h"

#include <QThread>
#include <optional>

namespace platform {
namespace {

struct ClockSeams {
    std::optional<QDateTime> fixedClock;
    bool sleepEnabled = true;
};

ClockSeams& ClockSeam() {
    static ClockSeams seams;
    return seams;
}

}  // namespace

QDateTime Now() {
    return ClockSeam().fixedClock ? *ClockSeam().fixedClock : QDateTime::currentDateTime();
}

QString DateTimeText(const QDateTime& when) {
    return when.toString(QStringLiteral("yyyy/MM/dd HH:mm:ss"));
}

QString ClockText(const QDateTime& when) { return when.toString(QStringLiteral("HH:mm")); }

void SleepMs(int ms) {
    if (ms <= 0 || !ClockSeam().sleepEnabled) return;
    QThread::msleep(static_cast<unsigned long>(ms));
}

int PauseMs(int ms) { return ClockSeam().sleepEnabled ? ms : 0; }

void FixClock(const QDateTime& when) { ClockSeam().fixedClock = when; }
void UnfixClock() { ClockSeam().fixedClock.reset(); }
void SetSleepEnabled(bool enabled) { ClockSeam().sleepEnabled = enabled; }
bool SleepEnabled() { return ClockSeam().sleepEnabled; }

Pacer::Pacer(int periodMs) : nextNs_(0), periodNs_(qint64(periodMs) * 1000000) { clock_.start(); }

void Pacer::Wait(int periods) {
    if (!SleepEnabled()) return;
    const qint64 now = clock_.nsecsElapsed();
    const qint64 spanNs = periods * periodNs_;
    nextNs_ += spanNs;
    if (nextNs_ < now - spanNs) nextNs_ = now + spanNs;
    if (nextNs_ > now) QThread::usleep(static_cast<unsigned long>((nextNs_ - now) / 1000));
}

}  // namespace platform
