#pragma once
// One programming session: it owns the radio's serial line, opens it with the radio's fixed settings, sends a
// programming frame in its paced writes, follows the progress, learns honestly how the Send ended, keeps every
// whole Send in the history of sent settings, stops a Send, and hands on what the radio sends back. The window
// and velmar-send hold sessions only, so the bytes, their order, their pacing and the record of what was sent
// cannot differ between them.
//
// Threads:
//  - The owning thread (the one that made the session) calls Open, Close, the Set and On functions,
//    CollectReplies, StartSend, Stop, TakeReceived and the destructor.
//  - The session's writer thread is the only one that writes to the line while a Send runs; it calls the
//    progress and finished callbacks. Those must not call back into StartSend, Stop, Close or the destructor
//    (they wait for that very thread) and should return quickly: their time delays the next write's pause.
//  - The line's watch thread is the only reader; it calls the received notification and the message sink, and
//    with CollectReplies moves the received bytes into the reply buffer.
//  - IsOpen, LineHungUp, Sending, Progress, Replies, ReplyCount and LastResult may be called from any thread.
//  Open and Close only ever run while no write runs: Close stops a Send first, and an Open of an open session
//  is refused.

#include "FileFailure.h"
#include "PacedWriter.h"
#include "ProgrammingFrame.h"
#include "RadioSettings.h"
#include "SendResults.h"
#include "SerialLink.h"

#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace velmar {

struct SendResult {
    int bytesWritten = 0;      // bytes that really left, 0 .. kFrameSize
    std::uint8_t checksum = 0; // the frame's checksum byte, whatever became of the Send
    SendEnd end = SendEnd::Complete;
    double seconds = 0;
    // Where a whole Send was kept in the history, or why it could not be (one of the two, when a history is
    // kept and the frame went out whole).
    std::string recordedIn;
    std::optional<FileFailure> notRecorded;
    SendStall stall; // with SendEnd::Stalled
    // True when all kFrameSize bytes left, also when a Stop came only during
    // the pause after the last byte.
    [[nodiscard]] bool FrameSent() const { return bytesWritten == kFrameSize; }
    // The whole frame, with every pause short of the radio's time-out: what the radio could have taken.
    [[nodiscard]] bool Taken() const { return FrameSent() && end != SendEnd::Stalled; }
};

// The frame time-out in force: VELMAR_FRAME_TIMEOUT_MS when it is a whole number of milliseconds from
// kFrameTimeoutMinMs to kFrameTimeoutMaxMs, else kRadioFrameTimeoutMs. A Send with a quiet longer than it is
// SendEnd::Stalled.
inline constexpr int kFrameTimeoutMinMs = 150;
inline constexpr int kFrameTimeoutMaxMs = 10000;
int FrameTimeoutMs();

struct SendProgress {
    int writesDone = 0;   // of kFrameWriteCount
    int bytesWritten = 0; // of kFrameSize; bytes that really left
    int msLeft = 0;       // the pauses still to come, less the time spent in the current one
};

class CProgrammingSession {
public:
    using ProgressFn = std::function<void(const SendProgress&)>;
    using FinishedFn = std::function<void(const SendResult&)>;

    CProgrammingSession();
    // Stops a Send and closes the line.
    ~CProgrammingSession();
    CProgrammingSession(const CProgrammingSession&) = delete;
    CProgrammingSession& operator=(const CProgrammingSession&) = delete;

    // Opens `device` (a path: PortRule.h says which device a port name stands for) with the radio's line
    // settings (4800 baud, 8 data bits, no parity, two stop bits). False when it could not: LastFailure() tells
    // why, and the message sink has heard of it.
    bool Open(const std::string& device);
    // Stops a Send, then closes the line, which restores the port's settings. Safe when not open. Bytes
    // received and not yet taken stay for TakeReceived.
    void Close();
    [[nodiscard]] bool IsOpen() const;
    // True when the last Open cleared a hold that a killed program left on the device. Owning thread.
    [[nodiscard]] bool StaleHoldCleared() const { return m_link.StaleHoldCleared(); }
    // True once the line hung up while open; reset by Open.
    [[nodiscard]] bool LineHungUp() const;
    // Why the last Open failed (kind None after a successful one). Owning thread.
    [[nodiscard]] const SerialFailure& LastFailure() const;
    // The settings the driver holds now; false when not open.
    bool CurrentLineSettings(LineSettings* settings) const;

