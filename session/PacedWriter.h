#pragma once
// Writes a sequence of paced writes on a thread of its own, each followed by a
// fixed pause that starts once its write has returned. The thread that starts
// it stays free (a window keeps painting meanwhile); the bytes, their order and
// the pauses are exactly those given. A write that does not take its whole
// piece ends the run at once: the radio rejects a frame with a hole, so
// pausing on would only keep the operator waiting for nothing.
//
// Threads: Start, Stop and the destructor are called from one owning thread.
// The write function and both callbacks run on the writer's thread; the
// counters may be read from any thread.

#include "ProgrammingFrame.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace velmar {

// What one write of a run did, on the monotonic clock: when the write function was called and when it
// returned, and how many bytes it took. The pause after a write is kept from `returned` to the next `started`,
// so a trace shows the sender's own pacing, free of what the far end's clock makes of it.
struct PacedTraceEntry {
    std::chrono::steady_clock::time_point started;
    std::chrono::steady_clock::time_point returned;
    std::uint32_t bytes = 0;
};
using PacedTrace = std::vector<PacedTraceEntry>;

// A pause that ran so long that the radio may have given the frame up: how long the line was quiet and after
// which byte of the frame.
struct PacedStall {
    int quietMs = 0;
    int afterByte = 0;
};
// The longest quiet on the line between two writes of `trace`, when it is longer than `timeoutMs`: from one
// write's start to the next, less the time the first write's bytes take on the line (`msPerByte`). nullopt when
// every pause held.
std::optional<PacedStall> FindStall(const PacedTrace& trace, int timeoutMs, double msPerByte);

class CPacedWriter {
public:
    using WriteFn = std::function<std::uint32_t(const std::uint8_t* bytes, std::uint32_t count)>;

    CPacedWriter() = default;
    ~CPacedWriter();
    CPacedWriter(const CPacedWriter&) = delete;
    CPacedWriter& operator=(const CPacedWriter&) = delete;

    // Starts writing `writes` through `write`, which returns the bytes it
    // got out. `progress` runs after each write has returned, `finished` once
    // after the last pause, after a write that fell short (CutShort() tells)
    // or after a Stop (stopped = true). Returns false while an earlier run is
    // still going; a run that has finished is joined here.
    bool Start(std::vector<PacedWrite> writes, WriteFn write, std::function<void()> progress,
               std::function<void(bool stopped)> finished);

    // From the next Start on, each write of a run is noted in *trace (emptied at Start); null (the default)
    // notes nothing. The trace belongs to the writer's thread while a run goes: read it once `finished` has
    // run. Owning thread, between runs.
    void SetTrace(PacedTrace* trace) { m_trace = trace; }
    // The writes of the last run, as a trace; read once `finished` has run (or from within it).
    [[nodiscard]] const PacedTrace& RunTrace() const { return m_runTrace; }
    // For tests: runs on the writer's thread before write number `index` (from 0), e.g. to hold the writer up as
    // a stopped process or a machine that swaps would. Owning thread, between runs.
    void SetBeforeWrite(std::function<void(int index)> hook) { m_beforeWrite = std::move(hook); }

    // Ends a run at once: the write in progress completes, no further piece
    // is written, the pause ends early. Returns when the thread has ended, so
    // `finished` has run by then. Never from the writer's own callbacks.
    void Stop();

    [[nodiscard]] bool Running() const { return m_running.load(std::memory_order_acquire); }
    [[nodiscard]] int PiecesWritten() const { return m_pieces.load(std::memory_order_acquire); }
    // Bytes the writes got out, not the bytes they were given.
    [[nodiscard]] int BytesWritten() const { return m_bytes.load(std::memory_order_acquire); }
    // True when the last run ended because a write fell short.
    [[nodiscard]] bool CutShort() const { return m_cutShort.load(std::memory_order_acquire); }

private:
    void Run(std::vector<PacedWrite> writes, WriteFn write, std::function<void()> progress,
             std::function<void(bool)> finished);
    void Join();
    // False when Stop ended the pause early.
    bool Pause(std::chrono::steady_clock::time_point until);

    std::thread m_thread;
    std::mutex m_mutex; // guards m_stop for the pause's condition variable
    std::condition_variable m_wake;
    bool m_stop = false;
    std::atomic<bool> m_running{false};
    std::atomic<int> m_pieces{0};
    std::atomic<int> m_bytes{0};
    std::atomic<bool> m_cutShort{false};
    PacedTrace* m_trace = nullptr;
    PacedTrace m_runTrace; // the writer's thread's while a run goes
    std::function<void(int)> m_beforeWrite;
};

} // namespace velmar
