#include "settings/Decoding.h"

#include "platform/Screen.h"
#include "settings/Profile.h"
#include "settings/SettingsState.h"

namespace settings {

const std::array<float, 11> speedTable = {1.0f / 6, 1.0f / 5, 1.0f / 4, 1.0f / 3, 1.0f / 2, 1.0f,
                                          2.0f,     3.0f,     4.0f,     5.0f,     6.0f};

float SpeedFactorFor(const QString& plusMinus) {
    constexpr float kMissing = 1.0f;
    if (plusMinus.isEmpty()) return kMissing;
    const double number = platform::LeadingNumber(plusMinus);
    // Exactly the numbers that round to 0..10 (halves go to the even index);
    // checked before rounding, so a huge number cannot overflow the index.
    if (!(number >= -0.5 && number <= 10.5)) return kMissing;
    return speedTable[static_cast<std::size_t>(platform::Round(number))];
}

platform::VbBool FlagFor(const QString& value) {
    return platform::ToVbBool(value == QStringLiteral("TRUE"));
}

QRgb BallColorFor(const QString& colorName) {
    if (colorName == QStringLiteral("黒")) return qRgb(0, 0, 0);
    if (colorName == QStringLiteral("赤")) return qRgb(254, 0, 0);
    return qRgb(254, 254, 254);
}

std::int32_t ScreenWidthFor(const QString& scrnWidth) {
    if (scrnWidth == QStringLiteral("TRUE"))
        return platform::Round(1024 * platform::TwipsPerPixelX());
    return platform::ScreenWidthTwips();
}

void ApplyStoredSettings() {
    const QString section = QStringLiteral("Setting");
    state.speedFactor = SpeedFactorFor(ReadSetting(section, QStringLiteral("PlusMinus")));
    state.alwaysTop = FlagFor(ReadSetting(section, QStringLiteral("AlwaysTop")));
    state.ctlLock = FlagFor(ReadSetting(section, QStringLiteral("CtlLock")));
    state.ballColor = BallColorFor(ReadSetting(section, QStringLiteral("BColor")));
    state.screenWidth = ScreenWidthFor(ReadSetting(section, QStringLiteral("ScrnWidth")));
}

}  // namespace settings
