#include "platform/launch_feedback.h"

#include <QtGlobal>
#include <algorithm>
#include <cstring>

#include "platform/x11_connection.h"

namespace brivonce {
namespace {

// "remove: ID=<id>" with blanks, quotes and backslashes escaped, and its
// final NUL.
QByteArray RemoveMessage(const QByteArray& startupId) {
    QByteArray message = "remove: ID=";
    for (char c : startupId) {
        if (c == ' ' || c == '"' || c == '\\') {
            message += '\\';
        }
        message += c;
    }
    return message + '\0';
}

}  // namespace

QByteArray LauncherStartupId() {
    return qgetenv("DESKTOP_STARTUP_ID");
}

void EndLaunchFeedback(const QByteArray& startupId) {
    xcb_connection_t* connection = X11Connection();
    if (startupId.isEmpty() || !connection) {
        return;
    }
    xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    // The message goes to the root window in pieces of 20 bytes: the first
    // one typed "begin", the others "continued".
    xcb_atom_t type = InternAtom(connection, "_NET_STARTUP_INFO_BEGIN");
    const xcb_atom_t continued = InternAtom(connection, "_NET_STARTUP_INFO");
    const QByteArray message = RemoveMessage(startupId);
    for (qsizetype sent = 0; sent < message.size(); sent += 20) {
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 8;
        event.window = root;
        event.type = type;
        std::memcpy(event.data.data8, message.constData() + sent,
                    std::min<qsizetype>(20, message.size() - sent));
        xcb_send_event(connection, 0, root, XCB_EVENT_MASK_PROPERTY_CHANGE,
                       reinterpret_cast<const char*>(&event));
        type = continued;
    }
    xcb_flush(connection);
}

}  // namespace brivonce
