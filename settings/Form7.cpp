#include "settings/Form7.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>

#include "courses/Courses.h"
#include "courses/UserCourseFile.h"
#include "platform/Numeric.h"
#include "platform/Program.h"
#include "platform/Screen.h"
#include "platform/Windows.h"
#include "settings/Decoding.h"
#include "settings/Profile.h"
#include "settings/SettingsState.h"

namespace settings {
namespace {

constexpr int kClientWidth = 3510;
constexpr int kClientHeight = 1680;

bool UserCourseFileExists() { return platform::FileExists(platform::UserCourseFilePath()); }

}  // namespace

Form7::Form7(const QIcon& icon) {
    setWindowTitle(QStringLiteral("Quorvane"));
    setWindowIcon(icon);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    platform::SetClientSizeTwips(this, kClientWidth, kClientHeight);

    command1_ = new QPushButton(QStringLiteral("OK"), this);
    platform::PlaceControl(command1_, 2610, 90, 795, 345);
    command3_ = new QPushButton(QStringLiteral("設定..."), this);
    platform::PlaceControl(command3_, 2610, 480, 795, 345);
    command2_ = new QPushButton(QStringLiteral("終了"), this);
    platform::PlaceControl(command2_, 2610, 885, 795, 345);
    command1_->setDefault(true);
    command1_->setAutoDefault(true);
    command3_->setAutoDefault(false);
    command2_->setAutoDefault(false);

    const int positions[3][4] = {
        {1050, 195, 1200, 180}, {1050, 540, 1395, 180}, {1065, 915, 1395, 180}};
    optionGroup_ = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i) {
        option1_[i] = new QRadioButton(courses::CourseSetCaption(i), this);
        platform::PlaceControl(option1_[i], positions[i][0], positions[i][1], positions[i][2],
                               positions[i][3]);
        optionGroup_->addButton(option1_[i], i);
    }
    option1_[2]->setEnabled(false);

    image1_ = new QLabel(this);
    platform::PlaceControl(image1_, 285, 435, 480, 480);
    image1_->setPixmap(icon.pixmap(32, 32));
    image1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    setTabOrder(command1_, command3_);
    setTabOrder(command3_, command2_);
    setTabOrder(command2_, option1_[0]);

    connect(optionGroup_, &QButtonGroup::idToggled, this, [](int index, bool checked) {
        if (checked) state.courseSet = index;
    });
    connect(command1_, &QPushButton::clicked, this, &Form7::AcceptStart);
    connect(command2_, &QPushButton::clicked, this, &Form7::LeaveStart);

    Load();
}

void Form7::Load() {
    ApplyStoredSettings();
    const QString course = ReadSetting(QStringLiteral("Setting"), QStringLiteral("Course"));
    if (UserCourseFileExists()) option1_[2]->setEnabled(true);
    PreselectCourse(course);
}

void Form7::PreselectCourse(const QString& code) {
    int index = 0;
    if (code == QLatin1String("@")) index = 1;
    if (code == QLatin1String("*") && UserCourseFileExists()) index = 2;
    option1_[index]->setChecked(true);
    state.courseSet = index;
}

void Form7::AcceptStart() {
    if (state.courseSet == 2) {
        const courses::UserCourse course = courses::ReadUserCourseFile();
        if (!course.rows) {
            platform::MsgBox(course.problem, QStringLiteral("Quorvane"));
            return;
        }
    }
    state.startAccepted = platform::kTrue;
    accept();
}

void Form7::LeaveStart() {
    state.startAccepted = platform::kFalse;
    reject();
}

void Form7::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    PlaceOnGameWidth();
}

void Form7::PlaceOnGameWidth() {
    const QSizeF outer = platform::OuterSizeTwips(this);
    const int left = platform::Round(state.screenWidth - outer.width()) / 2;
    const int top = platform::Round(platform::ScreenHeightTwips() - outer.height()) / 2;
    platform::MoveWindowTwips(this, left, top);
}

}  // namespace settings
