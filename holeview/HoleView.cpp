#include "holeview/HoleView.h"

#include "desktop/Stacking.h"
#include "holeview/FieldGeometry.h"
#include "holeview/WindowShapes.h"

namespace holeview {
namespace {

using Kind = Placement::Kind;

const QString kSpareTitle = QStringLiteral("Quorvane spare");

QString TitleOf(Kind kind) {
    switch (kind) {
        case Kind::Tree:
            return QStringLiteral("Quorvane tree");
        case Kind::Bunker:
            return QStringLiteral("Quorvane bunker");
        default:
            return QStringLiteral("Quorvane water");
    }
}

void Park(ObstacleWindow& window) {
    window.ClearDrawing();
    window.setWindowTitle(kSpareTitle);
    window.SetConcealed(true);
}

}  // namespace

HoleView::HoleView(bool alwaysTop) : alwaysTop_(alwaysTop) {}

HoleView::~HoleView() = default;

void HoleView::Clear(std::int32_t groundY, std::int32_t screenWidth) {
    for (auto& window : inUse_) {
        Park(*window);
        parked_.push_back(std::move(window));
    }
    inUse_.clear();
    placed_.clear();
    strip_.ClearDrawing();
    strip_.Move(0, groundY, screenWidth, kStripHeight);
    strip_.ShowInPlace();
}

void HoleView::Show(const HolePlan& plan, std::int32_t groundY) {
    for (const Placement& placement : plan.placements) {
        switch (placement.kind) {
            case Kind::Tee:
                break;
            case Kind::Cup:
                ShowCup(placement);
                break;
            default:
                ShowObstacle(placement, groundY);
        }
    }
}

void HoleView::ShowCup(const Placement& cup) {
    for (const platform::Box& mark : StripMarks(cup)) strip_.FillBox(mark);
    PlaceFlag(cup.left);
}

void HoleView::PlaceFlag(double cupX) {
    flag_.Move(flag_.Left(), flag_.Top(), kFlagWidth, kFlagHeight);
    ShapeWindow(flag_, Shape::Flag);
    flag_.Move(cupX, strip_.Top() - flag_.Height());
    flag_.ShowInPlace();
    Raise(flag_);
    Raise(strip_);
}

void HoleView::ShowObstacle(const Placement& obstacle, std::int32_t groundY) {
    inUse_.push_back(TakeObstacleWindow());
    placed_.push_back(obstacle);
    ObstacleWindow& window = *inUse_.back();
    PlaceObstacle(window, obstacle, groundY);
    for (const platform::Box& mark : StripMarks(obstacle)) strip_.FillBox(mark);
    Raise(window);
    window.ShowInPlace();
}

void HoleView::PlaceObstacle(ObstacleWindow& window, const Placement& obstacle,
                             std::int32_t groundY) {
    window.setWindowTitle(TitleOf(obstacle.kind));
    window.Move(obstacle.left, groundY - obstacle.height, obstacle.width, obstacle.height);
    window.ClearDrawing();
    for (const platform::Box& box : ObstaclePicture(obstacle)) window.FillBox(box);
}

void HoleView::ShowChanges(const HolePlan& plan, std::int32_t groundY) {
    std::size_t next = 0;
    strip_.ClearDrawing();
    for (const Placement& placement : plan.placements) {
        for (const platform::Box& mark : StripMarks(placement)) strip_.FillBox(mark);
        if (placement.kind == Kind::Tee || placement.kind == Kind::Cup) continue;
        if (next == inUse_.size()) {
            inUse_.push_back(TakeObstacleWindow());
            placed_.push_back(placement);
            PlaceObstacle(*inUse_.back(), placement, groundY);
            Raise(*inUse_.back());
            inUse_.back()->ShowInPlace();
        } else if (placed_[next] != placement) {
            // Already shown where it stands in the stacking order.
            placed_[next] = placement;
            PlaceObstacle(*inUse_[next], placement, groundY);
        }
        ++next;
    }
    while (inUse_.size() > next) {
        Park(*inUse_.back());
        parked_.push_back(std::move(inUse_.back()));
        inUse_.pop_back();
        placed_.pop_back();
    }
    flag_.SetConcealed(!plan.cupX);
    if (plan.cupX && flag_.Left() != *plan.cupX) PlaceFlag(*plan.cupX);
}

std::unique_ptr<ObstacleWindow> HoleView::TakeObstacleWindow() {
    if (parked_.empty()) return std::make_unique<ObstacleWindow>();
    std::unique_ptr<ObstacleWindow> window = std::move(parked_.back());
    parked_.pop_back();
    window->SetConcealed(false);
    return window;
}

void HoleView::ReserveObstacleWindows(int count) {
    for (std::size_t i = inUse_.size() + parked_.size(); i < static_cast<std::size_t>(count); ++i) {
        auto window = std::make_unique<ObstacleWindow>();
        window->Move(0, 0, 15, 15);
        Park(*window);
        window->ShowInPlace();
        parked_.push_back(std::move(window));
    }
}

std::vector<platform::GameWindow*> HoleView::Windows() {
    std::vector<platform::GameWindow*> windows{&strip_};
    for (auto& window : inUse_) windows.push_back(window.get());
    windows.push_back(&flag_);
    return windows;
}

void HoleView::Raise(QWidget& window) { desktop::SetTopmost(&window, alwaysTop_); }

}  // namespace holeview
