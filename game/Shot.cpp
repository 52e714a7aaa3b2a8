#include "game/Shot.h"

#include "controlbar/Form3.h"
#include "game/Flight.h"
#include "game/Form1.h"
#include "game/RoundState.h"
#include "platform/Numeric.h"
#include "platform/Runtime.h"
#include "settings/SettingsState.h"

namespace game {

void PlayShot() {
    if (!controlbar::ShowBar()) return;

    Ball().SetBackColor(settings::state.ballColor);
    const double r1 = platform::Rnd();
    const double r2 = platform::Rnd();
    const float vy = static_cast<float>(-(platform::Int(r2 * 5) + state.shotLoft));
    const float vx = static_cast<float>(platform::Int(r1 * 5) + state.shotPower);
    StartShot(vx, vy);
}

}  // namespace game
