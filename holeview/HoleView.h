#pragma once
// The hole on the screen: the course strip, the flag and the obstacle windows.

#include <cstdint>
#include <memory>
#include <vector>

#include "holeview/FieldWindows.h"
#include "holeview/HolePlan.h"

namespace holeview {

class HoleView {
public:
    // Kept in front, each window is raised as it is shown.
    explicit HoleView(bool alwaysTop);
    ~HoleView();

    // Takes the previous hole's obstacles off the screen and lays the cleared
    // strip on the ground line across the game's width.
    void Clear(std::int32_t groundY, std::int32_t screenWidth);
    // Paints and places what the plan holds, in cell order, standing on the
    // ground line.
    void Show(const HolePlan& plan, std::int32_t groundY);
    // Brings the hole on the screen to the plan, moving and repainting only
    // the obstacle windows whose placement changed, for a hole edited cell by
    // cell. Without a pin the flag is not shown.
    void ShowChanges(const HolePlan& plan, std::int32_t groundY);
    // Makes sure this many obstacle windows exist, in use or waiting, so later
    // holes need no new ones.
    void ReserveObstacleWindows(int count);

    CourseStrip& Strip() { return strip_; }
    FlagWindow& Flag() { return flag_; }
    // The obstacles of the hole on the screen, in cell order.
    const std::vector<std::unique_ptr<ObstacleWindow>>& Obstacles() const { return inUse_; }
    // Every window of the hole, from bottom to top: strip, obstacles, flag.
    std::vector<platform::GameWindow*> Windows();

private:
    void ShowObstacle(const Placement& obstacle, std::int32_t groundY);
    void ShowCup(const Placement& cup);
    void PlaceObstacle(ObstacleWindow& window, const Placement& obstacle, std::int32_t groundY);
    void PlaceFlag(double cupX);
    std::unique_ptr<ObstacleWindow> TakeObstacleWindow();
    void Raise(QWidget& window);

    bool alwaysTop_;
    CourseStrip strip_;
    FlagWindow flag_;
    std::vector<std::unique_ptr<ObstacleWindow>> inUse_;
    std::vector<Placement> placed_;  // what each window in use shows
    // Blank windows waiting for a later hole: making and showing a window costs
    // far more than moving one that exists.
    std::vector<std::unique_ptr<ObstacleWindow>> parked_;
};

}  // namespace holeview
