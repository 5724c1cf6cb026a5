// The only file that includes <termios.h>: the kernel's terminal definitions stay out of every header.
#include "PosixSerial.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <grp.h>
#include <mutex>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <termios.h>
#include <thread>
#include <time.h>
#include <unistd.h>
#include <utility>
#include <vector>

static_assert(sizeof(termios) <= 64, "the saved settings must fit the space kept for them in the header");

namespace velmar {

namespace {

using Clock = std::chrono::steady_clock;

std::string ErrnoText(int error) {
    char buffer[256];
    // GNU strerror_r may return a static text instead of filling the buffer.
    const char* text = strerror_r(error, buffer, sizeof buffer);
    return text;
}

struct BaudEntry {
    std::uint32_t rate;
    speed_t code;
};

constexpr BaudEntry kBaudTable[] = {
    {50, B50},           {75, B75},           {110, B110},         {134, B134},         {150, B150},
    {200, B200},         {300, B300},         {600, B600},         {1200, B1200},       {1800, B1800},
    {2400, B2400},       {4800, B4800},       {9600, B9600},       {19200, B19200},     {38400, B38400},
    {57600, B57600},     {115200, B115200},   {230400, B230400},   {460800, B460800},   {500000, B500000},
    {576000, B576000},   {921600, B921600},   {1000000, B1000000}, {1152000, B1152000}, {1500000, B1500000},
    {2000000, B2000000}, {2500000, B2500000}, {3000000, B3000000}, {3500000, B3500000}, {4000000, B4000000},
};

// Each setter names what it refuses in *problem, with the value in *value.
bool SetBaudRate(termios* t, std::uint32_t rate, SerialProblem* problem) {
    for (const auto& entry : kBaudTable) {
        if (entry.rate == rate) {
            cfsetispeed(t, entry.code);
            cfsetospeed(t, entry.code);
            return true;
        }
    }
    *problem = SerialProblem::BaudUnavailable;
    return false;
}

bool SetByteSize(termios* t, std::uint8_t bits, SerialProblem* problem) {
    tcflag_t size = 0;
    switch (bits) {
    case 5:
        size = CS5;
        break;
    case 6:
        size = CS6;
        break;
    case 7:
        size = CS7;
        break;
    case 8:
        size = CS8;
        break;
    default:
        *problem = SerialProblem::ByteSizeImpossible;
        return false;
    }
    t->c_cflag = (t->c_cflag & ~CSIZE) | size;
    return true;
}

bool SetStopBits(termios* t, std::uint8_t code, SerialProblem* problem) {
    switch (code) {
    case 0:
        t->c_cflag &= ~CSTOPB;
        return true;
    case 2:
        t->c_cflag |= CSTOPB;
        return true;
    case 1:
        *problem = SerialProblem::OneAndAHalfStopBits;
        return false;
    default:
        *problem = SerialProblem::UnknownStopBits;
        return false;
    }
}

bool SetParity(termios* t, std::uint8_t code, SerialProblem* problem) {
    t->c_cflag &= ~(PARENB | PARODD | CMSPAR);
    // Received parity is not checked: the link passes bytes on as they come.
    t->c_iflag &= ~(INPCK | PARMRK);
    switch (code) {
    case 0:
        return true;
    case 1:
        t->c_cflag |= PARENB | PARODD;
        return true;
    case 2:
        t->c_cflag |= PARENB;
        return true;
    case 3: // mark: the parity bit is always 1
        t->c_cflag |= PARENB | CMSPAR | PARODD;
        return true;
    case 4: // space: always 0
        t->c_cflag |= PARENB | CMSPAR;
        return true;
    default:
        *problem = SerialProblem::UnknownParity;
        return false;
    }
}

void MakeRaw(termios* t) {
    cfmakeraw(t);
    t->c_cflag |= CLOCAL | CREAD;
    // The programming cable has no handshake lines: flow control left on by another program would hold every
    // write until it timed out.
    t->c_cflag &= ~CRTSCTS;
    t->c_iflag &= ~(IXON | IXOFF | IXANY);
    // Reads return at once with what is there; the watch thread waits in poll() instead.
    t->c_cc[VMIN] = 0;
    t->c_cc[VTIME] = 0;
}

bool IsRaw(const termios& t) {
    return (t.c_lflag & (ICANON | ECHO | ISIG | IEXTEN)) == 0 && (t.c_oflag & OPOST) == 0 &&
           (t.c_iflag & (IXON | ICRNL | INLCR | IGNCR | ISTRIP)) == 0 && t.c_cc[VMIN] == 0 && t.c_cc[VTIME] == 0;
}

LineSettings Decode(const termios& t) {
    LineSettings s;
    const speed_t speed = cfgetospeed(&t);
    for (const auto& entry : kBaudTable) {
        if (entry.code == speed) {
            s.baudRate = entry.rate;
        }
    }
    switch (t.c_cflag & CSIZE) {
    case CS5:
        s.byteSize = 5;
        break;
    case CS6:
        s.byteSize = 6;
        break;
    case CS7:
        s.byteSize = 7;
        break;
    default:
        s.byteSize = 8;
        break;
    }
    s.stopBits = (t.c_cflag & CSTOPB) ? 2 : 0;
    if ((t.c_cflag & PARENB) == 0) {
        s.parity = 0;
    } else if (t.c_cflag & CMSPAR) {
        s.parity = (t.c_cflag & PARODD) ? 3 : 4;
    } else {
        s.parity = (t.c_cflag & PARODD) ? 1 : 2;
    }
    s.raw = IsRaw(t);
    s.flowControl = (t.c_cflag & CRTSCTS) != 0 || (t.c_iflag & (IXON | IXOFF | IXANY)) != 0;
    return s;
}

SerialFailureKind KindOfOpenError(int error) {
    switch (error) {
    case ENOENT:
    case ENODEV:
    case ENXIO:
    case EIO:
        return SerialFailureKind::NoDevice;
    case EBUSY:
    case EWOULDBLOCK:
        return SerialFailureKind::Busy;
    case EACCES:
    case EPERM:
    case EROFS:
        return SerialFailureKind::PermissionDenied;
    case ENOTTY:
        return SerialFailureKind::NotSerial;
    case EMFILE:
    case ENFILE:
    case ENOMEM:
        return SerialFailureKind::Resources;
    default:
        return SerialFailureKind::Other;
    }
}

void Fail(SerialFailure* failure, SerialFailureKind kind, const std::string& device, int error, SerialProblem problem,
          std::uint32_t value = 0) {
    if (failure != nullptr) {
        *failure = {};
        failure->kind = kind;
        failure->device = device;
        failure->error = error;
        failure->problem = problem;
        failure->value = value;
        failure->reason = problem == SerialProblem::System ? ErrnoText(error) : std::string();
    }
}

void CloseRetainingErrno(int fd) {
    const int saved = errno;
    ::close(fd);
    errno = saved;
}

// Milliseconds left until `deadline`, rounded up so a wait never ends just short of it; -1 for no deadline.
int MillisecondsLeft(bool hasDeadline, Clock::time_point deadline) {
    if (!hasDeadline) {
        return -1;
    }
    const auto left = deadline - Clock::now();
    if (left <= Clock::duration::zero()) {
        return 0;
    }
    const auto ms = std::chrono::ceil<std::chrono::milliseconds>(left).count();
    return static_cast<int>(std::min<long long>(ms, 1 << 30));
}

// The ports this process holds, for a fatal signal: whatever kills the program must not leave a port raw and
// held. Open fills a slot and Close empties it; the handler reads them with async-signal-safe calls only.
struct HeldPort {
    std::atomic<int> fd{-1}; // -1 free, kReserved while being filled
    termios saved{};
};
constexpr int kReserved = -2;
// As many as the usual limit of open files: a program cannot hold more ports than that, and a port beyond the
// table is refused rather than left uncovered.
HeldPort g_held[1024];
struct sigaction g_previous[NSIG];
constexpr int kFatalSignals[] = {SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGABRT};

void OnFatalSignal(int sig, siginfo_t* info, void* context) {
    for (HeldPort& port : g_held) {
        const int fd = port.fd.load(std::memory_order_acquire);
        if (fd >= 0) {
            tcsetattr(fd, TCSANOW, &port.saved);
            ::ioctl(fd, TIOCNXCL);
        }
    }
    // Then the signal takes its course: a handler that was there before (a sanitizer's) gets it, or the default.
    const struct sigaction& before = g_previous[sig];
    if ((before.sa_flags & SA_SIGINFO) != 0 && before.sa_sigaction != nullptr) {
        before.sa_sigaction(sig, info, context);
    } else if (before.sa_handler != SIG_DFL && before.sa_handler != SIG_IGN) {
        before.sa_handler(sig);
    }
    ::signal(sig, SIG_DFL);
    ::raise(sig);
}

void WatchFatalSignals() {
    static std::once_flag once;
    std::call_once(once, [] {
        // Its own stack, so that a stack overflow still reaches it.
        static char stack[64 * 1024];
        stack_t alternate{};
        alternate.ss_sp = stack;
        alternate.ss_size = sizeof stack;
        ::sigaltstack(&alternate, nullptr);
        struct sigaction sa {};
        sa.sa_sigaction = OnFatalSignal;
        sigemptyset(&sa.sa_mask);
        sa.sa_flags = SA_SIGINFO | SA_ONSTACK | SA_NODEFER;
        for (const int sig : kFatalSignals) {
            ::sigaction(sig, &sa, &g_previous[sig]);
        }
    });
}

bool HoldPort(int fd, const termios& saved) {
    for (HeldPort& port : g_held) {
        int expected = -1;
        if (port.fd.compare_exchange_strong(expected, kReserved, std::memory_order_acq_rel)) {
            port.saved = saved;
            port.fd.store(fd, std::memory_order_release);
            return true;
        }
    }
    return false;
}

void ReleasePort(int fd) {
    for (HeldPort& port : g_held) {
        int expected = fd;
        if (port.fd.compare_exchange_strong(expected, -1, std::memory_order_acq_rel)) {
            return;
        }
    }
}

// Unix 98 pseudo-terminals: majors 136 to 143, the index across them; -1 for any other device.
int PtyIndex(dev_t device) {
    const int m = static_cast<int>(major(device));
    return m >= 136 && m <= 143 ? (m - 136) * 256 + static_cast<int>(minor(device)) : -1;
}

// The index of the pseudo-terminal whose master the descriptor `name` of the process `fds` stands for, from the
// kernel's "tty-index" line; -1 for any other descriptor.
int MasterIndex(const std::string& fds, const char* name) {
    std::FILE* info = std::fopen((fds.substr(0, fds.size() - 2) + "fdinfo/" + name).c_str(), "r");
    int index = -1;
    char line[128];
    while (info != nullptr && std::fgets(line, sizeof line, info) != nullptr) {
        if (std::sscanf(line, "tty-index: %d", &index) == 1) {
            break;
        }
    }
    if (info != nullptr) {
        std::fclose(info);
    }
    return index;
}

// True when any descriptor but `fd` has its device open, in any process (this one too), or when that cannot be
// known for a process. A process that holds the master of a pseudo-terminal is its far end (a simulated radio
// keeps the line's own end open too), not a program that took the line; this process is never taken for one.
bool OpenElsewhere(int fd) {
    struct stat own {};
    if (::fstat(fd, &own) != 0) {
        return true;
    }
    DIR* proc = ::opendir("/proc");
    if (proc == nullptr) {
        return true;
    }
    bool found = false;
    const std::string self = std::to_string(::getpid());
    const int ptyIndex = PtyIndex(own.st_rdev);
    while (const dirent* process = ::readdir(proc)) {
        const std::string pid = process->d_name;
        if (pid.find_first_not_of("0123456789") != std::string::npos) {
            continue;
        }
        const std::string fds = "/proc/" + pid + "/fd";
        DIR* dir = ::opendir(fds.c_str());
        if (dir == nullptr) {
            // Gone meanwhile is no holder; a process we may not look into might be one.
            found = found || errno != ENOENT;
            continue;
        }
        bool holds = false, farEnd = false;
        while (const dirent* entry = ::readdir(dir)) {
            struct stat st {};
            const bool ours = pid == self && entry->d_name == std::to_string(fd);
            if (entry->d_name[0] == '.' || ours || ::fstatat(::dirfd(dir), entry->d_name, &st, 0) != 0 ||
                !S_ISCHR(st.st_mode)) {
                continue;
            }
            holds = holds || st.st_rdev == own.st_rdev;
            farEnd = farEnd || (pid != self && ptyIndex >= 0 && major(st.st_rdev) == 5 && minor(st.st_rdev) == 2 &&
                                MasterIndex(fds, entry->d_name) == ptyIndex);
        }
        ::closedir(dir);
        found = found || (holds && !farEnd);
    }
    ::closedir(proc);
    return found;
}

} // namespace

namespace {

int PtyIndexOf(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISCHR(st.st_mode) ? PtyIndex(st.st_rdev) : -1;
}

} // namespace

bool IsPseudoTerminal(const std::string& path) {
    return PtyIndexOf(path) >= 0;
}

std::string FarEndProgram(const std::string& path) {
    const int index = PtyIndexOf(path);
    DIR* proc = index >= 0 ? ::opendir("/proc") : nullptr;
    if (proc == nullptr) {
        return {};
    }
    std::string program;
    while (const dirent* process = ::readdir(proc)) {
        const std::string pid = process->d_name;
        if (!program.empty() || pid.find_first_not_of("0123456789") != std::string::npos) {
            continue;
        }
        const std::string fds = "/proc/" + pid + "/fd";
        DIR* dir = ::opendir(fds.c_str());
        bool master = false;
        while (dir != nullptr && !master) {
            const dirent* entry = ::readdir(dir);
            if (entry == nullptr) {
                break;
            }
            struct stat st {};
            master = entry->d_name[0] != '.' && ::fstatat(::dirfd(dir), entry->d_name, &st, 0) == 0 &&
                     S_ISCHR(st.st_mode) && major(st.st_rdev) == 5 && minor(st.st_rdev) == 2 &&
                     MasterIndex(fds, entry->d_name) == index;
        }
        if (dir != nullptr) {
            ::closedir(dir);
        }
        if (master) {
            char name[64] = {};
            if (std::FILE* comm = std::fopen(("/proc/" + pid + "/comm").c_str(), "r")) {
                if (std::fgets(name, sizeof name, comm) != nullptr) {
                    program = name;
                    program.erase(program.find_last_not_of('\n') + 1);
                }
                std::fclose(comm);
            }
        }
    }
    ::closedir(proc);
    return program;
}

std::string DeviceKernelName(const std::string& path) {
    char resolved[PATH_MAX];
    const std::string real = ::realpath(path.c_str(), resolved) != nullptr ? resolved : path;
    const auto slash = real.find_last_of('/');
    return slash == std::string::npos ? real : real.substr(slash + 1);
}

std::string DeviceGroupName(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        return {};
    }
    std::vector<char> buffer(4096);
    group entry{};
    group* found = nullptr;
    while (getgrgid_r(st.st_gid, &entry, buffer.data(), buffer.size(), &found) == ERANGE && buffer.size() < 1 << 20) {
        buffer.resize(buffer.size() * 2);
    }
    return found != nullptr ? std::string(found->gr_name) : std::string();
}

