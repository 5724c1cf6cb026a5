#pragma once
// The receive ring between the link's watch thread (the only producer: Put) and the link's consumer (the only
// consumer: Take, through CSerialLink::TakeReceived). No lock: each index has one writer, which publishes it with a
// release store after the slot is written or read; the other side reads it with an acquire load, so a byte is complete
// before its slot is seen as filled, and a slot is free only after its byte was copied out.
//
// Full and empty: one slot always stays unused, so m_nIn == m_nOut means empty and the ring holds at most
// COMM_BUFFER_SIZE - 1 = 4191 bytes.

#include <atomic>
#include <cstdint>

namespace velmar {

// The ring's slots.
inline constexpr int COMM_BUFFER_SIZE = 4192;

class CByteQueue {
public:
    CByteQueue() { Reset(); }
    CByteQueue(const CByteQueue&) = delete;
    CByteQueue& operator=(const CByteQueue&) = delete;

    // Empties the ring and zeroes its storage. Not safe while another thread uses the queue: the link never
    // calls it, so bytes not yet taken survive a Close and the next Open.
    void Reset() {
        m_nOut.store(0, std::memory_order_release);
        m_nIn.store(0, std::memory_order_release);
        for (auto& b : m_buffer) {
            b = 0;
        }
    }

    // Bytes held, 0..4191. Either side may call it; what it sees is a snapshot that stays true for the caller:
    // the producer can only see too few free slots, the consumer too few bytes.
    [[nodiscard]] int Count() const {
        const int in = m_nIn.load(std::memory_order_acquire);
        const int out = m_nOut.load(std::memory_order_acquire);
        return (in - out + COMM_BUFFER_SIZE) % COMM_BUFFER_SIZE;
    }

    // Producer only. False (and the byte dropped, nothing changed) when 4191 bytes are held.
    bool Put(std::uint8_t byte) {
        const int in = m_nIn.load(std::memory_order_relaxed);
        const int next = (in + 1) % COMM_BUFFER_SIZE;
        if (next == m_nOut.load(std::memory_order_acquire)) {
            return false;
        }
        m_buffer[in] = byte;
        m_nIn.store(next, std::memory_order_release);
        return true;
    }

    // Consumer only. False when empty; *byte is then left as it was.
    bool Take(std::uint8_t* byte) {
        const int out = m_nOut.load(std::memory_order_relaxed);
        if (out == m_nIn.load(std::memory_order_acquire)) {
            return false;
        }
        *byte = m_buffer[out];
        m_nOut.store((out + 1) % COMM_BUFFER_SIZE, std::memory_order_release);
        return true;
    }

    std::uint8_t m_buffer[COMM_BUFFER_SIZE];
    // Apart on their own cache lines so the two threads do not bounce one line between them.
    alignas(64) std::atomic<int> m_nIn{0};
    alignas(64) std::atomic<int> m_nOut{0};
};

static_assert(std::atomic<int>::is_always_lock_free);

} // namespace velmar
