// Plays one hole on the real display with real sleeping and prints how evenly
// the ball's moves come in flight, what a step costs, and how much processor the
// control bar takes while it waits for the first press and while its gauges run.
// Given the process ids of the X server and the window manager
// (QUORVANE_BENCH_XSERVER, QUORVANE_BENCH_WM), it prints what a flight costs
// the whole desktop: the game, the server and the window manager.
// With a folder argument it saves a screenshot of the running gauges and one
// of the ball in flight there instead of measuring.
#include <fcntl.h>
#include <unistd.h>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QKeyEvent>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <deque>
#include <memory>
#include <vector>

#include "controlbar/ControlBar.h"
#include "game/Game.h"
#include "platform/Display.h"
#include "platform/Fonts.h"
#include "platform/Messages.h"
#include "platform/Random.h"
#include "platform/Screen.h"
#include "tests/support/BarPlayer.h"

namespace {

constexpr int kSettleMs = 500;
constexpr int kIdleWaitMs = 2000;
constexpr qint64 kGaugeRunMs = 3000;

double Seconds(clockid_t clock) {
    timespec t{};
    clock_gettime(clock, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

double Percentile(std::vector<double> values, double p) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, std::size_t(p * double(values.size())))];
}

void SaveScreen(const QString& path) {
    QGuiApplication::primaryScreen()->grabWindow(0).save(path);
    std::printf("saved %s\n", qPrintable(path));
}

struct Shot {
    float power;
    float loft;
};

// The processor time of one process, all its threads, from
// /proc/PID/task/*/schedstat: nanoseconds, where stat counts 10 ms ticks. The
// files stay open, so a reading costs the game next to nothing; threads that
// start later are not counted.
class ProcessCpu {
public:
    explicit ProcessCpu(const QString& pid) {
        const QDir tasks(QStringLiteral("/proc/%1/task").arg(pid));
        for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            const QByteArray path =
                tasks.filePath(task + QStringLiteral("/schedstat")).toLocal8Bit();
            const int fd = open(path.constData(), O_RDONLY | O_CLOEXEC);
            if (fd >= 0) files_.push_back(fd);
        }
    }
    ~ProcessCpu() {
        for (int fd : files_) close(fd);
    }
    ProcessCpu(const ProcessCpu&) = delete;
    ProcessCpu& operator=(const ProcessCpu&) = delete;

    bool Found() const { return !files_.empty(); }
    double Seconds() const {
        double total = 0;
        for (int fd : files_) {
            char text[64] = {};
            if (pread(fd, text, sizeof text - 1, 0) > 0) total += std::strtod(text, nullptr) * 1e-9;
        }
        return total;
    }

private:
    std::vector<int> files_;
};

// The game, the X server and the window manager.
class Desktop {
public:
    Desktop()
        : parts_{std::make_unique<ProcessCpu>(QString::number(getpid())),
                 std::make_unique<ProcessCpu>(qEnvironmentVariable("QUORVANE_BENCH_XSERVER")),
                 std::make_unique<ProcessCpu>(qEnvironmentVariable("QUORVANE_BENCH_WM"))} {}
    static constexpr std::array<const char*, 3> kNames = {"game", "X server", "window manager"};

    bool Complete() const {
        return std::all_of(parts_.begin(), parts_.end(), [](const auto& p) { return p->Found(); });
    }
    std::array<double, 3> Seconds() const {
        return {parts_[0]->Seconds(), parts_[1]->Seconds(), parts_[2]->Seconds()};
    }

private:
    std::array<std::unique_ptr<ProcessCpu>, 3> parts_;
};

// Works the bar like a player and measures; the first bar waits before its
// first press, and its gauges run a while before power and loft are fixed.
class Player : public QObject {
public:
    Player(game::Game& game, std::deque<Shot> shots, QString screenshotFolder)
        : game_(game), shots_(std::move(shots)), folder_(std::move(screenshotFolder)) {
        qApp->installEventFilter(this);
    }

    std::vector<double> periodsMs;
    double flightSeconds = 0, flightCpuSeconds = 0;
    std::array<double, 3> desktopSeconds = {};
    const Desktop desktop;
    int paintsInFlight = 0;
    double idleCpuShare = 0, gaugeCpuShare = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const bool isBar = qobject_cast<controlbar::ControlBar*>(watched) != nullptr;
        if (isBar && event->type() == QEvent::Show) OnBarShown();
        if (watched == &game_.Ball() && event->type() == QEvent::Move) OnBallMoved();
        if (flying_ && event->type() == QEvent::Paint) ++paintsInFlight;
        if (event->type() != QEvent::Resize) return false;
        if (const controlbar::ControlBar* bar = testing::OpenBar()) {
            OnGaugeMoved(*bar, watched->objectName());
        }
        return false;
    }

private:
    // Each frame that moves the ball a pixel or more moves its window; the
    // flight's processor time runs from its first move to its last.
    void OnBallMoved() {
        if (game_.Round().phase != game::TurnPhase::InPlay) return;
        const double now = Seconds(CLOCK_MONOTONIC);
        const double cpu = Seconds(CLOCK_THREAD_CPUTIME_ID);
        const std::array<double, 3> desktopCpu = desktop.Seconds();
        if (!flying_) {
            flying_ = true;
            flightStart_ = now;
            flightStartCpu_ = cpu;
            flightStartDesktop_ = desktopCpu;
        } else {
            periodsMs.push_back((now - lastMove_) * 1000);
        }
        lastMove_ = now;
        lastMoveCpu_ = cpu;
        lastMoveDesktop_ = desktopCpu;
        if (!folder_.isEmpty() && ++flightMoves_ == 12) {
            SaveScreen(folder_ + QStringLiteral("/ball-in-flight.png"));
        }
    }

