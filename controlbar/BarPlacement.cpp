#include "controlbar/BarPlacement.h"

#include "platform/Numeric.h"

namespace controlbar {

int BarWidthTwips(int courseSet) { return courseSet == 0 ? 2150 : 2720; }

QPoint BarPosition(const BarPlacementInput& in) {
    using platform::Round;
    const int top = Round(in.ballTop - 2 * in.barHeight);
    if (in.ctlLock) return {Round(in.screenWidth - in.barWidth) / 2, top};
    if (in.ballLeft + in.barWidth > in.screenWidth) {
        return {Round(in.screenWidth - in.barWidth), top};
    }
    return {Round(in.ballLeft), top};
}

}  // namespace controlbar
