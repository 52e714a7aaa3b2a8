// Laying a hole out: where the tee, cup and obstacles go for a hole string,
// and what their windows and the strip show.
#include <QTest>
#include <cstring>
#include <initializer_list>
#include <utility>

#include "courses/CourseTables.h"
#include "holeview/HolePlan.h"

using holeview::HolePlan;
using holeview::Placement;
using Kind = Placement::Kind;

namespace {

// 100 cells with the given letters from the given cells on, fairway elsewhere.
QString Cells(std::initializer_list<std::pair<int, const char*>> items) {
    QString cells(100, u'_');
    for (auto [cell, letters] : items) {
        cells.replace(cell - 1, int(std::strlen(letters)), QLatin1String(letters));
    }
    return cells;
}

HolePlan Plan(const QString& cells, int cellWidth = 192) {
    courses::TreeCycle trees;
    return holeview::PlanHole(cells, cellWidth, trees);
}

QList<QRectF> Spans(const std::vector<Placement>& obstacles) {
    QList<QRectF> spans;
    for (const Placement& p : obstacles) spans << QRectF(p.left, 0, p.width, p.height);
    return spans;
}

QList<QRgb> Colors(const std::vector<platform::Box>& boxes) {
    QList<QRgb> colors;
    for (const platform::Box& box : boxes) colors << box.color;
    return colors;
}

QList<QRectF> Rects(const std::vector<platform::Box>& boxes) {
    QList<QRectF> rects;
    for (const platform::Box& box : boxes) rects << box.twips;
    return rects;
}

}  // namespace

class HolePlanTest : public QObject {
    Q_OBJECT
private slots:
    void cellWidthIsAHundredthRoundedHalfToEven() {
        QCOMPARE(holeview::CellWidth(19200), 192);
        QCOMPARE(holeview::CellWidth(15360), 154);
        QCOMPARE(holeview::CellWidth(15350), 154);
        QCOMPARE(holeview::CellWidth(15250), 152);
    }

    void teeIsOneCellLeftOfTheOthers() {
        QCOMPARE(Plan(Cells({{1, "T"}})).teeX, 0);
        QCOMPARE(Plan(Cells({{100, "T"}})).teeX, 19008);
        const HolePlan plan = Plan(Cells({{60, "P"}, {60 + 1, "K"}}));
        QCOMPARE(plan.cupX, 11520);
        QCOMPARE(plan.trees.at(0).left, 61 * 192.0);
        QVERIFY(!plan.teeX);
    }

    void runsAreOneObstacleAndHideTheCellAfterThem() {
        const HolePlan plan = Plan(Cells({{16, "BBBK"}, {20, "WW"}, {30, "BB_K"}}));
        QCOMPARE(Spans(plan.bunkers), (QList<QRectF>{{3072, 0, 576, 10}, {5760, 0, 384, 10}}));
        QCOMPARE(Spans(plan.waters), (QList<QRectF>{{3840, 0, 384, 10}}));
        QCOMPARE(plan.trees.size(), 1u);  // the one right after "BBB" is never looked at
        QCOMPARE(plan.trees[0].left, 33 * 192.0);
        // Wider than 16 bits: kept whole.
        QCOMPARE(Plan(QString(35, u'W'), 960).waters.at(0).width, 35 * 960.0);
    }

    void treesTakeTheNextSizesWidthFirst() {
        courses::TreeCycle trees;
        const HolePlan plan = holeview::PlanHole(Cells({{30, "KKKKK"}}), 192, trees);
        QCOMPARE(Spans(plan.trees), (QList<QRectF>{{30 * 192, 0, 38.4, 150},
                                                   {31 * 192, 0, 115.2, 190},
                                                   {32 * 192, 0, 57.6, 110},
                                                   {33 * 192, 0, 134.4, 130},
                                                   {34 * 192, 0, 153.6, 170}}));
        // The sizes go on from where the last hole left them.
        QCOMPARE(holeview::PlanHole(Cells({{1, "K"}}), 192, trees).trees.at(0).height, 90.0);
    }

