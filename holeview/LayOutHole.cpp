#include "holeview/LayOutHole.h"

#include <QString>
#include <algorithm>
#include <array>

#include "courses/CourseState.h"
#include "courses/Courses.h"
#include "courses/HoleString.h"
#include "courses/TreeSteps.h"
#include "desktop/Stacking.h"
#include "game/Form1.h"
#include "game/RoundState.h"
#include "holeview/Form4.h"
#include "holeview/Form8.h"
#include "holeview/HoleViewState.h"
#include "holeview/WindowShapes.h"
#include "platform/Numeric.h"
#include "platform/Program.h"
#include "settings/SettingsState.h"

namespace holeview {
namespace {

using Palette = std::array<QRgb, 5>;

const Palette kBunkerColors = {qRgb(180, 100, 0), qRgb(200, 120, 0), qRgb(255, 128, 0),
                               qRgb(200, 120, 0), qRgb(180, 100, 0)};
const Palette kWaterColors = {qRgb(0, 0, 255), qRgb(0, 0, 220), qRgb(0, 0, 200), qRgb(0, 0, 220),
                              qRgb(0, 0, 255)};

void FillCourseAndPars() {
    const QString commandLine = platform::CommandLineText();
    if (!commandLine.isEmpty()) {
        courses::LoadTreeSteps();
        courses::state.courseRows.fill(commandLine);
        return;
    }
    courses::LoadCourse();
    for (int hole = 1; hole <= 18; ++hole) {
        game::state.holePar[hole] = courses::ParOf(courses::state.courseRows[hole - 1]);
    }
}

Form2& AppendSprite(SpriteList& list, const QString& title) {
    list.push_back(NewSprite(title));
    return *list.back();
}

// Puts the window's bottom edge on the ground line.
void StandOnGround(Form2& sprite, double left) {
    sprite.Move(left, game::state.groundY - sprite.Height());
}

void PutOnScreen(Form2& sprite) {
    desktop::SetTopmost(&sprite);
    sprite.ShowWindow();
}

void PlaceTee(int i, int cellWidth) {
    game::state.ballX = (i - 1) * cellWidth;
    game::Ball().Move(game::state.ballX, game::state.ballY);
}

void PlaceCupAndFlag(int i, int cellWidth) {
    game::state.cupX = i * cellWidth;
    const float cupX = static_cast<float>(game::state.cupX);
    const float w = static_cast<float>(game::Ball().Width());
    Form4& strip = Strip();
    strip.FillBox(cupX - 3 * w, 0, cupX + 3 * w, 5, qRgb(0, 222, 0));
    strip.FillBox(cupX - w / 2, 0, cupX + w / 2, 20, qRgb(0, 0, 0));

    Form8& flag = Flag();
    flag.Move(flag.Left(), flag.Top(), 75, 150);
    ShapeWindow(kFlagShape);
    flag.Move(cupX, static_cast<float>(strip.Top()) - static_cast<float>(flag.Height()));
    flag.ShowWindow();
    desktop::SetTopmost(&flag);
    desktop::SetTopmost(&strip);
}

void PlaceTree(int i, int cellWidth) {
    const int widthStep = courses::NextTreeWidthStep();
    const int heightStep = courses::NextTreeHeightStep();
    Form2& tree = AppendSprite(state.treeSprites, QStringLiteral("Quorvane tree"));
    tree.Move(tree.Left(), tree.Top(), cellWidth / 10.0 * widthStep, heightStep * 20 + 50);
    const double width = tree.Width();
    const double height = tree.Height();
    tree.FillBox(0, 0, width / 3, height, qRgb(0, 236, 0));
    tree.FillBox(width / 3, 0, 2 * width / 3, height, qRgb(0, 196, 0));
    tree.FillBox(2 * width / 3, 0, width, height, qRgb(0, 128, 0));
    StandOnGround(tree, i * cellWidth);
    PutOnScreen(tree);
}

// One window for a whole run of bunker or water cells, one pixel row high.
Form2& PlaceHazard(SpriteList& list, const QString& title, const Palette& colors, int left,
                   int width) {
    Form2& hazard = AppendSprite(list, title);
    hazard.Move(hazard.Left(), hazard.Top(), width, 10);
    const double w = hazard.Width();
    for (int k = 0; k < 5; ++k) hazard.FillBox(k * w / 5, 0, (k + 1) * w / 5, 0, colors[k]);
    StandOnGround(hazard, left);
    return hazard;
}

void PlaceBunker(int start, int length, int cellWidth) {
    Form2& bunker = PlaceHazard(state.bunkerSprites, QStringLiteral("Quorvane bunker"),
                                kBunkerColors, cellWidth * start, cellWidth * length);
    PutOnScreen(bunker);
}

void PlaceWater(int start, int length, int cellWidth) {
    const int left = cellWidth * start;
    Form2& water = PlaceHazard(state.waterSprites, QStringLiteral("Quorvane water"), kWaterColors,
                               left, cellWidth * length);
    Form4& strip = Strip();
    strip.FillBox(left, 0, left + water.Width(), strip.Height() * 0.1, qRgb(0, 0, 255));
    PutOnScreen(water);
}

// Windows the busiest hole of the course needs: one per tree, one per run.
int MostObstacleWindows() {
    int most = 0;
    for (const QString& row : courses::state.courseRows) {
        int windows = 0;
        for (qsizetype i = 1; i < row.size(); ++i) {
            const QChar c = row[i];
            if (c == u'K' || ((c == u'B' || c == u'W') && row[i - 1] != c)) ++windows;
            if (c == u'E') break;
        }
        most = std::max(most, windows);
    }
    return most;
}

void WalkCells(const QString& cells, int cellWidth) {
    const int n = static_cast<int>(cells.size());
    const auto at = [&cells, n](int position) {
        return position <= n ? cells[position - 1] : QChar();
    };

    for (int i = 1; i <= n; ++i) {
        const QChar c = at(i);
        const int start = i;
        // A run leaves i on the cell after it, which the loop then steps over.
        if (c == u'B' || c == u'W') {
            while (at(i) == c) ++i;
        }
        const int length = i - start;
        switch (c.unicode()) {
            case u'T':
                PlaceTee(i, cellWidth);
                break;
            case u'P':
                PlaceCupAndFlag(i, cellWidth);
                break;
            case u'K':
                PlaceTree(i, cellWidth);
                break;
            case u'B':
                PlaceBunker(start, length, cellWidth);
                break;
            case u'W':
                PlaceWater(start, length, cellWidth);
                break;
            case u'E':
                return;
        }
    }
}

}  // namespace

void LayOutHole() {
    state.treeSprites.clear();
    state.bunkerSprites.clear();
    FillCourseAndPars();

    const QString& row = courses::state.courseRows[game::state.currentHole - 1];
    game::state.holePar[game::state.currentHole] = courses::ParOf(row);
    WalkCells(row.mid(1), platform::Round(settings::state.screenWidth / 100.0));
    // Spare windows for the busiest hole, shown after this hole's own windows.
    ReserveSprites(MostObstacleWindows());
}

}  // namespace holeview
