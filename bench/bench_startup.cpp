// Start-up: how long Velmar's window takes from the program's start until it is mapped on the X display, against
// a bare Qt dialog with the same controls (bare_dialog), in the same run and taking turns, and Velmar's peak
// memory by then. Needs an X display (scripts/bench-startup starts Xvfb).
// Usage: bench_startup VELMAR BARE_DIALOG [rounds=15]

#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <poll.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Start {
    double ms = -1; // to the first top-level window mapped; -1 when none came within 10 s
    long peakKiB = 0;
};

// Runs `program` and waits for a window of the display's root to be mapped.
Start Measure(xcb_connection_t* x, const char* program) {
    // Drop what earlier rounds left queued.
    while (xcb_generic_event_t* e = xcb_poll_for_event(x)) {
        std::free(e);
    }
    const auto begin = Clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::freopen("/dev/null", "w", stderr);
        ::execl(program, program, static_cast<char*>(nullptr));
        ::_exit(127);
    }
    Start s;
    pollfd p{xcb_get_file_descriptor(x), POLLIN, 0};
    while (s.ms < 0 && Clock::now() - begin < std::chrono::seconds(10)) {
        ::poll(&p, 1, 100);
        while (xcb_generic_event_t* e = xcb_poll_for_event(x)) {
            if ((e->response_type & 0x7F) == XCB_MAP_NOTIFY && s.ms < 0) {
                s.ms = std::chrono::duration<double, std::milli>(Clock::now() - begin).count();
            }
            std::free(e);
        }
    }
    ::kill(pid, SIGKILL);
    int status = 0;
    rusage usage{};
    ::wait4(pid, &status, 0, &usage);
    s.peakKiB = usage.ru_maxrss;
    return s;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: bench_startup VELMAR BARE_DIALOG [rounds]\n");
        return 2;
    }
    const int rounds = argc > 3 ? std::max(3, std::atoi(argv[3])) : 15;
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x) != 0) {
        std::fprintf(stderr, "bench_startup: no X display\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(x);

    std::vector<double> velmar, bare;
    long peakKiB = 0;
    // One round of each first to warm the caches; then they take turns.
    Measure(x, argv[1]);
    Measure(x, argv[2]);
    for (int i = 0; i < rounds; ++i) {
        const Start v = Measure(x, argv[1]);
        const Start b = Measure(x, argv[2]);
        if (v.ms < 0 || b.ms < 0) {
            std::fprintf(stderr, "bench_startup: a window did not map within 10 s\n");
            return 1;
        }
        velmar.push_back(v.ms);
        bare.push_back(b.ms);
        peakKiB = std::max(peakKiB, v.peakKiB);
    }
    const double ratio = Median(velmar) / Median(bare);
    std::printf("rounds: %d, taking turns\n", rounds);
    std::printf("Velmar's window mapped after: median %.1f ms (min %.1f, max %.1f)\n", Median(velmar),
                *std::min_element(velmar.begin(), velmar.end()), *std::max_element(velmar.begin(), velmar.end()));
    std::printf("bare Qt dialog, same controls: median %.1f ms (min %.1f, max %.1f)\n", Median(bare),
                *std::min_element(bare.begin(), bare.end()), *std::max_element(bare.begin(), bare.end()));
    std::printf("ratio of medians: %.3f (target <= 1.15)%s\n", ratio, ratio <= 1.15 ? "" : ": MISSED");
    std::printf("Velmar's peak RSS: %.1f MiB (target <= 32 MiB)%s\n", peakKiB / 1024.0,
                peakKiB <= 32 * 1024 ? "" : ": MISSED");
    xcb_disconnect(x);
    return 0;
}
