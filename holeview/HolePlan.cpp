#include "holeview/HolePlan.h"

#include <algorithm>
#include <array>

#include "holeview/FieldGeometry.h"
#include "platform/Numeric.h"

namespace holeview {
namespace {

using Kind = Placement::Kind;
using Palette = std::array<QRgb, 5>;

const Palette kBunkerColors = {qRgb(180, 100, 0), qRgb(200, 120, 0), qRgb(255, 128, 0),
                               qRgb(200, 120, 0), qRgb(180, 100, 0)};
const Palette kWaterColors = {qRgb(0, 0, 255), qRgb(0, 0, 220), qRgb(0, 0, 200), qRgb(0, 0, 220),
                              qRgb(0, 0, 255)};
// Less than a pixel: a hazard shows as one pixel row on the ground line.
constexpr double kHazardHeight = 10;

platform::Box MakeBox(double x1, double y1, double x2, double y2, QRgb color) {
    return {QRectF(QPointF(x1, y1), QPointF(x2, y2)), color};
}

void Add(HolePlan& plan, const Placement& placement, std::vector<Placement>& list) {
    plan.placements.push_back(placement);
    list.push_back(placement);
}

}  // namespace

std::int32_t CellWidth(std::int32_t screenWidth) {
    return platform::RoundHalfEven(screenWidth / 100.0);
}

HolePlan PlanHole(QStringView cells, std::int32_t cellWidth, courses::TreeCycle& trees) {
    HolePlan plan;
    const int n = static_cast<int>(cells.size());
    const auto at = [cells, n](int position) {
        return position <= n ? cells[position - 1] : QChar();
    };
    for (int i = 1; i <= n; ++i) {
        const QChar c = at(i);
        const int start = i;
        // A run leaves i on the cell after it, which the loop then steps over.
        if (c == u'B' || c == u'W') {
            while (at(i) == c) ++i;
        }
        const int length = i - start;
        switch (c.unicode()) {
            case u'T':
                plan.teeX = (i - 1) * cellWidth;
                plan.placements.push_back({Kind::Tee, double(*plan.teeX)});
                break;
            case u'P':
                plan.cupX = i * cellWidth;
                plan.placements.push_back({Kind::Cup, double(*plan.cupX)});
                break;
            case u'K': {
                const courses::TreeStep step = courses::NextTreeStep(trees);
                Add(plan,
                    {Kind::Tree, double(i * cellWidth), cellWidth / 10.0 * step.width,
                     double(step.height * 20 + 50)},
                    plan.trees);
                break;
            }
            case u'B':
                Add(plan,
                    {Kind::Bunker, double(cellWidth * start), double(cellWidth * length),
                     kHazardHeight},
                    plan.bunkers);
                break;
            case u'W':
                Add(plan,
                    {Kind::Water, double(cellWidth * start), double(cellWidth * length),
                     kHazardHeight},
                    plan.waters);
                break;
            case u'E':
                return plan;
        }
    }
    return plan;
}

std::vector<platform::Box> ObstaclePicture(const Placement& obstacle) {
    const double w = obstacle.width;
    const double h = obstacle.height;
    switch (obstacle.kind) {
        case Kind::Tree:
            return {MakeBox(0, 0, w / 3, h, qRgb(0, 236, 0)),
                    MakeBox(w / 3, 0, 2 * w / 3, h, qRgb(0, 196, 0)),
                    MakeBox(2 * w / 3, 0, w, h, qRgb(0, 128, 0))};
        case Kind::Bunker:
        case Kind::Water: {
            const Palette& colors = obstacle.kind == Kind::Bunker ? kBunkerColors : kWaterColors;
            std::vector<platform::Box> boxes;
            for (int k = 0; k < 5; ++k) {
                boxes.push_back(MakeBox(k * w / 5, 0, (k + 1) * w / 5, 0, colors[k]));
            }
            return boxes;
        }
        default:
            return {};
    }
}

std::vector<platform::Box> StripMarks(const Placement& placement) {
    if (placement.kind == Kind::Cup) {
        // Worked out in single precision, as the green always was.
        const float cupX = static_cast<float>(placement.left);
        const float w = static_cast<float>(kBallSize);
        return {MakeBox(cupX - 3 * w, 0, cupX + 3 * w, 5, qRgb(0, 222, 0)),
                MakeBox(cupX - w / 2, 0, cupX + w / 2, 20, qRgb(0, 0, 0))};
    }
    if (placement.kind == Kind::Water) {
        return {MakeBox(placement.left, 0, placement.left + placement.width, kStripHeight * 0.1,
                        qRgb(0, 0, 255))};
    }
    return {};
}

int MostObstacleWindows(const courses::CourseRows& rows) {
    int most = 0;
    for (const QString& row : rows) {
        int windows = 0;
        for (qsizetype i = 1; i < row.size(); ++i) {
            const QChar c = row[i];
            if (c == u'K' || ((c == u'B' || c == u'W') && row[i - 1] != c)) ++windows;
            if (c == u'E') break;
        }
        most = std::max(most, windows);
    }
    return most;
}

}  // namespace holeview
