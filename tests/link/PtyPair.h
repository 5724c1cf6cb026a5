#pragma once
// Test helpers: a pseudo-terminal standing in for the radio's serial line (the link opens the slave, the test
// plays the radio on the master), and a collector for what the link's watch thread reports.

#include "PseudoTerminal.h"
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

class PtyPair {
public:
    PtyPair() {
        std::string error;
        if (!m_pty.Open({}, &error)) {
            throw std::runtime_error("no pseudo-terminal: " + error);
        }
    }
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    [[nodiscard]] int Master() const { return m_pty.Master(); }
    [[nodiscard]] const std::string& Slave() const { return m_pty.SlavePath(); }
    void CloseMaster() { m_pty.CloseMaster(); }

    // Writes everything on the radio's side.
    void Send(const std::vector<std::uint8_t>& bytes) const {
        if (!m_pty.Send(bytes, 10000)) {
            throw std::runtime_error("pty master write failed");
        }
    }

    // What the link sent, up to `count` bytes, waiting at most `limit` for each part of them.
    [[nodiscard]] std::vector<std::uint8_t> Receive(std::size_t count,
                                                    std::chrono::milliseconds limit = std::chrono::seconds(10)) const {
        return m_pty.Receive(count, static_cast<int>(limit.count()));
    }

private:
    velmar::CPseudoTerminal m_pty;
};

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
            return static_cast<std::size_t>(m_link->m_rxQueue.Count()) + m_link->DroppedBytes() + m_taken >= bytes;
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

// Takes everything the queue holds, as the window does on a notification.
inline std::vector<std::uint8_t> TakeAll(CByteQueue& queue) {
    std::vector<std::uint8_t> out(static_cast<std::size_t>(queue.Count()));
    for (auto& b : out) {
        if (!queue.Take(&b)) {
            throw std::logic_error("Take failed within Count");
        }
    }
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
