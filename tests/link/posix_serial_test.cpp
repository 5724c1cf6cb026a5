#include "PosixSerial.h"
#include "PtyPair.h"
#include "SerialLink.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;

class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : m_name(name) {
        if (const char* old = std::getenv(name)) {
            m_old = old;
            m_had = true;
        }
        if (value != nullptr) {
            ::setenv(name, value, 1);
        } else {
            ::unsetenv(name);
        }
    }
    ~ScopedEnv() {
        if (m_had) {
            ::setenv(m_name.c_str(), m_old.c_str(), 1);
        } else {
            ::unsetenv(m_name.c_str());
        }
    }

private:
    std::string m_name;
    std::string m_old;
    bool m_had = false;
};

TEST(PortNames, ComNamesMapToDevicesAndOthersArePaths) {
    ScopedEnv com1("VELMAR_COM1", nullptr);
    ScopedEnv com3("VELMAR_COM3", nullptr);
    EXPECT_EQ(DevicePathForPort("COM1"), "/dev/ttyS0");
    EXPECT_EQ(DevicePathForPort("COM3"), "/dev/ttyS2");
    EXPECT_EQ(DevicePathForPort("com12"), "/dev/ttyS11");
    EXPECT_EQ(DevicePathForPort("/dev/ttyUSB0"), "/dev/ttyUSB0");
    // Not a COM port number: taken as a (relative) path.
    EXPECT_EQ(DevicePathForPort("COM0"), "COM0");
    EXPECT_EQ(DevicePathForPort("COM"), "COM");
    EXPECT_EQ(DevicePathForPort("COM1x"), "COM1x");
}

TEST(PortNames, EnvironmentNamesTheDevice) {
    ScopedEnv com1("VELMAR_COM1", "/dev/ttyUSB0");
    EXPECT_EQ(DevicePathForPort("COM1"), "/dev/ttyUSB0");
    EXPECT_EQ(DevicePathForPort("COM2"), "/dev/ttyS1");
    ScopedEnv empty("VELMAR_COM1", "");
    EXPECT_EQ(DevicePathForPort("COM1"), "/dev/ttyS0");
}

TEST(FailureText, NamesDeviceReasonAndWhatToDo) {
    SerialFailure f{SerialFailureKind::PermissionDenied, "/dev/ttyS0", EACCES, "Permission denied"};
    const std::string denied = DescribeSerialFailure(f, "uucp");
    EXPECT_NE(denied.find("/dev/ttyS0"), std::string::npos);
    EXPECT_NE(denied.find("permission denied"), std::string::npos);
    EXPECT_NE(denied.find("\"uucp\""), std::string::npos);
    EXPECT_NE(DescribeSerialFailure(f, "").find("\"dialout\""), std::string::npos);

    f = {SerialFailureKind::NoDevice, "/dev/ttyS9", ENOENT, "No such file or directory"};
    EXPECT_NE(DescribeSerialFailure(f, "").find("/dev/ttyS9: no such device"), std::string::npos);
    f = {SerialFailureKind::Busy, "/dev/ttyS1", EBUSY, "Device or resource busy"};
    EXPECT_NE(DescribeSerialFailure(f, "").find("busy"), std::string::npos);
    EXPECT_NE(DescribeSerialFailure(f, "").find("another program"), std::string::npos);
}

TEST(FailureText, GroupComesFromTheDevice) {
    char path[] = "/tmp/velmar-link-groupXXXXXX";
    const int fd = ::mkstemp(path);
    ASSERT_GE(fd, 0);
    ::close(fd);
    gid_t gid = ::getegid();
    if (::geteuid() == 0) {
        if (const group* g = ::getgrnam("dialout")) {
            gid = g->gr_gid;
            ASSERT_EQ(::chown(path, 0, gid), 0);
        }
    }
    const group* g = ::getgrgid(gid);
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(DeviceGroupName(path), g->gr_name);
    ::unlink(path);
    EXPECT_EQ(DeviceGroupName(path), "");
}

