#pragma once

#include <string_view>

namespace brivonce {

// The environment variables that tell what kind of session the program runs
// in; an unset variable is empty.
struct SessionEnvironment {
    std::string_view qtPlatform;      // QT_QPA_PLATFORM: the user's own choice
    std::string_view waylandDisplay;  // WAYLAND_DISPLAY
    std::string_view sessionType;     // XDG_SESSION_TYPE
    std::string_view x11Display;      // DISPLAY: XWayland, in a Wayland session
};

// True when the program should run through XWayland: a Wayland session where
// XWayland is there and the user chose no platform. Natively a window can
// neither place itself nor come to the front on a tray click, and the tray's
// clicks cannot be read while a modal window is open.
bool RunThroughXWayland(const SessionEnvironment& environment);

}  // namespace brivonce
