#include "PacedWriter.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>

namespace {

using Clock = std::chrono::steady_clock;

struct Recorded {
    std::vector<std::uint8_t> bytes;
    Clock::time_point returned;
};

TEST(PacedWriter, WritesEveryPieceInOrderAndHoldsEachPauseAfterItsWriteReturned) {
    std::vector<PacedPiece> pieces;
    for (int i = 0; i < 12; ++i) {
        pieces.push_back({{static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(0xF0 | i)}, 2 + i % 3 * 3});
    }
    pieces.push_back({{0x88}, 0});

    std::vector<Recorded> log; // only the writer's thread touches it until `finished`
    std::promise<bool> done;
    std::atomic<int> progressCalls{0};
    CPacedWriter writer;
    ASSERT_TRUE(writer.Start(
        pieces,
        [&](const std::uint8_t* b, std::uint32_t n) {
            // A write that takes its time: the pause must still follow its return.
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
            log.push_back({{b, b + n}, Clock::now()});
            return n;
        },
        [&] { progressCalls.fetch_add(1); }, [&](bool stopped) { done.set_value(stopped); }));
    EXPECT_FALSE(writer.Start({}, nullptr, nullptr, nullptr)) << "a second run while one is going";

    auto finished = done.get_future();
    ASSERT_EQ(finished.wait_for(std::chrono::seconds(10)), std::future_status::ready);
    EXPECT_FALSE(finished.get());
    writer.Stop();

    ASSERT_EQ(log.size(), pieces.size());
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        EXPECT_EQ(log[i].bytes, pieces[i].bytes) << i;
        if (i > 0) {
            // The next write started at least one write-time after the pause ended.
            const auto gap = log[i].returned - log[i - 1].returned;
            EXPECT_GE(gap, std::chrono::milliseconds(pieces[i - 1].pauseAfterMs + 1)) << i;
        }
    }
    EXPECT_EQ(progressCalls.load(), static_cast<int>(pieces.size()));
    EXPECT_EQ(writer.PiecesWritten(), static_cast<int>(pieces.size()));
    EXPECT_EQ(writer.BytesWritten(), 25);
    EXPECT_FALSE(writer.Running());
}

TEST(PacedWriter, StopEndsALongPauseAndWritesNothingMore) {
    std::atomic<int> writes{0};
    std::promise<void> firstWrite;
    std::atomic<bool> stoppedFlag{false};
    CPacedWriter writer;
    ASSERT_TRUE(writer.Start(
        {{{1}, 60'000}, {{2}, 0}},
        [&](const std::uint8_t*, std::uint32_t n) {
            if (writes.fetch_add(1) == 0) {
                firstWrite.set_value();
            }
            return n;
        },
        nullptr, [&](bool stopped) { stoppedFlag.store(stopped); }));
    firstWrite.get_future().wait();
    const auto before = Clock::now();
    writer.Stop();
    EXPECT_LT(Clock::now() - before, std::chrono::seconds(5));
    EXPECT_EQ(writes.load(), 1);
    EXPECT_TRUE(stoppedFlag.load());
    EXPECT_FALSE(writer.Running());

    // The writer can be used again after a stopped run.
    std::promise<bool> again;
    ASSERT_TRUE(writer.Start(
        {{{3}, 0}}, [](const std::uint8_t*, std::uint32_t n) { return n; }, nullptr,
        [&](bool stopped) { again.set_value(stopped); }));
    EXPECT_FALSE(again.get_future().get());
}

TEST(PacedWriter, DestroyingARunningWriterStopsIt) {
    std::promise<void> started;
    {
        CPacedWriter writer;
        ASSERT_TRUE(writer.Start(
            {{{1}, 60'000}},
            [&](const std::uint8_t*, std::uint32_t n) {
                started.set_value();
                return n;
            },
            nullptr, nullptr));
        started.get_future().wait();
    }
    SUCCEED();
}

} // namespace