TEST(PosixSerialOpen, MissingDeviceAndNonTerminal) {
    CPosixSerial port;
    SerialFailure f;
    EXPECT_FALSE(port.Open("/dev/velmar-no-such-tty", &f));
    EXPECT_EQ(f.kind, SerialFailureKind::NoDevice);
    EXPECT_EQ(f.error, ENOENT);
    EXPECT_EQ(f.device, "/dev/velmar-no-such-tty");
    EXPECT_FALSE(port.IsOpen());

    char path[] = "/tmp/velmar-link-fileXXXXXX";
    const int fd = ::mkstemp(path);
    ASSERT_GE(fd, 0);
    ::close(fd);
    const int before = OpenDescriptors();
    EXPECT_FALSE(port.Open(path, &f));
    EXPECT_EQ(f.kind, SerialFailureKind::NotSerial);
    EXPECT_EQ(OpenDescriptors(), before) << "a failed open must not keep a descriptor";
    ::unlink(path);
}

TEST(PosixSerialOpen, SecondOpenIsRefusedUntilTheFirstCloses) {
    PtyPair pty;
    CPosixSerial first, second;
    SerialFailure f;
    ASSERT_TRUE(first.Open(pty.Slave(), &f)) << f.reason;
    // Also as root, whom the terminal's own exclusive mode lets through.
    EXPECT_FALSE(second.Open(pty.Slave(), &f));
    EXPECT_EQ(f.kind, SerialFailureKind::Busy);
    EXPECT_FALSE(first.Open(pty.Slave(), &f)) << "an open port is not opened twice";
    first.Close();
    EXPECT_TRUE(second.Open(pty.Slave(), &f)) << f.reason;
}

TEST(PosixSerialSettings, AppliedReadBackAndRestoredOnClose) {
    PtyPair pty;
    LineSettings before;
    ASSERT_TRUE(ReadLineSettings(pty.Master(), &before));
    EXPECT_FALSE(before.raw); // a fresh terminal edits lines and echoes

    CPosixSerial port;
    SerialFailure f;
    ASSERT_TRUE(port.Open(pty.Slave(), &f));
    ASSERT_TRUE(port.ApplyLineSettings(4800, 8, 2, 0, &f)) << f.reason;
    LineSettings now;
    ASSERT_TRUE(ReadLineSettings(pty.Master(), &now));
    EXPECT_EQ(now, (LineSettings{4800, 8, 2, 0, true}));
    ASSERT_TRUE(port.ApplyLineSettings(19200, 8, 0, 0, &f)) << f.reason;
    ASSERT_TRUE(port.CurrentLineSettings(&now));
    EXPECT_EQ(now, (LineSettings{19200, 8, 0, 0, true}));

    port.Close();
    LineSettings after;
    ASSERT_TRUE(ReadLineSettings(pty.Master(), &after));
    EXPECT_EQ(after, before);
}

TEST(PosixSerialSettings, RefusedSettingsAreFailures) {
    PtyPair pty;
    CPosixSerial port;
    SerialFailure f;
    ASSERT_TRUE(port.Open(pty.Slave(), &f));
    struct Case {
        std::uint32_t baud;
        std::uint8_t bits, stop, parity;
        const char* why;
    };
    const Case cases[] = {
        {4800, 8, 1, 0, "one and a half"}, // not expressible here
        {4800, 8, 3, 0, "stop-bits code"}, // unknown code
        {12345, 8, 2, 0, "12345 baud"},    // not a standard speed
        {4800, 9, 2, 0, "9 data bits"},    // out of range
        {4800, 8, 2, 5, "parity code 5"},  // unknown code
        {4800, 7, 2, 0, "7 data bits"},    // a pseudo-terminal keeps 8 bits: the driver's refusal
        {4800, 8, 2, 1, "parity code 1"},  // ...and no parity
        {4800, 8, 2, 3, "parity code 3"},
    };
    for (const auto& c : cases) {
        f = {};
        EXPECT_FALSE(port.ApplyLineSettings(c.baud, c.bits, c.stop, c.parity, &f)) << c.why;
        EXPECT_EQ(f.kind, SerialFailureKind::SettingRefused) << c.why;
        EXPECT_NE(f.reason.find(c.why), std::string::npos) << f.reason;
        EXPECT_EQ(f.device, pty.Slave());
    }
}

