#pragma once
// What the power and loft gauges look like, on the control bar and in the
// settings dialog's preview.

#include "platform/Boxes.h"

namespace settings {

// Red for power, green for loft: each a stripe, white, the stripe, a dark line.
extern const platform::StripedBox::Stripes kPowerStripes;
extern const platform::StripedBox::Stripes kLoftStripes;

// A gauge is as wide as its level: 30 twips a unit of power, 18 of loft, so
// both reach 900 twips at the top of their range.
int PowerWidthTwips(float level);
int LoftWidthTwips(float level);

}  // namespace settings
