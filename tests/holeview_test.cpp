// The hole on the screen: the strip, the flag and the obstacle windows placed
// and painted as the plan says, and windows kept for later holes.
#include <QTest>
#include <QWindow>

#include "holeview/HolePlan.h"
#include "holeview/HoleView.h"
#include "tests/support/TestEnvironment.h"

using holeview::HoleView;
using holeview::Placement;
using Kind = Placement::Kind;

namespace {

constexpr int kGround = 10825;

QRectF Geometry(const platform::GameWindow& w) {
    return QRectF(w.Left(), w.Top(), w.Width(), w.Height());
}

holeview::HolePlan Plan(std::vector<Placement> placements) {
    holeview::HolePlan plan;
    plan.placements = std::move(placements);
    return plan;
}

// First and last pixel column of one colour in a row of the strip; -1 when absent.
std::pair<int, int> Columns(HoleView& view, int row, QRgb color) {
    const QImage image = view.Strip().grab().toImage();
    std::pair<int, int> found{-1, -1};
    for (int x = 0; x < image.width(); ++x) {
        if (image.pixel(x, row) != color) continue;
        if (found.first < 0) found.first = x;
        found.second = x;
    }
    return found;
}

}  // namespace

class HoleViewTest : public QObject {
    Q_OBJECT
private slots:
    void cupPaintsTheStripAndStandsTheFlagOnIt() {
        testing::TestEnvironment env;
        HoleView view(false);
        view.Clear(kGround, 19200);
        view.Show(Plan({{Kind::Cup, 11520}}), kGround);
        // Green 11280..11760 twips and 5 deep, cup 11480..11560 and 20 deep.
        QCOMPARE(Columns(view, 0, qRgb(0, 222, 0)), std::pair(752, 784));
        QCOMPARE(Columns(view, 1, qRgb(0, 222, 0)), std::pair(-1, -1));
        QCOMPARE(Columns(view, 1, qRgb(0, 0, 0)), std::pair(765, 770));
        QCOMPARE(Columns(view, 2, qRgb(0, 0, 0)), std::pair(-1, -1));
        QCOMPARE(Columns(view, 2, qRgb(0, 192, 0)), std::pair(0, 1279));
        QCOMPARE(Geometry(view.Flag()), QRectF(11520, kGround - 150, 75, 150));
        QVERIFY(view.Flag().isVisible() && !view.Flag().mask().isEmpty());
    }

    void obstaclesStandOnTheGroundLine() {
        testing::TestEnvironment env;
        HoleView view(false);
        view.Clear(kGround, 19200);
        view.Show(Plan({{Kind::Tree, 5760, 57.6, 110},
                        {Kind::Bunker, 3072, 576, 10},
                        {Kind::Water, 3840, 384, 10}}),
                  kGround);
        QCOMPARE(view.Obstacles().size(), 3u);
        const auto& windows = view.Obstacles();
        QCOMPARE(Geometry(*windows[0]), QRectF(5760, kGround - 110, 57.6, 110));
        QCOMPARE(Geometry(*windows[1]), QRectF(3072, kGround - 10, 576, 10));
        QCOMPARE(windows[2]->windowTitle(), QStringLiteral("Quorvane water"));
        const QImage bunker = windows[1]->grab().toImage();
        QCOMPARE(bunker.pixel(bunker.width() / 2, 0), qRgb(255, 128, 0));
        // The water marks the strip blue, 4 twips deep: the top pixel row.
        QCOMPARE(Columns(view, 0, qRgb(0, 0, 255)), std::pair(256, 281));
        for (const auto& window : windows) QVERIFY(window->isVisible());
    }

    // Cleared windows stay shown but concealed, and the next hole reuses them.
    void clearedObstacleWindowsWaitForTheNextHole() {
        testing::TestEnvironment env;
        HoleView view(true);
        view.Clear(kGround, 19200);
        view.Show(Plan({{Kind::Tree, 100, 38.4, 150}}), kGround);
        QVERIFY(view.Obstacles()[0]->windowHandle()->flags() & Qt::X11BypassWindowManagerHint);
        const holeview::ObstacleWindow* first = view.Obstacles()[0].get();
        view.Clear(kGround, 19200);
        QVERIFY(view.Obstacles().empty());
        QCOMPARE(first->windowTitle(), QStringLiteral("Quorvane spare"));
        QVERIFY(first->isVisible() && !first->mask().isEmpty());
        view.ReserveObstacleWindows(3);
        view.Show(Plan({{Kind::Bunker, 200, 384, 10}}), kGround);
        QCOMPARE(view.Windows().size(), 3u);  // one obstacle, strip, flag
        QVERIFY(view.Obstacles()[0]->mask().isEmpty());
    }
};

QTEST_MAIN(HoleViewTest)
#include "holeview_test.moc"
