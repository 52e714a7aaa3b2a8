#include "courses/HoleString.h"

namespace courses {

bool StartsWithParDigit(const QString& hole) {
    return !hole.isEmpty() && hole.front() >= u'0' && hole.front() <= u'9';
}

int ParOf(const QString& hole) {
    return StartsWithParDigit(hole) ? hole.front().unicode() - u'0' : 0;
}

bool HasTooManyCells(const QString& hole) { return hole.size() - 1 > kMostCells; }

}  // namespace courses
