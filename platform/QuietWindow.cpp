#include "platform/QuietWindow.h"

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <QWidget>
#include <algorithm>
#include <cstdlib>

#include "platform/X11.h"

namespace platform {
namespace {

constexpr std::uint32_t kRemove = 0;
constexpr std::uint32_t kFromApplication = 1;

class Quiet : public QObject, public QAbstractNativeEventFilter {
public:
    Quiet(QWidget& window, xcb_connection_t* connection)
        : QObject(&window),
          connection_(connection),
          window_(static_cast<xcb_window_t>(window.winId())),
          state_(Atom(connection, "_NET_WM_STATE")),
          attention_(Atom(connection, "_NET_WM_STATE_DEMANDS_ATTENTION")) {
        qGuiApp->installNativeEventFilter(this);
    }
    ~Quiet() override { qGuiApp->removeNativeEventFilter(this); }

protected:
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
        const auto* change =
            XcbEvent<xcb_property_notify_event_t>(eventType, message, XCB_PROPERTY_NOTIFY);
        if (change && change->window == window_ && change->atom == state_ && WantsAttention()) {
            TakeBack();
        }
        return false;
    }

private:
    bool WantsAttention() const {
        xcb_get_property_reply_t* reply = xcb_get_property_reply(
            connection_, xcb_get_property(connection_, 0, window_, state_, XCB_ATOM_ATOM, 0, 64),
            nullptr);
        if (!reply) return false;
        const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply));
        const int count = xcb_get_property_value_length(reply) / 4;
        const bool wants = std::find(atoms, atoms + count, attention_) != atoms + count;
        std::free(reply);
        return wants;
    }

    void TakeBack() {
        xcb_client_message_event_t request{};
        request.response_type = XCB_CLIENT_MESSAGE;
        request.format = 32;
        request.window = window_;
        request.type = state_;
        request.data.data32[0] = kRemove;
        request.data.data32[1] = attention_;
        request.data.data32[3] = kFromApplication;
        xcb_send_event(connection_, 0, RootWindow(connection_),
                       XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char*>(&request));
        xcb_flush(connection_);
    }

    xcb_connection_t* connection_;
    xcb_window_t window_;
    xcb_atom_t state_;
    xcb_atom_t attention_;
};

}  // namespace

void WaitQuietly(QWidget& window) {
    if (xcb_connection_t* connection = X11Connection()) new Quiet(window, connection);
}

}  // namespace platform
