#include "PtyRadio.h"
#include "SerialLink.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <grp.h>
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

// Whatever kills the program, the port is given back as it was found: its settings, and no exclusive hold.
TEST(FatalSignals, ACrashRestoresTheLineAndDropsTheHold) {
    for (const int sig : {SIGABRT, SIGSEGV}) {
        PtyRadio pty(false);
        LineSettings before;
        ASSERT_TRUE(ReadLineSettings(pty.Master(), &before));
        const pid_t child = ::fork();
        if (child == 0) {
            CPosixSerial port;
            SerialFailure failure;
            const bool open = port.Open(pty.Device(), &failure) && port.ApplyLineSettings(4800, 8, 2, 0, &failure);
            if (open) {
                ::raise(sig);
            }
            ::_exit(3);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        // The signal takes its course: it ends the child, or a sanitizer that had it first reports it and exits.
        ASSERT_TRUE((WIFSIGNALED(status) && WTERMSIG(status) == sig) ||
                    (WIFEXITED(status) && WEXITSTATUS(status) != 0 && WEXITSTATUS(status) != 3))
            << status;
        LineSettings after;
        ASSERT_TRUE(ReadLineSettings(pty.Master(), &after));
        EXPECT_EQ(after, before);
        const int fd = ::open(pty.Device().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        ASSERT_GE(fd, 0);
        int held = 1;
        EXPECT_EQ(::ioctl(fd, TIOCGEXCL, &held), 0);
        EXPECT_EQ(held, 0);
        ::close(fd);
    }
}

} // namespace
