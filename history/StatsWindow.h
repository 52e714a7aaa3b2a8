#pragma once

#include <QDialog>
#include <vector>

#include "history/Summary.h"

class QChart;
class QComboBox;
class QLabel;
class QPushButton;

namespace history {

// The statistics window 成績. For the course chosen: its figures and last
// rounds, every round's total against par as a line, and the mean of each
// hole over par as bars. With nothing kept yet, a word on how to begin.
class StatsWindow : public QDialog {
    Q_OBJECT
public:
    // Opens on the course played last, centred on the width the game uses.
    // Without a course, the problem that kept the rounds from being read
    // takes the place of the welcome.
    StatsWindow(std::vector<CourseSummary> courses, int gameWidthTwips,
                const QString& problem = QString());

    int ShownCourse() const;
    QComboBox* CourseChoice() const { return courseChoice_; }
    QPushButton* ExportButton() const { return exportButton_; }
    QPushButton* CloseButton() const { return closeButton_; }
    QChart* TrendChart() const { return trendChart_; }
    QChart* HoleChart() const { return holeChart_; }
    // The figure shown under the name: "rounds", "best", "average", "water",
    // "bunkers", "trees", "recent", or "welcome" when there is no course.
    QString Figure(const QString& name) const;

signals:
    // The player wants the rounds of the course as CSV.
    void exportRequested(int course);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildEmpty(const QString& problem);
    void BuildCourses();
    void ShowCourse(int course);
    void DrawTrend(const CourseSummary& course);
    void DrawHoles(const CourseSummary& course);

    std::vector<CourseSummary> courses_;
    int gameWidthTwips_;
    QComboBox* courseChoice_ = nullptr;
    QPushButton* exportButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
    QChart* trendChart_ = nullptr;
    QChart* holeChart_ = nullptr;
};

}  // namespace history
