#include "platform/Runtime.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QThread>
#include <optional>
#include <random>

namespace platform {
namespace {

struct RuntimeSeams {
    std::mt19937_64 engine{std::random_device{}()};
    std::optional<std::vector<double>> script;
    std::size_t scriptPos = 0;
    std::optional<QDateTime> fixedClock;
    bool sleepEnabled = true;
};

RuntimeSeams& Seams() {
    static RuntimeSeams seams;
    return seams;
}

QElapsedTimer& Uptime() {
    static QElapsedTimer timer = [] {
        QElapsedTimer started;
        started.start();
        return started;
    }();
    return timer;
}

}  // namespace

double Rnd() {
    RuntimeSeams& s = Seams();
    if (s.script) {
        if (s.script->empty()) return 0.0;
        const double value = (*s.script)[std::min(s.scriptPos, s.script->size() - 1)];
        ++s.scriptPos;
        return value;
    }
    return std::uniform_real_distribution<double>(0.0, 1.0)(s.engine);
}

void Randomize() {
    RuntimeSeams& s = Seams();
    if (s.script) return;
    s.engine.seed(static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch()) ^
                  static_cast<std::uint64_t>(Uptime().nsecsElapsed()));
}

void Sleep(int ms) {
    if (ms <= 0 || !Seams().sleepEnabled) return;
    QThread::msleep(static_cast<unsigned long>(ms));
}

std::uint32_t GetTickCount() { return static_cast<std::uint32_t>(Uptime().elapsed()); }

void DoEvents() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

QDateTime Now() { return Seams().fixedClock ? *Seams().fixedClock : QDateTime::currentDateTime(); }

QString DateTimeText(const QDateTime& when) {
    return when.toString(QStringLiteral("yyyy/MM/dd HH:mm:ss"));
}

QString ClockText(const QDateTime& when) { return when.toString(QStringLiteral("HH:mm")); }

void ClipboardSetText(const QString& text) {
    QClipboard* clipboard = QApplication::clipboard();
    clipboard->clear();
    clipboard->setText(text);
}

void ScriptRandom(std::vector<double> values) {
    Seams().script = std::move(values);
    Seams().scriptPos = 0;
}

void UnscriptRandom() { Seams().script.reset(); }
void FixClock(const QDateTime& when) { Seams().fixedClock = when; }
void UnfixClock() { Seams().fixedClock.reset(); }
void SetSleepEnabled(bool enabled) { Seams().sleepEnabled = enabled; }

}  // namespace platform

namespace platform {

Pacer::Pacer(int periodMs) : nextNs_(0), periodNs_(qint64(periodMs) * 1000000) { clock_.start(); }

void Pacer::Wait() {
    if (!Seams().sleepEnabled) return;
    const qint64 now = clock_.nsecsElapsed();
    nextNs_ += periodNs_;
    if (nextNs_ < now - periodNs_) nextNs_ = now + periodNs_;
    if (nextNs_ > now) QThread::usleep(static_cast<unsigned long>((nextNs_ - now) / 1000));
}

}  // namespace platform
