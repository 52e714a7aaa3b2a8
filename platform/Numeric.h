#pragma once
// Number conventions shared by every subsystem: positions and counts are
// rounded half to even, and the stored settings read their leading number.

#include <cmath>
#include <cstdint>

#include <QStringView>

namespace platform {

// Nearest integer, a half going to the even neighbour (2.5 gives 2, 3.5 gives 4).
inline std::int32_t RoundHalfEven(double x) {
    double nearest = std::round(x);
    if (std::fabs(x - std::trunc(x)) == 0.5) nearest = 2.0 * std::round(x / 2.0);
    return static_cast<std::int32_t>(nearest);
}

// Largest integer not above x.
inline std::int32_t Floor(double x) { return static_cast<std::int32_t>(std::floor(x)); }

// Leading decimal number of a text: optional sign, digits, optional fraction;
// 0 when the text does not start with one. Leading spaces are skipped.
double LeadingNumber(QStringView text);

}  // namespace platform
