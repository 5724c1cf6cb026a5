#include "ByteQueue.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <thread>
#include <vector>

namespace {

// A byte sequence both threads can produce on their own, with no short period.
struct Stream {
    std::uint32_t x = 0x9e3779b9u;
    std::uint8_t Next() {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        return static_cast<std::uint8_t>(x >> 11);
    }
};

TEST(ByteQueue, NewQueueIsEmptyZeroedAndTakeLeavesTheByte) {
    CByteQueue q;
    EXPECT_EQ(q.Count(), 0);
    for (const auto b : q.m_buffer) {
        ASSERT_EQ(b, 0);
    }
    std::uint8_t byte = 0xA5;
    EXPECT_FALSE(q.Take(&byte));
    EXPECT_EQ(byte, 0xA5);
}

TEST(ByteQueue, HoldsAtMost4191AndNeverOverwrites) {
    CByteQueue q;
    for (int i = 0; i < COMM_BUFFER_SIZE - 1; ++i) {
        ASSERT_TRUE(q.Put(static_cast<std::uint8_t>(i * 7 + 3))) << i;
    }
    EXPECT_EQ(q.Count(), 4191);
    EXPECT_FALSE(q.Put(0xEE));
    EXPECT_EQ(q.Count(), 4191);
    std::uint8_t byte = 0;
    ASSERT_TRUE(q.Take(&byte));
    EXPECT_EQ(byte, 3); // the first byte put is still the oldest
    EXPECT_TRUE(q.Put(0xEE));
    EXPECT_FALSE(q.Put(0xEF));
    for (int i = 1; i < COMM_BUFFER_SIZE - 1; ++i) {
        ASSERT_TRUE(q.Take(&byte));
        ASSERT_EQ(byte, static_cast<std::uint8_t>(i * 7 + 3)) << i;
    }
    ASSERT_TRUE(q.Take(&byte));
    EXPECT_EQ(byte, 0xEE);
    EXPECT_EQ(q.Count(), 0);
}

TEST(ByteQueue, KeepsOrderWhenTheIndicesWrap) {
    CByteQueue q;
    Stream in, out;
    // Uneven batches walk both indices around the ring many times and across the wrap at every offset.
    for (int round = 0; round < 300; ++round) {
        const int batch = 1 + (round * 997) % 4191;
        for (int i = 0; i < batch; ++i) {
            ASSERT_TRUE(q.Put(in.Next()));
        }
        ASSERT_EQ(q.Count(), batch);
        for (int i = 0; i < batch; ++i) {
            std::uint8_t b = 0;
            ASSERT_TRUE(q.Take(&b));
            ASSERT_EQ(b, out.Next()) << "round " << round << " byte " << i;
        }
        ASSERT_EQ(q.Count(), 0);
        ASSERT_EQ(q.m_nIn.load(), q.m_nOut.load());
    }
}

TEST(ByteQueue, CountAcrossTheWrap) {
    CByteQueue q;
    q.m_nIn = 5;
    q.m_nOut = 4190;
    EXPECT_EQ(q.Count(), 7);
    q.m_nIn = 4189;
    q.m_nOut = 4190;
    EXPECT_EQ(q.Count(), 4191);
    EXPECT_FALSE(q.Put(1));
}

TEST(ByteQueue, PutThenTakeAdvancesBothIndices) {
    CByteQueue q;
    ASSERT_TRUE(q.Put(0x42));
    EXPECT_EQ(q.Count(), 1);
    std::uint8_t b = 0;
    ASSERT_TRUE(q.Take(&b));
    EXPECT_EQ(b, 0x42);
    EXPECT_EQ(q.Count(), 0);
    EXPECT_EQ(q.m_nIn.load(), 1);
    EXPECT_EQ(q.m_nOut.load(), 1);

    q.m_nIn = 4191;
    q.m_nOut = 4191;
    ASSERT_TRUE(q.Put(0x43));
    EXPECT_EQ(q.m_nIn.load(), 0);
    ASSERT_TRUE(q.Take(&b));
    EXPECT_EQ(b, 0x43);
    EXPECT_EQ(q.m_nOut.load(), 0);
}

TEST(ByteQueue, ResetEmptiesAndZeroes) {
    CByteQueue q;
    for (int i = 0; i < 100; ++i) {
        q.Put(0xFF);
    }
    q.Reset();
    EXPECT_EQ(q.Count(), 0);
    EXPECT_EQ(q.m_nIn.load(), 0);
    EXPECT_EQ(q.m_nOut.load(), 0);
    for (const auto b : q.m_buffer) {
        ASSERT_EQ(b, 0);
    }
}

// One producer and one consumer as in the link: every byte arrives once, in order, and the consumer never
// takes more than Count said it could.
TEST(ByteQueueStress, TenMillionBytesAcrossTwoThreads) {
    constexpr std::uint64_t kTotal = 10'000'000;
    CByteQueue q;
    std::atomic<bool> producerFault{false};

    std::thread producer([&] {
        Stream s;
        std::uint8_t next = s.Next();
        std::uint64_t sent = 0;
        while (sent < kTotal) {
            const int count = q.Count();
            if (count < 0 || count > COMM_BUFFER_SIZE - 1) {
                producerFault = true;
                return;
            }
            if (q.Put(next)) {
                next = s.Next();
                ++sent;
            } else {
                std::this_thread::yield();
            }
        }
    });

    Stream expect;
    std::uint64_t taken = 0;
    std::uint64_t mismatches = 0;
    std::uint64_t refusedWithinCount = 0;
    std::uint64_t firstBad = kTotal;
    while (taken < kTotal && !producerFault) {
        const int count = q.Count();
        ASSERT_GE(count, 0);
        ASSERT_LE(count, COMM_BUFFER_SIZE - 1);
        if (count == 0) {
            std::this_thread::yield();
            continue;
        }
        for (int i = 0; i < count; ++i) {
            std::uint8_t b = 0;
            if (!q.Take(&b)) {
                ++refusedWithinCount;
                break;
            }
            if (b != expect.Next()) {
                if (mismatches++ == 0) {
                    firstBad = taken;
                }
            }
            ++taken;
        }
    }
    producer.join();
    EXPECT_FALSE(producerFault.load());
    EXPECT_EQ(taken, kTotal);
    EXPECT_EQ(mismatches, 0u) << "first wrong byte at " << firstBad;
    EXPECT_EQ(refusedWithinCount, 0u);
    std::uint8_t extra = 0;
    EXPECT_FALSE(q.Take(&extra)) << "more bytes came out than went in";
}

} // namespace