    // What the line has to tell (a failed Open, received bytes that found no room, a watch that could not
    // start), from the owning thread or the watch thread. Set while closed.
    void SetMessageSink(std::function<void(const LinkMessage&)> sink);
    // Called on the watch thread after received bytes were queued, and once when the line hangs up. Set while
    // closed; the owner then takes the bytes with TakeReceived.
    void OnReceived(std::function<void()> notify);
    // Appends the bytes received and queued now to *out; returns how many.
    std::size_t TakeReceived(std::vector<std::uint8_t>* out);
    // Whether received bytes wait to be taken. Any thread.
    [[nodiscard]] bool ReceivedWaiting() const;

    // For programs without a window: the session takes the received bytes itself, as the radio's answer to
    // the current Send. Call it while closed, instead of OnReceived.
    void CollectReplies();
    // What the radio answered since the last StartSend, its first kKeptReplyBytes; empty without
    // CollectReplies. ReplyCount() counts every byte that came, kept or not: a radio that floods the line
    // costs a count, not memory.
    [[nodiscard]] std::vector<std::uint8_t> Replies() const;
    [[nodiscard]] std::uint64_t ReplyCount() const;
    static constexpr std::size_t kKeptReplyBytes = 4096;

    // Every Send that puts the whole frame on the line is kept in the history of sent settings in `dir`
    // (RecordSentSetting); empty (the default) keeps none. Owning thread, while no Send runs.
    void KeepHistory(std::string dir);

    // Builds the frame of `setting` and writes its kFrameWriteCount paced writes on the session's thread; the
    // history keeps `setting` of a whole Send. It is copied: later changes do not reach the Send. `progress` runs after
    // each write, `finished` exactly once when the Send ends (after the history was written), both on the writer's
    // thread. The reply buffer is emptied first. False, with no callback, while a Send runs or when the line
    // is not open.
    bool StartSend(const RadioSettings& setting, ProgressFn progress = {}, FinishedFn finished = {});
    // Ends a Send at once: the write under way completes, no other follows.
    // When it returns no write happens any more and `finished` has reported
    // SendEnd::Stopped (unless the Send had ended before). Safe when idle.
    void Stop();

    // True from a successful StartSend until its `finished` is called.
    [[nodiscard]] bool Sending() const { return m_sending.load(std::memory_order_acquire); }
    // Where the current (or the last) Send stands.
    [[nodiscard]] SendProgress Progress() const;
    // The result the last `finished` reported; a default result before any.
    [[nodiscard]] SendResult LastResult() const;

    // Notes each write of the next Sends in *trace (see CPacedWriter::SetTrace): for tests and benchmarks that
    // judge the pacing where it is made. Owning thread, while no Send runs.
    void SetTrace(PacedTrace* trace) { m_writer.SetTrace(trace); }
    // For tests: holds the writer up before a write (see CPacedWriter::SetBeforeWrite).
    void SetBeforeWrite(std::function<void(int index)> hook) { m_writer.SetBeforeWrite(std::move(hook)); }

    // How long the watch thread gets to notice a hang-up after a write failed,
    // before the failure is taken for a write that did not complete in time.
    static constexpr std::chrono::milliseconds kHangUpGrace{50};

private:
    std::uint32_t WriteAndNote(const std::uint8_t* bytes, std::uint32_t count);
    void Finish(bool stopped, const FinishedFn& finished);
    void TakeReplies();

    CSerialLink m_link;
    CPacedWriter m_writer; // after the link: its thread writes to the link until it is joined
    std::atomic<bool> m_sending{false};
    bool m_collecting = false;   // owning thread only
    std::string m_historyDir;    // owning thread; read by the writer's thread only while a Send runs
    RadioSettings m_sentSetting; // the setting of the Send under way, for the history

    // The pauses from each write to the end; set by StartSend before the
    // writer starts, read by Progress from any thread.
    std::array<std::atomic<int>, kFrameWriteCount + 1> m_msFrom{};
    // Writes, bytes and the moment the last write returned, in one word so a
    // reader always sees the three of one moment (see ProgrammingSession.cpp).
    std::atomic<std::uint64_t> m_state{0};
    std::atomic<std::int64_t> m_startNs{0};
    std::atomic<std::uint8_t> m_checksum{0};

    mutable std::mutex m_resultMutex;
    SendResult m_lastResult;

    mutable std::mutex m_replyMutex;
    std::vector<std::uint8_t> m_replies;
    std::uint64_t m_replyCount = 0;
};

} // namespace velmar