public:
    void EndFlight() {
        if (!flying_) return;
        flying_ = false;
        flightSeconds += lastMove_ - flightStart_;
        flightCpuSeconds += lastMoveCpu_ - flightStartCpu_;
        for (std::size_t i = 0; i < desktopSeconds.size(); ++i)
            desktopSeconds[i] += lastMoveDesktop_[i] - flightStartDesktop_[i];
    }

private:
    void OnBarShown() {
        EndFlight();
        presses_ = 1;
        ++bars_;
        if (bars_ > 1) {
            testing::PressSpace();
            return;
        }
        // Measured once the bar has settled: shown, painted and raised.
        QTimer::singleShot(kSettleMs, this, [this] {
            const double wall = Seconds(CLOCK_MONOTONIC);
            const double cpu = Seconds(CLOCK_PROCESS_CPUTIME_ID);
            QTimer::singleShot(kIdleWaitMs, this, [this, wall, cpu] {
                idleCpuShare = Share(wall, cpu);
                gaugeWall_ = Seconds(CLOCK_MONOTONIC);
                gaugeCpu_ = Seconds(CLOCK_PROCESS_CPUTIME_ID);
                gaugeClock_.start();
                testing::PressSpace();
            });
        });
    }

    void OnGaugeMoved(const controlbar::ControlBar& bar, const QString& name) {
        if (shots_.empty() || bar.PowerShown() == 0) return;
        const bool measured = bars_ == 1;
        const qint64 ran = measured ? gaugeClock_.elapsed() : kGaugeRunMs;
        if (measured && !folder_.isEmpty() && !shotTaken_ && ran > kGaugeRunMs / 4) {
            shotTaken_ = true;
            SaveScreen(folder_ + QStringLiteral("/gauges-running.png"));
        }
        if (name == u"powerGauge" && presses_ == 1 && bar.PowerShown() == shots_.front().power &&
            ran >= kGaugeRunMs / 2) {
            testing::PressSpace();
            presses_ = 2;
        } else if (name == u"loftGauge" && presses_ == 2 &&
                   bar.LoftShown() == shots_.front().loft && ran >= kGaugeRunMs) {
            presses_ = 3;
            if (measured) gaugeCpuShare = Share(gaugeWall_, gaugeCpu_);
            testing::PressSpace();
            shots_.pop_front();
        }
    }

    static double Share(double wallStart, double cpuStart) {
        return (Seconds(CLOCK_PROCESS_CPUTIME_ID) - cpuStart) /
               (Seconds(CLOCK_MONOTONIC) - wallStart);
    }

    game::Game& game_;
    std::deque<Shot> shots_;
    QString folder_;
    int presses_ = 0;
    int bars_ = 0;
    bool shotTaken_ = false;
    bool flying_ = false;
    int flightMoves_ = 0;
    double flightStart_ = 0, flightStartCpu_ = 0, lastMove_ = 0, lastMoveCpu_ = 0;
    std::array<double, 3> flightStartDesktop_ = {}, lastMoveDesktop_ = {};
    double gaugeWall_ = 0, gaugeCpu_ = 0;
    QElapsedTimer gaugeClock_;
};

}  // namespace

int main(int argc, char** argv) {
    platform::SendPicturesInRequests();  // as the game does
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    platform::InstallFontSubstitutes();
    const QString folder = QApplication::arguments().value(1);

    QStringList messages;
    platform::SetMessageHook([&](const QString& text, const QString&) { messages << text; });
    platform::ScriptRandom({0.0});
    settings::Settings settings;
    settings.screenWidth = platform::ScreenWidthTwips();
    settings.speedFactor = 1;
    settings.alwaysTop = true;
    settings.ballColor = qRgb(254, 254, 254);
    game::Game game(settings, QStringLiteral("3T") + QString(40, u'_') + u'P' + QString(57, u'_'));
    game.SetUpFirstHole();

    Player player(game, {{30, 40}, {30, 40}, {6, 5}, {6, 5}, {6, 5}, {6, 5}, {6, 5}, {6, 5}},
                  folder);
    for (int shot = 0; shot < 8 && messages.isEmpty(); ++shot) game.NextTurn();
    player.EndFlight();

    std::printf("hole-out after %d strokes: %s\n", game.Round().holeStrokes[1],
                messages.isEmpty() ? "no" : "yes");
    if (!folder.isEmpty()) return 0;
    std::printf("ball moves measured: %zu\n", player.periodsMs.size());
    std::printf("move period ms: median %.2f  p95 %.2f  max %.2f\n",
                Percentile(player.periodsMs, 0.5), Percentile(player.periodsMs, 0.95),
                Percentile(player.periodsMs, 1.0));
    std::printf("paints in flight: %d\n", player.paintsInFlight);
    const double share = player.flightCpuSeconds / player.flightSeconds;
    std::printf("cpu in flight: %.2f %% of a core, %.3f ms per 10 ms step\n", share * 100,
                share * 10);
    if (player.desktop.Complete()) {
        double together = 0;
        std::printf("desktop cpu in flight, %% of a core:");
        for (std::size_t i = 0; i < Desktop::kNames.size(); ++i) {
            const double part = player.desktopSeconds[i] / player.flightSeconds * 100;
            together += part;
            std::printf(" %s %.2f,", Desktop::kNames[i], part);
        }
        std::printf(" together %.2f\n", together);
    }
    std::printf("cpu share, bar waiting for the first press: %.2f %%\n", player.idleCpuShare * 100);
    std::printf("cpu share, gauges running at speed factor 1: %.2f %%\n",
                player.gaugeCpuShare * 100);
    return 0;
}
