#include "PacedWriter.h"

#include <algorithm>
#include <chrono>

#include <sys/prctl.h>

namespace velmar {

CPacedWriter::~CPacedWriter() {
    Stop();
}

bool CPacedWriter::Start(std::vector<PacedWrite> writes, WriteFn write, std::function<void()> progress,
                         std::function<void(bool stopped)> finished) {
    if (Running()) {
        return false;
    }
    Join();
    {
        std::lock_guard lock(m_mutex);
        m_stop = false;
    }
    m_pieces.store(0, std::memory_order_release);
    m_bytes.store(0, std::memory_order_release);
    m_cutShort.store(false, std::memory_order_release);
    m_runTrace.clear();
    m_runTrace.reserve(writes.size()); // no allocation between a write and its pause
    m_running.store(true, std::memory_order_release);
    m_thread = std::thread(&CPacedWriter::Run, this, std::move(writes), std::move(write), std::move(progress),
                           std::move(finished));
    return true;
}

void CPacedWriter::Stop() {
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_all();
    Join();
}

void CPacedWriter::Join() {
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

bool CPacedWriter::Pause(std::chrono::steady_clock::time_point until) {
    // A timed wait wakes up a fraction of a millisecond late, and over 141
    // pauses that adds up. Sleep until just before the end, then watch the
    // clock for the rest: never shorter, hardly ever longer than the pause.
    constexpr auto kSpin = std::chrono::microseconds(300);
    {
        std::unique_lock lock(m_mutex);
        if (m_wake.wait_until(lock, until - kSpin, [this] { return m_stop; })) {
            return false;
        }
    }
    while (std::chrono::steady_clock::now() < until) {
        std::this_thread::yield();
    }
    std::lock_guard lock(m_mutex);
    return !m_stop;
}

void CPacedWriter::Run(std::vector<PacedWrite> writes, WriteFn write, std::function<void()> progress,
                       std::function<void(bool)> finished) {
    using Clock = std::chrono::steady_clock;
    // Timed waits of this thread may end this late at most (the default is 50 us). Linux only: PR_SET_TIMERSLACK.
    ::prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
    bool stopped = false;
    for (const PacedWrite& piece : writes) {
        {
            std::lock_guard lock(m_mutex);
            if (m_stop) {
                stopped = true;
                break;
            }
        }
        const std::uint32_t wanted = static_cast<std::uint32_t>(piece.bytes.size());
        if (m_beforeWrite) {
            m_beforeWrite(static_cast<int>(m_runTrace.size()));
        }
        const auto started = Clock::now();
        const std::uint32_t written = std::min(write(piece.bytes.data(), wanted), wanted);
        // The pause is measured from the moment the write returned, so a slow
        // write never shortens the silence the radio expects after it.
        const auto returned = Clock::now();
        const auto until = returned + std::chrono::milliseconds(piece.pauseAfterMs);
        m_runTrace.push_back({started, returned, written});
        m_bytes.fetch_add(static_cast<int>(written), std::memory_order_acq_rel);
        m_pieces.fetch_add(1, std::memory_order_acq_rel);
        if (written < wanted) {
            m_cutShort.store(true, std::memory_order_release);
        }
        if (progress) {
            progress();
        }
        if (written < wanted) {
            break;
        }
        if (!Pause(until)) {
            stopped = true;
            break;
        }
    }
    if (m_trace != nullptr) {
        *m_trace = m_runTrace;
    }
    m_running.store(false, std::memory_order_release);
    if (finished) {
        finished(stopped);
    }
}

std::optional<PacedStall> FindStall(const PacedTrace& trace, int timeoutMs, double msPerByte) {
    std::optional<PacedStall> longest;
    int bytes = 0;
    for (std::size_t i = 0; i + 1 < trace.size(); ++i) {
        bytes += static_cast<int>(trace[i].bytes);
        const double onLine = msPerByte * trace[i].bytes;
        const double quiet =
            std::chrono::duration<double, std::milli>(trace[i + 1].started - trace[i].started).count() - onLine;
        if (quiet > timeoutMs && (!longest || quiet > longest->quietMs)) {
            longest = PacedStall{static_cast<int>(quiet), bytes};
        }
    }
    return longest;
}

} // namespace velmar
