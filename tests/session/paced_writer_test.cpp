#include "PacedWriter.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <memory>

namespace {

using Clock = std::chrono::steady_clock;

TEST(PacedWriter, WritesEveryPieceInOrderAndHoldsEachPauseAfterItsWriteReturned) {
    std::vector<velmar::PacedWrite> pieces;
    for (int i = 0; i < 12; ++i) {
        pieces.push_back({{static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(0xF0 | i)}, 2 + i % 3 * 3});
    }
    pieces.push_back({{0x88}, 0});
    struct Written {
        std::vector<std::uint8_t> bytes;
        Clock::time_point returned;
    };
    std::vector<Written> log; // only the writer's thread touches it until `finished`
    std::promise<bool> done;
    std::atomic<int> progressCalls{0};
    velmar::CPacedWriter writer;
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
            // The next write returned at least its own write time after the previous pause ended.
            EXPECT_GE(log[i].returned - log[i - 1].returned, std::chrono::milliseconds(pieces[i - 1].pauseAfterMs + 1));
        }
    }
    EXPECT_EQ(progressCalls.load(), static_cast<int>(pieces.size()));
    EXPECT_EQ(writer.BytesWritten(), 25);
}

TEST(PacedWriter, StopAndDestructionEndALongPauseAtOnce) {
    std::atomic<int> writes{0};
    const auto write = [&](const std::uint8_t*, std::uint32_t n) {
        writes.fetch_add(1);
        writes.notify_all();
        return n;
    };
    std::atomic<bool> stopped{false};
    auto writer = std::make_unique<velmar::CPacedWriter>();
    ASSERT_TRUE(writer->Start(std::vector<velmar::PacedWrite>{{{1}, 60'000}, {{2}, 0}}, write, nullptr,
                              [&](bool s) { stopped.store(s); }));
    writes.wait(0);
    auto before = Clock::now();
    writer->Stop();
    EXPECT_LT(Clock::now() - before, std::chrono::seconds(5));
    EXPECT_EQ(writes.load(), 1) << "nothing more is written after a Stop";
    EXPECT_TRUE(stopped.load());
    EXPECT_FALSE(writer->Running());

    // Usable again; and destroying a running writer ends its pause too.
    ASSERT_TRUE(writer->Start(std::vector<velmar::PacedWrite>{{{3}, 60'000}}, write, nullptr, nullptr));
    writes.wait(1);
    before = Clock::now();
    writer.reset();
    EXPECT_LT(Clock::now() - before, std::chrono::seconds(5));
}

} // namespace
