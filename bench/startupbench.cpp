// SPDX-License-Identifier: GPL-3.0-or-later
// Starts a program again and again on the current X display and measures
// what a user waits for: from the start to its first top-level window on
// screen, and its peak resident memory once shown.
// Usage: clubdraw_startup_bench RUNS PROGRAM [ARGS...]
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

long peakResidentKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string key;
    while (status >> key) {
        if (key == "VmHWM:") {
            long kib = 0;
            status >> kib;
            return kib;
        }
        status.ignore(4096, '\n');
    }
    return -1;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: clubdraw_startup_bench RUNS PROGRAM [ARGS...]\n");
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(x)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(x);

    std::vector<double> shownMs;
    std::vector<double> peakMiB;
    for (int run = 0; run < runs; ++run) {
        const auto start = Clock::now();
        const pid_t pid = fork();
        if (pid == 0) {
            execv(argv[2], argv + 2);
            _exit(127);
        }
        bool shown = false;
        while (!shown) {
            xcb_generic_event_t* event = xcb_wait_for_event(x);
            if (!event)
                return 1;
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
                const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
                shown = map->event == screen->root && !map->override_redirect;
            }
            std::free(event);
        }
        shownMs.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        // Let it paint and settle before reading its peak.
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        peakMiB.push_back(peakResidentKiB(pid) / 1024.0);
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
    }
    std::printf("%s: start to window shown median %.1f ms (best %.1f), peak memory median %.1f "
                "MiB, %d runs\n",
                argv[2], median(shownMs), *std::min_element(shownMs.begin(), shownMs.end()),
                median(peakMiB), runs);
    xcb_disconnect(x);
    return 0;
}
