#include "editor/HoleWarnings.h"

#include <algorithm>

#include "editor/HoleEdits.h"
#include "holeview/HolePlan.h"

namespace editor {
namespace {

using Kind = holeview::Placement::Kind;

QString TextOf(Warning warning) {
    switch (warning) {
        case Warning::NoTee:
            return QStringLiteral("ティーがありません。");
        case Warning::NoPin:
            return QStringLiteral("ピンがありません。");
        case Warning::TwoTees:
            return QStringLiteral("ティーが2つ以上あります（最後のティーから打ちます）。");
        case Warning::PinBeforeTee:
            return QStringLiteral(
                "ピンがティーのすぐ前にあり、ボールが最初からカップの上にあります。");
        case Warning::WaterToEnd:
            return QStringLiteral(
                "ティーから帯の端まで池で、カップのほかにボールの止まる所がありません。");
    }
    return QString();
}

// Where the shot goes (towards the pin, to the right when there is none)
// nothing lies between the tee and the strip's end but water and the cup.
bool WaterFromTeeToEnd(const holeview::HolePlan& plan, int lastCell) {
    if (!plan.teeX || plan.waters.empty()) return false;
    const int tee = *plan.teeX + 1;
    const int pin = plan.cupX.value_or(0);
    const int step = pin > 0 && pin < tee ? -1 : 1;
    const int end = step > 0 ? lastCell : 1;
    if (tee == end) return false;
    for (int cell = tee + step; cell != end + step; cell += step) {
        const bool inWater = std::any_of(
            plan.waters.begin(), plan.waters.end(), [cell](const holeview::Placement& water) {
                return cell >= water.left && cell < water.left + water.width;
            });
        if (!inWater && cell != pin) return false;
    }
    return true;
}

}  // namespace

QList<Warning> WarningsOf(const QString& row) {
    courses::TreeCycle trees;
    const QStringView cells = QStringView(row).mid(1);
    // At one twip a cell, a tee's x is its cell less one and a pin's its cell.
    const holeview::HolePlan plan = holeview::PlanHole(cells, 1, trees);
    const auto tees =
        std::count_if(plan.placements.begin(), plan.placements.end(),
                      [](const holeview::Placement& p) { return p.kind == Kind::Tee; });
    QList<Warning> warnings;
    if (!plan.teeX) warnings << Warning::NoTee;
    if (!plan.cupX) warnings << Warning::NoPin;
    if (tees > 1) warnings << Warning::TwoTees;
    if (plan.teeX && plan.cupX && *plan.cupX == *plan.teeX) warnings << Warning::PinBeforeTee;
    if (WaterFromTeeToEnd(plan, LastLaidOutCell(row))) warnings << Warning::WaterToEnd;
    return warnings;
}

QString WarningLine(const QList<Warning>& warnings) {
    QString line;
    for (Warning warning : warnings) line += TextOf(warning);
    return line;
}

}  // namespace editor
