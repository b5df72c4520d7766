#include "platform/window_hints.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QWidget>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace brivonce {
namespace {

// The Motif window manager hints, as every X11 window manager reads them.
struct MotifHints {
    uint32_t flags;
    uint32_t functions;
    uint32_t decorations;
    int32_t inputMode;
    uint32_t status;
};
constexpr uint32_t kFunctionsGiven = 1;
constexpr uint32_t kDecorationsGiven = 2;
constexpr uint32_t kMoveFunction = 4;
constexpr uint32_t kBorderDecoration = 2;
constexpr uint32_t kTitleDecoration = 8;

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr);
    xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
}

}  // namespace

void AskNoCaptionButtons(QWidget* window) {
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection()) {
        return;
    }
    xcb_connection_t* connection = x11->connection();
    xcb_atom_t hintsAtom = Atom(connection, "_MOTIF_WM_HINTS");
    // Moved, but neither resized, minimised, maximised nor closed.
    MotifHints hints{kFunctionsGiven | kDecorationsGiven, kMoveFunction,
                     kBorderDecoration | kTitleDecoration, 0, 0};
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE,
                        static_cast<xcb_window_t>(window->winId()), hintsAtom, hintsAtom, 32,
                        sizeof(hints) / 4, &hints);
    xcb_flush(connection);
}

}  // namespace brivonce
