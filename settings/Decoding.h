#pragma once
// How stored setting values turn into the settings state.

#include <QRgb>
#include <QString>
#include <array>
#include <cstdint>

#include "platform/Numeric.h"

namespace settings {

// Gauge speed factors, indexed by the stored "PlusMinus" value 0 to 10.
extern const std::array<float, 11> speedTable;

// Empty, or an index outside the table: factor 1.
float SpeedFactorFor(const QString& plusMinus);
// Only "TRUE" is true.
platform::VbBool FlagFor(const QString& value);
// "白", "黒" or "赤"; anything else is white.
QRgb BallColorFor(const QString& colorName);
// "TRUE": 1024 pixels' worth of twips; otherwise the whole screen width.
std::int32_t ScreenWidthFor(const QString& scrnWidth);

// Reads "PlusMinus", "AlwaysTop", "CtlLock", "BColor" and "ScrnWidth" from
// section "Setting" into the settings state.
void ApplyStoredSettings();

}  // namespace settings
