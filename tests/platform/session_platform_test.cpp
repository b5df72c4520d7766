#include "platform/session_platform.h"

#include <gtest/gtest.h>

namespace brivonce {
namespace {

TEST(SessionPlatform, XWaylandOnlyInAWaylandSessionWithXWaylandAndNoChoiceOfTheUser) {
    struct Case {
        SessionEnvironment environment;
        bool throughXWayland;
    };
    const Case cases[] = {
        {{"", "wayland-1", "", ":0"}, true},
        {{"", "", "wayland", ":0"}, true},
        {{"", "wayland-1", "wayland", ""}, false},    // no XWayland
        {{"wayland", "wayland-1", "", ":0"}, false},  // the user's choice wins
        {{"xcb", "wayland-1", "", ":0"}, false},
        {{"", "", "x11", ":0"}, false},  // X11 session
        {{"", "", "", ":0"}, false},
        {{"", "", "", ""}, false},
    };
    for (const Case& c : cases) {
        const SessionEnvironment& e = c.environment;
        EXPECT_EQ(RunThroughXWayland(e), c.throughXWayland)
            << e.qtPlatform << "|" << e.waylandDisplay << "|" << e.sessionType << "|"
            << e.x11Display;
    }
}

}  // namespace
}  // namespace brivonce
