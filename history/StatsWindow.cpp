#include "history/StatsWindow.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChartView>
#include <QComboBox>
#include <QGridLayout>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "platform/FixedDialog.h"
#include "platform/Screen.h"
#include "platform/Twips.h"

namespace history {
namespace {

const QColor kLineColour(0x1f, 0x6f, 0xb4);
const QColor kBarColour(0x2e, 0x8b, 0x57);
// Points are drawn while each round still stands apart on the line.
constexpr int kMostRoundsWithPoints = 40;

QLabel* NewFigure(const QString& name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QChart* NewChart(const QString& title, const QFont& font) {
    auto* chart = new QChart;
    chart->setTitle(title);
    QFont titleFont = font;
    titleFont.setBold(true);
    chart->setTitleFont(titleFont);
    chart->legend()->hide();
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setMargins(QMargins(4, 4, 4, 4));
    return chart;
}

QChartView* NewChartView(QChart* chart) {
    auto* view = new QChartView(chart);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumHeight(200);
    return view;
}

// Takes the axes and series of the course shown before.
void Clear(QChart* chart) {
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
}

void Attach(QChart* chart, QAbstractSeries* series, QAbstractAxis* x, QAbstractAxis* y,
            const QFont& font) {
    chart->addSeries(series);
    for (auto [axis, side] : {std::pair{x, Qt::AlignBottom}, {y, Qt::AlignLeft}}) {
        axis->setLabelsFont(font);
        axis->setTitleFont(font);
        chart->addAxis(axis, side);
        series->attachAxis(axis);
    }
}

// 1, 2 or 5 times a power of ten: the smallest step that cuts the span into
// at most that many.
double NiceStep(double span, int mostSteps) {
    double power = std::pow(10.0, std::floor(std::log10(std::max(span, 0.1) / mostSteps)));
    for (;; power *= 10) {
        for (double factor : {1.0, 2.0, 5.0}) {
            if (span / (factor * power) <= mostSteps) return factor * power;
        }
    }
}

// Ticks at multiples of the step.
QValueAxis* NewAxis(const QString& title, const QString& format, double from, double to,
                    double step) {
    auto* axis = new QValueAxis;
    axis->setTitleText(title);
    axis->setLabelFormat(format);
    axis->setRange(from, to);
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(0);
    axis->setTickInterval(step);
    return axis;
}

// Whole steps around the values, par (0) always inside; a value on an end
// of the range gets a step of room, so its point is not cut by the frame.
QValueAxis* AgainstParAxis(double lowest, double highest) {
    const double low = std::min(lowest, 0.0);
    const double high = std::max(highest, 0.0);
    const double step = std::max(1.0, NiceStep(high - low, 6));
    double from = std::floor(low / step) * step;
    double to = std::ceil(high / step) * step;
    if (from == lowest) from -= step;
    if (to == highest) to += step;
    return NewAxis(QStringLiteral("パーとの差"), QStringLiteral("%+d"), from, to, step);
}

// Bars stand on par; the range holds the tallest of either side.
QValueAxis* MeanOverParAxis(double lowest, double highest) {
    const double low = std::min(lowest, 0.0);
    const double high = std::max(highest, 0.0);
    const double step = NiceStep(std::max(high - low, 0.5), 5);
    return NewAxis(QStringLiteral("パーとの差"), QStringLiteral("%+.1f"),
                   std::floor(low / step) * step, std::ceil(high / step) * step, step);
}

}  // namespace

StatsWindow::StatsWindow(std::vector<CourseSummary> courses, int gameWidthTwips,
                         const QString& problem)
    : courses_(std::move(courses)), gameWidthTwips_(gameWidthTwips) {
    setWindowTitle(QStringLiteral("Quorvane 成績"));
    setWindowFlags(platform::kFixedDialogFlags);
    setFont(QFont(QStringLiteral("ＭＳ Ｐゴシック"), 10));
    closeButton_ = new QPushButton(QStringLiteral("閉じる"), this);
    closeButton_->setDefault(true);
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::accept);
    if (courses_.empty()) {
        BuildEmpty(problem);
    } else {
        BuildCourses();
        ShowCourse(static_cast<int>(CourseOfNewestRound(courses_)));
    }
}

void StatsWindow::BuildEmpty(const QString& problem) {
    auto* layout = new QVBoxLayout(this);
    const QString welcomeText = QStringLiteral(
        "まだ成績がありません。\n\n"
        "18ホールを回り終えるたびに、ここにスコアの移り変わりと\n"
        "ホールごとの得意・不得意が表示されます。");
    auto* welcome = new QLabel(problem.isEmpty() ? welcomeText : problem, this);
    welcome->setWordWrap(!problem.isEmpty());
    welcome->setObjectName(QStringLiteral("welcome"));
    welcome->setMargin(16);
    auto* picture = new QLabel(this);
    picture->setPixmap(windowIcon().pixmap(32, 32));
    auto* message = new QHBoxLayout;
    message->addWidget(picture, 0, Qt::AlignTop);
    message->addWidget(welcome, 1);
    layout->addLayout(message);
    layout->addWidget(closeButton_, 0, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void StatsWindow::BuildCourses() {
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("コース"), this));
    courseChoice_ = new QComboBox(this);
    for (const CourseSummary& course : courses_) courseChoice_->addItem(course.label);
    top->addWidget(courseChoice_);
    top->addStretch();
    layout->addLayout(top);

    auto* figures = new QGridLayout;
    const QString names[2][3] = {
        {QStringLiteral("rounds"), QStringLiteral("best"), QStringLiteral("average")},
        {QStringLiteral("water"), QStringLiteral("bunkers"), QStringLiteral("trees")}};
    const QString captions[2][3] = {
        {QStringLiteral("ラウンド数"), QStringLiteral("ベスト"), QStringLiteral("平均")},
        {QStringLiteral("池"), QStringLiteral("バンカー"), QStringLiteral("木")}};
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < 3; ++column) {
            figures->addWidget(new QLabel(captions[row][column], this), row, column * 2);
            figures->addWidget(NewFigure(names[row][column], this), row, column * 2 + 1);
        }
    }
    figures->setColumnStretch(6, 1);
    auto* recentCaption = new QLabel(QStringLiteral("最近のラウンド"), this);
    figures->addWidget(recentCaption, 0, 7, Qt::AlignTop);
    figures->addWidget(NewFigure(QStringLiteral("recent"), this), 0, 8, 3, 1, Qt::AlignTop);
    layout->addLayout(figures);

    trendChart_ = NewChart(QStringLiteral("ラウンドごとのスコア（パーとの差）"), font());
    holeChart_ = NewChart(QStringLiteral("ホールごとの平均（パーとの差）"), font());
    layout->addWidget(NewChartView(trendChart_), 1);
    layout->addWidget(NewChartView(holeChart_), 1);

    auto* buttons = new QHBoxLayout;
    exportButton_ = new QPushButton(QStringLiteral("CSVに書き出す..."), this);
    exportButton_->setAutoDefault(false);
    buttons->addWidget(exportButton_);
    buttons->addStretch();
    buttons->addWidget(closeButton_);
    layout->addLayout(buttons);

    connect(courseChoice_, &QComboBox::currentIndexChanged, this, &StatsWindow::ShowCourse);
    connect(exportButton_, &QPushButton::clicked, this,
            [this] { emit exportRequested(ShownCourse()); });
    // The charts grow with the window, up to the whole screen.
    setWindowFlags((platform::kFixedDialogFlags & ~Qt::MSWindowsFixedSizeDialogHint) |
                   Qt::WindowMaximizeButtonHint);
    resize(760, 660);
}

