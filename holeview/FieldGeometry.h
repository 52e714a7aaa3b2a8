#pragma once
// Sizes of the field's windows, in twips.

namespace holeview {

inline constexpr double kBallSize = 80;  // the ball window is this wide and high in play
inline constexpr double kStripHeight = 40;
inline constexpr double kFlagWidth = 75;
inline constexpr double kFlagHeight = 150;

}  // namespace holeview
