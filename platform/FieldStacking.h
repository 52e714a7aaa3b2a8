#pragma once
// Where the field's windows lie among the desktop's other windows. The window
// manager leaves them alone, so the game keeps their place itself: in front of
// every other program's window when the player wants the game in front,
// otherwise under the window the player has turned to, and back in front when
// the player returns to the game.

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <cstdint>
#include <optional>
#include <vector>

class QWidget;
struct xcb_connection_t;

namespace platform {

// One top-level window of the desktop's stacking order.
struct StackedWindow {
    enum class Owner { Field, Game, Other };
    std::uint32_t id;
    Owner owner;   // the field, another window of the game, another program
    bool managed;  // stacked by the window manager (not a menu, tooltip, popup)
    bool shown;    // mapped, and drawing (not an input-only window)
};

// The field's windows go together, in their own order, right above a shown
// window, or below all others. Compositors follow a window's restacking only
// relative to a window they draw.
struct FieldMove {
    static constexpr std::uint32_t kBottom = 0;
    std::uint32_t above;  // kBottom: below every other window
    bool operator==(const FieldMove&) const = default;
};

// The rule, apart from the window system; the stack runs from bottom to top.
// Kept in front, the field lies above every window the window manager stacks
// for another program; other programs' menus and tooltips stay above it.
// Otherwise it goes under another program's active window when it lies above
// it, and right under the game's own active window (the bar, a message).
std::optional<FieldMove> PlaceField(const std::vector<StackedWindow>& stack, bool keepInFront,
                                    std::optional<std::uint32_t> activeTopLevel);

// Watches the stacking order and the active window the window manager
// publishes on X11, and moves the field by the rule as soon as they change;
// does nothing elsewhere.
class FieldStacking : public QObject, public QAbstractNativeEventFilter {
public:
    explicit FieldStacking(bool keepInFront);
    ~FieldStacking() override;

    // The field's windows from bottom to top, placed by the rule at once (and
    // again whenever they were shown anew).
    void Keep(std::vector<QWidget*> windows);

protected:
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    bool IsField(std::uint32_t id) const;
    void Schedule();
    void Arrange();
    std::vector<StackedWindow> ReadStack() const;
    void RepaintField(xcb_connection_t* connection);

    bool keepInFront_;
    std::vector<QWidget*> windows_;
    std::vector<std::uint32_t> ids_;
    std::uint32_t root_ = 0;
    std::uint32_t activeWindowAtom_ = 0;
    std::uint32_t stackingAtom_ = 0;
    std::uint32_t sheet_ = 0;
    bool scheduled_ = false;
};

}  // namespace platform
