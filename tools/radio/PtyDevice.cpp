#include "PtyDevice.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace velmar::radio {

namespace {

std::string Reason(const char* what) {
    return std::string(what) + ": " + std::strerror(errno);
}

bool SetRawLine(int fd, std::string& error) {
    termios t{};
    if (tcgetattr(fd, &t) != 0) {
        error = Reason("tcgetattr");
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
        error = Reason("tcsetattr");
        return false;
    }
    return true;
}

} // namespace

PtyDevice::~PtyDevice() {
    if (m_slaveHold >= 0) {
        ::close(m_slaveHold);
    }
    if (m_master >= 0) {
        ::close(m_master);
    }
}

bool PtyDevice::Open(std::string& error) {
    m_master = posix_openpt(O_RDWR | O_NOCTTY);
    if (m_master < 0) {
        error = Reason("posix_openpt");
        return false;
    }
    if (grantpt(m_master) != 0 || unlockpt(m_master) != 0) {
        error = Reason("grantpt/unlockpt");
        return false;
    }
    const int flags = fcntl(m_master, F_GETFL);
    if (flags < 0 || fcntl(m_master, F_SETFL, flags | O_NONBLOCK) != 0 || fcntl(m_master, F_SETFD, FD_CLOEXEC) != 0) {
        error = Reason("fcntl");
        return false;
    }
    const char* name = ptsname(m_master);
    if (name == nullptr) {
        error = Reason("ptsname");
        return false;
    }
    m_slavePath = name;
    m_slaveHold = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (m_slaveHold < 0) {
        error = Reason(name);
        return false;
    }
    return SetRawLine(m_slaveHold, error);
}

bool PtyDevice::Send(std::span<const std::uint8_t> bytes) {
    std::size_t done = 0;
    int waits = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(m_master, bytes.data() + done, bytes.size() - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0 && errno != EAGAIN) {
            return false;
        }
        if (++waits > 10) {
            return false;
        }
        pollfd p{m_master, POLLOUT, 0};
        ::poll(&p, 1, 100);
    }
    return true;
}

void PtyDevice::Drain(int limitMs) {
    // What the master writes reaches the slave's queue a moment later, so an
    // empty queue counts only once the bytes were seen there, or after a while.
    constexpr int kStepMs = 10;
    constexpr int kArrivalMs = 100;
    bool seen = false;
    for (int waited = 0; waited < limitMs; waited += kStepMs) {
        int unread = 0;
        if (::ioctl(m_slaveHold, FIONREAD, &unread) != 0) {
            return;
        }
        if (unread > 0) {
            seen = true;
        } else if (seen || waited >= kArrivalMs) {
            return;
        }
        const timespec step{0, kStepMs * 1'000'000L};
        ::nanosleep(&step, nullptr);
    }
}

} // namespace velmar::radio
