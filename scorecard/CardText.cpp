#include "scorecard/CardText.h"

#include "courses/CourseSets.h"
#include "platform/Clock.h"

namespace scorecard {
namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kTab = QStringLiteral("\t");
const QString kNotPlayed = QStringLiteral("-----");
const QString kRule = QStringLiteral("+----+-------+-------+-------+");
const QString kTotalRule = QStringLiteral("+====+=======+=======+=======+");

QString StrokesText(const RoundScores& round, int hole) {
    return round.Played(hole) ? SignedText(round.Strokes(hole)) : kNotPlayed;
}

QString DifferenceText(const RoundScores& round, int hole) {
    return round.Played(hole) ? SignedText(round.Strokes(hole) - round.Par(hole)) : kNotPlayed;
}

QString TotalDifferenceText(const RoundScores& round, const Totals& totals) {
    return round.roundOver ? SignedText(totals.Difference()) : kNotPlayed;
}

// A value wider than the cell widens it rather than losing its leading digits.
QString Cell(const QString& value) {
    return QLatin1Char(' ') + value.rightJustified(5) + QStringLiteral(" |");
}

}  // namespace

QString SignedText(std::int32_t value) {
    if (value > 0) return QLatin1Char('+') + QString::number(value);
    if (value == 0) return QStringLiteral(" 0");
    return QString::number(value);
}

QString CourseLabel(int courseSet) {
    const QString caption = courses::CourseSetCaption(courseSet);
    return caption.isEmpty() ? caption : caption + QStringLiteral("：");
}

QString CardText(const RoundScores& round, int courseSet, const QString& hiScoreEntry) {
    QString text = kRule + kCrLf + QStringLiteral("| No.|  Par  | Score |       |") + kCrLf;
    for (int hole = 1; hole <= kHoles; ++hole) {
        text += kRule + kCrLf;
        text += QStringLiteral("| ") + QString::number(hole).rightJustified(2) +
                QStringLiteral(" |") + Cell(SignedText(round.Par(hole))) +
                Cell(StrokesText(round, hole)) + Cell(DifferenceText(round, hole)) + kCrLf;
    }
    const Totals totals = SumOverAllHoles(round);
    text += kTotalRule + kCrLf;
    text += QStringLiteral("|    |") + Cell(SignedText(totals.par)) +
            Cell(SignedText(totals.strokes)) + Cell(TotalDifferenceText(round, totals)) + kCrLf;
    text += kRule + kCrLf;
    text += CourseLabel(courseSet) + QStringLiteral("HI-SCORE") + kCrLf;
    text += QStringLiteral("   ") + hiScoreEntry;
    return text;
}

QString TabSeparatedText(const RoundScores& round, const QDateTime& when) {
    QString text = platform::DateTimeText(when) + kCrLf;
    text += QStringLiteral("No.\tPar\tScore") + kCrLf;
    for (int hole = 1; hole <= kHoles; ++hole) {
        text += QString::number(hole) + kTab + SignedText(round.Par(hole)) + kTab +
                StrokesText(round, hole) + kTab + DifferenceText(round, hole) + kCrLf;
    }
    const Totals totals = SumOverAllHoles(round);
    text += kTab + SignedText(totals.par) + kTab + SignedText(totals.strokes) + kTab +
            TotalDifferenceText(round, totals) + kCrLf;
    return text;
}

QString ColumnText(const RoundScores& round, int courseSet, const QDateTime& when) {
    QString text = CourseLabel(courseSet) + platform::DateTimeText(when) + kCrLf;
    text += QStringLiteral("Score") + kCrLf;
    for (int hole = 1; hole <= kHoles; ++hole) text += StrokesText(round, hole) + kCrLf;
    text += SignedText(SumOverAllHoles(round).strokes) + kCrLf;
    return text;
}

}  // namespace scorecard
