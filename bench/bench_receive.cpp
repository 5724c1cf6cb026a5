// The window's cost while the radio talks without a pause: a peer process writes 480 bytes a second, one byte
// at a time as a 4800-baud line delivers them, for 20 s; the window is connected and handles every notification
// as usual. Prints the window process's CPU use and whether every byte arrived. With a rate above 480 bytes/s it
// is a flood (50000: what a misbehaving radio or adapter may pour out), judged per Send rather than per second.
// Usage: bench_receive [seconds=20] [bytes_per_second=480]

#include "MessageBoxes.h"
#include "OrvDlg.h"
#include "ProgrammingFrame.h"
#include "PseudoTerminal.h"
#include "Resource.h"
#include "StatusLine.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace velmar;

namespace {

double CpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// The radio, in a process of its own so that its work is not counted as the window's. It starts when the
// window is connected (a byte on `go`) and paces each byte by the clock.
[[noreturn]] void Talk(int master, int go, int seconds, int rate) {
    char start = 0;
    if (::read(go, &start, 1) != 1) {
        std::_Exit(1);
    }
    using Clock = std::chrono::steady_clock;
    const auto begin = Clock::now();
    const long total = static_cast<long>(seconds) * rate;
    for (long i = 0; i < total; ++i) {
        std::this_thread::sleep_until(begin + std::chrono::microseconds(i * 1'000'000 / rate));
        const unsigned char byte = static_cast<unsigned char>(i);
        if (::write(master, &byte, 1) != 1) {
            std::_Exit(1);
        }
    }
    std::_Exit(0);
}

// CPU seconds of each thread of this process, by name, from /proc.
std::string ThreadTimes() {
    std::string out;
    const long ticks = sysconf(_SC_CLK_TCK);
    if (DIR* d = ::opendir("/proc/self/task")) {
        while (const dirent* e = ::readdir(d)) {
            if (e->d_name[0] == '.') {
                continue;
            }
            const std::string base = std::string("/proc/self/task/") + e->d_name;
            char name[64] = {};
            if (FILE* f = std::fopen((base + "/comm").c_str(), "r")) {
                if (std::fgets(name, sizeof name, f) == nullptr) {
                    name[0] = 0;
                }
                std::fclose(f);
            }
            name[std::strcspn(name, "\n")] = 0;
            unsigned long utime = 0, stime = 0;
            if (FILE* f = std::fopen((base + "/stat").c_str(), "r")) {
                char buf[1024] = {};
                if (std::fgets(buf, sizeof buf, f) != nullptr) {
                    // Fields after the command's closing parenthesis: state is 3rd, utime 14th, stime 15th.
                    const char* p = std::strrchr(buf, ')');
                    std::sscanf(p + 2, "%*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %lu %lu", &utime, &stime);
                }
                std::fclose(f);
            }
            char line[128];
            std::snprintf(line, sizeof line, " %s %.3f s;", name, static_cast<double>(utime + stime) / ticks);
            out += line;
        }
        ::closedir(d);
    }
    return out;
}

} // namespace

int main(int argc, char** argv) {
    const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    const int rate = argc > 2 ? std::max(1, std::atoi(argv[2])) : 480;

    CPseudoTerminal pty;
    std::string error;
    if (!pty.Open({}, &error)) {
        std::fprintf(stderr, "bench_receive: no pseudo-terminal: %s\n", error.c_str());
        return 1;
    }
    const int master = pty.Master();
    const std::string slave = pty.SlavePath();
    int go[2];
    if (::pipe(go) != 0) {
        return 1;
    }
    const pid_t peer = ::fork();
    if (peer == 0) {
        Talk(master, go[0], seconds, rate);
    }

    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("VELMAR_COM1", slave.c_str());
    QApplication app(argc, argv);
    // The history of sent settings and what the window remembers stay out of the user's own folders.
    QTemporaryDir userFiles;
    qputenv("XDG_DATA_HOME", userFiles.filePath("data").toUtf8());
    qputenv("XDG_CONFIG_HOME", userFiles.filePath("config").toUtf8());
    MessageBoxRecorder boxes;
    COrvDlg dlg;
    dlg.Create();
    dlg.show();
    dlg.OnConnect();
    if (!dlg.IsWindowEnabled(IDC_DISCONNECT)) {
        std::fprintf(stderr, "bench_receive: Connect failed\n");
        ::kill(peer, SIGKILL);
        return 1;
    }

    const double cpuBefore = CpuSeconds();
    QElapsedTimer wall;
    wall.start();
    [[maybe_unused]] const ssize_t started = ::write(go[1], "g", 1);
    const long expected = static_cast<long>(seconds) * rate;
    // The window's own event loop, idle but for what the line brings; a check now and then ends it.
    QEventLoop loop;
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, [&] {
        if (dlg.m_nRxCount >= expected || wall.elapsed() > (seconds + 5) * 1000LL) {
            loop.quit();
        }
    });
    check.start(250);
    loop.exec();
    const double cpu = CpuSeconds() - cpuBefore;
    const double elapsed = static_cast<double>(wall.elapsed()) / 1000.0;
    int status = 0;
    ::waitpid(peer, &status, 0);

    const double percent = 100.0 * cpu / elapsed;
    // At line rate: at most 1% of a core. A flood (faster than a 4800-baud line can carry): at most 0.2 s of CPU
    // in the time of one Send.
    const bool flood = rate > 480;
    const double perSend = cpu / elapsed * (kFramePauseTotalMs / 1000.0);
    const bool met = (flood ? perSend <= 0.2 : percent <= 1.0) && dlg.m_nRxCount == expected;
    std::printf("peer: %ld bytes at %d bytes/s, one byte per write, over %d s\n", expected, rate, seconds);
    std::printf("window: received %d bytes, %s\n", dlg.m_nRxCount,
                dlg.m_nRxCount == expected ? "none lost" : "BYTES LOST");
    std::printf(
        "window process CPU: %.3f s in %.2f s = %.2f%% of a core, %.3f s in the %.1f s of a Send (target: %s)\n", cpu,
        elapsed, percent, perSend, kFramePauseTotalMs / 1000.0,
        flood ? "at most 0.2 s a Send under a flood" : "at most 1% of a core at line rate");
    std::printf("by thread (whole run):%s\n", ThreadTimes().c_str());
    std::printf("status line: %s\n", qPrintable(dlg.StatusLine()->ReceivedText()));
    std::printf("%s\n", met ? "target met" : "TARGET MISSED");
    return 0;
}
