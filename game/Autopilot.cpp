#include "game/Autopilot.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QTimer>
#include <cstdio>

#include "controlbar/ControlBar.h"
#include "platform/ProcessStats.h"

namespace game {
namespace {

void PressSpace(QWidget& bar) {
    QWidget* button = bar.focusProxy();
    for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QCoreApplication::postEvent(
            button, new QKeyEvent(type, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" ")));
    }
}

// Presses once at once, then again when each gauge shows its level; it lives
// as long as the bar.
class LevelPresser : public QObject {
public:
    LevelPresser(controlbar::ControlBar& bar, int power, int loft)
        : QObject(&bar), bar_(bar), power_(power), loft_(loft) {
        bar.findChild<QWidget*>(QStringLiteral("powerGauge"))->installEventFilter(this);
        bar.findChild<QWidget*>(QStringLiteral("loftGauge"))->installEventFilter(this);
        PressSpace(bar);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Resize) return false;
        const bool powerNow =
            presses_ == 0 && watched->objectName() == u"powerGauge" && bar_.PowerShown() >= power_;
        const bool loftNow =
            presses_ == 1 && watched->objectName() == u"loftGauge" && bar_.LoftShown() >= loft_;
        if (powerNow || loftNow) {
            ++presses_;
            PressSpace(bar_);
        }
        return false;
    }

private:
    controlbar::ControlBar& bar_;
    int power_;
    int loft_;
    int presses_ = 0;
};

}  // namespace

Autopilot::Autopilot(bool fast, int rounds)
    : random_(std::random_device{}()), fast_(fast), roundsWanted_(rounds) {}

int Autopilot::Delay(int fromMs, int toMs) {
    return std::uniform_int_distribution<int>(fromMs, toMs)(random_);
}

// A moment's thought before the first press; power and loft somewhere
// along the gauges' swing. Played fast, the gauges swing far quicker than any
// moment could be chosen, so the presses come at levels drawn at random.
void Autopilot::TakeAim(controlbar::ControlBar& bar) {
    if (fast_) {
        new LevelPresser(bar, Level(8, 30), Level(5, 50));
        return;
    }
    const int start = Delay(400, 1200);
    const int power = start + Delay(100, 700);
    const int loft = power + Delay(100, 900);
    for (int at : {start, power, loft}) QTimer::singleShot(at, &bar, [&bar] { PressSpace(bar); });
}

int Autopilot::Level(int from, int to) {
    return std::uniform_int_distribution<int>(from, to)(random_);
}

bool Autopilot::RoundPlayed() {
    ++roundsPlayed_;
    std::printf("round %d: %ld KiB resident, %d windows\n", roundsPlayed_, platform::ResidentKiB(),
                platform::LiveWindowCount());
    std::fflush(stdout);
    return roundsWanted_ == 0 || roundsPlayed_ < roundsWanted_;
}

}  // namespace game
