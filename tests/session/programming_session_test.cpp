// A Send over a pseudo-terminal: the bytes, their pacing (judged from the
// sender's own trace), the progress figures, the radio's reply, and how a
// hang-up and a Stop end it.

#include "FileFailurePrint.h"
#include "PacingCheck.h"
#include "ProgrammingSession.h"
#include "PtyRadio.h"
#include "SentHistory.h"
#include "SettingFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <future>
#include <thread>

namespace velmar {
namespace {

using test::PtyRadio;

using Clock = std::chrono::steady_clock;
using Bytes = std::vector<std::uint8_t>;

// Not the defaults alone: a mode, an option and a channel code of their own.
RadioSettings SomeSettings() {
    RadioSettings s;
    s.m_nMode = 2;
    s.m_nScanDelay = 10;
    s.m_strGroupChannel[0][0] = "446.00625";
    s.m_strGroupCode[0][0] = "1cc1";
    return s;
}

TEST(ProgrammingSession, WholeSendKeepsTheFrameItsPacingAndGetsTheReply) {
    PtyRadio pty;
    std::vector<SendProgress> progress; // the writer's thread only, until `finished`
    PacedTrace trace;
    std::promise<SendResult> done;
    const std::string history = testing::TempDir() + "velmar-session-history-" + std::to_string(::getpid());
    CProgrammingSession session; // after what its callbacks use: it stops first
    session.CollectReplies();
    session.SetTrace(&trace);
    session.KeepHistory(history);
    ASSERT_TRUE(session.Open(pty.Device())) << session.LastFailure().reason;
    LineSettings line;
    ASSERT_TRUE(session.CurrentLineSettings(&line));
    EXPECT_EQ(line, (LineSettings{4800, 8, 2, 0, true}));

    RadioSettings settings = SomeSettings();
    const ProgrammingFrame sent = BuildProgrammingFrame(settings);
    // The radio's end: reads the frame, then answers 06.
    Bytes received;
    std::jthread radio([&] { // joined also when an assertion leaves early
        received = pty.Receive(kFrameSize);
        pty.Send({0x06});
    });
    ASSERT_TRUE(session.StartSend(
        settings, [&](const SendProgress& p) { progress.push_back(p); },
        [&](const SendResult& r) { done.set_value(r); }));
    // The setting was copied at the call.
    settings.m_nMode = 1;
    EXPECT_FALSE(session.StartSend(settings));

    // Read while the writer runs: the time left lies between the pauses after
    // the last write and those from it on.
    std::vector<int> msFrom(kFrameWriteCount + 1, 0);
    for (int i = kFrameWriteCount; i-- > 0;) {
        msFrom[i] = msFrom[i + 1] + sent.writes[i].pauseAfterMs;
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
    EXPECT_EQ(result.checksum, sent.bytes[kChecksumOffset]);
    EXPECT_GE(result.seconds, kFramePauseTotalMs / 1000.0);
    EXPECT_FALSE(session.Sending());
    EXPECT_EQ(session.Progress().msLeft, 0);

    ASSERT_EQ(progress.size(), std::size_t(kFrameWriteCount));
    for (std::size_t i = 0, bytes = 0; i < progress.size(); ++i) {
        bytes += sent.writes[i].bytes.size();
        EXPECT_TRUE(progress[i].writesDone == int(i + 1) && progress[i].bytesWritten == int(bytes)) << i;
    }
    radio.join();
    EXPECT_EQ(received, Bytes(sent.bytes.begin(), sent.bytes.end()));
    const test::PacingVerdict pacing = test::JudgePacing(trace, sent.writes, std::chrono::milliseconds(200));
    EXPECT_TRUE(pacing.faults.empty()) << pacing.faults.front();
    // The whole Send is kept in the history: the setting as it was when Send was pressed.
    RadioSettings kept;
    FileFailure error;
    ASSERT_TRUE(!result.notRecorded && ReadSettingFile(result.recordedIn, &kept, &error)) << error;
    EXPECT_EQ(result.recordedIn.rfind(history + "/", 0), 0u);
    EXPECT_EQ(BuildProgrammingFrame(kept).bytes, sent.bytes);
    std::filesystem::remove_all(history);
    // The reply went out before the 2 s pause after the checksum began.
    EXPECT_EQ(session.Replies(), Bytes{0x06});
}

// After ~20 bytes the line hangs up, or the owner stops the Send.
// A pause cut short is caught by the check every pacing test relies on.
TEST(ProgrammingSession, APauseCutByFiveMillisecondsIsCaught) {
    RadioSettings s = SomeSettings();
    const std::vector<PacedWrite> writes = BuildProgrammingFrame(s).writes;
    PacedTrace trace;
    Clock::time_point t{};
    for (const PacedWrite& w : writes) {
        trace.push_back({t, t, static_cast<std::uint32_t>(w.bytes.size())});
        t += std::chrono::milliseconds(w.pauseAfterMs);
    }
    EXPECT_TRUE(test::JudgePacing(trace, writes, std::chrono::milliseconds(1)).faults.empty());
    for (std::size_t i = 70; i < trace.size(); ++i) {
        trace[i].started -= std::chrono::milliseconds(5);
        trace[i].returned -= std::chrono::milliseconds(5);
    }
    EXPECT_EQ(test::JudgePacing(trace, writes, std::chrono::milliseconds(1)).faults,
              std::vector<std::string>{"pause 69 of 20 ms ran over by -5000 us"});
}

TEST(ProgrammingSession, HangUpAndStopEndTheSendAtOnceWithAnHonestCount) {
    for (const bool hangUp : {true, false}) {
        SCOPED_TRACE(hangUp ? "hang-up" : "Stop");
        PtyRadio pty;
        std::promise<SendResult> done;
        std::atomic<int> finishedCalls{0};
        CProgrammingSession session;
        ASSERT_TRUE(session.Open(pty.Device())) << session.LastFailure().reason;
        RadioSettings settings = SomeSettings();
        ASSERT_TRUE(session.StartSend(settings, {}, [&](const SendResult& r) {
            if (finishedCalls.fetch_add(1) == 0) {
                done.set_value(r);
            }
        }));
        const std::size_t seen = pty.Receive(20).size();
        ASSERT_EQ(seen, 20u);
        hangUp ? pty.HangUp() : session.Stop();
        auto future = done.get_future();
        // "At once" shows in the count: the frame ends short, not after its five seconds of pauses.
        ASSERT_EQ(future.wait_for(std::chrono::seconds(10)), std::future_status::ready);
        const SendResult r = future.get();
        EXPECT_EQ(r.end, hangUp ? SendEnd::HungUp : SendEnd::Stopped);
        EXPECT_TRUE(r.bytesWritten >= 20 && r.bytesWritten < kFrameSize) << r.bytesWritten;
        if (!hangUp) {
            // Every byte written arrives, and none after Stop returned.
            EXPECT_EQ(20 + pty.Receive(kFrameSize, std::chrono::seconds(1)).size(), std::size_t(r.bytesWritten));
        }
        session.Close();
        EXPECT_EQ(finishedCalls.load(), 1);
        EXPECT_FALSE(session.Sending());
    }
}

// The writer held up past the radio's time-out in mid-frame (a stopped process, a machine that swaps): every byte
// goes out, yet the Send is not taken, says where the line stalled, and its record is kept marked, never to be
// taken for the last Send; the trace judge finds the same, and nothing in a Send whose pauses held.
TEST(ProgrammingSession, AStallPastTheRadiosTimeOutIsNoSend) {
    const std::vector<PacedWrite> writes = BuildProgrammingFrame(SomeSettings()).writes;
    int before60 = 0;
    const auto traceHeldUp = [&](std::chrono::milliseconds heldUp) {
        PacedTrace trace;
        Clock::time_point t{};
        before60 = 0;
        for (std::size_t i = 0; i < writes.size(); ++i) {
            t += i == 60 ? heldUp : std::chrono::milliseconds(0);
            trace.push_back({t, t + std::chrono::milliseconds(1), static_cast<std::uint32_t>(writes[i].bytes.size())});
            t += std::chrono::milliseconds(writes[i].pauseAfterMs);
            before60 += i < 60 ? static_cast<int>(writes[i].bytes.size()) : 0;
        }
        return trace;
    };
    constexpr double kMsPerByte = 11 * 1000.0 / 4800;
    const std::optional<PacedStall> judged =
        FindStall(traceHeldUp(std::chrono::milliseconds(kRadioFrameTimeoutMs + 300)), kRadioFrameTimeoutMs, kMsPerByte);
    ASSERT_TRUE(judged);
    EXPECT_EQ(judged->afterByte, before60);
    EXPECT_GT(judged->quietMs, kRadioFrameTimeoutMs);
    EXPECT_FALSE(FindStall(traceHeldUp(std::chrono::milliseconds(0)), kRadioFrameTimeoutMs, kMsPerByte));

    PtyRadio pty;
    const std::string history = testing::TempDir() + "velmar-stall-history-" + std::to_string(::getpid());
    CProgrammingSession session;
    session.KeepHistory(history);
    session.SetBeforeWrite([](int index) {
        if (index == 60) {
            std::this_thread::sleep_for(std::chrono::milliseconds(kRadioFrameTimeoutMs + 300));
        }
    });
    ASSERT_TRUE(session.Open(pty.Device())) << session.LastFailure().reason;
    std::promise<SendResult> done;
    std::jthread radio(
        [&] { EXPECT_EQ(pty.Receive(kFrameSize, std::chrono::seconds(20)).size(), std::size_t(kFrameSize)); });
    ASSERT_TRUE(session.StartSend(SomeSettings(), {}, [&](const SendResult& r) { done.set_value(r); }));
    const SendResult r = done.get_future().get();
    EXPECT_TRUE(r.FrameSent() && !r.Taken());
    EXPECT_EQ(r.end, SendEnd::Stalled);
    EXPECT_EQ(r.stall.afterByte, before60);
    ASSERT_FALSE(r.recordedIn.empty());
    const auto record = ParseSentRecordName(std::filesystem::path(r.recordedIn).filename().string());
    EXPECT_TRUE(record && record->stalled);
    EXPECT_EQ(NewestSentFiles(history, 1), std::vector<std::string>{r.recordedIn});
    EXPECT_TRUE(NewestSentFiles(history, 1, true).empty());
    std::filesystem::remove_all(history);
}

} // namespace
} // namespace velmar
