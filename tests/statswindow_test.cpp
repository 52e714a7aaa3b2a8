// The statistics window shows what it is given: the figures and charts of
// the course chosen, or a welcome when nothing is kept yet.
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QComboBox>
#include <QLineSeries>
#include <QTest>
#include <QValueAxis>

#include "history/StatsWindow.h"

using history::CourseSummary;
using namespace Qt::StringLiterals;

namespace {

CourseSummary Course(int courseSet, std::vector<std::int32_t> againstPar, std::size_t newest) {
    CourseSummary course;
    course.course.courseSet = courseSet;
    course.label = courseSet == 0 ? u"入門コース"_s : u"本格コース"_s;
    course.rounds = int(againstPar.size());
    course.best = *std::min_element(againstPar.begin(), againstPar.end());
    course.againstPar = std::move(againstPar);
    course.holeOverPar[4] = 0.5;
    course.recent = {{QDateTime(QDate(2024, 5, 1), QTime(18, 30)), 75, 3}};
    course.newestRound = newest;
    return course;
}

}  // namespace

class StatsWindowTest : public QObject {
    Q_OBJECT
private slots:
    void opensOnTheCoursePlayedLastAndFollowsTheChoice() {
        history::StatsWindow window({Course(0, {3, 5}, 2), Course(1, {-1, 0, 2}, 4)}, 19200);
        QCOMPARE(window.ShownCourse(), 1);
        QCOMPARE(window.Figure(u"rounds"_s), u"3"_s);
        QCOMPARE(window.Figure(u"best"_s), u"-1"_s);
        QCOMPARE(window.Figure(u"recent"_s), u"2024/05/01 18:30　75打（+3）"_s);
        window.CourseChoice()->setCurrentIndex(0);
        QCOMPARE(window.Figure(u"rounds"_s), u"2"_s);
        QCOMPARE(window.Figure(u"best"_s), u"+3"_s);
        window.CourseChoice()->setCurrentIndex(1);
        const auto* line = qobject_cast<QLineSeries*>(window.TrendChart()->series().value(0));
        QCOMPARE(window.TrendChart()->series().size(), 1);
        QCOMPARE(line->points(), (QList<QPointF>{{1, -1}, {2, 0}, {3, 2}}));
        const auto* bars = qobject_cast<QBarSeries*>(window.HoleChart()->series().value(0));
        QCOMPARE(bars->barSets().value(0)->count(), 18);
        QCOMPARE(bars->barSets().value(0)->at(4), 0.5);
    }

    // Ticks on whole numbers of rounds and strokes, par always in the range,
    // and no point on the frame.
    void axes_data() {
        QTest::addColumn<QList<int>>("againstPar");
        QTest::addColumn<double>("roundStep");
        QTest::addColumn<QList<double>>("againstParAxis");  // from, to, step
        QTest::newRow("one round at par") << QList<int>{0} << 1.0 << QList<double>{-1, 1, 1};
        QTest::newRow("eight rounds") << QList<int>(8, 3) << 1.0 << QList<double>{0, 4, 1};
        QTest::newRow("nine rounds") << QList<int>(9, 7) << 2.0 << QList<double>{0, 8, 2};
        QTest::newRow("over par") << QList<int>{7, 27, 12} << 1.0 << QList<double>{0, 30, 5};
        QTest::newRow("both sides") << QList<int>{-4, 9} << 1.0 << QList<double>{-5, 10, 5};
        QTest::newRow("ten thousand rounds")
            << QList<int>(10000, 12) << 2000.0 << QList<double>{0, 14, 2};
    }
    void axes() {
        QFETCH(QList<int>, againstPar);
        QFETCH(QList<double>, againstParAxis);
        const int rounds = int(againstPar.size());
        history::StatsWindow window(
            {Course(0, std::vector<std::int32_t>(againstPar.begin(), againstPar.end()), 0)}, 19200);
        const auto* roundAxis =
            qobject_cast<QValueAxis*>(window.TrendChart()->axes(Qt::Horizontal).value(0));
        QCOMPARE(roundAxis->min(), 0.5);
        QCOMPARE(roundAxis->max(), rounds + 0.5);
        QTEST(roundAxis->tickInterval(), "roundStep");
        const auto* parAxis =
            qobject_cast<QValueAxis*>(window.TrendChart()->axes(Qt::Vertical).value(0));
        QCOMPARE((QList<double>{parAxis->min(), parAxis->max(), parAxis->tickInterval()}),
                 againstParAxis);
    }

    void withNothingKeptItWelcomes() {
        const history::StatsWindow empty({}, 19200);
        QVERIFY(empty.Figure(u"welcome"_s).startsWith(u"まだ成績がありません。"_s));
        QVERIFY(!empty.ExportButton());
        QVERIFY(!empty.TrendChart());
        const history::StatsWindow unread({}, 19200, u"成績を読めませんでした。"_s);
        QCOMPARE(unread.Figure(u"welcome"_s), u"成績を読めませんでした。"_s);
    }
};

QTEST_MAIN(StatsWindowTest)
#include "statswindow_test.moc"
