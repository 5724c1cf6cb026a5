#include "ByteQueue.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <thread>

using namespace velmar;

namespace {

// The n-th byte of a stream both threads can produce on their own; neighbours always differ, so a lost or
// doubled byte shows.
std::uint8_t StreamByte(std::uint64_t n) {
    return static_cast<std::uint8_t>((n * 2654435761u) >> 13);
}

// Filled to the brim and partly emptied, round after round: each round's writes cross the end of the ring.
TEST(ByteQueue, HoldsAtMost4191BytesAndGivesThemBackInOrderAcrossTheWrap) {
    CByteQueue q;
    std::uint8_t byte = 0xA5;
    EXPECT_FALSE(q.Take(&byte));
    EXPECT_EQ(byte, 0xA5) << "a failed Take leaves the byte";
    std::uint64_t in = 0, out = 0;
    for (const int taken : {1, 1000, 4000, 4191}) {
        // The refused byte is offered again later: it must have overwritten nothing.
        for (int room = COMM_BUFFER_SIZE; room > 0 && q.Put(StreamByte(in)); --room) {
            ++in;
        }
        ASSERT_EQ(q.Count(), COMM_BUFFER_SIZE - 1);
        ASSERT_EQ(in - out, 4191u);
        for (int i = 0; i < taken; ++i, ++out) {
            ASSERT_TRUE(q.Take(&byte));
            ASSERT_EQ(byte, StreamByte(out)) << out;
        }
        EXPECT_EQ(q.Count(), 4191 - taken);
    }
    EXPECT_FALSE(q.Take(&byte));
    ASSERT_TRUE(q.Put(0xFF));
    q.Reset();
    EXPECT_EQ(q.Count(), 0);
    EXPECT_FALSE(q.Take(&byte));
}

// One producer and one consumer as in the link: every byte arrives once, in order, and the consumer never
// takes more than Count said it could.
TEST(ByteQueueStress, TenMillionBytesAcrossTwoThreads) {
    constexpr std::uint64_t kTotal = 10'000'000;
    CByteQueue q;
    std::atomic<bool> badCount{false};
    std::thread producer([&] {
        for (std::uint64_t sent = 0; sent < kTotal && !badCount.load(std::memory_order_relaxed);) {
            if (q.Count() > COMM_BUFFER_SIZE - 1) {
                badCount = true;
            } else if (q.Put(StreamByte(sent))) {
                ++sent;
            } else {
                std::this_thread::yield();
            }
        }
    });
    std::uint64_t taken = 0, firstBad = kTotal;
    while (taken < kTotal && !badCount) {
        const int count = q.Count();
        if (count < 0 || count > COMM_BUFFER_SIZE - 1) {
            badCount = true;
        }
        for (int i = 0; i < count && !badCount; ++i, ++taken) {
            std::uint8_t b = 0;
            if (!q.Take(&b)) {
                ADD_FAILURE() << "Count said " << count << " but Take " << i << " found none";
                badCount = true;
            } else if (b != StreamByte(taken) && firstBad == kTotal) {
                firstBad = taken;
            }
        }
        if (count == 0) {
            std::this_thread::yield();
        }
    }
    producer.join();
    EXPECT_FALSE(badCount.load());
    EXPECT_EQ(taken, kTotal);
    EXPECT_EQ(firstBad, kTotal) << "first wrong byte at " << firstBad;
    std::uint8_t extra = 0;
    EXPECT_FALSE(q.Take(&extra)) << "more bytes came out than went in";
}

} // namespace
