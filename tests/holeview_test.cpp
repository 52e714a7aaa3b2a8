// Laying a hole out on the desktop: where the ball, cup, flag and obstacles
// go, what is painted on the course strip, and the pars that are recorded.
#include <QTest>
#include <cstring>
#include <initializer_list>
#include <utility>

#include "courses/CourseState.h"
#include "game/Form1.h"
#include "game/RoundState.h"
#include "holeview/Form4.h"
#include "holeview/Form8.h"
#include "holeview/HoleViewState.h"
#include "holeview/LayOutHole.h"
#include "holeview/WindowShapes.h"
#include "platform/Program.h"
#include "settings/SettingsState.h"
#include "tests/support/TestEnvironment.h"

using holeview::state;

namespace {

constexpr int kGround = 10825;
const QRgb kStrip = qRgb(0, 192, 0);
const QRgb kGreen = qRgb(0, 222, 0);
const QRgb kBlue = qRgb(0, 0, 255);

// A par-4 hole with the given letters from the given cells on, fairway elsewhere.
QString Hole(std::initializer_list<std::pair<int, const char*>> items) {
    QString cells(100, u'_');
    for (auto [cell, letters] : items) {
        cells.replace(cell - 1, int(std::strlen(letters)), QLatin1String(letters));
    }
    return u'4' + cells;
}

// What the hole reset leaves behind, then the layout; an empty text plays the course.
void LayOut(const QString& commandLine, int screenWidth = 19200, int hole = 1) {
    holeview::BuildWindowShapes();
    holeview::CloseSprites();
    settings::state.screenWidth = screenWidth;
    game::state.groundY = kGround;
    game::state.currentHole = hole;
    game::state.ballY = kGround - 80;
    game::Ball().Move(screenWidth / 100.0, game::state.ballY, 80, 80);
    holeview::Strip().Cls();
    holeview::Strip().Move(0, kGround, screenWidth, 40);
    platform::SetCommandLineText(commandLine);
    holeview::LayOutHole();
}

QRectF Geometry(const platform::GameWindow& w) {
    return QRectF(w.Left(), w.Top(), w.Width(), w.Height());
}

// First and last pixel column of one colour in a row of the strip; -1 when absent.
std::pair<int, int> Columns(int row, QRgb color) {
    const QImage image = holeview::Strip().grab().toImage();
    std::pair<int, int> found{-1, -1};
    for (int x = 0; x < image.width(); ++x) {
        if (image.pixel(x, row) != color) continue;
        if (found.first < 0) found.first = x;
        found.second = x;
    }
    return found;
}

// The colour in the middle of each fifth, or third, of a window's row.
QList<QRgb> Parts(QWidget& window, int parts, int row = 0) {
    const QImage image = window.grab().toImage();
    QList<QRgb> colors;
    for (int k = 0; k < parts; ++k) {
        colors << image.pixel(int((k + 0.5) * image.width() / parts), row);
    }
    return colors;
}

const std::pair<int, int> kNone{-1, -1};

}  // namespace

class HoleViewTest : public QObject {
    Q_OBJECT
private slots:
    // The flag outlives a test case otherwise.
    void cleanup() { holeview::UnloadFlag(); }

    void teeUsesOneCellLessThanTheRestAndRoundedCellWidth() {
        testing::TestEnvironment env;
        LayOut(Hole({{1, "T"}}));
        QCOMPARE(game::state.ballX, 0);
        LayOut(Hole({{100, "T"}}));
        QCOMPARE(game::state.ballX, 19008);
        QCOMPARE(Geometry(game::Ball()), QRectF(19008, kGround - 80, 80, 80));
        for (auto [screenWidth, cellWidth] :
             {std::pair{19200, 192}, {15360, 154}, {15350, 154}, {15250, 152}}) {
            LayOut(Hole({{2, "T"}}), screenWidth);
            QCOMPARE(game::state.ballX, cellWidth);
        }
    }

    void pinPaintsGreenAndCupAndStandsTheFlagOnTheStrip() {
        testing::TestEnvironment env;
        LayOut(Hole({{1, "T"}, {60, "P"}}));
        QCOMPARE(game::state.cupX, 11520);
        // Green 11280..11760 twips and 5 deep, cup 11480..11560 and 20 deep.
        QCOMPARE(Columns(0, kGreen), std::pair(752, 784));
        QCOMPARE(Columns(1, kGreen), kNone);
        QCOMPARE(Columns(1, qRgb(0, 0, 0)), std::pair(765, 770));
        QCOMPARE(Columns(2, qRgb(0, 0, 0)), kNone);
        QCOMPARE(Geometry(holeview::Flag()), QRectF(11520, kGround - 150, 75, 150));
        QVERIFY(holeview::Flag().isVisible() && !holeview::Flag().mask().isEmpty());
    }

