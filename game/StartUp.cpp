#include "game/StartUp.h"

#include "courses/CourseSets.h"
#include "game/AppIcon.h"
#include "game/RoundHistory.h"
#include "platform/Numeric.h"
#include "platform/Screen.h"
#include "settings/Profile.h"
#include "settings/StartDialog.h"

namespace game {

StartChoice ChooseCourse(settings::Settings& settings, RoundHistory& history) {
    settings::StartDialog dialog(settings, AppIcon().pixmap(32, 32));
    QObject::connect(&dialog, &settings::StartDialog::statisticsRequested, &dialog,
                     [&] { history.ShowStatistics(settings.screenWidth); });
    const int result = dialog.exec();
    if (result == settings::StartDialog::kEditCourse) return StartChoice::EditCourse;
    if (result != QDialog::Accepted) return StartChoice::Leave;
    const QString code = courses::CourseSetCode(settings.courseSet);
    if (!code.isEmpty())
        settings::WriteSetting(QStringLiteral("Setting"), QStringLiteral("Course"), code);
    return StartChoice::Play;
}

int GroundLine() {
    return platform::RoundHalfEven(platform::TwipsPerPixelY() * platform::WorkAreaBottomPx()) - 50;
}

}  // namespace game
