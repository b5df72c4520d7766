#pragma once

#include <xcb/xcb.h>

#include <string_view>

namespace brivonce {

// Qt's own connection to the X server; null when the program does not run
// on X11 (native Wayland, offscreen).
xcb_connection_t* X11Connection();

// XCB_ATOM_NONE when the server does not answer.
xcb_atom_t InternAtom(xcb_connection_t* connection, std::string_view name);

}  // namespace brivonce
