#pragma once
// Whether the player has turned to another program. Windows of the game that
// open by themselves (the next stroke's bar, a hole-out message) take the
// keyboard only while the player is with the game.

#include <QAbstractNativeEventFilter>
#include <QElapsedTimer>
#include <QObject>
#include <cstdint>

namespace platform {

// The rule, apart from the window system. The player is elsewhere once a key
// or button press reaches another program, or another program's window is
// made active (unless right after a window of the game closed: the window
// manager then hands the focus on by itself). A press that reaches the game,
// or the game becoming active, brings the player back.
class AttentionRule {
public:
    static constexpr qint64 kHandOverMs = 500;

    void PressReachedGame() { elsewhere_ = false; }
    void PressReachedAnotherProgram() { elsewhere_ = true; }
    void OwnWindowClosed(qint64 nowMs) { lastOwnCloseMs_ = nowMs; }
    void ActiveWindowChanged(bool ours, qint64 nowMs) {
        if (ours) {
            elsewhere_ = false;
        } else if (lastOwnCloseMs_ < 0 || nowMs - lastOwnCloseMs_ > kHandOverMs) {
            elsewhere_ = true;
        }
    }
    bool PlayerElsewhere() const { return elsewhere_; }

private:
    qint64 lastOwnCloseMs_ = -1;
    bool elsewhere_ = false;
};

// On X11 it hears of every key and button press on the display (not what was
// pressed) and of the window manager's active window; elsewhere it only sees
// the game's own presses and activation.
class PlayerAttention : public QObject, public QAbstractNativeEventFilter {
public:
    PlayerAttention();
    ~PlayerAttention() override;
    bool PlayerElsewhere() const { return rule_.PlayerElsewhere(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    void ListenToTheDisplay();
    void ActiveWindowChanged();
    void PressOnTheDisplay();

    AttentionRule rule_;
    QElapsedTimer clock_;
    qint64 lastGamePressMs_ = -1;
    std::uint32_t activeWindowAtom_ = 0;
    std::uint32_t root_ = 0;
    std::uint8_t inputOpcode_ = 0;
};

}  // namespace platform
