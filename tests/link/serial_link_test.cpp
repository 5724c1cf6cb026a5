#include "PtyPair.h"
#include "SerialLink.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <grp.h>
#include <memory>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;

constexpr std::uint32_t kBaud = 4800;
constexpr std::uint8_t kBits = 8, kTwoStopBits = 2, kNoParity = 0;

bool OpenLink(CSerialLink& link, const std::string& device) {
    return link.Open(device, kBaud, kBits, kTwoStopBits, kNoParity);
}

TEST(SerialLinkOpen, MissingDeviceShowsPortOfenFailOnce) {
    CSerialLink link;
    LinkEvents events;
    events.Attach(link);
    EXPECT_FALSE(OpenLink(link, "/dev/velmar-missing"));
    EXPECT_FALSE(link.m_bPortOpen.load());
    const auto messages = events.Messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Port Ofen Fail");
    EXPECT_NE(messages[0].detail.find("/dev/velmar-missing: no such device"), std::string::npos) << messages[0].detail;
    EXPECT_EQ(link.LastFailure().kind, LinkFailureKind::NoDevice);
    EXPECT_FALSE(link.WatchThreadRunning());
    // Trying again tries again.
    EXPECT_FALSE(OpenLink(link, "/dev/velmar-missing"));
    EXPECT_EQ(events.CountMessages("Port Ofen Fail"), 2);
}

TEST(SerialLinkOpen, Com1IsTheDeviceTheEnvironmentNames) {
    PtyPair pty;
    ::setenv("VELMAR_COM1", pty.Slave().c_str(), 1);
    CSerialLink link;
    const bool opened = link.Open("COM1", 4800, 8, 2, 0);
    ::unsetenv("VELMAR_COM1");
    ASSERT_TRUE(opened) << link.LastFailureDetail();
    EXPECT_TRUE(link.m_bPortOpen.load());
    EXPECT_EQ(link.m_strPortName, "COM1");
    EXPECT_EQ(link.WriteMultiplier(), 4u);
    EXPECT_EQ(link.LastFailure().kind, LinkFailureKind::None);
    LineSettings s;
    ASSERT_TRUE(ReadLineSettings(pty.Master(), &s));
    EXPECT_EQ(s, (LineSettings{4800, 8, 2, 0, true}));
    link.Close();
    EXPECT_FALSE(link.m_bPortOpen.load());
}

TEST(SerialLinkOpen, HeldDeviceShowsPortOfenFailAndTheHolderKeepsWorking) {
    PtyPair pty;
    CSerialLink holder, other;
    LinkEvents events;
    events.Attach(other);
    ASSERT_TRUE(OpenLink(holder, pty.Slave()));
    EXPECT_FALSE(OpenLink(other, pty.Slave()));
    EXPECT_FALSE(other.m_bPortOpen.load());
    ASSERT_EQ(events.CountMessages("Port Ofen Fail"), 1);
    EXPECT_EQ(other.LastFailure().kind, LinkFailureKind::Busy);
    EXPECT_NE(events.Messages()[0].detail.find(pty.Slave() + " is busy"), std::string::npos);

    // The same link opened twice: refused, and the connection it has stays.
    EXPECT_FALSE(OpenLink(holder, pty.Slave()));
    EXPECT_TRUE(holder.m_bPortOpen.load());
    const std::uint8_t b[] = {0x11, 0x22};
    EXPECT_EQ(holder.Write(b, 2), 2u);
    EXPECT_EQ(pty.Receive(2), std::vector<std::uint8_t>(b, b + 2));

    holder.Close();
    EXPECT_TRUE(OpenLink(other, pty.Slave())) << other.LastFailureDetail();
}

