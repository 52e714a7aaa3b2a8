#include "settings/GaugeBars.h"

#include "platform/Numeric.h"

namespace settings {

const platform::StripedBox::Stripes kPowerStripes = {qRgb(255, 0, 0), qRgb(255, 255, 255),
                                                     qRgb(255, 0, 0), qRgb(128, 0, 0)};
const platform::StripedBox::Stripes kLoftStripes = {qRgb(0, 255, 0), qRgb(255, 255, 255),
                                                    qRgb(0, 255, 0), qRgb(0, 128, 0)};

int PowerWidthTwips(float level) { return platform::RoundHalfEven(double(level) * 30); }
int LoftWidthTwips(float level) { return platform::RoundHalfEven(double(level) * 18); }

}  // namespace settings
