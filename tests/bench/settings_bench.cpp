// Prints how long the start dialog takes to open, from reading the settings
// file to the dialog shown on screen, and the process's peak memory while it
// opens, with a small settings file and with one of 4 MB of short lines.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QWindow>
#include <cstdio>

#include "platform/Fonts.h"
#include "platform/Program.h"
#include "platform/TextFiles.h"
#include "settings/Settings.h"
#include "settings/StartDialog.h"

namespace {

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile out(path);
    out.open(QIODevice::WriteOnly);
    out.write(bytes);
}

// Nearly the largest settings file the game reads: short keys before the
// section the dialog needs, so every look-up walks the whole file.
QByteArray LargeFile() {
    const QByteArray tail = "[Setting]\r\nCourse=@\r\nPlusMinus=7\r\nBColor=x\r\n";
    QByteArray file = "[Filler]\r\n";
    for (int n = 0; file.size() + 16 < platform::kMostFileBytes - tail.size(); ++n) {
        file += "k" + QByteArray::number(n % 1000) + "=1\r\n";
    }
    return file + tail;
}

// From here on the peak is the present use: what the bench itself held before
// does not count.
void ResetPeak() {
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly)) clear.write("5");
}

long PeakKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

struct Opening {
    double ms;
    long peakKb;
    bool fullCourseChosen;
};

// With a copy of the given file as the settings file.
Opening OpenStartDialog(const QString& settingsFile, const QString& copied) {
    QFile::remove(settingsFile);
    QFile::copy(copied, settingsFile);
    ResetPeak();
    QElapsedTimer clock;
    clock.start();
    settings::Settings settings = settings::StoredSettings();
    settings::StartDialog dialog(settings, QPixmap());
    dialog.show();
    while (!dialog.windowHandle() || !dialog.windowHandle()->isExposed()) {
        QApplication::processEvents();
    }
    QApplication::processEvents();
    QApplication::sync();
    const double ms = double(clock.nsecsElapsed()) / 1e6;
    return {ms, PeakKilobytes(), dialog.CourseButton(1)->isChecked()};
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    platform::InstallFontSubstitutes();
    QTemporaryDir folder;
    platform::SetAppFolder(folder.path());
    const QString settingsFile = folder.filePath(QStringLiteral("QVN.ini"));
    const QString small = folder.filePath(QStringLiteral("small.ini"));
    const QString large = folder.filePath(QStringLiteral("large.ini"));
    WriteFile(small, "[Setting]\r\nCourse=@\r\nPlusMinus=7\r\n");
    WriteFile(large, LargeFile());

    OpenStartDialog(settingsFile, small);  // fonts and styles load on the first opening
    const Opening before = OpenStartDialog(settingsFile, small);
    const Opening after = OpenStartDialog(settingsFile, large);
    std::printf("start dialog, small settings file (%lld bytes): %.1f ms\n",
                static_cast<long long>(QFileInfo(small).size()), before.ms);
    std::printf("start dialog, %lld bytes of short lines: %.1f ms, %s\n",
                static_cast<long long>(QFileInfo(large).size()), after.ms,
                after.fullCourseChosen ? "stored course shown" : "STORED COURSE NOT SHOWN");
    std::printf(
        "peak memory while it opens: %.1f MB with the small file, %.1f MB more with "
        "the large one\n",
        double(before.peakKb) / 1024, double(after.peakKb - before.peakKb) / 1024);
    return 0;
}
