// A Send over a pseudo-terminal: the bytes, their pacing, the progress figures,
// the radio's reply, and how a hang-up and a Stop end it.

#include "ProgrammingSession.h"
#include "PtyPair.h"

#include <gtest/gtest.h>

#include <future>
#include <pthread.h>
#include <sched.h>
#include <thread>

namespace velmar {
namespace {

using Clock = std::chrono::steady_clock;
using Bytes = std::vector<std::uint8_t>;

// Not the defaults alone: a mode, an option and a channel code of their own.
RadioSettings SomeSettings() {
    RadioSettings s;
    s.m_nMode = 2;
    s.m_nScanDelay = 10;
    s.m_strGroupCode[0][0] = "1cc1";
    return s;
}

// Arrivals more than 10 ms apart start a new write. No write may come early:
// it follows one of the three writes before it by at least the pauses between
// them (less 1 ms of the reader's own jitter). The pseudo-terminal's kernel
// worker can hand over two or three writes in a row late, which shortens the
// gap after them; an early write is short against every write before it.
void ExpectPacing(const std::vector<Clock::time_point>& arrivals, const std::vector<PacedWrite>& writes) {
    std::vector<Clock::time_point> starts{arrivals.front()};
    for (std::size_t i = 1; i < arrivals.size(); ++i) {
        if (arrivals[i] - arrivals[i - 1] > std::chrono::milliseconds(10)) {
            starts.push_back(arrivals[i]);
        }
    }
    ASSERT_EQ(starts.size(), writes.size());
    const auto held = [&](std::size_t from, std::size_t to) {
        int pauseMs = 0;
        for (std::size_t k = from; k < to; ++k) {
            pauseMs += writes[k].pauseAfterMs;
        }
        return starts[to] - starts[from] >= std::chrono::milliseconds(pauseMs - 1);
    };
    for (std::size_t i = 1; i < starts.size(); ++i) {
        EXPECT_TRUE(held(i - 1, i) || (i >= 2 && held(i - 2, i)) || (i >= 3 && held(i - 3, i)))
            << "gap " << i << ": " << std::chrono::duration<double, std::milli>(starts[i] - starts[i - 1]).count()
            << " ms, pause " << writes[i - 1].pauseAfterMs << " ms";
    }
}

TEST(ProgrammingSession, WholeSendKeepsTheFrameItsPacingAndGetsTheReply) {
    PtyPair pty;
    CSerialLink link;
    std::vector<SendProgress> progress; // the writer's thread only, until `finished`
    std::promise<SendResult> done;
    CProgrammingSession session(link); // after what its callbacks use: it stops first
    session.CollectReplies();
    ASSERT_TRUE(session.Open(pty.Slave())) << link.LastFailure().reason;
    LineSettings line;
    ASSERT_TRUE(link.CurrentLineSettings(&line));
    EXPECT_EQ(line, (LineSettings{4800, 8, 2, 0, true}));

    RadioSettings settings = SomeSettings();
    RadioSettings copy = settings;
    const ProgrammingFrame frame = BuildProgrammingFrame(copy);
    // The radio's end: reads the frame, timing each read, then answers 06.
    std::vector<Clock::time_point> arrivals;
    Bytes received;
    std::jthread radio([&] { // joined also when an assertion leaves early
        // Its own lateness shows as jitter in every gap: go first where the system allows it.
        const sched_param param{10};
        pthread_setschedparam(pthread_self(), SCHED_FIFO, &param);
        for (Bytes got; received.size() < kFrameSize && !(got = pty.Receive(1)).empty();) {
            arrivals.push_back(Clock::now());
            received.insert(received.end(), got.begin(), got.end());
        }
        pty.Send({0x06});
    });
    ASSERT_TRUE(session.StartSend(
        settings, [&](const SendProgress& p) { progress.push_back(p); },
        [&](const SendResult& r) { done.set_value(r); }));
    // The frame was fixed at the call.
    settings.m_nMode = 1;
    settings.m_strGroupCode[0][0] = "ffff";
    EXPECT_FALSE(session.StartSend(settings));

    // Read while the writer runs: the time left lies between the pauses after
    // the last write and those from it on.
    std::vector<int> msFrom(kFrameWriteCount + 1, 0);
    for (int i = kFrameWriteCount; i-- > 0;) {
        msFrom[i] = msFrom[i + 1] + frame.writes[i].pauseAfterMs;
    }
    auto future = done.get_future();
    while (future.wait_for(std::chrono::milliseconds(7)) != std::future_status::ready) {
        const SendProgress p = session.Progress();
        const int w = p.writesDone;
        ASSERT_TRUE(p.msLeft <= msFrom[std::max(w - 1, 0)] && (p.msLeft >= msFrom[w] || !session.Sending())) << w;
    }
    const SendResult result = future.get();
    EXPECT_EQ(result.end, SendEnd::Complete);
    EXPECT_EQ(result.bytesWritten, kFrameSize);
    EXPECT_EQ(result.checksum, frame.bytes[kChecksumOffset]);
    EXPECT_GE(result.seconds, kFramePauseTotalMs / 1000.0);
    EXPECT_FALSE(session.Sending());
    EXPECT_EQ(session.Progress().msLeft, 0);

    ASSERT_EQ(progress.size(), std::size_t(kFrameWriteCount));
    for (std::size_t i = 0, bytes = 0; i < progress.size(); ++i) {
        bytes += frame.writes[i].bytes.size();
        EXPECT_TRUE(progress[i].writesDone == int(i + 1) && progress[i].bytesWritten == int(bytes)) << i;
    }
    radio.join();
    EXPECT_EQ(received, Bytes(frame.bytes.begin(), frame.bytes.end()));
    ExpectPacing(arrivals, frame.writes);
    // The reply went out before the 2 s pause after the checksum began.
    EXPECT_EQ(session.Replies(), Bytes{0x06});
}

// After ~20 bytes the line hangs up, or the owner stops the Send.
TEST(ProgrammingSession, HangUpAndStopEndTheSendAtOnceWithAnHonestCount) {
    for (const bool hangUp : {true, false}) {
        SCOPED_TRACE(hangUp ? "hang-up" : "Stop");
        PtyPair pty;
        CSerialLink link;
        std::promise<SendResult> done;
        std::atomic<int> finishedCalls{0};
        CProgrammingSession session(link);
        ASSERT_TRUE(session.Open(pty.Slave())) << link.LastFailure().reason;
        ASSERT_TRUE(session.StartSend(SomeSettings(), {}, [&](const SendResult& r) {
            if (finishedCalls.fetch_add(1) == 0) {
                done.set_value(r);
            }
        }));
        const std::size_t seen = pty.Receive(20).size();
        ASSERT_EQ(seen, 20u);
        const auto cut = Clock::now();
        hangUp ? pty.CloseMaster() : session.Stop();
        auto future = done.get_future();
        // More than five seconds of pauses remain: "at once" is well under one of them.
        ASSERT_EQ(future.wait_for(std::chrono::milliseconds(400)), std::future_status::ready);
        EXPECT_LT(Clock::now() - cut, std::chrono::milliseconds(400));
        const SendResult r = future.get();
        EXPECT_EQ(r.end, hangUp ? SendEnd::HungUp : SendEnd::Stopped);
        EXPECT_TRUE(r.bytesWritten >= 20 && r.bytesWritten < kFrameSize) << r.bytesWritten;
        if (!hangUp) {
            // Every byte written arrives, and none after Stop returned (writes come 20 ms apart at most).
            EXPECT_EQ(20 + pty.Receive(kFrameSize, std::chrono::milliseconds(300)).size(), std::size_t(r.bytesWritten));
        }
        session.Close();
        EXPECT_EQ(finishedCalls.load(), 1);
        EXPECT_FALSE(session.Sending());
    }
}

} // namespace
} // namespace velmar
