#include "editor/HoleEdits.h"

#include <algorithm>

#include "courses/HoleString.h"
#include "holeview/HolePlan.h"
#include "platform/Numeric.h"

namespace editor {
namespace {

int Clamped(int cell) { return std::clamp(cell, 1, static_cast<int>(courses::kMostCells)); }

struct ToolFacts {
    char16_t letter;
    const char16_t* name;
};

// In the order of Tool.
constexpr ToolFacts kToolFacts[] = {{u'_', u"フェアウェイ"}, {u'T', u"ティー"}, {u'P', u"ピン"},
                                    {u'B', u"バンカー"},     {u'W', u"池"},     {u'K', u"木"},
                                    {u'E', u"終わり"}};

}  // namespace

QChar LetterOf(Tool tool) { return kToolFacts[static_cast<std::size_t>(tool)].letter; }

QString NameOf(Tool tool) {
    return QString::fromUtf16(kToolFacts[static_cast<std::size_t>(tool)].name);
}

QString NewHoleRow() { return QStringLiteral("4T") + QString(78, u'_') + u'P' + QString(20, u'_'); }

QString Painted(const QString& row, Tool tool, int from, int to) {
    from = Clamped(from);
    to = Clamped(to);
    const QChar letter = LetterOf(tool);
    QString cells = row.mid(1);
    const int last = std::max(from, to);
    if (cells.size() < last) cells += QString(last - cells.size(), u'_');
    if (tool == Tool::Tee || tool == Tool::Pin) {
        cells.replace(letter, u'_');
        cells[to - 1] = letter;
    } else {
        for (int cell = std::min(from, to); cell <= last; ++cell) cells[cell - 1] = letter;
    }
    return row.left(1) + cells;
}

QString WithPar(const QString& row, int par) {
    return QString::number(std::clamp(par, 1, 9)) + row.mid(1);
}

QString WithLength(const QString& row, int cells) {
    cells = Clamped(cells);
    QString shortened = row.left(cells + 1);
    return shortened + QString(cells + 1 - shortened.size(), u'_');
}

int LengthOf(const QString& row) { return std::max(0, static_cast<int>(row.size()) - 1); }

int LastLaidOutCell(const QString& row) {
    const qsizetype end = row.indexOf(u'E', 1);
    return end < 0 ? LengthOf(row) : static_cast<int>(end) - 1;
}

int ColumnAt(double xTwips, std::int32_t cellWidth) {
    if (cellWidth <= 0) return 0;
    return std::clamp(platform::Floor(xTwips / cellWidth), 0, kColumns - 1);
}

int CellAt(int column, Tool tool) { return tool == Tool::Tee ? column + 1 : std::max(1, column); }

courses::TreeCycle TreesBefore(const courses::CourseRows& rows, int hole) {
    courses::TreeCycle trees;
    for (int before = 1; before < hole; ++before) {
        holeview::PlanHole(QStringView(rows[static_cast<std::size_t>(before - 1)]).mid(1), 1,
                           trees);
    }
    return trees;
}

}  // namespace editor
