#include "platform/blocked_clicks.h"

#include <xcb/xcb.h>
#include <xcb/xinput.h>

#include <QApplication>
#include <QGuiApplication>
#include <QWidget>
#include <cstdlib>
#include <cstring>
#include <optional>

namespace brivonce {
namespace {

QWidget* TopLevelOf(xcb_window_t window) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->internalWinId() == window) {
            return widget;
        }
    }
    return nullptr;
}

Qt::MouseButton ButtonOf(uint32_t button) {
    switch (button) {
        case 1:
            return Qt::LeftButton;
        case 2:
            return Qt::MiddleButton;
        case 3:
            return Qt::RightButton;
        default:
            return Qt::NoButton;
    }
}

// The major opcode of the X Input extension, through which Qt gets its mouse
// events; 0 when there is no X11 connection.
uint8_t InputExtensionOpcode() {
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection()) {
        return 0;
    }
    constexpr const char* kName = "XInputExtension";
    xcb_connection_t* connection = x11->connection();
    xcb_query_extension_reply_t* reply = xcb_query_extension_reply(
        connection, xcb_query_extension(connection, std::strlen(kName), kName), nullptr);
    uint8_t opcode = reply && reply->present ? reply->major_opcode : 0;
    std::free(reply);
    return opcode;
}

struct Click {
    bool press = false;
    xcb_window_t window = 0;
    uint32_t button = 0;
};

// A button press or release, as the core protocol or the X Input extension
// reports it.
std::optional<Click> ClickOf(const xcb_generic_event_t* event, uint8_t inputOpcode) {
    int kind = event->response_type & ~0x80;
    if (kind == XCB_BUTTON_PRESS || kind == XCB_BUTTON_RELEASE) {
        auto* click = reinterpret_cast<const xcb_button_press_event_t*>(event);
        return Click{kind == XCB_BUTTON_PRESS, click->event, click->detail};
    }
    auto* generic = reinterpret_cast<const xcb_ge_generic_event_t*>(event);
    if (kind != XCB_GE_GENERIC || inputOpcode == 0 || generic->extension != inputOpcode ||
        (generic->event_type != XCB_INPUT_BUTTON_PRESS &&
         generic->event_type != XCB_INPUT_BUTTON_RELEASE)) {
        return std::nullopt;
    }
    auto* click = reinterpret_cast<const xcb_input_button_press_event_t*>(event);
    return Click{generic->event_type == XCB_INPUT_BUTTON_PRESS, click->event, click->detail};
}

}  // namespace

BlockedClicks::BlockedClicks(QObject* parent)
    : QObject(parent), m_inputOpcode(InputExtensionOpcode()) {
    qApp->installNativeEventFilter(this);
}

BlockedClicks::~BlockedClicks() {
    qApp->removeNativeEventFilter(this);
}

bool BlockedClicks::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    QWidget* modal = QApplication::activeModalWidget();
    if (eventType != "xcb_generic_event_t" || !modal) {
        return false;
    }
    std::optional<Click> click =
        ClickOf(static_cast<const xcb_generic_event_t*>(message), m_inputOpcode);
    QWidget* target = click ? TopLevelOf(click->window) : nullptr;
    if (!target || target == modal || modal->isAncestorOf(target)) {
        return false;
    }
    if (target->inherits("QSystemTrayIconSys")) {
        if (!click->press) {
            emit TrayIconClicked(ButtonOf(click->button));
        }
        return true;
    }
    if (click->press && !target->inherits("QMenu")) {
        emit BlockedWindowPressed();
    }
    return false;
}

}  // namespace brivonce
