#pragma once

#include <QDialog>

class QButtonGroup;
class QLabel;
class QPushButton;
class QRadioButton;

namespace settings {

// The start dialog: choose the course set, open the settings, start or leave.
class Form7 : public QDialog {
    Q_OBJECT
public:
    explicit Form7(const QIcon& icon);

    QRadioButton* Option1(int index) const { return option1_[index]; }
    QPushButton* Command1() const { return command1_; }
    QPushButton* Command2() const { return command2_; }
    QPushButton* Command3() const { return command3_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Load();
    void PreselectCourse(const QString& code);
    void AcceptStart();
    void LeaveStart();
    void PlaceOnGameWidth();

    QRadioButton* option1_[3];
    QButtonGroup* optionGroup_;
    QPushButton* command1_;
    QPushButton* command2_;
    QPushButton* command3_;
    QLabel* image1_;
};

}  // namespace settings
