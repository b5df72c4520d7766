#include "platform/session_platform.h"

namespace brivonce {

bool RunThroughXWayland(const SessionEnvironment& environment) {
    bool wayland = !environment.waylandDisplay.empty() || environment.sessionType == "wayland";
    return wayland && !environment.x11Display.empty() && environment.qtPlatform.empty();
}

}  // namespace brivonce
