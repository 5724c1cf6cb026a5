#include "PseudoTerminal.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace velmar {

namespace {

using Clock = std::chrono::steady_clock;

std::string Reason(const std::string& what) {
    return what + ": " + std::strerror(errno);
}

bool SetRadioLine(int fd, std::string* error) {
    termios t{};
    if (tcgetattr(fd, &t) != 0) {
        *error = Reason("tcgetattr");
        return false;
    }
    cfmakeraw(&t);
    cfsetispeed(&t, B4800);
    cfsetospeed(&t, B4800);
    t.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CRTSCTS);
    t.c_cflag |= CS8 | CSTOPB | CREAD | CLOCAL;
    t.c_cc[VMIN] = 1;
    t.c_cc[VTIME] = 0;
    if (tcsetattr(fd, TCSANOW, &t) != 0) {
        *error = Reason("tcsetattr");
        return false;
    }
    return true;
}

int MillisecondsLeft(Clock::time_point until) {
    return static_cast<int>(
        std::max<long long>(0, std::chrono::ceil<std::chrono::milliseconds>(until - Clock::now()).count()));
}

} // namespace

CPseudoTerminal::~CPseudoTerminal() {
    if (m_slaveHold >= 0) {
        ::close(m_slaveHold);
    }
    CloseMaster();
}

bool CPseudoTerminal::Open(const Options& options, std::string* error) {
    const auto fail = [&](const std::string& what) {
        *error = Reason(what);
        if (m_slaveHold >= 0) {
            ::close(m_slaveHold);
            m_slaveHold = -1;
        }
        CloseMaster();
        return false;
    };
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (m_master < 0) {
        return fail("posix_openpt");
    }
    char name[128] = {};
    if (::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0 || ::ptsname_r(m_master, name, sizeof name) != 0) {
        return fail("grantpt/unlockpt/ptsname");
    }
    m_slavePath = name;
    if (options.holdSlave) {
        m_slaveHold = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        if (m_slaveHold < 0) {
            return fail(name);
        }
        if (options.radioLine && !SetRadioLine(m_slaveHold, error)) {
            const std::string why = *error;
            fail("");
            *error = why;
            return false;
        }
    }
    return true;
}

void CPseudoTerminal::CloseMaster() {
    if (m_master >= 0) {
        ::close(m_master);
        m_master = -1;
    }
}

bool CPseudoTerminal::Send(std::span<const std::uint8_t> bytes, int limitMs) const {
    const auto until = Clock::now() + std::chrono::milliseconds(limitMs);
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(m_master, bytes.data() + done, bytes.size() - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if ((n < 0 && errno != EAGAIN) || Clock::now() >= until) {
            return false;
        }
        pollfd p{m_master, POLLOUT, 0};
        ::poll(&p, 1, MillisecondsLeft(until));
    }
    return true;
}

std::vector<std::uint8_t> CPseudoTerminal::Receive(std::size_t count, int limitMs) const {
    std::vector<std::uint8_t> got;
    std::uint8_t buffer[4096];
    pollfd p{m_master, POLLIN, 0};
    while (got.size() < count && ::poll(&p, 1, limitMs) > 0) {
        const ssize_t n = ::read(m_master, buffer, std::min(sizeof buffer, count - got.size()));
        if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
            continue;
        }
        if (n <= 0) {
            break;
        }
        got.insert(got.end(), buffer, buffer + n);
    }
    return got;
}

void CPseudoTerminal::Drain(int limitMs) const {
    // What the master writes reaches the slave's queue a moment later, so an
    // empty queue counts only once the bytes were seen there, or after a while.
    constexpr auto kStep = std::chrono::milliseconds(10);
    constexpr auto kArrival = std::chrono::milliseconds(100);
    const auto start = Clock::now();
    bool seen = false;
    while (m_slaveHold >= 0 && Clock::now() - start < std::chrono::milliseconds(limitMs)) {
        int unread = 0;
        if (::ioctl(m_slaveHold, FIONREAD, &unread) != 0) {
            return;
        }
        if (unread > 0) {
            seen = true;
        } else if (seen || Clock::now() - start >= kArrival) {
            return;
        }
        std::this_thread::sleep_for(kStep);
    }
}

} // namespace velmar
