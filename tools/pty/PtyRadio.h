#pragma once
// The one pseudo-terminal helper of the tests and benchmarks: the radio's end of the line. Programs open its
// Device(); the test plays the radio on the master. A listening radio reads everything that comes, with its
// time, on a thread of its own (Received, Arrivals, and Receive takes from what came); a deaf one reads only
// when Receive is called, so the line fills up as it would with a radio that takes nothing.

#include "PseudoTerminal.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <poll.h>
#include <stdexcept>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace velmar::test {

using Clock = std::chrono::steady_clock;

class PtyRadio {
public:
    struct Arrival {
        Clock::time_point at;
        std::vector<std::uint8_t> bytes;
    };

    explicit PtyRadio(bool listening = true) {
        std::string error;
        if (!m_pty.Open({}, &error)) {
            throw std::runtime_error("no pseudo-terminal: " + error);
        }
        if (listening) {
            m_reader = std::thread([this] { Read(); });
        }
    }
    ~PtyRadio() { StopReading(); }
    PtyRadio(const PtyRadio&) = delete;
    PtyRadio& operator=(const PtyRadio&) = delete;

    [[nodiscard]] const std::string& Device() const { return m_pty.SlavePath(); }
    [[nodiscard]] int Master() const { return m_pty.Master(); }
    // The radio's end goes away, as a pulled cable does: the line hangs up.
    void HangUp() {
        StopReading();
        m_pty.CloseMaster();
    }
    // The radio answers.
    bool Send(const std::vector<std::uint8_t>& bytes) const { return m_pty.Send(bytes, 10000); }

    // The next `count` bytes that came, waiting at most `limit` for each part of them; fewer when they stop.
    [[nodiscard]] std::vector<std::uint8_t> Receive(std::size_t count,
                                                    std::chrono::milliseconds limit = std::chrono::seconds(10)) {
        if (!m_reader.joinable()) {
            return m_pty.Receive(count, static_cast<int>(limit.count()));
        }
        std::unique_lock lock(m_mutex);
        std::size_t seen = m_received.size();
        while (m_received.size() - m_taken < count &&
               m_cv.wait_for(lock, limit, [&] { return m_received.size() != seen; })) {
            seen = m_received.size();
        }
        const std::size_t n = std::min(count, m_received.size() - m_taken);
        std::vector<std::uint8_t> out(m_received.begin() + static_cast<std::ptrdiff_t>(m_taken),
                                      m_received.begin() + static_cast<std::ptrdiff_t>(m_taken + n));
        m_taken += n;
        return out;
    }
    // Everything that came so far, and each read with its time.
    [[nodiscard]] std::vector<std::uint8_t> Received() const {
        std::lock_guard lock(m_mutex);
        return m_received;
    }
    [[nodiscard]] std::vector<Arrival> Arrivals() const {
        std::lock_guard lock(m_mutex);
        return m_arrivals;
    }

private:
    void Read() {
        while (!m_stop.load()) {
            pollfd p{m_pty.Master(), POLLIN, 0};
            std::uint8_t buffer[512];
            const bool ready = ::poll(&p, 1, 20) > 0 && (p.revents & POLLIN) != 0;
            const ssize_t n = ready ? ::read(m_pty.Master(), buffer, sizeof buffer) : 0;
            const auto at = Clock::now();
            if (n > 0) {
                std::lock_guard lock(m_mutex);
                m_arrivals.push_back({at, {buffer, buffer + n}});
                m_received.insert(m_received.end(), buffer, buffer + n);
                m_cv.notify_all();
            } else if (p.revents != 0) {
                // No slave open yet, or it was closed: nothing to read until a program opens it.
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            }
        }
    }
    void StopReading() {
        m_stop.store(true);
        if (m_reader.joinable()) {
            m_reader.join();
        }
    }

    CPseudoTerminal m_pty;
    std::atomic<bool> m_stop{false};
    mutable std::mutex m_mutex;
    std::condition_variable m_cv;
    std::vector<std::uint8_t> m_received;
    std::vector<Arrival> m_arrivals;
    std::size_t m_taken = 0;
    std::thread m_reader;
};

} // namespace velmar::test
