#pragma once

#include <QDialog>

namespace desktop {

// The program's name, icon and version, with an OK button.
class AboutWindow : public QDialog {
    Q_OBJECT
public:
    // Centred on the game's width; the version is the application's.
    AboutWindow(const QPixmap& icon, int gameWidthTwips);

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    int gameWidthTwips_;
};

}  // namespace desktop