int StatsWindow::ShownCourse() const { return courseChoice_ ? courseChoice_->currentIndex() : -1; }

QString StatsWindow::Figure(const QString& name) const {
    const auto* label = findChild<QLabel*>(name);
    return label ? label->text() : QString();
}

void StatsWindow::ShowCourse(int index) {
    if (index < 0 || index >= static_cast<int>(courses_.size())) return;
    const CourseSummary& course = courses_[static_cast<std::size_t>(index)];
    if (courseChoice_->currentIndex() != index) courseChoice_->setCurrentIndex(index);
    const auto set = [this](const QString& name, const QString& text) {
        findChild<QLabel*>(name)->setText(text);
    };
    set(QStringLiteral("rounds"), QString::number(course.rounds));
    set(QStringLiteral("best"), AgainstParText(course.best));
    set(QStringLiteral("average"), AverageText(course.average));
    set(QStringLiteral("water"), QStringLiteral("%1回").arg(course.waterPenalties));
    set(QStringLiteral("bunkers"), QStringLiteral("%1回").arg(course.bunkerShots));
    set(QStringLiteral("trees"), QStringLiteral("%1回").arg(course.treeHits));
    QStringList recent;
    for (const RecentRound& round : course.recent) {
        recent << QStringLiteral("%1　%2打（%3）")
                      .arg(PlayedText(round.playedAt))
                      .arg(round.strokes)
                      .arg(AgainstParText(round.againstPar));
    }
    set(QStringLiteral("recent"), recent.join(u'\n'));
    DrawTrend(course);
    DrawHoles(course);
}

void StatsWindow::DrawTrend(const CourseSummary& course) {
    Clear(trendChart_);
    QList<QPointF> points;
    points.reserve(static_cast<qsizetype>(course.againstPar.size()));
    for (std::size_t i = 0; i < course.againstPar.size(); ++i) {
        points.append(QPointF(double(i + 1), course.againstPar[i]));
    }
    auto* line = new QLineSeries;
    line->replace(points);
    line->setColor(kLineColour);
    line->setPointsVisible(course.rounds <= kMostRoundsWithPoints);
    line->setMarkerSize(7);
    const auto [low, high] =
        std::minmax_element(course.againstPar.begin(), course.againstPar.end());
    // Half a round of room on either side keeps the first and the last point
    // off the frame.
    const double roundStep = std::max(1.0, NiceStep(course.rounds, 8));
    Attach(trendChart_, line,
           NewAxis(QStringLiteral("ラウンド"), QStringLiteral("%d"), 0.5, course.rounds + 0.5,
                   roundStep),
           AgainstParAxis(*low, *high), font());
}

void StatsWindow::DrawHoles(const CourseSummary& course) {
    Clear(holeChart_);
    auto* averages = new QBarSet(QStringLiteral("平均"));
    QStringList holes;
    for (std::size_t i = 0; i < course.holeOverPar.size(); ++i) {
        averages->append(course.holeOverPar[i]);
        holes << QString::number(i + 1);
    }
    averages->setColor(kBarColour);
    averages->setBorderColor(kBarColour);
    auto* bars = new QBarSeries;
    bars->append(averages);
    auto* holeAxis = new QBarCategoryAxis;
    holeAxis->setTitleText(QStringLiteral("ホール"));
    holeAxis->append(holes);
    const auto [low, high] =
        std::minmax_element(course.holeOverPar.begin(), course.holeOverPar.end());
    Attach(holeChart_, bars, holeAxis, MeanOverParAxis(*low, *high), font());
}

// Centred on the width the game uses.
void StatsWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    const QSizeF outer = platform::OuterSizeTwips(this);
    platform::MoveWindowTwips(this, qRound((gameWidthTwips_ - outer.width()) / 2),
                              qRound((platform::ScreenHeightTwips() - outer.height()) / 2));
}

}  // namespace history
