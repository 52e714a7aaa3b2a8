#include "game/Game.h"

#include "courses/CourseSets.h"
#include "courses/HoleString.h"
#include "desktop/Stacking.h"
#include "game/StartUp.h"
#include "holeview/FieldGeometry.h"
#include "holeview/WindowShapes.h"
#include "platform/Messages.h"
#include "platform/Numeric.h"
#include "platform/Random.h"
#include "platform/Screen.h"

namespace game {

Game::Game(const settings::Settings& settings, const QString& commandLineHole, RoundHistory history)
    : settings_(settings),
      commandLineHole_(commandLineHole),
      field_(settings.alwaysTop),
      history_(std::move(history)),
      stacking_(settings.alwaysTop) {
    connect(&ball_, &holeview::BallWindow::pressed, this, &Game::OnBallPressed);
    platform::WatchScreen(this, [this] { ScreenChanged(); });
}

Game::~Game() = default;

void Game::Play() {
    SetUpFirstHole();
    for (;;) NextTurn();
}

void Game::SetUpFirstHole() {
    NewRound();
    ShowFirstHole();
}

void Game::TryHole(const courses::TreeCycle& trees) {
    trying_ = true;
    menu_.OfferBackToEditor();
    NewRound();
    course_.trees = trees;
    ShowFirstHole();
    while (!tryOver_) NextTurn();
}

void Game::ShowFirstHole() {
    holeview::ShapeWindow(ball_, holeview::Shape::Ball);
    round_.groundY = GroundLine();
    ResetHole();
    NextTurn();
    desktop::SetTopmost(&ball_, settings_.alwaysTop);
    ball_.Move(round_.ballX, round_.ballY);
    ball_.ShowInPlace();
}

void Game::NewRound() {
    round_.roundOver = false;
    course_.trees = {};
    round_.holeStrokes = {};
    round_.holeHazards = {};
    round_.currentHole = 1;
    menu_.CheckHole(1);
}

void Game::ResetHole() {
    field_.Clear(round_.groundY, settings_.screenWidth);
    round_.phase = TurnPhase::SetupPending;
    ShowPhase();
    // A ball holed from a bunker leaves no weaker tee shot behind.
    round_.inBunker = false;
    round_.ballY = platform::RoundHalfEven(round_.groundY - holeview::kBallSize);
    ball_.Move(settings_.screenWidth / 100.0, round_.ballY, holeview::kBallSize,
               holeview::kBallSize);
    round_.windStrength = static_cast<std::int16_t>(platform::Floor(platform::Random01() * 6));
    round_.windDirection = static_cast<std::int16_t>(platform::Floor(platform::Random01() * 2 + 1));
}

void Game::NextTurn() {
    platform::ReseedRandom();
    if (screenChanged_) FollowScreen();
    if (round_.phase == TurnPhase::Ready || round_.phase == TurnPhase::InPlay) PlayShot();
    if (round_.phase == TurnPhase::SetupPending) {
        ResetHole();
        round_.phase = TurnPhase::Ready;
        ShowPhase();
        LayOutHole();
        round_.strokeCount = 0;
        round_.hazards = {};
    }
}

void Game::LayOutHole() {
    LoadRows();
    const QString& row = course_.rows[static_cast<std::size_t>(round_.currentHole - 1)];
    round_.holePar[round_.currentHole] = courses::ParOf(row);
    holeCells_ = row.mid(1);
    holeTrees_ = course_.trees;
    hole_ =
        holeview::PlanHole(holeCells_, holeview::CellWidth(settings_.screenWidth), course_.trees);
    field_.Show(hole_, round_.groundY);
    KeepFieldInPlace();
    if (hole_.teeX) {
        round_.ballX = *hole_.teeX;
        ball_.Move(round_.ballX, round_.ballY);
    }
    if (hole_.cupX) round_.cupX = *hole_.cupX;
    // Spare windows for the busiest hole are made while the player aims.
    spareWindowsWanted_ = holeview::MostObstacleWindows(course_.rows);
}

// The course is read again for every hole, so an edited USER.TXT counts from
// the next hole on. A command-line hole records only its own par.
void Game::LoadRows() {
    if (!commandLineHole_.isEmpty()) {
        course_.rows.fill(commandLineHole_);
        return;
    }
    const courses::CourseLoad course = courses::LoadCourse(settings_.courseSet);
    if (course.rows) course_.rows = *course.rows;
    if (!course.problem.isEmpty())
        platform::ShowMessage(course.problem, QStringLiteral("Quorvane"));
    for (int hole = 1; hole <= 18; ++hole) {
        round_.holePar[hole] = courses::ParOf(course_.rows[static_cast<std::size_t>(hole - 1)]);
    }
}

// A hole waiting to be laid out needs only the new measures. One on the
// screen is laid out again with the trees it had, and the ball keeps its
// place on the hole.
void Game::FollowScreen() {
    screenChanged_ = false;
    const std::int32_t oldCellWidth = holeview::CellWidth(settings_.screenWidth);
    round_.groundY = GroundLine();
    if (!settings_.fixedWidth) settings_.screenWidth = platform::ScreenWidthTwips();
    if (round_.phase == TurnPhase::SetupPending) return;
    const std::int32_t cellWidth = holeview::CellWidth(settings_.screenWidth);
    courses::TreeCycle sameTrees = holeTrees_;
    hole_ = holeview::PlanHole(holeCells_, cellWidth, sameTrees);
    field_.Clear(round_.groundY, settings_.screenWidth);
    field_.Show(hole_, round_.groundY);
    KeepFieldInPlace();
    const auto scaled = [&](std::int32_t x) {
        return oldCellWidth > 0 ? platform::RoundHalfEven(double(x) * cellWidth / oldCellWidth) : x;
    };
    round_.cupX = hole_.cupX.value_or(scaled(round_.cupX));
    round_.ballX = scaled(round_.ballX);
    round_.ballY = platform::RoundHalfEven(round_.groundY - holeview::kBallSize);
    ball_.Move(round_.ballX, round_.ballY);
}

std::vector<platform::GameWindow*> Game::FieldWindows() {
    std::vector<platform::GameWindow*> windows = field_.Windows();
    windows.push_back(&ball_);
    return windows;
}

void Game::KeepFieldInPlace() {
    const std::vector<platform::GameWindow*> field = FieldWindows();
    stacking_.Keep({field.begin(), field.end()});
}

void Game::ShowPhase() { ball_.SetBackgroundColor(BallColorOf(round_.phase, settings_.ballColor)); }

}  // namespace game
