#include "platform/ClipboardOwnership.h"

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <cstdlib>

#include "platform/X11.h"

namespace platform {
namespace {

bool OwnsSelection(xcb_connection_t* connection, xcb_atom_t selection) {
    xcb_get_selection_owner_reply_t* reply = xcb_get_selection_owner_reply(
        connection, xcb_get_selection_owner(connection, selection), nullptr);
    const xcb_window_t owner = reply ? reply->owner : xcb_window_t(XCB_WINDOW_NONE);
    std::free(reply);
    // Every window this connection made carries its id base.
    const xcb_setup_t* setup = xcb_get_setup(connection);
    return owner != XCB_WINDOW_NONE &&
           (owner & ~setup->resource_id_mask) == setup->resource_id_base;
}

// The server tells the owner that lost a selection, and through XFixes every
// client that asked, which the toolkit does for its clipboard window.
class SelectionLossWatch : public QAbstractNativeEventFilter {
public:
    explicit SelectionLossWatch(xcb_connection_t* connection)
        : connection_(connection),
          clipboard_(Atom(connection, "CLIPBOARD")),
          selectionNotify_(FirstEventOf(connection, "XFIXES")) {}

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
        if (eventType != "xcb_generic_event_t") return false;
        const uint8_t kind = static_cast<xcb_generic_event_t*>(message)->response_type & 0x7f;
        const bool selectionChanged =
            kind == XCB_SELECTION_CLEAR || (selectionNotify_ != 0 && kind == selectionNotify_);
        if (selectionChanged && !OwnsSelection(connection_, clipboard_)) std::_Exit(0);
        return false;
    }

private:
    xcb_connection_t* connection_;
    xcb_atom_t clipboard_;
    uint8_t selectionNotify_;
};

}  // namespace

bool OwnsClipboardSelection() {
    xcb_connection_t* connection = X11Connection();
    return connection && OwnsSelection(connection, Atom(connection, "CLIPBOARD"));
}

void EndWhenClipboardSelectionLost() {
    xcb_connection_t* connection = X11Connection();
    if (!connection) return;
    static SelectionLossWatch watch(connection);
    qGuiApp->installNativeEventFilter(&watch);
}

}  // namespace platform
