#include "desktop/ClockPlace.h"

#include "platform/Numeric.h"

namespace desktop {

QPoint ClockPlace(const ClockPlaceInput& in) {
    using platform::RoundHalfEven;
    const int width = in.windowSize.width();
    const int height = in.windowSize.height();
    int left = in.gameWidth - width;
    int top = in.workAreaBottom - height;
    if (!in.storedLeft.isEmpty() && !in.storedTop.isEmpty()) {
        left = RoundHalfEven(platform::LeadingNumber(in.storedLeft));
        top = RoundHalfEven(platform::LeadingNumber(in.storedTop));
    }
    if (left < 0) left = 0;
    if (in.gameWidth - width < left) left = in.gameWidth - width;
    if (top < 0) top = 0;
    if (in.screenHeight - height < top) top = in.screenHeight - height;
    return {left, top};
}

}  // namespace desktop
