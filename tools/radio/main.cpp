// velmar-radio: the radio's end of the serial line, on a pseudo-terminal.

#include "FrameReceiver.h"
#include "HexText.h"
#include "PseudoTerminal.h"
#include "RadioOptions.h"
#include "ReportFormat.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <sched.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

using namespace velmar::radio;

namespace {

volatile std::sig_atomic_t g_stop = 0;
int g_wakeWrite = -1;

void OnStopSignal(int) {
    const int saved = errno;
    g_stop = 1;
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(g_wakeWrite, &byte, 1);
    errno = saved;
}

// The signal may come at any moment, also while poll is not yet waiting: the
// byte in the pipe wakes it all the same.
bool InstallStopSignals(int& wakeRead) {
    int fds[2];
    if (::pipe2(fds, O_NONBLOCK | O_CLOEXEC) != 0) {
        return false;
    }
    wakeRead = fds[0];
    g_wakeWrite = fds[1];
    struct sigaction sa {};
    sa.sa_handler = OnStopSignal;
    sigemptyset(&sa.sa_mask);
    for (int sig : {SIGINT, SIGTERM, SIGHUP}) {
        if (sigaction(sig, &sa, nullptr) != 0) {
            return false;
        }
    }
    std::signal(SIGPIPE, SIG_IGN);
    return true;
}

Micros Now() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return Micros(static_cast<long long>(ts.tv_sec) * 1'000'000 + ts.tv_nsec / 1000);
}