bool ReadLineSettings(int fd, LineSettings* settings) {
    termios t{};
    if (tcgetattr(fd, &t) != 0) {
        return false;
    }
    *settings = Decode(t);
    return true;
}

CPosixSerial::~CPosixSerial() {
    Close();
}

bool CPosixSerial::Open(const std::string& device, SerialFailure* failure) {
    if (IsOpen()) {
        Fail(failure, SerialFailureKind::Busy, device, EBUSY, SerialProblem::OpenHere);
        return false;
    }
    // Owns the descriptor until everything is in place: every failure below leaves through one clean-up.
    struct Guard {
        int fd = -1;
        bool exclusive = false;
        ~Guard() {
            if (fd >= 0) {
                if (exclusive) {
                    ::ioctl(fd, TIOCNXCL);
                }
                CloseRetainingErrno(fd);
            }
        }
    } guard;
    const auto fail = [&](SerialFailureKind kind, int error, SerialProblem problem) {
        Fail(failure, kind, device, error, problem);
        return false;
    };
    const auto failErrno = [&] {
        const int error = errno;
        fail(KindOfOpenError(error), error, SerialProblem::System);
        if (failure != nullptr && failure->kind == SerialFailureKind::PermissionDenied) {
            failure->group = DeviceGroupName(device);
            failure->kernelName = DeviceKernelName(device);
        }
        return false;
    };

    guard.fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (guard.fd < 0) {
        return failErrno();
    }
    // The pseudo-terminal multiplexer opens a fresh pair that nobody reads: a frame sent there is lost whole.
    if (struct stat st{};
        ::fstat(guard.fd, &st) == 0 && S_ISCHR(st.st_mode) && major(st.st_rdev) == 5 && minor(st.st_rdev) == 2) {
        return fail(SerialFailureKind::NotSerial, ENOTTY, SerialProblem::System);
    }
    // Root passes another program's TIOCEXCL, and would then share the radio's bytes with it: ask first. A hold
    // that no process keeps is what a program killed outright leaves behind; it is cleared, and said.
    m_bStaleHoldCleared = false;
    int heldExclusively = 0;
    if (::ioctl(guard.fd, TIOCGEXCL, &heldExclusively) == 0 && heldExclusively != 0) {
        if (::flock(guard.fd, LOCK_EX | LOCK_NB) != 0 || OpenElsewhere(guard.fd)) {
            return fail(SerialFailureKind::Busy, EBUSY, SerialProblem::HeldElsewhere);
        }
        ::flock(guard.fd, LOCK_UN);
        ::ioctl(guard.fd, TIOCNXCL);
        m_bStaleHoldCleared = true;
    }
    if (::ioctl(guard.fd, TIOCEXCL) != 0) {
        return failErrno();
    }
    guard.exclusive = true;
    // TIOCEXCL keeps other users out; root passes it, so the advisory lock is what stops a second copy of this
    // program run as root.
    if (::flock(guard.fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        return fail(error == EWOULDBLOCK ? SerialFailureKind::Busy : KindOfOpenError(error), error,
                    error == EWOULDBLOCK ? SerialProblem::HeldElsewhere : SerialProblem::System);
    }
    termios saved{};
    if (tcgetattr(guard.fd, &saved) != 0) {
        return failErrno();
    }
    WatchFatalSignals();
    if (!HoldPort(guard.fd, saved)) {
        return fail(SerialFailureKind::Resources, EMFILE, SerialProblem::System);
    }
    const int wakeFd = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (wakeFd < 0) {
        ReleasePort(guard.fd);
        return failErrno();
    }
    m_fd = std::exchange(guard.fd, -1);
    m_wakeFd = wakeFd;
    m_device = device;
    std::memcpy(m_savedTermios, &saved, sizeof saved);
    m_bSaved = true;
    m_nBaudRate = Decode(saved).baudRate;
    return true;
}

bool CPosixSerial::ApplyLineSettings(std::uint32_t baudRate, std::uint8_t byteSize, std::uint8_t stopBits,
                                     std::uint8_t parity, SerialFailure* failure) {
    if (!IsOpen()) {
        Fail(failure, SerialFailureKind::Other, m_device, EBADF, SerialProblem::NotOpen);
        return false;
    }
    termios wanted{};
    if (tcgetattr(m_fd, &wanted) != 0) {
        const int error = errno;
        Fail(failure, SerialFailureKind::Other, m_device, error, SerialProblem::System);
        return false;
    }
    SerialProblem problem = SerialProblem::System;
    MakeRaw(&wanted);
    if (!SetBaudRate(&wanted, baudRate, &problem) || !SetByteSize(&wanted, byteSize, &problem) ||
        !SetStopBits(&wanted, stopBits, &problem) || !SetParity(&wanted, parity, &problem)) {
        const std::uint32_t value = problem == SerialProblem::BaudUnavailable      ? baudRate
                                    : problem == SerialProblem::ByteSizeImpossible ? byteSize
                                    : problem == SerialProblem::UnknownParity      ? parity
                                                                                   : stopBits;
        Fail(failure, SerialFailureKind::SettingRefused, m_device, 0, problem, value);
        return false;
    }
    if (tcsetattr(m_fd, TCSANOW, &wanted) != 0) {
        const int error = errno;
        Fail(failure, SerialFailureKind::SettingRefused, m_device, error, SerialProblem::System);
        return false;
    }
    // tcsetattr succeeds when any part of the request was taken: only reading back shows what was kept.
    termios got{};
    if (tcgetattr(m_fd, &got) != 0) {
        const int error = errno;
        Fail(failure, SerialFailureKind::SettingRefused, m_device, error, SerialProblem::System);
        return false;
    }
    const LineSettings want = Decode(wanted);
    const LineSettings have = Decode(got);
    if (!(want == have)) {
        if (have.baudRate != want.baudRate) {
            Fail(failure, SerialFailureKind::SettingRefused, m_device, 0, SerialProblem::BaudNotKept, baudRate);
        } else if (have.byteSize != want.byteSize) {
            Fail(failure, SerialFailureKind::SettingRefused, m_device, 0, SerialProblem::ByteSizeNotKept, byteSize);
        } else if (have.stopBits != want.stopBits) {
            Fail(failure, SerialFailureKind::SettingRefused, m_device, 0, SerialProblem::StopBitsNotKept, stopBits);
        } else if (have.parity != want.parity) {
            Fail(failure, SerialFailureKind::SettingRefused, m_device, 0, SerialProblem::ParityNotKept, parity);
        } else if (have.flowControl != want.flowControl) {
            Fail(failure, SerialFailureKind::SettingRefused, m_device, 0, SerialProblem::FlowControlNotOff);
        } else {
            Fail(failure, SerialFailureKind::SettingRefused, m_device, 0, SerialProblem::RawModeNotKept);
        }
        return false;
    }
    m_nBaudRate = baudRate;
    return true;
}

void CPosixSerial::Purge() {
    if (IsOpen()) {
        tcflush(m_fd, TCIOFLUSH);
    }
}

std::uint32_t CPosixSerial::Write(const std::uint8_t* bytes, std::uint32_t count, std::uint32_t timeoutMs) {
    if (!IsOpen() || count == 0) {
        return 0;
    }
    const bool hasDeadline = timeoutMs != 0;
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    std::uint32_t sent = 0;
    bool gaveUp = false;
    while (sent < count) {
        const ssize_t n = ::write(m_fd, bytes + sent, count - sent);
        if (n > 0) {
            sent += static_cast<std::uint32_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
            return sent; // hung up (EIO) or broken: nothing more will go
        }
        pollfd p{m_fd, POLLOUT, 0};
        const int ready = ::poll(&p, 1, MillisecondsLeft(hasDeadline, deadline));
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready == 0) {
            gaveUp = true;
            break;
        }
        if (ready < 0 || (p.revents & (POLLERR | POLLHUP | POLLNVAL)) != 0) {
            // A peer that went away may still report the port writable; without this a write loop would spin.
            return sent;
        }
    }
    // Wait for the driver to send what it holds, by its own count against our deadline: tcdrain() has no
    // deadline and never returns while the line is held up.
    int pending = 0;
    for (;;) {
        if (::ioctl(m_fd, TIOCOUTQ, &pending) != 0) {
            pending = 0; // cannot tell (a hung-up line): what was written is all we know of
            break;
        }
        if (pending == 0) {
            // The buffer is empty; a UART may still be shifting out its last byte, which its status tells.
            unsigned int lsr = 0;
            if (::ioctl(m_fd, TIOCSERGETLSR, &lsr) != 0 || (lsr & TIOCSER_TEMT) != 0) {
                break;
            }
        }
        if (gaveUp || (hasDeadline && Clock::now() >= deadline)) {
            gaveUp = true;
            break;
        }
        // Sleep about as long as the bytes still buffered take on the line (11 bits each at most), 1 ms at
        // least and never past the deadline.
        const std::uint32_t baud = m_nBaudRate != 0 ? m_nBaudRate : 9600;
        auto step = std::chrono::microseconds(static_cast<long long>(std::max(pending, 1)) * 11'000'000LL / baud);
        step = std::clamp(step, std::chrono::microseconds(1000), std::chrono::microseconds(50'000));
        if (hasDeadline) {
            step = std::min(step, std::chrono::ceil<std::chrono::microseconds>(deadline - Clock::now()));
        }
        std::this_thread::sleep_for(step);
    }
    if (gaveUp && pending > 0) {
        // Like a timed-out write elsewhere: what did not go out by the deadline is not sent later either.
        tcflush(m_fd, TCOFLUSH);
        return sent - std::min<std::uint32_t>(sent, static_cast<std::uint32_t>(pending));
    }
    return sent;
}

std::uint32_t CPosixSerial::Read(std::uint8_t* buffer, std::uint32_t capacity) {
    if (!IsOpen() || capacity == 0) {
        return 0;
    }
    for (;;) {
        const ssize_t n = ::read(m_fd, buffer, capacity);
        if (n > 0) {
            return static_cast<std::uint32_t>(n);
        }
        if (n < 0 && errno == EINTR) {
            continue;
        }
        return 0;
    }
}

bool CPosixSerial::PrepareWait() const {
    return IsOpen() && ::fcntl(m_fd, F_GETFD) != -1 && ::fcntl(m_wakeFd, F_GETFD) != -1;
}

unsigned CPosixSerial::WaitForInput(bool watchPort, int timeoutMs) {
    pollfd p[2] = {{m_wakeFd, POLLIN, 0}, {m_fd, POLLIN, 0}};
    const nfds_t count = watchPort ? 2 : 1;
    const auto deadline = Clock::now() + std::chrono::milliseconds(std::max(timeoutMs, 0));
    for (;;) {
        const int ready = ::poll(p, count, MillisecondsLeft(timeoutMs >= 0, deadline));
        if (ready < 0) {
            if (errno == EINTR) {
                continue;
            }
            return kWaitHangUp;
        }
        if (ready == 0) {
            return 0;
        }
        if (p[0].revents != 0) {
            return kWaitWoken;
        }
        unsigned events = 0;
        if (watchPort && (p[1].revents & POLLIN) != 0) {
            events |= kWaitRxChar;
        }
        if (watchPort && (p[1].revents & (POLLHUP | POLLERR | POLLNVAL)) != 0) {
            events |= kWaitHangUp;
        }
        if (events != 0) {
            return events;
        }
    }
}

void CPosixSerial::Wake() {
    if (m_wakeFd >= 0) {
        const std::uint64_t one = 1;
        while (::write(m_wakeFd, &one, sizeof one) < 0 && errno == EINTR) {
        }
    }
}

void CPosixSerial::Close() {
    if (m_fd >= 0) {
        ReleasePort(m_fd);
        if (m_bSaved) {
            termios saved{};
            std::memcpy(&saved, m_savedTermios, sizeof saved);
            tcsetattr(m_fd, TCSANOW, &saved);
        }
        ::ioctl(m_fd, TIOCNXCL);
        ::flock(m_fd, LOCK_UN);
        ::close(m_fd);
        m_fd = -1;
    }
    if (m_wakeFd >= 0) {
        ::close(m_wakeFd);
        m_wakeFd = -1;
    }
    m_bSaved = false;
}

bool CPosixSerial::CurrentLineSettings(LineSettings* settings) const {
    return IsOpen() && ReadLineSettings(m_fd, settings);
}

} // namespace velmar