    void treeStepsCycleWithPeriods16And20() {
        courses::TreeCycle cycle;
        for (int tree = 0; tree < 40; ++tree) {
            const courses::TreeStep step = courses::NextTreeStep(cycle);
            QCOMPARE(step.width, courses::kTreeWidthSteps[std::size_t(tree % 16)]);
            QCOMPARE(step.height, courses::kTreeHeightSteps[std::size_t(tree % 20)]);
        }
        QCOMPARE(cycle.widthPos, 40 % 16);
        QCOMPARE(cycle.heightPos, 0);
    }

    void endStopsTheHoleAndTheLastPinOrTeeDecides() {
        const HolePlan ended = Plan(Cells({{1, "T"}, {40, "E"}, {60, "P"}, {70, "K"}}));
        QVERIFY(!ended.cupX);
        QVERIFY(ended.trees.empty());
        const HolePlan twice = Plan(Cells({{1, "T"}, {5, "T"}, {30, "P"}, {60, "P"}}));
        QCOMPARE(twice.teeX, 4 * 192);
        QCOMPARE(twice.cupX, 11520);
        QList<Kind> kinds;
        for (const Placement& p : twice.placements) kinds << p.kind;
        QCOMPARE(kinds, (QList<Kind>{Kind::Tee, Kind::Tee, Kind::Cup, Kind::Cup}));
        // Letters are matched exactly.
        QVERIFY(Plan(Cells({{3, "tpkbwe"}})).placements.empty());
    }

    void cupPaintsGreenAndCupOnTheStrip() {
        const std::vector<platform::Box> marks = holeview::StripMarks({Kind::Cup, 11520});
        QCOMPARE(Rects(marks), (QList<QRectF>{QRectF(QPointF(11280, 0), QPointF(11760, 5)),
                                              QRectF(QPointF(11480, 0), QPointF(11560, 20))}));
        QCOMPARE(Colors(marks), (QList<QRgb>{qRgb(0, 222, 0), qRgb(0, 0, 0)}));
        const std::vector<platform::Box> water = holeview::StripMarks({Kind::Water, 3840, 384, 10});
        QCOMPARE(Rects(water), (QList<QRectF>{QRectF(QPointF(3840, 0), QPointF(4224, 4))}));
        QCOMPARE(Colors(water), (QList<QRgb>{qRgb(0, 0, 255)}));
        QVERIFY(holeview::StripMarks({Kind::Bunker, 3840, 384, 10}).empty());
    }

    void obstaclesShowBandsAndStripes() {
        const auto tree = holeview::ObstaclePicture({Kind::Tree, 0, 153.6, 170});
        QCOMPARE(Rects(tree), (QList<QRectF>{QRectF(QPointF(0, 0), QPointF(51.2, 170)),
                                             QRectF(QPointF(51.2, 0), QPointF(102.4, 170)),
                                             QRectF(QPointF(102.4, 0), QPointF(153.6, 170))}));
        QCOMPARE(Colors(tree), (QList<QRgb>{qRgb(0, 236, 0), qRgb(0, 196, 0), qRgb(0, 128, 0)}));
        const QRgb sand = qRgb(180, 100, 0), midSand = qRgb(200, 120, 0);
        const auto bunker = holeview::ObstaclePicture({Kind::Bunker, 0, 500, 10});
        QCOMPARE(Colors(bunker), (QList<QRgb>{sand, midSand, qRgb(255, 128, 0), midSand, sand}));
        QCOMPARE(bunker[3].twips, QRectF(QPointF(300, 0), QPointF(400, 0)));
        const QRgb blue = qRgb(0, 0, 255), midBlue = qRgb(0, 0, 220);
        QCOMPARE(Colors(holeview::ObstaclePicture({Kind::Water, 0, 500, 10})),
                 (QList<QRgb>{blue, midBlue, qRgb(0, 0, 200), midBlue, blue}));
    }

    void busiestHoleCountsTreesAndRuns() {
        courses::CourseRows rows;
        rows.fill(QStringLiteral("4T___P"));
        rows[3] = QStringLiteral("4KKBB_WW_BKE_KKKK");
        QCOMPARE(holeview::MostObstacleWindows(rows), 6);
    }
};

QTEST_APPLESS_MAIN(HolePlanTest)
#include "holeplan_test.moc"
