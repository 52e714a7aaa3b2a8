// What the player asks for while the game is busy, carried out between two
// steps of whatever loop is running.
#include "controlbar/ControlBar.h"
#include "desktop/AboutWindow.h"
#include "desktop/ClockWindow.h"
#include "game/AppIcon.h"
#include "game/Game.h"
#include "holeview/WindowShapes.h"
#include "platform/Numeric.h"
#include "platform/Program.h"
#include "platform/Screen.h"

namespace game {
namespace {

constexpr double kOutOfSightTwips = 10000;

}  // namespace

void Game::Request(Command command) { request_ = command; }

void Game::OnBallPressed(Qt::MouseButton button, QPoint globalPos) {
    if (openBar_) {
        openBar_->Activate();
    } else if (button != Qt::LeftButton && round_.phase == TurnPhase::InPlay) {
        RequestMenu(globalPos, std::nullopt);
    }
}

void Game::RequestMenu(QPoint globalPos, std::optional<bool> restartShown) {
    menuRequest_ = MenuRequest{globalPos, restartShown};
}

void Game::ServeRequests() {
    if (screenChanged_ && openBar_ && !strokeAbandoned_) {
        strokeAbandoned_ = Abandoned::ForNewScreen;
    }
    if (const std::optional<MenuRequest> menu = std::exchange(menuRequest_, std::nullopt)) {
        if (menu->restartShown) menu_.SetRestartShown(*menu->restartShown);
        if (const std::optional<Command> chosen = menu_.Choose(menu->at)) request_ = chosen;
    }
    if (const std::optional<Command> command = std::exchange(request_, std::nullopt)) {
        CarryOut(*command);
    }
}

void Game::CarryOut(Command command) {
    switch (command) {
        case Command::Pause:
            Pause();
            break;
        case Command::Restart:
            Restart();
            break;
        case Command::ShowScore:
            ShowScoreCard(scorecard::ScoreWindow::Opened::FromMenu);
            break;
        case Command::ShowStatistics:
            history_.ShowStatistics(settings_.screenWidth);
            break;
        case Command::About: {
            desktop::AboutWindow about(AppIcon().pixmap(32, 32), settings_.screenWidth);
            about.exec();
            break;
        }
        case Command::Exit:
            platform::EndProgram(0);
        case Command::BackToEditor:
            tryOver_ = true;
            if (openBar_) strokeAbandoned_ = Abandoned::ToLeave;
            break;
    }
}

// The game's windows wait below the screen while the clock shows. Window
// managers that keep windows on the screen would leave them peeking out
// along its bottom edge, so they are hidden there as well.
void Game::Pause() {
    // The window manager may have kept the bar on the screen: it goes back
    // where it was, not where the move would take it.
    const QPoint barPlace = openBar_ ? openBar_->pos() : QPoint();
    MoveGameWindows(kOutOfSightTwips, false);
    desktop::ClockWindow clock(settings_.screenWidth);
    holeview::ShapeWindow(clock, holeview::Shape::Clock);
    clock.exec();
    MoveGameWindows(-kOutOfSightTwips, true);
    if (openBar_) openBar_->move(barPlace);
}

void Game::MoveGameWindows(double twipsDown, bool shown) {
    for (platform::GameWindow* window : FieldWindows()) {
        window->SetTop(window->Top() + twipsDown);
        if (shown) {
            window->ShowInPlace();
        } else {
            window->hide();
        }
    }
    if (shown) KeepFieldInPlace();
    if (openBar_) {
        const int pixels = platform::RoundHalfEven(twipsDown / platform::TwipsPerPixelY());
        openBar_->move(openBar_->x(), openBar_->y() + pixels);
        openBar_->setVisible(shown);
    }
}

// A flight goes on over the hole on the screen and counts as hole 1; a stroke
// still being aimed is abandoned and hole 1 laid out.
void Game::Restart() {
    round_.holeStrokes = {};
    round_.holeHazards = {};
    round_.strokeCount = 0;
    round_.hazards = {};
    round_.currentHole = 1;
    menu_.CheckHole(1);
    if (openBar_) strokeAbandoned_ = Abandoned::ForRestart;
}

}  // namespace game