    void bunkerRunIsOneWindowAndHidesTheCellAfterIt() {
        testing::TestEnvironment env;
        LayOut(Hole({{16, "BBBK"}}));
        QCOMPARE(state.bunkerSprites.size(), 1u);
        QVERIFY(state.treeSprites.empty());
        holeview::Form2& bunker = *state.bunkerSprites[0];
        QCOMPARE(Geometry(bunker), QRectF(3072, kGround - 10, 576, 10));
        QVERIFY(bunker.isVisible());
        const QRgb sand = qRgb(180, 100, 0), mid = qRgb(200, 120, 0);
        QCOMPARE(Parts(bunker, 5), (QList<QRgb>{sand, mid, qRgb(255, 128, 0), mid, sand}));
        QCOMPARE(Columns(0, kStrip), std::pair(0, 1279));

        LayOut(Hole({{10, "BB_K"}}));
        QCOMPARE(state.treeSprites.size(), 1u);
        QCOMPARE(state.treeSprites[0]->Left(), 13 * 192.0);
        LayOut(Hole({{10, "BBK_"}}));
        QVERIFY(state.treeSprites.empty());
    }

    void waterRunMarksTheStripBlue() {
        testing::TestEnvironment env;
        LayOut(Hole({{20, "WW"}}));
        QCOMPARE(state.waterSprites.size(), 1u);
        holeview::Form2& water = *state.waterSprites[0];
        QCOMPARE(Geometry(water), QRectF(3840, kGround - 10, 384, 10));
        const QRgb mid = qRgb(0, 0, 220);
        QCOMPARE(Parts(water, 5), (QList<QRgb>{kBlue, mid, qRgb(0, 0, 200), mid, kBlue}));
        // 3840..4224 twips, 4 deep.
        QCOMPARE(Columns(0, kBlue), std::pair(256, 281));
        QCOMPARE(Columns(1, kBlue), kNone);
    }

    void treesTakeTheNextSizesAndStandOnTheGround() {
        testing::TestEnvironment env;
        LayOut(Hole({{30, "KKKKK"}}));
        const double widths[] = {38.4, 115.2, 57.6, 134.4, 153.6};
        const double heights[] = {150, 190, 110, 130, 170};
        QCOMPARE(state.treeSprites.size(), 5u);
        for (int k = 0; k < 5; ++k) {
            QCOMPARE(Geometry(*state.treeSprites[k]),
                     QRectF((30 + k) * 192, kGround - heights[k], widths[k], heights[k]));
        }
        QCOMPARE(Parts(*state.treeSprites[4], 3, 5),
                 (QList<QRgb>{qRgb(0, 236, 0), qRgb(0, 196, 0), qRgb(0, 128, 0)}));
        // The read positions carry over to the next hole.
        LayOut(Hole({{30, "K"}}));
        QCOMPARE(state.treeSprites[0]->Height(), 90.0);
    }

    void endStopsAndTheLastPinDecides() {
        testing::TestEnvironment env;
        game::state.cupX = 777;
        holeview::Flag().Move(15, 30);
        LayOut(Hole({{1, "T"}, {40, "E"}, {60, "P"}, {70, "K"}}));
        QCOMPARE(game::state.cupX, 777);
        QCOMPARE(holeview::Flag().Left(), 15.0);
        QVERIFY(state.treeSprites.empty());

        LayOut(Hole({{1, "T"}, {30, "P"}, {60, "P"}}));
        QCOMPARE(game::state.cupX, 11520);
        QCOMPARE(holeview::Flag().Left(), 11520.0);
        QCOMPARE(Columns(1, qRgb(0, 0, 0)), std::pair(5720 / 15, 11560 / 15));
    }

    void commandLineHoleIsEveryHoleButOnlyItsOwnParIsRecorded() {
        testing::TestEnvironment env;
        game::state.holePar[2] = 5;
        const QString text = u'3' + Hole({{1, "T"}, {50, "K"}}).mid(1);
        LayOut(text, 19200, 3);
        QCOMPARE(
            game::state.holePar.values,
            (std::array<std::int32_t, 18>{0, 5, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
        for (const QString& row : courses::state.courseRows) QCOMPARE(row, text);
        QCOMPARE(state.treeSprites.size(), 1u);
    }

    void courseHoleRecordsEveryParAndShowsEveryTree() {
        testing::TestEnvironment env;
        settings::state.alwaysTop = platform::kTrue;
        LayOut(QString(), 19200, 2);
        int parTotal = 0;
        for (int par : game::state.holePar.values) parTotal += par;
        QCOMPARE(parTotal, 72);
        QCOMPARE(state.treeSprites.size(), size_t(courses::state.courseRows[1].count(u'K')));
        for (const auto& tree : state.treeSprites) QVERIFY(tree->isVisible());
    }

    // A row without a par digit (short custom file) is still laid out.
    void rowsWithoutParDigitGiveParZero() {
        testing::TestEnvironment env;
        settings::state.courseSet = 9;  // keeps the rows as they are
        courses::state.courseRows.fill(QStringLiteral("5T___P"));
        courses::state.courseRows[0] = QString();
        courses::state.courseRows[1] = QStringLiteral("xT___P");
        LayOut(QString(), 19200, 2);
        QCOMPARE(game::state.holePar[1], 0);
        QCOMPARE(game::state.holePar[2], 0);
        QCOMPARE(game::state.holePar[3], 5);
        QCOMPARE(game::state.cupX, 5 * 192);
    }

    void runWiderThanSixteenBitsKeepsItsWidth() {
        testing::TestEnvironment env;
        LayOut(u'4' + QString(35, u'B'), 96000);
        QCOMPARE(state.bunkerSprites[0]->Width(), 35 * 960.0);
    }
};

QTEST_MAIN(HoleViewTest)
#include "holeview_test.moc"
