#include "platform/window_hints.h"

#include <QWidget>
#include <cstdint>

#include "platform/x11_connection.h"

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

}  // namespace

void AskNoCaptionButtons(QWidget* window) {
    xcb_connection_t* connection = X11Connection();
    if (!connection) {
        return;
    }
    xcb_atom_t hintsAtom = InternAtom(connection, "_MOTIF_WM_HINTS");
    // Moved, but neither resized, minimised, maximised nor closed.
    MotifHints hints{kFunctionsGiven | kDecorationsGiven, kMoveFunction,
                     kBorderDecoration | kTitleDecoration, 0, 0};
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE,
                        static_cast<xcb_window_t>(window->winId()), hintsAtom, hintsAtom, 32,
                        sizeof(hints) / 4, &hints);
    xcb_flush(connection);
}

}  // namespace brivonce
