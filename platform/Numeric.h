#pragma once
// Number conventions shared by every subsystem: banker's rounding, floor, and
// the 16-bit booleans (true = -1) that the game state uses.

#include <cmath>
#include <cstdint>

#include <QStringView>

namespace platform {

using VbBool = std::int16_t;
inline constexpr VbBool kTrue = -1;
inline constexpr VbBool kFalse = 0;

constexpr VbBool ToVbBool(bool value) { return value ? kTrue : kFalse; }

// Nearest integer, a half going to the even neighbour.
inline std::int32_t Round(double x) {
    double nearest = std::round(x);
    if (std::fabs(x - std::trunc(x)) == 0.5) nearest = 2.0 * std::round(x / 2.0);
    return static_cast<std::int32_t>(nearest);
}

// Largest integer not above x.
inline std::int32_t Int(double x) { return static_cast<std::int32_t>(std::floor(x)); }

// Leading decimal number of a text: optional sign, digits, optional fraction;
// 0 when the text does not start with one. Leading spaces are skipped.
double LeadingNumber(QStringView text);

}  // namespace platform
