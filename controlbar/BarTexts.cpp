#include "controlbar/BarTexts.h"

#include "courses/CourseSets.h"

namespace controlbar {

QString StrokeText(int strokeCount) {
    return QString::number(strokeCount + 1).rightJustified(3, QLatin1Char('0'));
}

QString HoleText(int courseSet, int hole, int par) {
    return courses::CourseSetCode(courseSet) + QString::number(hole).rightJustified(2, u'0') +
           QStringLiteral(" (") + QString::number(par) + QStringLiteral(") : ");
}

QString WindText(int windDirection, int windStrength) {
    if (windStrength <= 0) return QString();
    return QString(windStrength, windDirection == 1 ? QLatin1Char('<') : QLatin1Char('>'));
}

}  // namespace controlbar
