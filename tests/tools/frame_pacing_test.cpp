#include "FramePacing.h"
#include "TestFrames.h"

#include <gtest/gtest.h>

namespace velmar::radio {
namespace {

using std::chrono::microseconds;
using std::chrono::milliseconds;

const Gap* GapAfter(const PacingReport& r, std::string_view label) {
    for (const Gap& g : r.gaps) {
        if (WriteLabel(g.write) == label) {
            return &g;
        }
    }
    return nullptr;
}

TEST(FramePacing, WritesAreNamedAfterWhatTheyCarry) {
    const std::vector<std::pair<int, std::string>> labels{
        {0, "start byte"},       {1, "Group A CH1"},      {8, "Group A CH8"},       {64, "Group H CH8"},
        {65, "Group A spacing"}, {72, "Group H spacing"}, {73, "Vox Release Time"}, {81, "Scan Delay Time"},
        {85, "Band Select"},     {86, "option end"},      {87, "zero fill 1"},      {139, "zero fill 53"},
        {140, "checksum"}};
    for (const auto& [write, label] : labels) {
        EXPECT_EQ(WriteLabel(write), label);
    }
    // Offsets of the frame map to the write that carries them.
    EXPECT_EQ(WriteAt(0), 0);
    EXPECT_EQ(WriteAt(1), 1);
    EXPECT_EQ(WriteAt(2), 1);
    EXPECT_EQ(WriteAt(128), 64);
    EXPECT_EQ(WriteAt(129), 65);
    EXPECT_EQ(WriteAt(145), 81);
    EXPECT_EQ(WriteAt(150), 86);
    EXPECT_EQ(WriteAt(256), 139);
    EXPECT_EQ(WriteAt(257), 140);
}

TEST(FramePacing, SenderKeepingEveryPauseHoldsEveryGap) {
    const auto arrivals = test::PacedArrivals(microseconds(5'000'000), microseconds(400));
    ASSERT_EQ(arrivals.size(), 258u);
    const PacingReport r = AnalysePacing(arrivals);
    ASSERT_EQ(r.gaps.size(), 140u);
    EXPECT_TRUE(r.everyGapHeld);
    EXPECT_EQ(r.shortGaps, 0);
    EXPECT_EQ(r.pausesMs, 3700);
    EXPECT_EQ(r.total, milliseconds(3700) + 140 * microseconds(400));
    EXPECT_EQ(r.minOvershoot, microseconds(400));
    // The pauses the sequence fixes, measured from each write's first byte.
    EXPECT_EQ(GapAfter(r, "start byte")->pauseMs, 50);
    EXPECT_EQ(GapAfter(r, "Group A CH7")->pauseMs, 20);
    EXPECT_EQ(GapAfter(r, "Group D CH8")->pauseMs, 100);
    EXPECT_EQ(GapAfter(r, "Group G spacing")->pauseMs, 20);
    EXPECT_EQ(GapAfter(r, "Group H spacing")->pauseMs, 50);
    EXPECT_EQ(GapAfter(r, "Band Select")->pauseMs, 20);
    EXPECT_EQ(GapAfter(r, "option end")->pauseMs, 120);
    EXPECT_EQ(GapAfter(r, "zero fill 52")->pauseMs, 20);
    EXPECT_EQ(GapAfter(r, "zero fill 53")->pauseMs, 120);
    EXPECT_EQ(GapAfter(r, "zero fill 53")->measured, microseconds(120'400));
}

TEST(FramePacing, GapShorterThanItsPauseIsFlagged) {
    auto arrivals = test::PacedArrivals(microseconds(0), microseconds(300));
    // Everything from Group C CH8 on arrives 3 ms early: only that gap is short.
    const int groupCNextWrite = 1 + 3 * 16; // first byte of Group D CH1
    for (std::size_t i = groupCNextWrite; i < arrivals.size(); ++i) {
        arrivals[i] -= milliseconds(3);
    }
    const PacingReport r = AnalysePacing(arrivals);
    EXPECT_FALSE(r.everyGapHeld);
    EXPECT_EQ(r.shortGaps, 1);
    const Gap* g = GapAfter(r, "Group C CH8");
    ASSERT_NE(g, nullptr);
    EXPECT_FALSE(g->held);
    EXPECT_EQ(g->measured, microseconds(97'300));
    EXPECT_EQ(r.minOvershoot, microseconds(-2700));
}

TEST(FramePacing, OwnJitterOfUpToOneMillisecondIsAllowed) {
    const auto run = [](microseconds early) {
        auto arrivals = test::PacedArrivals(microseconds(0), microseconds(0));
        for (std::size_t i = 2 * 64 + 1; i < arrivals.size(); ++i) { // from Group A spacing on
            arrivals[i] -= early;
        }
        return AnalysePacing(arrivals);
    };
    const PacingReport withinJitter = run(microseconds(1000));
    EXPECT_TRUE(withinJitter.everyGapHeld);
    EXPECT_EQ(withinJitter.minOvershoot, microseconds(-1000));
    const PacingReport beyond = run(microseconds(1001));
    EXPECT_FALSE(beyond.everyGapHeld);
    EXPECT_FALSE(GapAfter(beyond, "Group H CH8")->held);
}

TEST(FramePacing, FrameWrittenAtOnceFlagsEveryGap) {
    const std::vector<microseconds> arrivals(258, microseconds(77));
    const PacingReport r = AnalysePacing(arrivals);
    EXPECT_EQ(r.gaps.size(), 140u);
    EXPECT_EQ(r.shortGaps, 140);
    EXPECT_EQ(r.total, microseconds(0));
    EXPECT_EQ(r.minOvershoot, milliseconds(-120));
}

TEST(FramePacing, PartFrameMeasuresTheWritesThatCame) {
    auto arrivals = test::PacedArrivals(microseconds(0), microseconds(500));
    arrivals.resize(100); // up to the first byte of Group G CH2
    const PacingReport r = AnalysePacing(arrivals);
    ASSERT_EQ(r.gaps.size(), 50u);
    EXPECT_EQ(WriteLabel(r.gaps.back().write), "Group G CH1");
    EXPECT_TRUE(r.everyGapHeld);
    EXPECT_EQ(r.pausesMs, 50 + 6 * (7 * 20 + 100) + 20);
    EXPECT_TRUE(AnalysePacing(std::vector<microseconds>(1)).gaps.empty());
}

} // namespace
} // namespace velmar::radio