TEST(SerialLinkOpen, RefusedSettingsReleaseThePortWithoutAMessage) {
    PtyPair pty;
    CSerialLink link;
    LinkEvents events;
    events.Attach(link);
    struct Case {
        std::uint32_t baud;
        std::uint8_t bits, stop, parity;
    };
    // One and a half stop bits (not available here), odd parity (a pseudo-terminal does not keep it), no speed.
    for (const Case c : {Case{4800, 8, 1, 0}, Case{4800, 8, 2, 1}, Case{0, 8, 2, 0}}) {
        EXPECT_FALSE(link.Open(pty.Slave(), c.baud, c.bits, c.stop, c.parity));
        EXPECT_FALSE(link.m_bPortOpen.load());
        EXPECT_EQ(link.LastFailure().kind, LinkFailureKind::SettingRefused);
        EXPECT_FALSE(link.WatchThreadRunning());
    }
    EXPECT_TRUE(events.Messages().empty());
    EXPECT_TRUE(OpenLink(link, pty.Slave())) << link.LastFailureDetail();
}

TEST(SerialLinkOpen, PermissionDeniedNamesTheOwningGroup) {
    // The device is a terminal the test makes unreadable for an unprivileged user; as root the check runs
    // in a child that gives up root first.
    PtyPair pty;
    const group* dialout = ::getgrnam("dialout");
    const gid_t gid = dialout != nullptr ? dialout->gr_gid : ::getegid();
    const std::string groupName = ::getgrgid(gid)->gr_name;
    ASSERT_EQ(::chmod(pty.Slave().c_str(), 0660), 0);
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(pty.Slave().c_str(), 0, gid), 0);
    }
    const auto check = [&]() -> int {
        CSerialLink link;
        std::string text, detail;
        link.SetMessageSink([&](const LinkMessage& m) {
            text = m.text;
            detail = m.detail;
        });
        if (OpenLink(link, pty.Slave())) {
            return 10;
        }
        if (text != "Port Ofen Fail" || link.LastFailure().kind != LinkFailureKind::PermissionDenied) {
            return 11;
        }
        if (detail.find("permission denied") == std::string::npos ||
            detail.find("\"" + groupName + "\"") == std::string::npos ||
            detail.find(pty.Slave()) == std::string::npos) {
            return 12;
        }
        return 0;
    };
    if (::geteuid() != 0) {
        ASSERT_EQ(::chmod(pty.Slave().c_str(), 0600), 0);
        EXPECT_EQ(check(), 0);
        return;
    }
    const passwd* nobody = ::getpwnam("nobody");
    ASSERT_NE(nobody, nullptr);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::setgroups(0, nullptr) != 0 || ::setgid(nobody->pw_gid) != 0 || ::setuid(nobody->pw_uid) != 0) {
            ::_exit(20);
        }
        ::_exit(check());
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "10 opened, 11 wrong message or kind, 12 wrong detail, 20 no privilege drop";
}

TEST(SerialLinkTransfer, BytesGoBothWays) {
    PtyPair pty;
    CSerialLink link;
    LinkEvents events;
    events.Attach(link);
    ASSERT_TRUE(OpenLink(link, pty.Slave()));

    const std::uint8_t frame[] = {0xf3, 0x00, 0x12, 0xff, 0x0a, 0x0d, 0x11, 0x13};
    EXPECT_EQ(link.Write(frame, sizeof frame), sizeof frame);
    EXPECT_EQ(pty.Receive(sizeof frame), std::vector<std::uint8_t>(frame, frame + sizeof frame));

    const auto reply = Pattern(10);
    pty.Send(reply);
    ASSERT_TRUE(events.WaitForDrained(reply.size()));
    EXPECT_EQ(TakeAll(link.m_rxQueue), reply);
    EXPECT_TRUE(events.Messages().empty());
}

TEST(SerialLinkTransfer, OpenDiscardsWhatWasWaitingBefore) {
    PtyPair pty;
    CSerialLink link;
    LinkEvents events;
    events.Attach(link);
    pty.Send({0xde, 0xad, 0xbe, 0xef}); // sent before Connect: stale
    ASSERT_TRUE(OpenLink(link, pty.Slave()));
    pty.Send({0x42});
    ASSERT_TRUE(events.WaitForDrained(1));
    EXPECT_EQ(TakeAll(link.m_rxQueue), std::vector<std::uint8_t>{0x42});
    const std::uint8_t none = 0;
    EXPECT_EQ(link.Write(&none, 0), 0u);
}

