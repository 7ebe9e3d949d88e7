// start_probe [--settle MS] PROGRAM [ARGUMENTS...]
//
// Starts PROGRAM on the X display in $DISPLAY and prints, on one line, the milliseconds from just
// before the program was started until the X server mapped its first top-level window, the CPU
// time all its threads had used by then (less disturbed by other load than the wall time), and
// its peak resident memory (VmHWM) MS milliseconds later (default 1000); then ends it.
// The mapping is seen as a MapNotify event on the root window, selected before the start, so the
// figure carries no polling delay. Meant for a display with no other clients and no window
// manager, where the first top-level window mapped is the program's.
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <xcb/xcb.h>

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto MapTimeout = std::chrono::seconds(30);
constexpr auto ExitTimeout = std::chrono::seconds(5);

long statusKilobytes(pid_t pid, const std::string& field) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field + ":", 0) == 0) {
            return std::strtol(line.c_str() + field.size() + 1, nullptr, 10);
        }
    }
    return -1;
}

// Time on the CPU of every thread of a process, from the scheduler's statistics (nanoseconds).
double cpuMilliseconds(pid_t pid) {
    double total = 0;
    std::error_code error;
    for (const auto& task :
         std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/task", error)) {
        std::ifstream schedstat(task.path() / "schedstat");
        double nanoseconds = 0;
        if (schedstat >> nanoseconds) {
            total += nanoseconds / 1e6;
        }
    }
    return total;
}

// Waits for the MapNotify of a window that is not override-redirect (a menu or tooltip is).
bool waitForMap(xcb_connection_t* connection, pid_t child, Clock::time_point deadline) {
    pollfd descriptor{xcb_get_file_descriptor(connection), POLLIN, 0};
    while (Clock::now() < deadline) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
            const std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> owned(event,
                                                                                   &std::free);
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY &&
                !reinterpret_cast<xcb_map_notify_event_t*>(event)->override_redirect) {
                return true;
            }
        }
        if (xcb_connection_has_error(connection) != 0 || waitpid(child, nullptr, WNOHANG) != 0) {
            return false;
        }
        poll(&descriptor, 1, 50);
    }
    return false;
}

void endChild(pid_t child) {
    kill(child, SIGTERM);
    const auto deadline = Clock::now() + ExitTimeout;
    while (Clock::now() < deadline) {
        if (waitpid(child, nullptr, WNOHANG) != 0) {
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
}

} // namespace

int main(int argc, char* argv[]) {
    int first = 1;
    long settleMilliseconds = 1000;
    if (argc > 2 && std::strcmp(argv[1], "--settle") == 0) {
        settleMilliseconds = std::strtol(argv[2], nullptr, 10);
        first = 3;
    }
    if (first >= argc) {
        std::fputs("usage: start_probe [--settle MS] PROGRAM [ARGUMENTS...]\n", stderr);
        return 2;
    }

    // A busy server now and then refuses a connection; the clock has not started yet.
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    for (int attempt = 1; xcb_connection_has_error(connection) != 0 && attempt < 20; ++attempt) {
        xcb_disconnect(connection);
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        connection = xcb_connect(nullptr, nullptr);
    }
    if (xcb_connection_has_error(connection) != 0) {
        std::fputs("start_probe: cannot open the display\n", stderr);
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
    // A round trip: the server has the selection before the program starts.
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));

    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[first], argv + first);
        std::perror("start_probe: exec");
        _exit(127);
    }
    const bool mapped = waitForMap(connection, child, start + MapTimeout);
    const double mapMilliseconds =
        std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    const double cpuToMap = cpuMilliseconds(child);
    xcb_disconnect(connection);
    if (!mapped) {
        std::fprintf(stderr, "start_probe: %s mapped no window\n", argv[first]);
        endChild(child);
        return 1;
    }

    std::this_thread::sleep_for(std::chrono::milliseconds(settleMilliseconds));
    const long peak = statusKilobytes(child, "VmHWM");
    endChild(child);
    std::printf("map_ms=%.2f cpu_ms=%.2f vmhwm_kb=%ld\n", mapMilliseconds, cpuToMap, peak);
    return peak < 0 ? 1 : 0;
}
