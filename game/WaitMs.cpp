#include "game/WaitMs.h"

#include "platform/Numeric.h"
#include "platform/Runtime.h"

namespace game {

void WaitMs(float ms) {
    platform::DoEvents();
    static_cast<void>(platform::GetTickCount());
    platform::Sleep(platform::Round(ms));
}

}  // namespace game
