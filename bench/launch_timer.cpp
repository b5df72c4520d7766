// Starts a program and reports, in milliseconds: the wall time until its
// first top-level window is mapped (-1 when none was), the wall time until it
// exits, and the processor time (user + system) it used. Run with no window
// manager, so that a map request maps at once and measures the program alone.
// Usage: launch_timer PROGRAM [ARGS...]
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <poll.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double Milliseconds(const timeval& time) {
    return time.tv_sec * 1e3 + time.tv_usec / 1e3;
}

// Waits until the server has handled every request sent so far, so that
// every event they caused is queued.
void Sync(xcb_connection_t* connection) {
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
}

// Listens for windows mapped directly under the root window.
xcb_connection_t* WatchMaps() {
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "launch_timer: no display\n");
        std::exit(2);
    }
    xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
    Sync(connection);
    return connection;
}

bool MapSeen(xcb_connection_t* connection) {
    bool seen = false;
    while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
        seen = seen || (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
        std::free(event);
    }
    return seen;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: launch_timer PROGRAM [ARGS...]\n");
        return 2;
    }
    xcb_connection_t* connection = WatchMaps();
    Clock::time_point start = Clock::now();
    pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    double mapped = -1;
    int status = 0;
    rusage usage{};
    pollfd display{xcb_get_file_descriptor(connection), POLLIN, 0};
    while (wait4(child, &status, WNOHANG, &usage) == 0) {
        poll(&display, 1, 1);
        if (mapped < 0 && MapSeen(connection)) {
            mapped = MillisecondsSince(start);
        }
    }
    double exited = MillisecondsSince(start);
    Sync(connection);
    if (mapped < 0 && MapSeen(connection)) {
        mapped = exited;  // mapped in its last moments, after our last look
    }
    xcb_disconnect(connection);
    std::printf("%.2f %.2f %.2f\n", mapped, exited,
                Milliseconds(usage.ru_utime) + Milliseconds(usage.ru_stime));
    return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}
