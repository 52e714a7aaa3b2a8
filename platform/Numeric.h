#pragma once
// Number conventions shared by every subsystem: positions and counts are
// rounded half to even, and the stored settings read their leading number.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include <QStringView>

namespace platform {

// A whole number as an int, beyond the int's range the nearest end of it: a
// number read from the settings file may be of any size.
inline std::int32_t SaturatedInt(double whole) {
    if (std::isnan(whole)) return 0;
    constexpr double kLeast = std::numeric_limits<std::int32_t>::min();
    constexpr double kMost = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::clamp(whole, kLeast, kMost));
}

// Nearest integer, a half going to the even neighbour (2.5 gives 2, 3.5 gives 4).
inline std::int32_t RoundHalfEven(double x) {
    double nearest = std::round(x);
    if (std::fabs(x - std::trunc(x)) == 0.5) nearest = 2.0 * std::round(x / 2.0);
    return SaturatedInt(nearest);
}

// Largest integer not above x.
inline std::int32_t Floor(double x) { return SaturatedInt(std::floor(x)); }

// Leading decimal number of a text: optional sign, digits, optional fraction;
// 0 when the text does not start with one. Leading spaces are skipped.
double LeadingNumber(QStringView text);

}  // namespace platform
