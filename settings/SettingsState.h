#pragma once
// What the stored settings turn into, read by the whole game.

#include <QRgb>
#include <cstdint>

#include "platform/Numeric.h"

namespace settings {

struct SettingsState {
    std::int32_t courseSet = 0;  // 0 beginner, 1 full, 2 custom
    platform::VbBool startAccepted = platform::kFalse;
    platform::VbBool alwaysTop = platform::kFalse;
    platform::VbBool ctlLock = platform::kFalse;
    QRgb ballColor = qRgb(0, 0, 0);
    float speedFactor = 0.0f;
    std::int32_t screenWidth = 0;  // twips
    // Ends a running gauge loop (the control bar's or the settings preview).
    platform::VbBool gaugeStop = platform::kFalse;
};

extern SettingsState state;

}  // namespace settings