TEST(SerialLinkTransfer, ClosedLinkWritesNothing) {
    PtyPair pty;
    CSerialLink link;
    const std::uint8_t b[] = {1, 2, 3};
    EXPECT_EQ(link.Write(b, 3), 0u);
    ASSERT_TRUE(OpenLink(link, pty.Slave()));
    link.Close();
    EXPECT_EQ(link.Write(b, 3), 0u);
    link.Close(); // closing a closed link is harmless
    EXPECT_FALSE(pty.HasInput());
}

TEST(SerialLinkTransfer, ReadWithNothingWaitingReturnsZero) {
    PtyPair pty;
    CSerialLink link;
    std::uint8_t b[READ_CHUNK_SIZE];
    EXPECT_EQ(link.Read(b, sizeof b), 0u);
    ASSERT_TRUE(OpenLink(link, pty.Slave()));
    EXPECT_EQ(link.Read(b, sizeof b), 0u);
}

TEST(SerialLinkTransfer, QueueKeepsUntakenBytesAcrossCloseAndOpen) {
    PtyPair pty;
    CSerialLink link;
    LinkEvents events;
    events.Attach(link);
    ASSERT_TRUE(OpenLink(link, pty.Slave()));
    const auto first = Pattern(5, 3);
    pty.Send(first);
    ASSERT_TRUE(events.WaitForDrained(5));
    link.Close();
    ASSERT_TRUE(OpenLink(link, pty.Slave()));
    const auto second = Pattern(4, 4);
    pty.Send(second);
    ASSERT_TRUE(events.WaitForDrained(9));
    auto expected = first;
    expected.insert(expected.end(), second.begin(), second.end());
    EXPECT_EQ(TakeAll(link.m_rxQueue), expected);
}

// The queue is filled before Open: the test is its producer then, and the watch thread only after.
void Prefill(CByteQueue& queue, int count) {
    for (int i = 0; i < count; ++i) {
        ASSERT_TRUE(queue.Put(static_cast<std::uint8_t>(i)));
    }
}

TEST(SerialLinkBuffFull, ChunkWithoutRoomIsDroppedWithOneBox) {
    PtyPair pty;
    CSerialLink link;
    LinkEvents events;
    events.Attach(link);
    Prefill(link.m_rxQueue, 4000);
    ASSERT_TRUE(OpenLink(link, pty.Slave()));
    pty.Send(Pattern(300));
    ASSERT_TRUE(events.WaitForDrained(300));
    const auto chunks = events.Chunks();
    ASSERT_EQ(chunks.size(), 1u) << "the 300 bytes should arrive as one chunk";
    EXPECT_FALSE(chunks[0].queued);
    EXPECT_EQ(link.m_rxQueue.Count(), 4000);
    ASSERT_EQ(events.CountMessages("buff full"), 1);
    EXPECT_TRUE(events.Messages()[0].dismissed);
    // Nothing of the lost chunk got in: the queue still holds exactly the prefill.
    const auto held = TakeAll(link.m_rxQueue);
    for (int i = 0; i < 4000; ++i) {
        ASSERT_EQ(held[i], static_cast<std::uint8_t>(i));
    }
}

TEST(SerialLinkBuffFull, ChunkThatFitsFillsTheQueueTo4191) {
    PtyPair pty;
    CSerialLink link;
    LinkEvents events;
    events.Attach(link);
    Prefill(link.m_rxQueue, 3891);
    ASSERT_TRUE(OpenLink(link, pty.Slave()));
    const auto sent = Pattern(300);
    pty.Send(sent);
    ASSERT_TRUE(events.WaitForDrained(300));
    EXPECT_EQ(link.m_rxQueue.Count(), 4191);
    EXPECT_EQ(events.CountMessages("buff full"), 0);
    const auto held = TakeAll(link.m_rxQueue);
    EXPECT_EQ(std::vector<std::uint8_t>(held.begin() + 3891, held.end()), sent);
}

