#include "game/RoundState.h"

namespace game {

QRgb BallColorOf(TurnPhase phase, QRgb playerBallColor) {
    switch (phase) {
        case TurnPhase::SetupPending:
            return qRgb(0, 255, 0);
        case TurnPhase::Ready:
            return qRgb(255, 0, 255);
        case TurnPhase::InPlay:
            return playerBallColor;
        case TurnPhase::Holed:
            return qRgb(255, 0, 0);
    }
    return playerBallColor;
}

}  // namespace game
