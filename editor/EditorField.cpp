#include "editor/EditorField.h"

#include "desktop/Stacking.h"
#include "holeview/FieldGeometry.h"
#include "holeview/WindowShapes.h"
#include "platform/Numeric.h"

namespace editor {

EditorField::EditorField(std::int32_t groundY, std::int32_t screenWidth, QRgb teeColor)
    : groundY_(groundY), cellWidth_(holeview::CellWidth(screenWidth)) {
    input_.Place(groundY, screenWidth);
    input_.ShowInPlace();
    view_.Clear(groundY, screenWidth);
    desktop::SetTopmost(&view_.Strip(), true);
    tee_.SetBackgroundColor(teeColor);
    holeview::ShapeWindow(tee_, holeview::Shape::Ball);
}

void EditorField::ShowHole(const QString& row, const courses::TreeCycle& trees) {
    courses::TreeCycle cycle = trees;
    plan_ = holeview::PlanHole(QStringView(row).mid(1), cellWidth_, cycle);
    view_.ShowChanges(plan_, groundY_);
    tee_.SetConcealed(!plan_.teeX);
    if (!plan_.teeX) return;
    const bool moved = tee_.Left() != *plan_.teeX || !tee_.isVisible();
    tee_.Move(*plan_.teeX, platform::RoundHalfEven(groundY_ - holeview::kBallSize));
    if (!moved) return;
    tee_.ShowInPlace();
    desktop::SetTopmost(&tee_, true);
}

}  // namespace editor
