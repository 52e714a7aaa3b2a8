#include "settings/StartDialog.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>

#include "courses/CourseSets.h"
#include "courses/UserCourseFile.h"
#include "platform/FixedDialog.h"
#include "platform/Messages.h"
#include "platform/Numeric.h"
#include "platform/Screen.h"
#include "platform/TextFit.h"
#include "platform/Twips.h"
#include "settings/SettingsDialog.h"

namespace settings {
namespace {

constexpr int kClientWidth = 3510;
constexpr int kClientHeight = 1680;

QPushButton* NewButton(const QString& caption, int top, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    platform::PlaceControl(button, 2610, top, 795, 345);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

StartDialog::StartDialog(Settings& settings, const QPixmap& icon) : settings_(settings) {
    setWindowTitle(QStringLiteral("Quorvane"));
    setWindowFlags(platform::kFixedDialogFlags);
    setFont(QFont(QStringLiteral("ＭＳ Ｐゴシック"), 9));
    platform::SetClientSizeTwips(this, kClientWidth, kClientHeight);

    okButton_ = NewButton(QStringLiteral("OK"), 90, this);
    okButton_->setDefault(true);
    settingsButton_ = NewButton(QStringLiteral("設定..."), 480, this);
    statisticsButton_ = NewButton(QStringLiteral("成績..."), 885, this);
    quitButton_ = NewButton(QStringLiteral("終了"), 1290, this);

    const int places[3][4] = {
        {1050, 195, 1200, 180}, {1050, 540, 1395, 180}, {1065, 915, 1395, 180}};
    courseGroup_ = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i) {
        courseButtons_[i] = new QRadioButton(courses::CourseSetCaption(i), this);
        platform::PlaceControl(courseButtons_[i], places[i][0], places[i][1], places[i][2],
                               places[i][3]);
        courseGroup_->addButton(courseButtons_[i], i);
    }
    // The custom course needs its file; what is in it is only looked at on OK.
    courseButtons_[2]->setEnabled(courses::UserCourseFileExists());
    courseButtons_[settings_.courseSet]->setChecked(true);

    // Under the course choice: a course of one's own is made here.
    editButton_ = new QPushButton(QStringLiteral("コース作成..."), this);
    platform::PlaceControl(editButton_, 1050, 1215, 1395, 345);
    editButton_->setAutoDefault(false);

    auto* picture = new QLabel(this);
    platform::PlaceControl(picture, 285, 435, 480, 480);
    picture->setPixmap(icon);
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    platform::ShrinkTextsToFit(this);

    setTabOrder(okButton_, settingsButton_);
    setTabOrder(settingsButton_, statisticsButton_);
    setTabOrder(statisticsButton_, quitButton_);
    setTabOrder(quitButton_, courseButtons_[0]);
    setTabOrder(courseButtons_[0], editButton_);

    connect(courseGroup_, &QButtonGroup::idToggled, this, [this](int courseSet, bool checked) {
        if (checked) settings_.courseSet = courseSet;
    });
    connect(okButton_, &QPushButton::clicked, this, &StartDialog::Start);
    connect(quitButton_, &QPushButton::clicked, this, &QDialog::reject);
    connect(statisticsButton_, &QPushButton::clicked, this, &StartDialog::statisticsRequested);
    connect(editButton_, &QPushButton::clicked, this, [this] { done(kEditCourse); });
    connect(settingsButton_, &QPushButton::clicked, this, [this] {
        SettingsDialog dialog(settings_);
        dialog.exec();
    });
}

// A custom course that cannot be played is refused here, while the player
// can still choose another.
void StartDialog::Start() {
    if (settings_.courseSet == 2) {
        const courses::CourseLoad course = courses::ReadUserCourseFile();
        if (!course.rows) {
            platform::ShowMessage(course.problem, QStringLiteral("Quorvane"));
            return;
        }
    }
    accept();
}

void StartDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    PlaceOnGameWidth();
}

// Centred on the width the game uses, which may be narrower than the screen.
void StartDialog::PlaceOnGameWidth() {
    const QSizeF outer = platform::OuterSizeTwips(this);
    const int left = platform::RoundHalfEven(settings_.screenWidth - outer.width()) / 2;
    const int top = platform::RoundHalfEven(platform::ScreenHeightTwips() - outer.height()) / 2;
    platform::MoveWindowTwips(this, left, top);
}

}  // namespace settings
