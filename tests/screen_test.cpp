// The course follows the screen: a new size or work area moves the hole onto
// the new ground line at the new width before the next shot.
#include <QTest>
#include <QTimer>

#include "controlbar/ControlBar.h"
#include "game/Game.h"
#include "platform/Screen.h"
#include "tests/support/BarPlayer.h"
#include "tests/support/ShortHole.h"
#include "tests/support/TestEnvironment.h"

using game::Command;

namespace {

// 1024 x 768 pixels, a panel of 40 pixels at the bottom: the ground line
// lies at 728 x 15 - 50 twips.
platform::ScreenMetrics SmallerScreen() {
    platform::ScreenMetrics screen = testing::StandardScreen();
    screen.widthPx = 1024;
    screen.heightPx = 768;
    screen.workAreaPx = QRect(0, 0, 1024, 728);
    return screen;
}
constexpr int kNewGround = 728 * 15 - 50;

QRectF Geometry(const platform::GameWindow& w) {
    return QRectF(w.Left(), w.Top(), w.Width(), w.Height());
}

// Notes what the field looks like each time a bar opens. At the first it
// changes the screen; the second ends the test program.
struct BarWatch : QObject {
    BarWatch(game::Game& watched, int barsBefore) : game(watched), bars(barsBefore) {
        qApp->installEventFilter(this);
    }
    ~BarWatch() override { qApp->removeEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override {
        const auto* bar = qobject_cast<controlbar::ControlBar*>(watched);
        if (!bar || event->type() != QEvent::Show) return false;
        ++bars;
        lastBar = bar->windowTitle();
        strip = Geometry(game.Field().Strip());
        ball = Geometry(game.Ball());
        if (!game.Field().Obstacles().empty()) tree = Geometry(*game.Field().Obstacles()[0]);
        if (bars == 1) {
            platform::SetTestScreen(SmallerScreen());
            game.ScreenChanged();
        } else {
            game.Request(Command::Exit);
        }
        return false;
    }

    game::Game& game;
    int bars;
    QString lastBar;
    QRectF strip;
    QRectF ball;
    QRectF tree;
};

}  // namespace

class ScreenTest : public QObject {
    Q_OBJECT
private slots:
    // The same hole, the same stroke, the same trees; the ball where it was
    // on the hole.
    void holeMovesOntoTheNewLineWhileTheBarWaits_data() {
        QTest::addColumn<bool>("fixedWidth");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("cellWidth");
        QTest::addColumn<double>("ballX");
        QTest::newRow("full width") << false << 15360 << 154 << 802.0;  // 1000 x 154 / 192
        QTest::newRow("1024 pixels kept") << true << 19200 << 192 << 1000.0;
    }
    void holeMovesOntoTheNewLineWhileTheBarWaits() {
        QFETCH(bool, fixedWidth);
        QFETCH(int, width);
        QFETCH(int, cellWidth);
        QFETCH(double, ballX);
        testing::TestEnvironment env;
        settings::Settings settings = testing::StandardSettings();
        settings.fixedWidth = fixedWidth;
        game::Game game(settings, QStringLiteral("3T____P_K") + QString(91, u'_'));
        testing::StartOnHole(game, 2);
        game.Round().ballX = 1000;
        game.Round().strokeCount = 2;
        BarWatch seen(game, 0);
        testing::BarPlayer watchdog({});
        const QRectF treeBefore = Geometry(*game.Field().Obstacles().at(0));
        // The first bar closes for the move; the next pass asks for the same stroke.
        game.NextTurn();
        QVERIFY_THROWS_EXCEPTION(testing::ProgramEnded, game.NextTurn());
        QCOMPARE(seen.bars, 2);
        QVERIFY(seen.lastBar.endsWith(QStringLiteral("#02 (3) : 003")));
        QCOMPARE(seen.strip, QRectF(0, kNewGround, width, 40));
        QCOMPARE(seen.ball, QRectF(ballX, kNewGround - 80, 80, 80));
        QCOMPARE(game.Round().cupX, 6 * cellWidth);
        QCOMPARE(seen.tree.height(), treeBefore.height());
        QCOMPARE(seen.tree.bottom(), double(kNewGround));
        QCOMPARE(seen.tree.left(), 8.0 * cellWidth);
    }

    // A ball in flight lands on the old line; the hole moves before the next shot.
    void flightFinishesOnTheOldLine() {
        testing::TestEnvironment env;
        game::Game game(testing::StandardSettings(), testing::ShortHole());
        testing::StartOnHole(game, 1);
        game.Ball().ShowInPlace();
        struct FirstMove : QObject {
            game::Game* game;
            bool eventFilter(QObject*, QEvent* event) override {
                if (event->type() == QEvent::Move &&
                    game->Round().phase == game::TurnPhase::InPlay) {
                    platform::SetTestScreen(SmallerScreen());
                    game->ScreenChanged();
                }
                return false;
            }
        } firstMove;
        firstMove.game = &game;
        game.Ball().installEventFilter(&firstMove);
        testing::BarPlayer player({{6, 5}});
        game.NextTurn();
        game.Ball().removeEventFilter(&firstMove);
        QCOMPARE(game.Round().ballY, testing::kGroundY - 80);
        BarWatch seen(game, 1);
        QVERIFY_THROWS_EXCEPTION(testing::ProgramEnded, game.NextTurn());
        QCOMPARE(seen.ball.bottom(), double(kNewGround));
    }
};

QTEST_MAIN(ScreenTest)
#include "screen_test.moc"