TEST(SerialLinkBuffFull, RoomEqualToTheChunkIsNotEnough) {
    // 3892 held leaves 300 free slots but only 299 usable ones: the chunk is dropped, none of it put.
    PtyPair pty;
    CSerialLink link;
    LinkEvents events;
    events.Attach(link);
    Prefill(link.m_rxQueue, 3892);
    ASSERT_TRUE(OpenLink(link, pty.Slave()));
    pty.Send(Pattern(300));
    ASSERT_TRUE(events.WaitForDrained(300));
    ASSERT_EQ(events.Chunks().size(), 1u);
    EXPECT_EQ(link.m_rxQueue.Count(), 3892);
    EXPECT_EQ(events.CountMessages("buff full"), 1);
}

TEST(SerialLinkBuffFull, OneBoxAtATimeAndDrainingGoesOn) {
    PtyPair pty;
    CSerialLink link;
    LinkEvents events;
    events.Attach(link);
    Prefill(link.m_rxQueue, 4100);
    ASSERT_TRUE(OpenLink(link, pty.Slave()));

    pty.Send(Pattern(200, 1));
    ASSERT_TRUE(events.WaitForDrained(200));
    ASSERT_EQ(events.CountMessages("buff full"), 1);
    // While the box is up, another chunk without room is dropped with no second box ...
    pty.Send(Pattern(200, 2));
    ASSERT_TRUE(events.WaitForDrained(400));
    EXPECT_EQ(events.CountMessages("buff full"), 1);
    // ... and one that fits is still queued.
    std::uint8_t b = 0;
    for (int i = 0; i < 100; ++i) {
        ASSERT_TRUE(link.m_rxQueue.Take(&b));
    }
    const auto fits = Pattern(50, 3);
    pty.Send(fits);
    ASSERT_TRUE(events.WaitForDrained(450));
    EXPECT_EQ(link.m_rxQueue.Count(), 4050);
    // Once dismissed, the next overflow shows a box again.
    const auto dismissed = events.Messages()[0].dismissed;
    dismissed();
    pty.Send(Pattern(200, 4));
    ASSERT_TRUE(events.WaitForDrained(650));
    EXPECT_EQ(events.CountMessages("buff full"), 2);
    EXPECT_EQ(link.m_rxQueue.Count(), 4050);
    const auto held = TakeAll(link.m_rxQueue);
    EXPECT_EQ(std::vector<std::uint8_t>(held.end() - 50, held.end()), fits);
}

TEST(SerialLinkBuffFull, LateDismissAfterTheLinkIsDestroyed) {
    PtyPair pty;
    LinkEvents events;
    std::function<void()> dismissed;
    {
        CSerialLink link;
        events.Attach(link);
        Prefill(link.m_rxQueue, 4191);
        ASSERT_TRUE(OpenLink(link, pty.Slave()));
        pty.Send({1});
        ASSERT_TRUE(events.WaitForDrained(1));
        ASSERT_EQ(events.CountMessages("buff full"), 1);
        dismissed = events.Messages()[0].dismissed;
    }
    dismissed(); // must not touch the destroyed link
}

