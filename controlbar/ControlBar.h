#pragma once

#include <QString>
#include <QWidget>

namespace platform {
class ColorBox;
class StripedBox;
}  // namespace platform

class QLabel;

namespace controlbar {

class ShotButton;

// What the bar shows for one stroke.
struct BarContent {
    QString holeText;    // "#01 (4) : "
    QString strokeText;  // "001"
    QString windText;    // ">>>"
    int widthTwips;
    bool alwaysTop;
};

// The control bar: hole, stroke and wind, the two gauges, and the button
// through which the player makes the shot. It shows what it is given and
// reports the presses; the stroke itself is run by the game.
class ControlBar : public QWidget {
    Q_OBJECT
public:
    explicit ControlBar(const BarContent& content);

    // Above the ball; centred on the game's width when locked, else starting
    // at the ball but never past the right edge.
    void PlaceAbove(double ballLeft, double ballTop, int screenWidth, bool ctlLock);
    // Shows the bar. With the player at another program it shows without
    // taking the keyboard, its lamp black, until the player clicks it.
    void Open(bool takeFocus);
    // Takes the keyboard, as when the player clicks the bar.
    void Activate();
    void ShowLevels(float power, float loft);
    float PowerShown() const { return powerShown_; }
    float LoftShown() const { return loftShown_; }

signals:
    void pressed();
    void menuRequested(QPoint globalPos, bool shiftAlone);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls(const BarContent& content);
    void KeepOnTop();

    bool alwaysTop_;
    bool raisePending_ = false;
    float powerShown_ = 0;
    float loftShown_ = 0;
    QWidget* client_ = nullptr;  // the area inside the thin border
    platform::ColorBox* activityLamp_ = nullptr;
    QLabel* holeLabel_ = nullptr;
    QLabel* strokeLabel_ = nullptr;
    platform::StripedBox* powerGauge_ = nullptr;
    platform::StripedBox* loftGauge_ = nullptr;
    ShotButton* shotButton_ = nullptr;
    QLabel* windLabel_ = nullptr;
};

}  // namespace controlbar
