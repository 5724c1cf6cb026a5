#pragma once
// The link tests' helpers: a collector for what the link's watch thread reports, and a recognisable byte stream.
// The pseudo-terminal itself is PtyRadio's.

#include "PtyRadio.h"
#include "SerialLink.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <fcntl.h>
#include <mutex>
#include <poll.h>
#include <stdexcept>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

namespace velmar::test {

// Everything the watch thread reports: notifications and messages. The wait has a generous limit so that a fault
// fails the test instead of hanging it.
class LinkEvents {
public:
    struct Seen {
        int notifications = 0;
        std::vector<LinkMessage> messages;
        [[nodiscard]] long Count(LinkEvent event) const {
            return std::count_if(messages.begin(), messages.end(),
                                 [&](const LinkMessage& m) { return m.event == event; });
        }
    };

    void Attach(CSerialLink& link) {
        m_link = &link;
        link.SetNotify([this] { Record([](Seen& s) { ++s.notifications; }); });
        link.SetMessageSink([this](const LinkMessage& m) { Record([&](Seen& s) { s.messages.push_back(m); }); });
    }
    // Waits until `bytes` bytes in all have been queued (put there by the test too) or dropped since the link was
    // made, and a notification told of the last of them.
    bool WaitForDrained(std::size_t bytes) {
        std::unique_lock lock(m_mutex);
        return m_cv.wait_for(lock, std::chrono::seconds(20), [&] {
            return static_cast<std::size_t>(m_link->QueuedBytes()) + m_link->DroppedBytes() + m_taken >= bytes;
        });
    }
    // Bytes the test took out of the queue, which WaitForDrained no longer finds there.
    void Took(std::size_t bytes) {
        std::lock_guard lock(m_mutex);
        m_taken += bytes;
    }
    Seen Now() {
        std::lock_guard lock(m_mutex);
        return m_seen;
    }

private:
    template <typename F> void Record(F change) {
        std::lock_guard lock(m_mutex);
        change(m_seen);
        m_cv.notify_all();
    }
    std::mutex m_mutex;
    std::condition_variable m_cv;
    Seen m_seen;
    CSerialLink* m_link = nullptr;
    std::size_t m_taken = 0; // what the test took out of the queue
};

// Takes everything the link holds, as the window does on a notification.
inline std::vector<std::uint8_t> TakeAll(CSerialLink& link) {
    std::vector<std::uint8_t> out;
    link.TakeReceived(&out);
    return out;
}

// A recognisable byte stream: no short period, so a lost, doubled or reordered chunk shows.
inline std::vector<std::uint8_t> Pattern(std::size_t count, std::uint32_t seed = 1) {
    std::vector<std::uint8_t> out(count);
    std::uint32_t x = seed * 2654435761u + 12345u;
    for (auto& b : out) {
        x ^= x << 13, x ^= x >> 17, x ^= x << 5;
        b = static_cast<std::uint8_t>(x >> 24);
    }
    return out;
}

} // namespace velmar::test

using velmar::test::LinkEvents;
using velmar::test::Pattern;
using velmar::test::PtyRadio;
using velmar::test::TakeAll;
