// Prints how much processor the pause clock takes while it is shown, and the
// settings dialog while its preview runs at speed "0".
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>
#include <ctime>

#include "desktop/ClockWindow.h"
#include "platform/Fonts.h"
#include "platform/Screen.h"
#include "settings/SettingsDialog.h"

namespace {

constexpr int kMeasureMs = 5000;

double Seconds(clockid_t clock) {
    timespec t{};
    clock_gettime(clock, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

// Shows the dialog modally, lets it settle for a second, then measures the
// share of one core the process takes for five seconds.
double CpuShareWhileShown(QDialog& dialog) {
    double wall = 0, cpu = 0, share = 0;
    QTimer::singleShot(1000, [&] {
        wall = Seconds(CLOCK_MONOTONIC);
        cpu = Seconds(CLOCK_PROCESS_CPUTIME_ID);
        QTimer::singleShot(kMeasureMs, [&] {
            share = (Seconds(CLOCK_PROCESS_CPUTIME_ID) - cpu) / (Seconds(CLOCK_MONOTONIC) - wall);
            dialog.reject();
        });
    });
    dialog.exec();
    return share;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    platform::InstallFontSubstitutes();
    {
        desktop::ClockWindow clock(platform::ScreenWidthTwips());
        std::printf("cpu share, pause clock shown: %.2f %%\n", CpuShareWhileShown(clock) * 100);
    }
    settings::Settings settings;
    settings.screenWidth = platform::ScreenWidthTwips();
    settings::SettingsDialog dialog(settings);
    dialog.SpeedList()->setCurrentIndex(settings::kDefaultSpeedIndex);
    std::printf("cpu share, settings preview at speed \"0\": %.2f %%\n",
                CpuShareWhileShown(dialog) * 100);
    return 0;
}
