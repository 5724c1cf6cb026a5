#include "FrameReceiver.h"
#include "TestFrames.h"

#include <gtest/gtest.h>

namespace velmar::radio {
namespace {

using std::chrono::microseconds;
using std::chrono::milliseconds;

bool Mentions(const std::vector<std::string>& lines, std::string_view part) {
    for (const std::string& l : lines) {
        if (l.find(part) != std::string::npos) {
            return true;
        }
    }
    return false;
}

// Feeds `bytes` one write at a time with the sender's pacing; returns every
// report that came out on the way and the arrival time of the last byte.
std::vector<FrameReport> FeedPaced(FrameReceiver& rx, const std::vector<std::uint8_t>& bytes, microseconds start,
                                   microseconds& last) {
    std::vector<FrameReport> out;
    const auto arrivals = test::PacedArrivals(start, microseconds(300));
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const microseconds at = i < arrivals.size() ? arrivals[i] : arrivals.back();
        if (auto r = rx.Feed(std::span(&bytes[i], 1), at)) {
            out.push_back(std::move(*r));
        }
        last = at;
    }
    return out;
}

TEST(FrameReceiverFrames, PacedFrameIsReportedAfterTheSilence) {
    FrameReceiver rx;
    microseconds last{};
    EXPECT_TRUE(FeedPaced(rx, test::GruopFrame(), microseconds(1'000'000), last).empty());
    ASSERT_TRUE(rx.Deadline().has_value());
    EXPECT_EQ(*rx.Deadline(), last + kDefaultSilence);
    EXPECT_FALSE(rx.Idle(last + kDefaultSilence - microseconds(1)).has_value());
    const auto r = rx.Idle(last + kDefaultSilence);
    ASSERT_TRUE(r.has_value());
    EXPECT_TRUE(r->Ok()) << r->errors.front();
    EXPECT_EQ(r->number, 1);
    ASSERT_TRUE(r->decoded.has_value());
    EXPECT_EQ(r->decoded->groups[0].channels[0], "446.00625");
    ASSERT_TRUE(r->pacing.has_value());
    EXPECT_TRUE(r->pacing->everyGapHeld);
    EXPECT_FALSE(r->afterPreviousFrame.has_value());
    EXPECT_FALSE(rx.Deadline().has_value());
}

TEST(FrameReceiverFrames, BadChecksumIsReportedWithTheDecodedSetting) {
    FrameReceiver rx;
    std::vector<std::uint8_t> frame = test::DefaultsFrame();
    frame[257] = 0x87;
    EXPECT_FALSE(rx.Feed(frame, microseconds(0)).has_value());
    const auto r = rx.Idle(kDefaultSilence);
    ASSERT_TRUE(r.has_value());
    EXPECT_FALSE(r->Ok());
    EXPECT_TRUE(Mentions(r->errors, "checksum 0x87, expected 0x88"));
    ASSERT_TRUE(r->decoded.has_value());
    EXPECT_EQ(r->decoded->options[5].item, "0.5 Sec");
}

TEST(FrameReceiverFrames, ShortFrameThenGoodOne) {
    FrameReceiver rx;
    const std::vector<std::uint8_t> full = test::ScanDelay60Frame();
    const std::vector<std::uint8_t> cut(full.begin(), full.begin() + 100);
    microseconds last{};
    EXPECT_TRUE(FeedPaced(rx, cut, microseconds(0), last).empty());

    // The next frame starts well after the silence: the cut one is reported first.
    const microseconds nextStart = last + milliseconds(2500);
    microseconds end{};
    auto reports = FeedPaced(rx, full, nextStart, end);
    ASSERT_EQ(reports.size(), 1u);
    const FrameReport& shortOne = reports[0];
    EXPECT_EQ(shortOne.number, 1);
    EXPECT_FALSE(shortOne.Ok());
    EXPECT_TRUE(Mentions(shortOne.errors, "short: 100 of 258 bytes, stopped in Group G CH2, then a silence of 500 ms"));
    EXPECT_FALSE(shortOne.decoded.has_value());
    ASSERT_TRUE(shortOne.pacing.has_value());
    EXPECT_EQ(shortOne.pacing->gaps.size(), 50u);

    const auto good = rx.Idle(end + kDefaultSilence);
    ASSERT_TRUE(good.has_value());
    EXPECT_EQ(good->number, 2);
    EXPECT_TRUE(good->Ok()) << good->errors.front();
    EXPECT_EQ(good->decoded->options[8].item, "60 Sec");
    // Only a whole frame starts the pause the next one has to wait for.
    EXPECT_FALSE(good->afterPreviousFrame.has_value());
}

TEST(FrameReceiverFrames, StartByteInsideTheDataDoesNotRestartTheFrame) {
    FrameReceiver rx;
    std::vector<std::uint8_t> frame = test::DefaultsFrame();
    frame[1] = 0x00; // Group A CH1 = 00f3, 401.51875 MHz
    frame[2] = 0xF3;
    frame[257] = static_cast<std::uint8_t>(0x88 - 0xFF - 0xFF + 0xF3);
    EXPECT_FALSE(rx.Feed(frame, microseconds(0)).has_value());
    const auto r = rx.Idle(kDefaultSilence);
    ASSERT_TRUE(r.has_value());
    EXPECT_TRUE(r->Ok()) << r->errors.front();
    EXPECT_EQ(r->decoded->groups[0].channels[0], "401.51875");
}

TEST(FrameReceiverStray, GarbageBeforeTheStartByteIsSkippedAndNoted) {
    FrameReceiver rx;
    const std::vector<std::uint8_t> garbage{0x00, 0x12, 0xFF};
    EXPECT_FALSE(rx.Feed(garbage, microseconds(0)).has_value());
    EXPECT_FALSE(rx.Feed(test::DefaultsFrame(), microseconds(10'000)).has_value());
    const auto r = rx.Idle(microseconds(10'000) + kDefaultSilence);
    ASSERT_TRUE(r.has_value());
    EXPECT_TRUE(r->Ok()) << r->errors.front();
    EXPECT_EQ(r->skippedCount, 3u);
    EXPECT_EQ(r->skipped, garbage);
    EXPECT_TRUE(Mentions(r->warnings, "skipped 3 bytes before the start byte (00 12 ff)"));
    EXPECT_EQ(r->bytes.size(), 258u);
}

TEST(FrameReceiverStray, WrongStartByteAndNoOtherIsReported) {
    FrameReceiver rx;
    std::vector<std::uint8_t> frame = test::DefaultsFrame();
    frame[0] = 0xF2;
    EXPECT_FALSE(rx.Feed(frame, microseconds(0)).has_value());
    const auto r = rx.Finish();
    ASSERT_TRUE(r.has_value());
    EXPECT_FALSE(r->Ok());
    EXPECT_EQ(r->skippedCount, 258u);
    EXPECT_EQ(r->skipped.size(), kShownStrayBytes);
    EXPECT_TRUE(Mentions(r->errors, "no start byte 0xf3 in 258 bytes (f2 ff ff"));
    EXPECT_TRUE(Mentions(r->errors, "...), then the input ended"));
    EXPECT_FALSE(r->pacing.has_value());
}

TEST(FrameReceiverStray, BytesRunningOnPastTheFrameMakeItLong) {
    FrameReceiver rx;
    std::vector<std::uint8_t> frame = test::DefaultsFrame();
    frame.push_back(0x00);
    frame.push_back(0x88);
    EXPECT_FALSE(rx.Feed(frame, microseconds(0)).has_value());
    EXPECT_FALSE(rx.Feed(std::vector<std::uint8_t>{0x42}, milliseconds(400)).has_value());
    EXPECT_FALSE(rx.Idle(milliseconds(899)).has_value());
    const auto r = rx.Idle(milliseconds(900));
    ASSERT_TRUE(r.has_value());
    EXPECT_FALSE(r->Ok());
    EXPECT_EQ(r->extraCount, 3u);
    EXPECT_TRUE(Mentions(r->errors, "long: 3 more bytes after the 258 of a frame (00 88 42)"));
    ASSERT_TRUE(r->decoded.has_value()); // the first 258 bytes are still shown
}

TEST(FrameReceiverStray, NothingPendingReportsNothing) {
    FrameReceiver rx;
    EXPECT_FALSE(rx.Deadline().has_value());
    EXPECT_FALSE(rx.Idle(milliseconds(10'000)).has_value());
    EXPECT_FALSE(rx.Finish().has_value());
}

TEST(FrameReceiverPause, NextFrameMustWaitForThePauseAfterTheChecksum) {
    const auto run = [](milliseconds pause) {
        FrameReceiver rx;
        EXPECT_FALSE(rx.Feed(test::DefaultsFrame(), microseconds(0)).has_value());
        EXPECT_TRUE(rx.Idle(kDefaultSilence).has_value());
        EXPECT_FALSE(rx.Feed(test::DefaultsFrame(), pause).has_value());
        return rx.Finish();
    };
    const auto kept = run(milliseconds(2000));
    ASSERT_TRUE(kept && kept->afterPreviousFrame);
    EXPECT_TRUE(kept->afterPreviousFrame->held);
    EXPECT_TRUE(kept->warnings.empty());
    EXPECT_EQ(kept->number, 2);

    const auto early = run(milliseconds(1500));
    ASSERT_TRUE(early && early->afterPreviousFrame);
    EXPECT_FALSE(early->afterPreviousFrame->held);
    EXPECT_EQ(early->afterPreviousFrame->measured, milliseconds(1500));
    EXPECT_TRUE(Mentions(early->warnings, "before its 2000 ms pause was over"));
}

TEST(FrameReceiverPause, ShorterSilenceThresholdCutsSooner) {
    FrameReceiver rx(milliseconds(200));
    const std::vector<std::uint8_t> frame = test::DefaultsFrame();
    EXPECT_FALSE(rx.Feed(std::span(frame.data(), 10), microseconds(0)).has_value());
    const auto r = rx.Feed(std::span(frame.data() + 10, 248), milliseconds(200));
    ASSERT_TRUE(r.has_value());
    EXPECT_TRUE(Mentions(r->errors, "short: 10 of 258 bytes, stopped in Group A CH5, then a silence of 200 ms"));
    // The rest has no start byte of its own.
    const auto rest = rx.Finish();
    ASSERT_TRUE(rest.has_value());
    EXPECT_EQ(rest->skippedCount, 248u);
}

} // namespace
} // namespace velmar::radio
