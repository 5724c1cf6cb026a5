#include "FramePacing.h"
#include "TestFrames.h"

#include <gtest/gtest.h>

namespace velmar::radio {
namespace {

using std::chrono::microseconds;
using std::chrono::milliseconds;

const Gap& GapAfter(const PacingReport& r, std::string_view label) {
    for (const Gap& g : r.gaps) {
        if (WriteLabel(g.write) == label) {
            return g;
        }
    }
    ADD_FAILURE() << "no gap after " << label;
    static const Gap none;
    return none;
}

TEST(FramePacing, SenderKeepingEveryPauseHoldsEveryGap) {
    const auto arrivals = test::PacedArrivals(microseconds(5'000'000), microseconds(400));
    ASSERT_EQ(arrivals.size(), 258u);
    const PacingReport r = AnalysePacing(arrivals);
    ASSERT_EQ(r.gaps.size(), 140u);
    EXPECT_TRUE(r.everyGapHeld);
    EXPECT_EQ(r.pausesMs, 3700);
    EXPECT_EQ(r.total, milliseconds(3700) + 140 * microseconds(400));
    EXPECT_EQ(r.minOvershoot, microseconds(400));
    // Each write is named after what it carries and measured from its first byte.
    const std::vector<std::pair<std::string_view, int>> pauses{
        {"start byte", 50},      {"Group A CH7", 20},     {"Group D CH8", 100},
        {"Group G spacing", 20}, {"Group H spacing", 50}, {"Scan Delay Time", 20},
        {"option end", 120},     {"zero fill 52", 20},    {"zero fill 53", 120}};
    for (const auto& [label, pauseMs] : pauses) {
        EXPECT_EQ(GapAfter(r, label).pauseMs, pauseMs) << label;
        EXPECT_EQ(GapAfter(r, label).measured, milliseconds(pauseMs) + microseconds(400)) << label;
    }
    EXPECT_EQ(WriteLabel(140), "checksum");
}

TEST(FramePacing, GapShorterThanItsPauseIsFlaggedBeyondOwnJitter) {
    for (const int earlyUs : {1000, 1001, 3000}) {
        // Group D CH1 and all after it come early: only the gap after Group C CH8 is short.
        auto arrivals = test::PacedArrivals(microseconds(0), microseconds(0));
        for (std::size_t i = 1 + 3 * 16; i < arrivals.size(); ++i) {
            arrivals[i] -= microseconds(earlyUs);
        }
        const PacingReport r = AnalysePacing(arrivals);
        const bool held = earlyUs <= 1000; // within our own timing jitter
        EXPECT_EQ(GapAfter(r, "Group C CH8").measured, microseconds(100'000 - earlyUs));
        EXPECT_EQ(GapAfter(r, "Group C CH8").held, held) << earlyUs;
        EXPECT_EQ(r.everyGapHeld, held) << earlyUs;
        EXPECT_EQ(r.shortGaps, held ? 0 : 1) << earlyUs;
        EXPECT_EQ(r.minOvershoot, microseconds(-earlyUs));
    }
}

// The system hands writes over late now and then; the gap after such a write looks short, yet the sender kept
// its pause. Only a write that comes before the frame's schedule allows is the sender's fault.
TEST(FramePacing, LateDeliveriesAreToldApartFromEarlyWrites) {
    const std::size_t ch1 = 1, groupD = 1 + 3 * 16;
    for (const int lateUs : {2000, 3000, 50'000}) {
        auto arrivals = test::PacedArrivals(microseconds(0), microseconds(300));
        arrivals[ch1] += microseconds(lateUs); // the start byte's neighbour and a write further on
        arrivals[ch1 + 1] += microseconds(lateUs);
        arrivals[groupD] += microseconds(lateUs);
        arrivals[groupD + 1] += microseconds(lateUs);
        const PacingReport r = AnalysePacing(arrivals);
        EXPECT_TRUE(r.everyGapHeld) << lateUs;
        EXPECT_EQ(r.lateDeliveries, 2) << lateUs;
        EXPECT_TRUE(GapAfter(r, "Group A CH1").lateDelivery && GapAfter(r, "Group D CH1").lateDelivery);
        EXPECT_EQ(r.minOvershoot, microseconds(300));
    }
    // A pause cut by 8 ms is caught wherever it is after the first gap, late deliveries or not.
    for (std::size_t write = 2; write < 140; write += 23) {
        auto arrivals = test::PacedArrivals(microseconds(0), microseconds(300));
        arrivals[groupD] += microseconds(3000);
        const auto from = static_cast<std::size_t>(kWriteSchedule[write].offset);
        for (std::size_t i = from; i < arrivals.size(); ++i) {
            arrivals[i] -= microseconds(8000);
        }
        const PacingReport r = AnalysePacing(arrivals);
        EXPECT_FALSE(r.everyGapHeld) << write;
        EXPECT_EQ(r.shortGaps, 1) << write;
        EXPECT_EQ(r.gaps[write - 1].verdict, GapVerdict::Short) << write;
    }
}

// Arrival traces as a loaded machine makes them: a start byte handed over late, and a burst of six writes handed
// over together. Neither is the sender's doing; only the first cannot be proven either way.
TEST(FramePacing, ALateStartByteIsUnprovenAndABurstOfAnyLengthIsALateDelivery) {
    auto arrivals = test::PacedArrivals(microseconds(0), microseconds(300));
    arrivals[0] += microseconds(12'000); // the start byte, 12 ms late: the first gap looks 38 ms of 50
    PacingReport r = AnalysePacing(arrivals);
    EXPECT_EQ(r.gaps[0].verdict, GapVerdict::Unproven);
    EXPECT_TRUE(r.everyGapHeld);
    EXPECT_EQ(r.unprovenGaps, 1);
    EXPECT_EQ(r.shortGaps, 0);

    arrivals = test::PacedArrivals(microseconds(0), microseconds(300));
    const int first = 20; // writes 20 to 25 arrive together with the last of them
    const auto at = arrivals[static_cast<std::size_t>(kWriteSchedule[first + 5].offset)];
    for (int w = first; w < first + 6; ++w) {
        for (int b = 0; b < kWriteSchedule[w].size; ++b) {
            arrivals[static_cast<std::size_t>(kWriteSchedule[w].offset + b)] = at;
        }
    }
    r = AnalysePacing(arrivals);
    EXPECT_TRUE(r.everyGapHeld);
    EXPECT_EQ(r.shortGaps, 0);
    EXPECT_EQ(r.lateDeliveries, 5);
    EXPECT_EQ(r.unprovenGaps, 0);
}

} // namespace
} // namespace velmar::radio
