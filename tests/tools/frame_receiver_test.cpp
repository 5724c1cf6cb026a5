#include "FrameReceiver.h"
#include "TestFrames.h"

#include <gtest/gtest.h>

namespace velmar::radio {
namespace {

using std::chrono::microseconds;
using std::chrono::milliseconds;

// Feeds `bytes` one byte at a time with the sender's pacing; returns every
// report that came out on the way and the arrival time of the last byte.
std::vector<FrameReport> FeedPaced(FrameReceiver& rx, const std::vector<std::uint8_t>& bytes, microseconds start,
                                   microseconds& last) {
    std::vector<FrameReport> out;
    const auto arrivals = test::PacedArrivals(start, microseconds(300));
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        last = arrivals[i];
        if (auto r = rx.Feed(std::span(&bytes[i], 1), last)) {
            out.push_back(std::move(*r));
        }
    }
    return out;
}

// The one report of `bytes` arriving all at once, taken when the silence runs out.
FrameReport ReceiveAtOnce(const std::vector<std::uint8_t>& bytes) {
    FrameReceiver rx;
    EXPECT_FALSE(rx.Feed(bytes, microseconds(0)).has_value());
    auto r = rx.Idle(kDefaultSilence);
    EXPECT_TRUE(r.has_value());
    return r ? std::move(*r) : FrameReport{};
}

TEST(FrameReceiver, ShortFrameThenGoodOne) {
    FrameReceiver rx;
    const std::vector<std::uint8_t> full = test::ScanDelay60Frame();
    microseconds last{};
    EXPECT_TRUE(FeedPaced(rx, std::vector<std::uint8_t>(full.begin(), full.begin() + 100), {}, last).empty());

    // The next frame starts well after the silence: the cut one is reported first.
    const auto reports = FeedPaced(rx, full, last + milliseconds(2500), last);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].errors,
              std::vector<std::string>{"short: 100 of 258 bytes, stopped in Group G CH2, then a silence of 500 ms"});
    EXPECT_FALSE(reports[0].decoded.has_value());
    EXPECT_EQ(reports[0].pacing->gaps.size(), 50u);
    EXPECT_TRUE(reports[0].pacing->everyGapHeld);

    // The good one is judged once the silence after it has run out.
    EXPECT_EQ(rx.Deadline(), last + kDefaultSilence);
    EXPECT_FALSE(rx.Idle(last + kDefaultSilence - microseconds(1)).has_value());
    const auto good = rx.Idle(last + kDefaultSilence);
    ASSERT_TRUE(good.has_value());
    EXPECT_TRUE(good->Ok()) << good->errors.front();
    EXPECT_EQ(good->decoded->options[8].item, "60 Sec");
    // Only a whole frame starts the pause the next one has to wait for.
    EXPECT_FALSE(good->afterPreviousFrame.has_value());
    // Nothing is left to report.
    EXPECT_FALSE(rx.Deadline().has_value());
    EXPECT_FALSE(rx.Finish().has_value());
}

TEST(FrameReceiver, StartByteInsideTheDataDoesNotRestartTheFrame) {
    std::vector<std::uint8_t> frame = test::DefaultsFrame();
    frame[1] = 0x00; // Group A CH1 = 00f3, 401.51875 MHz
    frame[2] = 0xF3;
    frame[257] = static_cast<std::uint8_t>(0x88 - 0xFF - 0xFF + 0xF3);
    const FrameReport r = ReceiveAtOnce(frame);
    EXPECT_TRUE(r.Ok()) << r.errors.front();
    EXPECT_EQ(r.decoded->groups[0].channels[0], "401.51875");
}

TEST(FrameReceiver, StrayBytesAreSkippedOrMakeTheFrameLong) {
    std::vector<std::uint8_t> bytes{0x00, 0x12, 0xFF};
    const std::vector<std::uint8_t> frame = test::DefaultsFrame();
    bytes.insert(bytes.end(), frame.begin(), frame.end());
    const FrameReport skipped = ReceiveAtOnce(bytes);
    EXPECT_TRUE(skipped.Ok()) << skipped.errors.front();
    EXPECT_EQ(skipped.warnings, std::vector<std::string>{"skipped 3 bytes before the start byte (00 12 FF)"});
    EXPECT_EQ(skipped.bytes, frame);

    // Bytes after the 258th, up to the silence, belong to the frame.
    FrameReceiver rx;
    bytes.push_back(0x00);
    EXPECT_FALSE(rx.Feed(std::span(bytes).subspan(3), {}).has_value());
    EXPECT_FALSE(rx.Feed(std::vector<std::uint8_t>{0x88}, milliseconds(400)).has_value());
    EXPECT_FALSE(rx.Idle(milliseconds(899)).has_value());
    const auto longOne = rx.Idle(milliseconds(900));
    ASSERT_TRUE(longOne.has_value());
    EXPECT_EQ(longOne->errors, std::vector<std::string>{"long: 2 more bytes after the 258 of a frame (00 88)"});
    EXPECT_TRUE(longOne->decoded.has_value()); // the first 258 bytes are still shown

    // A wrong start byte and no other: all of it is reported, none of it taken for a frame.
    bytes[3] = 0xF2;
    bytes.pop_back();
    EXPECT_FALSE(rx.Feed(std::span(bytes).subspan(3), milliseconds(3000)).has_value());
    const auto none = rx.Finish();
    ASSERT_TRUE(none && none->errors.size() == 1u);
    EXPECT_EQ(none->errors[0].rfind("no start byte 0xF3 in 258 bytes (F2 FF FF", 0), 0u) << none->errors[0];
    EXPECT_NE(none->errors[0].find(" ...), then the input ended"), std::string::npos) << none->errors[0];
    EXPECT_FALSE(none->pacing.has_value());
}

TEST(FrameReceiver, NextFrameMustWaitForThePauseAfterTheChecksum) {
    for (const auto& [start, held] : {std::pair{milliseconds(2000), true}, std::pair{milliseconds(1500), false}}) {
        FrameReceiver rx;
        EXPECT_FALSE(rx.Feed(test::DefaultsFrame(), microseconds(0)).has_value());
        EXPECT_TRUE(rx.Idle(kDefaultSilence).has_value());
        EXPECT_FALSE(rx.Feed(test::DefaultsFrame(), start).has_value());
        const auto r = rx.Finish();
        ASSERT_TRUE(r && r->afterPreviousFrame);
        EXPECT_EQ(r->afterPreviousFrame->measured, start);
        EXPECT_EQ(r->afterPreviousFrame->held, held);
        const std::vector<std::string> early{
            "started 1500 ms after the previous frame, before its 2000 ms pause was over"};
        EXPECT_EQ(r->warnings, held ? std::vector<std::string>{} : early);
    }
}

} // namespace
} // namespace velmar::radio
