#include "controlbar/BarPlacement.h"

#include "platform/Numeric.h"

namespace controlbar {

int BarWidthTwips(int courseSet) { return courseSet == 0 ? 2150 : 2720; }

QPoint BarPosition(const BarPlacementInput& in) {
    using platform::RoundHalfEven;
    const int top = RoundHalfEven(in.ballTop - 2 * in.barHeight);
    if (in.ctlLock) return {RoundHalfEven(in.screenWidth - in.barWidth) / 2, top};
    if (in.ballLeft + in.barWidth > in.screenWidth) {
        return {RoundHalfEven(in.screenWidth - in.barWidth), top};
    }
    return {RoundHalfEven(in.ballLeft), top};
}

}  // namespace controlbar
