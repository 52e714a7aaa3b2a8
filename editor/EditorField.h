#pragma once
// The hole being edited, on the strip: laid out by the same plan and windows
// as in play, over the input layer that takes the player's presses.

#include <QRgb>
#include <cstdint>

#include "courses/TreeSteps.h"
#include "editor/StripInput.h"
#include "holeview/BallWindow.h"
#include "holeview/HolePlan.h"
#include "holeview/HoleView.h"

namespace editor {

class EditorField {
public:
    // The ball on the tee shows in the colour of a ball ready for its shot.
    EditorField(std::int32_t groundY, std::int32_t screenWidth, QRgb teeColor);

    // The hole string as play lays it out with these tree sizes; only the
    // windows that changed are touched.
    void ShowHole(const QString& row, const courses::TreeCycle& trees);

    StripInput& Input() { return input_; }
    std::int32_t CellWidth() const { return cellWidth_; }
    const holeview::HolePlan& Plan() const { return plan_; }
    holeview::HoleView& View() { return view_; }
    holeview::BallWindow& Tee() { return tee_; }

private:
    std::int32_t groundY_;
    std::int32_t cellWidth_;
    // Made and shown first, so that every window of the hole stands over it.
    StripInput input_;
    // Out of the window manager's hands: it would raise the input layer over
    // the hole at every click.
    holeview::HoleView view_{true};
    holeview::BallWindow tee_;
    holeview::HolePlan plan_;
};

}  // namespace editor
