#pragma once
// The radio's end of the line for window tests and benchmarks: a
// pseudo-terminal master whose reader thread records every read with its time.

#include "PseudoTerminal.h"

#include <QtGlobal>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <fcntl.h>
#include <mutex>
#include <poll.h>
#include <pthread.h>
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

    PtyRadio() {
        std::string error;
        if (!m_pty.Open({}, &error)) {
            qFatal("no pseudo-terminal: %s", error.c_str());
        }
        m_master = m_pty.Master();
        m_slave = m_pty.SlavePath();
        m_reader = std::thread([this] {
            // The reader's lateness shows up as jitter in every measured gap:
            // let it run before anything else where the system allows it.
            sched_param param{};
            param.sched_priority = 10;
            pthread_setschedparam(pthread_self(), SCHED_FIFO, &param);
            Read();
        });
    }
    ~PtyRadio() {
        m_stop.store(true);
        if (m_reader.joinable()) {
            m_reader.join();
        }
    }

    const std::string& Device() const { return m_slave; }
    int Master() const { return m_master; }
    // The radio's end goes away, as a pulled cable does: the line hangs up.
    void HangUp() {
        m_stop.store(true);
        if (m_reader.joinable()) {
            m_reader.join();
        }
        m_pty.CloseMaster();
        m_master = -1;
    }
    bool Reply(const std::vector<std::uint8_t>& bytes) const { return m_pty.Send(bytes); }
    std::vector<Arrival> Arrivals() const {
        std::lock_guard lock(m_mutex);
        return m_arrivals;
    }
    std::vector<std::uint8_t> Received() const {
        std::vector<std::uint8_t> all;
        for (const Arrival& a : Arrivals()) {
            all.insert(all.end(), a.bytes.begin(), a.bytes.end());
        }
        return all;
    }

private:
    void Read() {
        while (!m_stop.load()) {
            pollfd p{m_master, POLLIN, 0};
            std::uint8_t buffer[512];
            const bool ready = ::poll(&p, 1, 20) > 0 && (p.revents & POLLIN) != 0;
            const ssize_t n = ready ? ::read(m_master, buffer, sizeof buffer) : 0;
            const auto at = Clock::now();
            if (n > 0) {
                std::lock_guard lock(m_mutex);
                m_arrivals.push_back({at, {buffer, buffer + n}});
            } else if (p.revents != 0) {
                // No slave open yet, or it was closed: nothing to read until Connect.
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            }
        }
    }

    velmar::CPseudoTerminal m_pty;
    int m_master = -1;
    std::string m_slave;
    std::atomic<bool> m_stop{false};
    mutable std::mutex m_mutex;
    std::vector<Arrival> m_arrivals;
    std::thread m_reader;
};

} // namespace velmar::test