TEST(SerialLinkTransfer, FiveThousandBytesInReadsOfAtMost2048InOrder) {
    PtyPair pty;
    CSerialLink link;
    LinkEvents events;
    events.Attach(link);
    ASSERT_TRUE(OpenLink(link, pty.Slave()));
    const auto sent = Pattern(5000, 9);
    pty.Send(sent);
    ASSERT_TRUE(events.WaitForDrained(sent.size()));

    // Every read is at most 2048 bytes; read one after the other they give back the whole burst. What the
    // queue holds is exactly the chunks that were queued, in order: a chunk without room is dropped whole.
    // Nothing is taken meanwhile, so a chunk is queued exactly when the room then is greater than the chunk.
    std::vector<std::uint8_t> read, queued;
    const auto chunks = events.Chunks();
    int held = 0;
    for (const auto& c : chunks) {
        const int n = static_cast<int>(c.bytes.size());
        EXPECT_LE(n, static_cast<int>(READ_CHUNK_SIZE));
        EXPECT_GT(n, 0);
        EXPECT_EQ(c.queued, COMM_BUFFER_SIZE - held > n) << "held " << held << ", chunk " << n;
        read.insert(read.end(), c.bytes.begin(), c.bytes.end());
        if (c.queued) {
            queued.insert(queued.end(), c.bytes.begin(), c.bytes.end());
            held += n;
        }
    }
    EXPECT_GE(chunks.size(), 3u);
    EXPECT_EQ(read, sent);
    EXPECT_EQ(TakeAll(link.m_rxQueue), queued);
    EXPECT_EQ(events.CountMessages("buff full"), queued.size() == sent.size() ? 0 : 1);
}

TEST(SerialLinkClose, CloseDuringAWaitEndsItWithoutNotification) {
    PtyPair pty;
    CSerialLink link;
    LinkEvents events;
    events.Attach(link);
    ASSERT_TRUE(OpenLink(link, pty.Slave()));
    EXPECT_TRUE(link.WatchThreadRunning());
    link.Close();
    EXPECT_FALSE(link.WatchThreadRunning());
    EXPECT_EQ(link.WatchResult(), 1u);
    EXPECT_EQ(events.Notifications(), 0);
    EXPECT_FALSE(link.m_bPortOpen.load());
}

TEST(SerialLinkClose, NoNotificationAfterCloseReturnsEvenUnderTraffic) {
    PtyPair pty;
    // The peer must not block once the link has let go of the port and nobody reads.
    ASSERT_EQ(::fcntl(pty.Master(), F_SETFL, ::fcntl(pty.Master(), F_GETFL) | O_NONBLOCK), 0);
    for (int round = 0; round < 20; ++round) {
        CSerialLink link;
        std::atomic<bool> closed{false};
        std::atomic<int> late{0};
        std::atomic<int> notified{0};
        link.SetNotify([&] {
            notified.fetch_add(1);
            if (closed.load()) {
                late.fetch_add(1);
            }
        });
        ASSERT_TRUE(OpenLink(link, pty.Slave()));
        std::atomic<bool> stop{false};
        std::thread peer([&] {
            const auto chunk = Pattern(64, static_cast<std::uint32_t>(round));
            while (!stop.load()) {
                if (::write(pty.Master(), chunk.data(), chunk.size()) < 0) {
                    std::this_thread::yield();
                }
            }
        });
        while (notified.load() == 0) {
            std::this_thread::yield();
        }
        link.Close();
        closed.store(true);
        stop.store(true);
        peer.join();
        EXPECT_EQ(late.load(), 0) << "round " << round;
        // Take what arrived so the next round's queue has room.
        TakeAll(link.m_rxQueue);
    }
}

