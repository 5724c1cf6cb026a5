#include "LinkTestSupport.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/ioctl.h>
#include <termios.h>
#include <thread>

using namespace velmar;

namespace {

using namespace std::chrono_literals;
constexpr auto npos = std::string::npos;

// A link on a pseudo-terminal with its reports collected. The link is destroyed first, so its watch thread
// never reports to a collector that is gone.
struct Rig {
    PtyRadio pty{false}; // reads only what a test asks for, so that the line can fill up
    LinkEvents events;
    CSerialLink link;
    Rig() { events.Attach(link); }
    bool Open(std::uint32_t baud = 4800) { return link.Open(pty.Device(), baud, 8, 2, 0); }
};

// Entries of a /proc folder: this process's open descriptors or threads.
constexpr const char *kFds = "/proc/self/fd", *kThreads = "/proc/self/task";
int CountEntries(const char* dir) {
    int n = 0;
    if (DIR* d = ::opendir(dir)) {
        while (const dirent* e = ::readdir(d)) {
            n += e->d_name[0] != '.' ? 1 : 0;
        }
        ::closedir(d);
    }
    return n;
}

// Each failed Open says "Port Ofen Fail" once, with the reason in its detail, and keeps nothing of the port.
TEST(SerialLinkOpen, EachRefusalSaysWhyOnceAndReleasesThePort) {
    char file[] = "/tmp/velmar-link-fileXXXXXX";
    ::close(::mkstemp(file));
    Rig r;
    const struct {
        std::string device; // empty: the pseudo-terminal
        std::uint32_t baud;
        std::uint8_t bits, stop, parity;
        SerialFailureKind kind;
        SerialProblem problem;
        std::uint32_t value;
        std::string why;
    } cases[] = {
        {"/dev/velmar-missing", 4800, 8, 2, 0, SerialFailureKind::NoDevice, SerialProblem::System, 0, "missing"},
        {file, 4800, 8, 2, 0, SerialFailureKind::NotSerial, SerialProblem::System, 0, "a file"},
        {"", 4800, 8, 1, 0, SerialFailureKind::SettingRefused, SerialProblem::OneAndAHalfStopBits, 1, "1.5 stop bits"},
        {"", 4800, 8, 3, 0, SerialFailureKind::SettingRefused, SerialProblem::UnknownStopBits, 3, "stop-bits code"},
        {"", 12345, 8, 2, 0, SerialFailureKind::SettingRefused, SerialProblem::BaudUnavailable, 12345, "12345 baud"},
        {"", 0, 8, 2, 0, SerialFailureKind::SettingRefused, SerialProblem::ZeroBaud, 0, "0 baud"},
        {"", 4800, 9, 2, 0, SerialFailureKind::SettingRefused, SerialProblem::ByteSizeImpossible, 9, "9 data bits"},
        {"", 4800, 8, 2, 5, SerialFailureKind::SettingRefused, SerialProblem::UnknownParity, 5, "parity code 5"},
        // A pseudo-terminal keeps 8 data bits and no parity whatever it is asked: the driver's own refusals.
        {"", 4800, 7, 2, 0, SerialFailureKind::SettingRefused, SerialProblem::ByteSizeNotKept, 7, "7 data bits"},
        {"", 4800, 8, 2, 1, SerialFailureKind::SettingRefused, SerialProblem::ParityNotKept, 1, "parity code 1"},
    };
    for (const auto& c : cases) {
        const int fds = CountEntries(kFds);
        const auto before = r.events.Now().messages.size();
        EXPECT_FALSE(r.link.Open(c.device.empty() ? r.pty.Device() : c.device, c.baud, c.bits, c.stop, c.parity));
        EXPECT_FALSE(r.link.IsOpen() || r.link.WatchThreadRunning()) << c.why;
        EXPECT_EQ(r.link.LastFailure().kind, c.kind) << c.why;
        EXPECT_EQ(CountEntries(kFds), fds) << c.why << ": a failed open keeps no descriptor";
        const auto messages = r.events.Now().messages;
        ASSERT_EQ(messages.size(), before + 1) << c.why;
        EXPECT_TRUE(messages.back().event == LinkEvent::OpenFailed && messages.back().failure.kind == c.kind) << c.why;
        const SerialFailure& f = messages.back().failure;
        EXPECT_TRUE(f.problem == c.problem && f.value == c.value &&
                    f.device == (c.device.empty() ? r.pty.Device() : c.device))
            << c.why;
        ASSERT_TRUE(r.Open()) << c.why << ": the port was not released";
        r.link.Close();
    }
    ::unlink(file);
}

// Another program's exclusive mode (which root would pass), a second link of ours, and this link opened twice:
// each is refused and the holder keeps working; the flow control another program left is cleared while we hold
// the line and given back at Close.
TEST(SerialLinkOpen, AHeldDeviceIsBusyAndTheHolderKeepsWorking) {
    Rig r;
    const int other = ::open(r.pty.Device().c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    ASSERT_GE(other, 0);
    termios left{};
    ASSERT_EQ(::tcgetattr(other, &left), 0);
    left.c_cflag |= CRTSCTS;
    left.c_iflag |= IXOFF | IXON;
    ASSERT_EQ(::tcsetattr(other, TCSANOW, &left), 0);
    ASSERT_EQ(::ioctl(other, TIOCEXCL), 0);
    EXPECT_FALSE(r.Open());
    EXPECT_EQ(r.link.LastFailure().kind, SerialFailureKind::Busy);
    EXPECT_EQ(r.events.Now().messages.back().failure.problem, SerialProblem::HeldElsewhere);
    ASSERT_EQ(::ioctl(other, TIOCNXCL), 0);

    ASSERT_TRUE(r.Open()) << r.link.LastFailure().reason;
    LineSettings during, after;
    ASSERT_TRUE(r.link.CurrentLineSettings(&during));
    EXPECT_FALSE(during.flowControl);
    CSerialLink second;
    EXPECT_FALSE(second.Open(r.pty.Device(), 4800, 8, 2, 0)); // also as root
    EXPECT_EQ(second.LastFailure().kind, SerialFailureKind::Busy);
    EXPECT_FALSE(r.Open());
    const std::vector<std::uint8_t> bytes{0x13, 0x11};
    EXPECT_EQ(r.link.Write(bytes.data(), 2), 2u) << "no handshake holds the write";
    EXPECT_EQ(r.pty.Receive(2), bytes);
    r.link.Close();
    ASSERT_TRUE(ReadLineSettings(other, &after));
    EXPECT_TRUE(after.flowControl) << "Close gives the other program its settings back";
    ::close(other);
    EXPECT_TRUE(second.Open(r.pty.Device(), 4800, 8, 2, 0)) << second.LastFailure().reason;
}

TEST(SerialLinkTransfer, BytesGoBothWaysOnALineSetForTheRadio) {
    Rig r;
    const std::uint8_t three[] = {1, 2, 3};
    std::uint8_t buffer[READ_CHUNK_SIZE];
    EXPECT_EQ(r.link.Write(three, 3), 0u) << "a closed link writes nothing";
    LineSettings before, during, after;
    ASSERT_TRUE(ReadLineSettings(r.pty.Master(), &before));
    ASSERT_TRUE(r.link.Open(r.pty.Device(), 4800, 8, 2, 0)) << r.link.LastFailure().reason;
    ASSERT_TRUE(ReadLineSettings(r.pty.Master(), &during));
    EXPECT_EQ(during, (LineSettings{4800, 8, 2, 0, true}));
    EXPECT_EQ(r.link.Read(buffer, sizeof buffer), 0u) << "nothing waiting";

    // Line ends and flow-control bytes pass untouched.
    const std::vector<std::uint8_t> frame{0xf3, 0x00, 0x12, 0xff, 0x0a, 0x0d, 0x11, 0x13};
    EXPECT_EQ(r.link.Write(frame.data(), 8), 8u);
    EXPECT_EQ(r.pty.Receive(8), frame);
    auto reply = Pattern(10);
    r.pty.Send(reply);
    ASSERT_TRUE(r.events.WaitForDrained(10));
    r.link.Close();
    r.link.Close(); // closing a closed link is harmless
    EXPECT_EQ(r.link.Write(three, 3), 0u);
    ASSERT_TRUE(ReadLineSettings(r.pty.Master(), &after));
    EXPECT_EQ(after, before) << "Close gives the device its settings back";

    // Bytes not yet taken survive a Close and the next Open (here with one stop bit); what came while the
    // link was closed is stale, and Open discards it.
    r.pty.Send({0xde, 0xad});
    ASSERT_TRUE(r.link.Open(r.pty.Device(), 19200, 8, 0, 0));
    ASSERT_TRUE(r.link.CurrentLineSettings(&during));
    EXPECT_EQ(during, (LineSettings{19200, 8, 0, 0, true}));
    r.pty.Send({0x42});
    ASSERT_TRUE(r.events.WaitForDrained(11));
    reply.push_back(0x42);
    EXPECT_EQ(TakeAll(r.link), reply);
    EXPECT_TRUE(r.events.Now().messages.empty());
}

TEST(SerialLinkBuffFull, EveryDropIsCountedAndToldAndDrainingGoesOn) {
    Rig r;
    CSerialLink link;
    r.events.Attach(link);
    ASSERT_TRUE(link.Open(r.pty.Device(), 4800, 8, 2, 0));
    r.pty.Send(Pattern(4100, 5));
    ASSERT_TRUE(r.events.WaitForDrained(4100));
    r.pty.Send(Pattern(200, 1));
    ASSERT_TRUE(r.events.WaitForDrained(4300));
    r.pty.Send(Pattern(200, 2));
    ASSERT_TRUE(r.events.WaitForDrained(4500));
    EXPECT_EQ(link.DroppedBytes(), 400u);
    std::uint32_t told = 0;
    for (const LinkMessage& m : r.events.Now().messages) {
        told += m.event == LinkEvent::BufferFull ? m.dropped : 0;
    }
    EXPECT_EQ(told, 400u);
    // A chunk that fits is still queued.
    std::vector<std::uint8_t> taken;
    ASSERT_EQ(link.TakeReceived(&taken, 100), 100u);
    r.events.Took(100);
    const auto fits = Pattern(50, 3);
    r.pty.Send(fits);
    ASSERT_TRUE(r.events.WaitForDrained(4550));
    const auto held = TakeAll(link);
    ASSERT_EQ(held.size(), 4050u);
    EXPECT_EQ(std::vector<std::uint8_t>(held.end() - 50, held.end()), fits);
}

TEST(SerialLinkClose, CloseEndsTheWatchThreadWithNoNotificationAfterIt) {
    PtyRadio pty(false);
    // The peer must not block once the link has let go of the port and nobody reads.
    ASSERT_EQ(::fcntl(pty.Master(), F_SETFL, ::fcntl(pty.Master(), F_GETFL) | O_NONBLOCK), 0);
    // Round 0 closes during a quiet wait, the others while the peer keeps sending.
    for (int round = 0; round <= 20; ++round) {
        CSerialLink link;
        std::atomic<bool> closed{false}, stop{false};
        std::atomic<int> notified{0}, late{0};
        link.SetNotify([&] {
            notified.fetch_add(1);
            late.fetch_add(closed.load() ? 1 : 0);
        });
        ASSERT_TRUE(link.Open(pty.Device(), 4800, 8, 2, 0));
        std::thread peer([&, chunk = Pattern(64, round)] {
            while (round > 0 && !stop.load() && ::write(pty.Master(), chunk.data(), chunk.size()) != 0) {
                std::this_thread::yield();
            }
        });
        while (round > 0 && notified.load() == 0) {
            std::this_thread::yield();
        }
        link.Close();
        closed.store(true);
        stop.store(true);
        peer.join();
        EXPECT_FALSE(link.WatchThreadRunning());
        EXPECT_EQ(link.WatchResult(), 1u);
        EXPECT_EQ(late.load(), 0) << "round " << round;
        EXPECT_EQ(notified.load() == 0, round == 0) << "round " << round;
        TakeAll(link);
    }
}

TEST(SerialLinkHangUp, WritesReturnInTimeAndTheWatchThreadLeavesTheDeadLineAlone) {
    Rig r;
    // 19200 baud: 1 ms per byte, so each write below may take at most its byte count in ms.
    ASSERT_TRUE(r.Open(19200));
    const auto block = Pattern(256, 5);
    const auto timedWrite = [&](std::uint32_t count) {
        const auto start = std::chrono::steady_clock::now();
        const std::uint32_t n = r.link.Write(block.data(), count);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(count) + 2s) << "overran";
        return n;
    };
    // The peer reads nothing: once the system's buffers are full, writes give up at their time-out.
    std::uint32_t last = 256;
    for (int i = 0; i < 1000 && last == 256; ++i) {
        last = timedWrite(256);
    }
    EXPECT_LT(last, 256u);
    // The peer hangs up while writes go on from another thread: each returns in time, nothing hangs.
    std::thread writer([&] {
        for (int i = 0; i < 50; ++i) {
            timedWrite(40);
        }
    });
    std::this_thread::sleep_for(30ms);
    r.pty.HangUp();
    writer.join();
    EXPECT_EQ(timedWrite(40), 0u);

    // A hung-up line reports itself ready for ever; a thread still watching it would loop and notify.
    for (int i = 0; i < 20000 && !r.link.LineHungUp(); ++i) {
        std::this_thread::sleep_for(1ms);
    }
    ASSERT_TRUE(r.link.LineHungUp());
    const int settled = r.events.Now().notifications;
    std::this_thread::sleep_for(100ms);
    EXPECT_LE(r.events.Now().notifications, settled + 1);
    EXPECT_TRUE(r.link.IsOpen()) << "a hung-up line stays open until Close";
    r.link.Close();
    EXPECT_FALSE(r.link.WatchThreadRunning());
}

// A joined thread can stay listed in /proc for a moment after join returns: wait for the count to settle.
int SettledCount(const char* dir, int expected) {
    int n = CountEntries(dir);
    for (int i = 0; i < 100 && n != expected; ++i) {
        std::this_thread::sleep_for(10ms);
        n = CountEntries(dir);
    }
    return n;
}

TEST(SerialLinkLifetime, ConnectDisconnectCyclesAndTheDestructorLeaveNothingBehind) {
    Rig r;
    // One cycle first, so that whatever the runtime sets up once (a sanitizer's helper) is in the baseline.
    ASSERT_TRUE(r.Open());
    r.link.Close();
    const int fds = CountEntries(kFds), threads = CountEntries(kThreads);
    for (int i = 0; i < 1000; ++i) {
        ASSERT_TRUE(r.Open()) << "cycle " << i << ": " << r.link.LastFailure().reason;
        if (i % 100 == 0) { // now and then a busy cycle
            const auto b = static_cast<std::uint8_t>(i);
            ASSERT_EQ(r.link.Write(&b, 1), 1u);
            ASSERT_EQ(r.pty.Receive(1), std::vector<std::uint8_t>{b});
        }
        r.link.Close();
        ASSERT_FALSE(r.link.WatchThreadRunning());
    }
    EXPECT_EQ(CountEntries(kFds), fds);
    EXPECT_EQ(SettledCount(kThreads, threads), threads);
    EXPECT_TRUE(r.events.Now().messages.empty());

    // A link destroyed while open takes its thread and the port with it.
    auto link = std::make_unique<CSerialLink>();
    ASSERT_TRUE(link->Open(r.pty.Device(), 4800, 8, 2, 0));
    EXPECT_EQ(CountEntries(kThreads), threads + 1);
    link.reset();
    EXPECT_EQ(SettledCount(kThreads, threads), threads);
    EXPECT_EQ(CountEntries(kFds), fds);
    EXPECT_TRUE(r.Open()) << "the destroyed link still held the port";
}

} // namespace