// Replaces only a symlink left over from an earlier run, never another file, and never the link of a radio that
// still runs: its line is there as long as it runs, and taking its link would delete it at our exit.
bool MakeLink(const std::string& link, const std::string& target, std::string& error) {
    struct stat st {};
    if (::lstat(link.c_str(), &st) == 0) {
        if (!S_ISLNK(st.st_mode)) {
            error = link + " exists and is not a symlink";
            return false;
        }
        if (struct stat line{}; ::stat(link.c_str(), &line) == 0 && S_ISCHR(line.st_mode)) {
            error = link + " is the line of a radio that is running; end it first, or give another --link";
            return false;
        }
        ::unlink(link.c_str());
    }
    if (::symlink(target.c_str(), link.c_str()) != 0) {
        error = link + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

void RemoveLink(const std::string& link, const std::string& target) {
    std::vector<char> buf(target.size() + 2);
    const ssize_t n = ::readlink(link.c_str(), buf.data(), buf.size());
    if (n >= 0 && std::string(buf.data(), static_cast<std::size_t>(n)) == target) {
        ::unlink(link.c_str());
    }
}

class Radio {
public:
    Radio(const RadioOptions& o, velmar::CPseudoTerminal& dev) : m_options(o), m_dev(dev), m_rx(o.silence) {}

    // Answers (when asked to) and prints the report. Returns false once the
    // requested number of frames has been seen or the output is gone.
    bool Show(const FrameReport& r, bool answer) {
        bool replied = false;
        if (answer && !m_options.reply.empty()) {
            replied = m_dev.Send(m_options.reply);
            if (!replied) {
                std::fprintf(stderr, "velmar-radio: the reply could not be sent: nobody reads the device\n");
            }
        }
        std::string text;
        if (m_options.json) {
            text = FormatJson(r) + "\n";
        } else {
            text = FormatText(r);
            if (replied) {
                text += "  Replied: " + velmar::HexRun(m_options.reply) + "\n";
            }
            text += "\n";
        }
        std::fputs(text.c_str(), stdout);
        if (std::fflush(stdout) != 0) {
            return false;
        }
        ++m_frames;
        return m_options.count == 0 || m_frames < m_options.count;
    }

    void Run(int wakeRead) {
        std::vector<std::uint8_t> buf(4096);
        bool going = true;
        while (going && g_stop == 0) {
            // The wake-up pipe ends the wait at a signal; the limit is there for runtimes that hold a signal's
            // handler back until the call it interrupted returns (the thread sanitizer does).
            constexpr int kLookAtTheFlagMs = 250;
            int timeout = kLookAtTheFlagMs;
            if (const auto deadline = m_rx.Deadline()) {
                const auto left = (*deadline - Now()).count();
                timeout = left <= 0 ? 0 : std::min(kLookAtTheFlagMs, static_cast<int>((left + 999) / 1000));
            }
            pollfd fds[2] = {{m_dev.Master(), POLLIN, 0}, {wakeRead, POLLIN, 0}};
            const int n = ::poll(fds, 2, timeout);
            if (n < 0 && errno != EINTR) {
                std::fprintf(stderr, "velmar-radio: poll: %s\n", std::strerror(errno));
                return;
            }
            bool hungUp = n > 0 && (fds[0].revents & (POLLHUP | POLLERR)) != 0;
            if (n > 0 && (fds[0].revents & POLLIN) != 0) {
                going = ReadAll(buf, hungUp);
            }
            if (hungUp) {
                // With no slave open Linux reports a hang-up on every poll; we
                // hold one open, so this is only a safeguard against spinning.
                const timespec backoff{0, 50'000'000};
                ::nanosleep(&backoff, nullptr);
            }
            if (going) {
                if (auto r = m_rx.Idle(Now())) {
                    going = Show(*r, true);
                }
            }
        }
        // Bytes that came just before the stop still belong to the last frame.
        if (going) {
            bool hungUp = false;
            ReadAll(buf, hungUp);
        }
        if (auto r = m_rx.Finish()) {
            Show(*r, false);
        }
    }

private:
    // Reads until the master is drained; sets `hungUp` when no slave is open.
    bool ReadAll(std::vector<std::uint8_t>& buf, bool& hungUp) {
        for (;;) {
            const ssize_t got = ::read(m_dev.Master(), buf.data(), buf.size());
            if (got < 0 && errno == EINTR) {
                continue;
            }
            if (got <= 0) {
                hungUp = hungUp || got == 0 || errno == EIO;
                return true;
            }
            const Micros at = Now();
            if (auto r = m_rx.Feed(std::span(buf.data(), static_cast<std::size_t>(got)), at)) {
                if (!Show(*r, true)) {
                    return false;
                }
            }
        }
    }

    const RadioOptions& m_options;
    velmar::CPseudoTerminal& m_dev;
    FrameReceiver m_rx;
    int m_frames = 0;
};

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string_view> args(argv + 1, argv + argc);
    const ParsedOptions parsed = ParseOptions(args);
    if (!parsed.error.empty()) {
        std::fprintf(stderr, "velmar-radio: %s\n\n%s", parsed.error.c_str(), kUsage);
        return 2;
    }
    const RadioOptions& options = parsed.options;
    if (options.help) {
        std::fputs(kUsage, stdout);
        return 0;
    }

    int wakeRead = -1;
    if (!InstallStopSignals(wakeRead)) {
        std::fprintf(stderr, "velmar-radio: cannot set up signal handling: %s\n", std::strerror(errno));
        return 1;
    }
    velmar::CPseudoTerminal dev;
    std::string error;
    if (!dev.Open({.holdSlave = true, .radioLine = true}, &error)) {
        std::fprintf(stderr, "velmar-radio: cannot open a pseudo-terminal: %s\n", error.c_str());
        return 1;
    }
    if (!options.link.empty() && !MakeLink(options.link, dev.SlavePath(), error)) {
        std::fprintf(stderr, "velmar-radio: cannot make the link: %s\n", error.c_str());
        return 1;
    }

    // With --json, stdout carries nothing but frames.
    FILE* info = options.json ? stderr : stdout;
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    std::fprintf(info, "velmar-radio: listening on %s%s%s (raw, 4800 baud, 8 data bits, no parity, 2 stop bits)\n",
                 dev.SlavePath().c_str(), options.link.empty() ? "" : " via ", options.link.c_str());
    std::fprintf(info, "VELMAR_COM1=%s\n", options.link.empty() ? dev.SlavePath().c_str() : options.link.c_str());
    std::fflush(info);

    // Every arrival is timed when this process wakes up to read it; on a busy
    // machine that can be late by more than the pacing allows. Where the system
    // lets us (root, or CAP_SYS_NICE), read ahead of ordinary programs. The loop
    // blocks in poll between reads, so it never holds a processor.
    sched_param realtime{};
    realtime.sched_priority = 10;
    const bool exactTiming = sched_setscheduler(0, SCHED_FIFO, &realtime) == 0;
    if (!exactTiming) {
        std::fprintf(info, "velmar-radio: timing at ordinary priority; a busy machine may show gaps a little short\n");
    }

    Radio radio(options, dev);
    radio.Run(wakeRead);
    // A test or script that stopped us with --count still gets the last reply.
    if (g_stop == 0 && !options.reply.empty()) {
        dev.Drain(2000);
    }

    if (!options.link.empty()) {
        RemoveLink(options.link, dev.SlavePath());
    }
    return 0;
}
