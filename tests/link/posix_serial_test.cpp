#include "PseudoTerminal.h"
#include "PtyRadio.h"
#include "SerialLink.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <grp.h>
#include <memory>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace velmar;
using velmar::test::PtyRadio;

namespace {

TEST(FailureFacts, TheDevicesGroupIsFound) {
    char path[] = "/tmp/velmar-link-groupXXXXXX";
    ::close(::mkstemp(path));
    EXPECT_EQ(DeviceGroupName(path), ::getgrgid(::getegid())->gr_name);
    ::unlink(path);
    EXPECT_EQ(DeviceGroupName(path), "");
}

// The pseudo-terminal multiplexer hands out a fresh pair that nobody reads: it is no line to a radio.
TEST(FailureFacts, ThePseudoTerminalMultiplexerIsNoLine) {
    CPosixSerial port;
    SerialFailure failure;
    EXPECT_FALSE(port.Open("/dev/ptmx", &failure));
    EXPECT_EQ(failure.kind, SerialFailureKind::NotSerial);
    EXPECT_FALSE(port.IsOpen());
}

// A program killed outright leaves its exclusive mark on the device: with no process holding it and no lock on
// it, the next open clears the mark and goes on; while a process holds it, the open is refused. The far end of a
// pseudo-terminal that keeps the line's own end open, as the simulated radio does, holds nothing.
TEST(StaleHold, AMarkNoProcessKeepsIsClearedOneThatIsKeptIsNot) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "only root can open a device marked exclusive";
    }
    // The simulated radio: a process of its own that holds the master and the line's own end.
    int pathPipe[2];
    ASSERT_EQ(::pipe(pathPipe), 0);
    const pid_t radio = ::fork();
    if (radio == 0) {
        CPseudoTerminal line;
        std::string error;
        const std::string path = line.Open({true, false}, &error) ? line.SlavePath() : std::string();
        [[maybe_unused]] const ssize_t n = ::write(pathPipe[1], path.c_str(), path.size() + 1);
        ::pause();
        ::_exit(0);
    }
    // Ended however the test ends.
    struct Reaper {
        pid_t pid;
        ~Reaper() {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, nullptr, 0);
        }
    } reapRadio{radio};
    char received[128] = {};
    ASSERT_GT(::read(pathPipe[0], received, sizeof received - 1), 1);
    const std::string device = received;
    const pid_t holder = ::fork();
    if (holder == 0) {
        const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY);
        ::ioctl(fd, TIOCEXCL);
        ::pause();
        ::_exit(0);
    }
    CPosixSerial port;
    SerialFailure failure;
    for (int tries = 0; tries < 200 && !port.IsOpen(); ++tries) {
        int held = 0;
        const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        ::ioctl(fd, TIOCGEXCL, &held);
        ::close(fd);
        if (held != 0) {
            break;
        }
        ::usleep(5000);
    }
    EXPECT_FALSE(port.Open(device, &failure));
    EXPECT_EQ(failure.problem, SerialProblem::HeldElsewhere);
    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);
    ASSERT_TRUE(port.Open(device, &failure)) << failure.reason;
    EXPECT_TRUE(port.StaleHoldCleared());
    port.Close();
    ASSERT_TRUE(port.Open(device, &failure));
    EXPECT_FALSE(port.StaleHoldCleared());
}

// Whatever kills the program, every port it holds is given back as it was found: its settings, and no exclusive
// hold. Forty, as velmar-send may hold for a rack of radios.
TEST(FatalSignals, ACrashRestoresEveryLineAndDropsEveryHold) {
    constexpr int kPorts = 40;
    for (const int sig : {SIGABRT, SIGSEGV}) {
        std::vector<std::unique_ptr<PtyRadio>> ptys;
        std::vector<LineSettings> before(kPorts);
        for (int i = 0; i < kPorts; ++i) {
            ptys.push_back(std::make_unique<PtyRadio>(false));
            ASSERT_TRUE(ReadLineSettings(ptys.back()->Master(), &before[static_cast<std::size_t>(i)]));
        }
        const pid_t child = ::fork();
        if (child == 0) {
            std::vector<std::unique_ptr<CPosixSerial>> ports;
            for (const auto& pty : ptys) {
                ports.push_back(std::make_unique<CPosixSerial>());
                SerialFailure failure;
                if (!ports.back()->Open(pty->Device(), &failure) ||
                    !ports.back()->ApplyLineSettings(4800, 8, 2, 0, &failure)) {
                    ::_exit(3);
                }
            }
            ::raise(sig);
            ::_exit(3);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        // The signal takes its course: it ends the child, or a sanitizer that had it first reports it and exits.
        ASSERT_TRUE((WIFSIGNALED(status) && WTERMSIG(status) == sig) ||
                    (WIFEXITED(status) && WEXITSTATUS(status) != 0 && WEXITSTATUS(status) != 3))
            << status;
        for (int i = 0; i < kPorts; ++i) {
            const PtyRadio& pty = *ptys[static_cast<std::size_t>(i)];
            LineSettings after;
            ASSERT_TRUE(ReadLineSettings(pty.Master(), &after));
            EXPECT_EQ(after, before[static_cast<std::size_t>(i)]) << "port " << i;
            const int fd = ::open(pty.Device().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
            ASSERT_GE(fd, 0);
            int held = 1;
            EXPECT_EQ(::ioctl(fd, TIOCGEXCL, &held), 0);
            EXPECT_EQ(held, 0) << "port " << i;
            ::close(fd);
        }
    }
}

} // namespace