TEST(SerialLinkHangUp, WritesReturnInTimeWhenThePeerStallsAndHangsUp) {
    PtyPair pty;
    CSerialLink link;
    LinkEvents events;
    events.Attach(link);
    // 19200 baud: 1 ms per byte, so each write below may take at most its byte count in ms.
    ASSERT_TRUE(link.Open(pty.Slave(), 19200, 8, 2, 0));
    ASSERT_EQ(link.WriteMultiplier(), 1u);
    const auto block = Pattern(256, 5);
    const auto timedWrite = [&](std::uint32_t count) {
        const auto start = std::chrono::steady_clock::now();
        const std::uint32_t n = link.Write(block.data(), count);
        const auto took = std::chrono::steady_clock::now() - start;
        EXPECT_LT(took, std::chrono::milliseconds(count) + 2s) << "a write overran its time-out";
        return n;
    };
    // The peer reads nothing: once the system's buffers are full, writes give up at their time-out.
    std::uint32_t last = 256;
    for (int i = 0; i < 1000 && last == 256; ++i) {
        last = timedWrite(256);
    }
    EXPECT_LT(last, 256u);
    for (int i = 0; i < 5; ++i) {
        timedWrite(20);
    }

    // The peer hangs up while writes go on from another thread: each returns in time, nothing hangs.
    std::thread writer([&] {
        for (int i = 0; i < 50; ++i) {
            timedWrite(40);
        }
    });
    std::this_thread::sleep_for(30ms);
    pty.CloseMaster();
    writer.join();
    EXPECT_EQ(timedWrite(40), 0u);
    link.Close();
}

TEST(SerialLinkHangUp, WatchThreadStopsWatchingAHungUpLine) {
    PtyPair pty;
    CSerialLink link;
    LinkEvents events;
    events.Attach(link);
    ASSERT_TRUE(OpenLink(link, pty.Slave()));
    pty.Send({1, 2, 3});
    ASSERT_TRUE(events.WaitForDrained(3));
    pty.CloseMaster();
    const auto until = std::chrono::steady_clock::now() + 20s;
    while (!link.LineHungUp() && std::chrono::steady_clock::now() < until) {
        std::this_thread::sleep_for(1ms);
    }
    ASSERT_TRUE(link.LineHungUp());
    // A hung-up line reports itself ready for ever; a thread still watching it would loop and notify.
    const int settled = events.Notifications();
    std::this_thread::sleep_for(100ms);
    EXPECT_LE(events.Notifications(), settled + 1);
    EXPECT_TRUE(link.WatchThreadRunning());
    EXPECT_TRUE(link.m_bPortOpen.load());
    link.Close();
    EXPECT_FALSE(link.WatchThreadRunning());
}

TEST(SerialLinkLifetime, DestructorClosesAndJoins) {
    PtyPair pty;
    {
        // Whatever the runtime starts beside the first thread (a sanitizer's helper) belongs to the baseline.
        CSerialLink warmUp;
        ASSERT_TRUE(OpenLink(warmUp, pty.Slave()));
    }
    const int threads = Threads();
    {
        auto link = std::make_unique<CSerialLink>();
        ASSERT_TRUE(OpenLink(*link, pty.Slave()));
        EXPECT_EQ(Threads(), threads + 1);
    }
    EXPECT_EQ(Threads(), threads);
    CSerialLink again;
    EXPECT_TRUE(OpenLink(again, pty.Slave())) << "the destroyed link still held the port";
}

TEST(SerialLinkLifetime, ThousandConnectDisconnectCyclesLeaveNothingBehind) {
    PtyPair pty;
    CSerialLink link;
    LinkEvents events;
    events.Attach(link);
    // One cycle first, so that whatever the runtime sets up once is counted in the baseline.
    ASSERT_TRUE(OpenLink(link, pty.Slave()));
    link.Close();
    const int fds = OpenDescriptors();
    const int threads = Threads();
    for (int i = 0; i < 1000; ++i) {
        ASSERT_TRUE(OpenLink(link, pty.Slave())) << "cycle " << i << ": " << link.LastFailureDetail();
        if (i % 100 == 0) {
            // Now and then a byte each way, so the cycles also cover a busy thread.
            const std::uint8_t b = static_cast<std::uint8_t>(i);
            ASSERT_EQ(link.Write(&b, 1), 1u);
            ASSERT_EQ(pty.Receive(1), std::vector<std::uint8_t>{b});
        }
        link.Close();
        ASSERT_FALSE(link.WatchThreadRunning());
    }
    EXPECT_EQ(OpenDescriptors(), fds);
    EXPECT_EQ(Threads(), threads);
    EXPECT_TRUE(events.Messages().empty());
}

} // namespace
