#pragma once
// What velmar-send waits for, in one place: the stop signals, the end of a session's Send and, between rounds,
// the operator's input.

#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <initializer_list>
#include <poll.h>
#include <pthread.h>
#include <sys/signalfd.h>
#include <unistd.h>

namespace velmar::send {

// Signals arrive as readable data and the sessions' ends as bytes in a pipe, so
// one poll in the main thread sees both, and no handler can interrupt a write
// or a pause of a session's thread.
class Events {
public:
    enum : unsigned { kSignal = 1, kWoken = 2, kInput = 4 };

    // Blocks the stop signals for this thread and every thread started after it.
    bool Init() {
        sigset_t set;
        sigemptyset(&set);
        for (const int sig : {SIGINT, SIGTERM, SIGHUP}) {
            sigaddset(&set, sig);
        }
        int fds[2];
        if (pthread_sigmask(SIG_BLOCK, &set, nullptr) != 0 || ::pipe2(fds, O_NONBLOCK | O_CLOEXEC) != 0) {
            return false;
        }
        m_wakeRead = fds[0];
        m_wakeWrite = fds[1];
        m_signalFd = ::signalfd(-1, &set, SFD_NONBLOCK | SFD_CLOEXEC);
        return m_signalFd >= 0;
    }
    // Any thread.
    void Wake() const { [[maybe_unused]] const ssize_t n = ::write(m_wakeWrite, "", 1); }

    // Waits up to `timeoutMs` (-1: no limit) for a signal, a Wake or, with
    // `input`, something to read on stdin. Adds the signals to *signals.
    unsigned Wait(int timeoutMs, bool input, int* signals) const {
        pollfd fds[3] = {{m_signalFd, POLLIN, 0}, {m_wakeRead, POLLIN, 0}, {STDIN_FILENO, POLLIN, 0}};
        if (::poll(fds, input ? 3 : 2, timeoutMs) <= 0) {
            return 0;
        }
        unsigned seen = 0;
        signalfd_siginfo info;
        while (::read(m_signalFd, &info, sizeof info) == static_cast<ssize_t>(sizeof info)) {
            ++*signals;
            seen |= kSignal;
        }
        char drain[64];
        while (::read(m_wakeRead, drain, sizeof drain) > 0) {
            seen |= kWoken;
        }
        if (input && fds[2].revents != 0) {
            seen |= kInput;
        }
        return seen;
    }

private:
    int m_signalFd = -1;
    int m_wakeRead = -1;
    int m_wakeWrite = -1;
};

} // namespace velmar::send
