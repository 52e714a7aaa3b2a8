// Prints how long the course editor takes for one edit (a cell set on the
// strip, until the windows have painted), for switching holes, and for saving
// a USER.TXT of 4 MB.
#include <QApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "courses/CourseTables.h"
#include "editor/CourseEditor.h"
#include "game/StartUp.h"
#include "platform/Display.h"
#include "platform/TextFiles.h"
#include "settings/Settings.h"

namespace {

// Until the X server has drawn what the editor changed.
void LetWindowsPaint() {
    QApplication::processEvents();
    QApplication::sync();
    QApplication::processEvents();
}

template <class Step>
double Ms(Step step) {
    QElapsedTimer timer;
    timer.start();
    step();
    LetWindowsPaint();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

void Report(const char* what, std::vector<double> times) {
    std::sort(times.begin(), times.end());
    const auto at = [&](double share) {
        return times[std::min(times.size() - 1, static_cast<std::size_t>(share * times.size()))];
    };
    std::printf("%s: %zu times, median %.2f ms, 95th percentile %.2f ms, max %.2f ms\n", what,
                times.size(), at(0.5), at(0.95), times.back());
}

// The full course with a comment before it, padded with comment lines to
// just under the largest file the game reads.
QByteArray CourseFile(qsizetype size) {
    QByteArray file = "; a course of my own\r\n";
    for (QStringView row : courses::fullCourse) file += "@" + row.toLatin1() + "\r\n";
    const QByteArray comment = "; " + QByteArray(76, 'x') + "\r\n";
    while (file.size() + comment.size() <= size) file += comment;
    return file;
}

}  // namespace

int main(int argc, char** argv) {
    platform::SendPicturesInRequests();  // as the game does
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("USER.TXT"));
    if (!platform::WriteFileAtomically(path, CourseFile(platform::kMostFileBytes - 1))) return 1;
    const settings::Settings settings = settings::StoredSettings();
    editor::CourseEditor editor({path, path},
                                {game::GroundLine(), settings.screenWidth, qRgb(255, 0, 255)});
    editor.Open();
    for (int i = 0; i < 50; ++i) LetWindowsPaint();

    // Clicks on the strip with the tools that keep the hole laid out to its end.
    const editor::Tool tools[] = {editor::Tool::Fairway, editor::Tool::Bunker, editor::Tool::Water,
                                  editor::Tool::Tree,    editor::Tool::Tee,    editor::Tool::Pin};
    QRandomGenerator random(2024);
    editor::StripInput& input = editor.Field()->Input();
    std::vector<double> edits;
    std::size_t windows = 0;
    for (int edit = 0; edit < 1000; ++edit) {
        const editor::Tool tool = tools[random.bounded(6)];
        editor.Window().ToolButton(tool)->click();
        const int column = random.bounded(editor::kColumns);
        edits.push_back(Ms([&] {
            emit input.pressed(column);
            emit input.released();
        }));
        windows += editor.Field()->View().Obstacles().size();
    }
    std::printf("hole 1 of the full course, %.1f obstacle windows on average\n",
                static_cast<double>(windows) / 1000);
    Report("one edit until the strip's windows have painted", edits);

    std::vector<double> switches;
    for (int round = 0; round < 2; ++round) {
        for (int hole = 2; hole <= 18; ++hole) {
            switches.push_back(Ms([&] { emit editor.Window().holeChosen(hole); }));
        }
        switches.push_back(Ms([&] { emit editor.Window().holeChosen(1); }));
    }
    Report("switching holes until shown", switches);

    std::vector<double> saves;
    for (int save = 0; save < 5; ++save) {
        // Every hole changed, so every hole line is written anew.
        for (int hole = 1; hole <= 18; ++hole) {
            const QString& row = editor.Draft().Row(hole);
            editor.Draft().Change(hole, editor::WithPar(row, row.front().digitValue() % 9 + 1),
                                  QStringLiteral("par"));
        }
        QElapsedTimer timer;
        timer.start();
        if (!editor.Save()) return 1;
        saves.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::printf("USER.TXT of %lld bytes in %s\n",
                static_cast<long long>(platform::ReadFileBytes(path).value_or(QByteArray()).size()),
                qPrintable(folder.path()));
    Report("saving it with 18 holes changed", saves);
    return 0;
}
