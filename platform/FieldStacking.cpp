#include "platform/FieldStacking.h"

#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cstdlib>

#include "platform/X11.h"

namespace platform {
namespace {

using Owner = StackedWindow::Owner;

bool IsField(const StackedWindow& window) { return window.owner == Owner::Field; }

std::optional<FieldMove> KeepInFront(const std::vector<StackedWindow>& stack) {
    const auto top = std::find_if(stack.rbegin(), stack.rend(), [](const StackedWindow& w) {
        return w.owner == Owner::Other && w.managed && w.shown;
    });
    if (top == stack.rend() || std::none_of(std::next(top), stack.rend(), IsField)) {
        return std::nullopt;
    }
    return FieldMove{top->id};
}

// Right under the active window means above the highest window it covers.
std::optional<FieldMove> FollowActive(const std::vector<StackedWindow>& stack,
                                      std::uint32_t activeTopLevel) {
    const auto active = std::find_if(
        stack.begin(), stack.end(), [&](const StackedWindow& w) { return w.id == activeTopLevel; });
    if (active == stack.end() || IsField(*active)) return std::nullopt;
    const bool fieldAbove = std::any_of(std::next(active), stack.end(), IsField);
    const auto covered =
        std::find_if(std::make_reverse_iterator(active), stack.rend(),
                     [](const StackedWindow& w) { return w.shown && !IsField(w); });
    const bool fieldUnderCovered = std::any_of(covered, stack.rend(), IsField);
    // Another program's window only ever covers the field; the game's own
    // brings it forward.
    const bool move = active->owner == Owner::Other ? fieldAbove : fieldAbove || fieldUnderCovered;
    if (!move) return std::nullopt;
    return FieldMove{covered == stack.rend() ? FieldMove::kBottom : covered->id};
}

}  // namespace

std::optional<FieldMove> PlaceField(const std::vector<StackedWindow>& stack, bool keepInFront,
                                    std::optional<std::uint32_t> activeTopLevel) {
    if (keepInFront) return KeepInFront(stack);
    if (!activeTopLevel) return std::nullopt;
    return FollowActive(stack, *activeTopLevel);
}

FieldStacking::FieldStacking(bool keepInFront) : keepInFront_(keepInFront) {
    xcb_connection_t* connection = X11Connection();
    if (!connection) return;
    root_ = RootWindow(connection);
    activeWindowAtom_ = Atom(connection, "_NET_ACTIVE_WINDOW");
    stackingAtom_ = Atom(connection, "_NET_CLIENT_LIST_STACKING");
    AddRootEvents(connection, XCB_EVENT_MASK_PROPERTY_CHANGE);
    qGuiApp->installNativeEventFilter(this);
}

FieldStacking::~FieldStacking() {
    if (root_) qGuiApp->removeNativeEventFilter(this);
}

void FieldStacking::Keep(std::vector<QWidget*> windows) {
    windows_ = std::move(windows);
    ids_.clear();
    if (!root_) return;
    for (QWidget* window : windows_) ids_.push_back(static_cast<std::uint32_t>(window->winId()));
    Arrange();
}

bool FieldStacking::IsField(std::uint32_t id) const {
    return std::find(ids_.begin(), ids_.end(), id) != ids_.end();
}

// The window manager publishes its stacking order and the active window on the
// root window. Listening to the root's children themselves would cost far
// more: Qt takes any configure event heard from the root for a change of the
// screens and reads them all again.
bool FieldStacking::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    const auto* change =
        XcbEvent<xcb_property_notify_event_t>(eventType, message, XCB_PROPERTY_NOTIFY);
    if (change && !ids_.empty() && change->window == root_ &&
        (change->atom == activeWindowAtom_ || change->atom == stackingAtom_)) {
        Schedule();
    }
    return false;
}

// Changes come in bursts (a window manager restacks several windows at once):
// the field moves once, after the burst.
void FieldStacking::Schedule() {
    if (scheduled_) return;
    scheduled_ = true;
    QTimer::singleShot(0, this, [this] {
        scheduled_ = false;
        Arrange();
    });
}

