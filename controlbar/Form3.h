#pragma once

#include <QDialog>
#include <QPointer>
#include <QTimer>

#include "controlbar/Gauges.h"

class QLabel;

namespace controlbar {

class ColorBox;
class GaugeBox;
class ShotButton;

// The control bar: hole, stroke and wind, and the two gauges of every shot.
class Form3 : public QDialog {
    Q_OBJECT
public:
    // True from the moment the bar decided to close: nothing may use it then.
    bool Closing() const { return closing_; }
    Form3();
    const Gauges& GaugeLevels() const { return gauges_; }

public slots:
    // Escape does not close the bar.
    void reject() override {}

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void FillLabels();
    void SizeAndPlace();
    void Press();
    void OnMouseDown(Qt::MouseButton button);
    void RestartHole();
    void RunGaugeLoop();
    bool GaugeStep(const QPointer<Form3>& self);
    void FixShot();
    void ShowLevel(QWidget* gauge, float level, int twipsPerUnit, int top);
    void KeepOnTop();

    QWidget* client_ = nullptr;  // the area inside the thin border
    ColorBox* pKB = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label3 = nullptr;
    QWidget* gaugeArea_ = nullptr;
    GaugeBox* Picture2 = nullptr;
    GaugeBox* Picture3 = nullptr;
    ShotButton* Picture1 = nullptr;
    QLabel* Label1 = nullptr;
    QTimer Timer1;
    QTimer Timer2;
    Gauges gauges_;
    bool raisePending_ = false;
    bool closing_ = false;
};

// Loads a fresh bar and shows it modally. True when the player fixed a shot;
// false when the bar was closed to restart the hole.
bool ShowBar();
Form3* LoadedBar();
void UnloadBar();

}  // namespace controlbar
