#pragma once

#include <QDialog>
#include <QTimer>

#include "settings/GaugeMotion.h"
#include "settings/Settings.h"

class QCheckBox;
class QComboBox;

namespace platform {
class StripedBox;
}

namespace settings {

// Speed, ball colour and window options, with the gauges swinging at the
// speed being chosen. OK stores all five settings and applies them at once;
// cancelling changes nothing.
class SettingsDialog : public QDialog {
    Q_OBJECT
public:
    // Shows what is stored; OK writes it and updates settings in place.
    explicit SettingsDialog(Settings& settings);

    QComboBox* SpeedList() const { return speedList_; }
    QComboBox* ColorList() const { return colorList_; }
    QCheckBox* BarLockBox() const { return barLockBox_; }
    QCheckBox* AlwaysTopBox() const { return alwaysTopBox_; }
    QCheckBox* FixedWidthBox() const { return fixedWidthBox_; }
    QPushButton* OkButton() const { return okButton_; }
    QPushButton* CancelButton() const { return cancelButton_; }

    // Stops the preview before the dialog closes, however it closes.
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void CreateControls();
    void LoadStored();
    void Store();
    void RunPreview();
    void StepPreview();
    void ShowPreview();

    Settings& settings_;
    QComboBox* speedList_;
    QComboBox* colorList_;
    QCheckBox* barLockBox_;
    QCheckBox* alwaysTopBox_;
    QCheckBox* fixedWidthBox_;
    QPushButton* okButton_;
    QPushButton* cancelButton_;
    platform::StripedBox* powerBar_;
    platform::StripedBox* loftBar_;
    QTimer previewStart_;
    Gauge power_;
    Gauge loft_;
    bool previewStopped_ = false;
};

// How long the preview waits after each step at a speed index: the speed
// factor times 10 ms, rounded half to even.
int PreviewWaitMs(int speedIndex);

}  // namespace settings