void FieldStacking::Arrange() {
    xcb_connection_t* connection = X11Connection();
    if (!connection || ids_.empty()) return;
    std::optional<std::uint32_t> active;
    if (!keepInFront_) {
        if (const std::uint32_t window = ActiveWindow(connection)) {
            active = TopLevelOf(connection, window);
        }
    }
    const std::optional<FieldMove> move = PlaceField(ReadStack(), keepInFront_, active);
    if (!move) return;
    // Each window in turn right above the same sibling (or to the bottom),
    // from the top one down, keeps the field's order. A sibling gone meanwhile
    // is no error worth reporting: the next change places the field again.
    const auto place = [&](std::uint32_t id) {
        const std::uint32_t values[] = {move->above, XCB_STACK_MODE_ABOVE};
        const std::uint32_t bottom = XCB_STACK_MODE_BELOW;
        const xcb_void_cookie_t cookie =
            move->above == FieldMove::kBottom
                ? xcb_configure_window_checked(connection, id, XCB_CONFIG_WINDOW_STACK_MODE,
                                               &bottom)
                : xcb_configure_window_checked(
                      connection, id, XCB_CONFIG_WINDOW_SIBLING | XCB_CONFIG_WINDOW_STACK_MODE,
                      values);
        xcb_discard_reply(connection, cookie.sequence);
    };
    std::for_each(ids_.rbegin(), ids_.rend(), place);
    if (!keepInFront_) RepaintField(connection);
    xcb_flush(connection);
}

// Window managers frame the windows they manage; some (icewm) make their
// frames override-redirect like any menu, so a frame is told by the client
// the window manager lists in it.
std::vector<StackedWindow> FieldStacking::ReadStack() const {
    xcb_connection_t* connection = X11Connection();
    std::vector<std::uint32_t> gameTopLevels;
    for (const QWindow* window : QGuiApplication::topLevelWindows()) {
        if (!window->handle() || !window->isVisible() || IsField(window->winId())) continue;
        gameTopLevels.push_back(TopLevelOf(connection, window->winId()));
    }
    std::vector<std::uint32_t> frames;
    for (const xcb_window_t client : ManagedWindows(connection))
        frames.push_back(TopLevelOf(connection, client));
    const auto among = [](const std::vector<std::uint32_t>& windows, std::uint32_t id) {
        return std::find(windows.begin(), windows.end(), id) != windows.end();
    };
    std::vector<StackedWindow> stack;
    xcb_query_tree_reply_t* tree =
        xcb_query_tree_reply(connection, xcb_query_tree(connection, root_), nullptr);
    if (!tree) return stack;
    const xcb_window_t* children = xcb_query_tree_children(tree);
    const int count = xcb_query_tree_children_length(tree);
    std::vector<xcb_get_window_attributes_cookie_t> cookies;
    for (int i = 0; i < count; ++i)
        cookies.push_back(xcb_get_window_attributes(connection, children[i]));
    for (int i = 0; i < count; ++i) {
        xcb_get_window_attributes_reply_t* attributes =
            xcb_get_window_attributes_reply(connection, cookies[i], nullptr);
        if (!attributes) continue;
        Owner owner = Owner::Other;
        if (IsField(children[i])) {
            owner = Owner::Field;
        } else if (among(gameTopLevels, children[i])) {
            owner = Owner::Game;
        }
        const bool managed = !attributes->override_redirect || among(frames, children[i]);
        const bool shown = attributes->map_state == XCB_MAP_STATE_VIEWABLE &&
                           attributes->_class == XCB_WINDOW_CLASS_INPUT_OUTPUT;
        stack.push_back({children[i], owner, managed, shown});
        std::free(attributes);
    }
    std::free(tree);
    return stack;
}

// A compositor may not repaint what a window showed before it went under
// another (xfwm4's repaints only what stays visible). A window without
// content, shown over the field and hidden again, has every compositor draw
// the area afresh; without one, the windows under it repaint it. The window
// stays, so that the compositor has seen it made before it is shown.
void FieldStacking::RepaintField(xcb_connection_t* connection) {
    QRect area;
    for (const QWidget* window : windows_) {
        if (window->isVisible()) area |= window->geometry();
    }
    if (area.isEmpty()) return;
    if (!sheet_) {
        sheet_ = xcb_generate_id(connection);
        const std::uint32_t values[] = {XCB_BACK_PIXMAP_NONE, 1};
        xcb_create_window(connection, XCB_COPY_FROM_PARENT, sheet_, root_, 0, 0, 1, 1, 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT,
                          XCB_CW_BACK_PIXMAP | XCB_CW_OVERRIDE_REDIRECT, values);
    }
    const std::uint32_t geometry[] = {
        static_cast<std::uint32_t>(area.x()), static_cast<std::uint32_t>(area.y()),
        static_cast<std::uint32_t>(area.width()), static_cast<std::uint32_t>(area.height()),
        XCB_STACK_MODE_ABOVE};
    xcb_configure_window(connection, sheet_,
                         XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y | XCB_CONFIG_WINDOW_WIDTH |
                             XCB_CONFIG_WINDOW_HEIGHT | XCB_CONFIG_WINDOW_STACK_MODE,
                         geometry);
    xcb_map_window(connection, sheet_);
    xcb_unmap_window(connection, sheet_);
}

}  // namespace platform