TEST(PosixSerialIo, ReadTakesAtMostItsCapacityInOrder) {
    PtyPair pty;
    CPosixSerial port;
    SerialFailure f;
    ASSERT_TRUE(port.Open(pty.Slave(), &f));
    ASSERT_TRUE(port.ApplyLineSettings(4800, 8, 2, 0, &f));
    std::uint8_t buffer[2048];
    EXPECT_EQ(port.BytesWaiting(), 0u);
    EXPECT_EQ(port.Read(buffer, sizeof buffer), 0u) << "nothing waiting: returns at once with nothing";

    const auto sent = Pattern(5000);
    std::thread peer([&] { pty.Send(sent); });
    std::vector<std::uint8_t> got;
    int reads = 0;
    while (got.size() < sent.size()) {
        ASSERT_EQ(port.WaitForInput(true) & kWaitRxChar, kWaitRxChar);
        const std::uint32_t n = port.Read(buffer, sizeof buffer);
        ASSERT_LE(n, 2048u);
        got.insert(got.end(), buffer, buffer + n);
        ++reads;
    }
    peer.join();
    EXPECT_EQ(got, sent);
    EXPECT_GE(reads, 3);
}

TEST(PosixSerialIo, WaitEndsOnWakeOnBytesAndOnHangUp) {
    PtyPair pty;
    CPosixSerial port;
    SerialFailure f;
    ASSERT_TRUE(port.Open(pty.Slave(), &f));
    ASSERT_TRUE(port.ApplyLineSettings(4800, 8, 2, 0, &f));

    pty.Send({1, 2, 3});
    EXPECT_EQ(port.WaitForInput(true), unsigned{kWaitRxChar});
    EXPECT_EQ(port.BytesWaiting(), 3u);

    // A wake wins over waiting bytes, and stays until the port is closed.
    std::thread waker([&] { port.Wake(); });
    waker.join();
    EXPECT_EQ(port.WaitForInput(true), unsigned{kWaitWoken});
    EXPECT_EQ(port.WaitForInput(false), unsigned{kWaitWoken});

    port.Close();
    ASSERT_TRUE(port.Open(pty.Slave(), &f));
    pty.CloseMaster();
    EXPECT_NE(port.WaitForInput(true) & kWaitHangUp, 0u);
    std::uint8_t b[16];
    EXPECT_EQ(port.Read(b, sizeof b), 0u);
    EXPECT_EQ(port.BytesWaiting(), 0u);
}

TEST(PosixSerialIo, WriteArrivesAndStalledOrHungUpPeerEndsItInTime) {
    PtyPair pty;
    CPosixSerial port;
    SerialFailure f;
    ASSERT_TRUE(port.Open(pty.Slave(), &f));
    ASSERT_TRUE(port.ApplyLineSettings(19200, 8, 2, 0, &f));
    const auto bytes = Pattern(64);
    EXPECT_EQ(port.Write(bytes.data(), 64, 64), 64u);
    EXPECT_EQ(pty.Receive(64), bytes);

    // The peer stops reading: writes fill what the system buffers, then give up at their deadline.
    const auto block = Pattern(1024, 7);
    std::uint32_t last = 1024;
    int writes = 0;
    while (last == 1024 && writes < 1000) {
        const auto start = std::chrono::steady_clock::now();
        last = port.Write(block.data(), 1024, 200);
        EXPECT_LT(std::chrono::steady_clock::now() - start, 200ms + 2s);
        ++writes;
    }
    EXPECT_LT(last, 1024u) << "the peer never stopped taking bytes";
    // The system makes room in bursts; a small write that finds none gives up at its own deadline.
    std::uint32_t small = 16;
    std::chrono::steady_clock::duration took{};
    for (int i = 0; i < 1000 && small == 16; ++i) {
        const auto start = std::chrono::steady_clock::now();
        small = port.Write(block.data(), 16, 50);
        took = std::chrono::steady_clock::now() - start;
    }
    EXPECT_LT(small, 16u);
    EXPECT_GE(took, 50ms);
    EXPECT_LT(took, 50ms + 2s);

    // The peer goes away: writes fail at once, even one without a deadline.
    pty.CloseMaster();
    const auto hungUp = std::chrono::steady_clock::now();
    EXPECT_EQ(port.Write(block.data(), 16, 0), 0u);
    EXPECT_EQ(port.Write(block.data(), 16, 10'000), 0u);
    EXPECT_LT(std::chrono::steady_clock::now() - hungUp, 2s);
}

} // namespace
