#pragma once

#include <QDialog>
#include <array>

#include "settings/Settings.h"

class QButtonGroup;
class QPushButton;
class QRadioButton;

namespace settings {

// The first window: choose the course set, change the settings, start or leave.
class StartDialog : public QDialog {
    Q_OBJECT
public:
    // Shows the stored choice; the settings dialog opened from here changes
    // the settings in place.
    StartDialog(Settings& settings, const QPixmap& icon);

    // What exec() gives when the player asks for the course editor.
    static constexpr int kEditCourse = 2;

    QRadioButton* CourseButton(int courseSet) const { return courseButtons_[courseSet]; }
    QPushButton* OkButton() const { return okButton_; }
    QPushButton* QuitButton() const { return quitButton_; }
    QPushButton* EditButton() const { return editButton_; }

signals:
    // "成績..." was pressed; the dialog stays open underneath the window.
    void statisticsRequested();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Start();
    void PlaceOnGameWidth();

    Settings& settings_;
    std::array<QRadioButton*, 3> courseButtons_;
    QButtonGroup* courseGroup_;
    QPushButton* okButton_;
    QPushButton* settingsButton_;
    QPushButton* statisticsButton_;
    QPushButton* quitButton_;
    QPushButton* editButton_;
};

}  // namespace settings
