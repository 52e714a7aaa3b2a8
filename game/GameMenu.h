#pragma once

#include <QMenu>
#include <array>
#include <optional>

#include "game/Command.h"

namespace game {

// The pop-up menu opened on the ball or on the control bar's button.
class GameMenu {
public:
    GameMenu();

    // Opens at the position and returns the command chosen, if any.
    std::optional<Command> Choose(QPoint globalPos);
    // The restart and the separator under it, offered only when asked for.
    void SetRestartShown(bool shown);
    // The hole list can never be opened; it only carries the check mark.
    void CheckHole(int hole);
    // A hole tried from the course editor goes back to it instead of ending
    // the program, where unsaved changes would be lost.
    void OfferBackToEditor();

    QMenu& Menu() { return menu_; }

private:
    QMenu menu_;
    QAction* pause_;
    QAction* restart_;
    QAction* restartSeparator_;
    QAction* score_;
    QAction* statistics_;
    QAction* about_;
    QAction* exit_;
    QAction* backToEditor_;
    std::array<QAction*, 18> holes_;
};

}  // namespace game
