#pragma once
// One programming session over a serial link the caller owns: open the line
// with the radio's fixed settings, send one setting as its programming frame
// in the frame's paced writes, follow the progress, learn honestly how the
// Send ended, stop it, and (for programs without a window) collect what the
// radio answered. The window and the command-line programs use the same
// object, so the bytes, their order and their pacing cannot differ between
// them.
//
// Threads:
//  - The owning thread (the one that made the session) calls Open, Close,
//    CollectReplies, StartSend, Stop and the destructor.
//  - The session's writer thread is the only one that writes to the link
//    while a Send runs; it calls the progress and finished callbacks. Those
//    must not call back into StartSend, Stop, Close or the destructor (they
//    wait for that very thread) and should return quickly: their time
//    delays the next write's pause.
//  - The link's watch thread is the only reader; with CollectReplies it moves
//    the received bytes into the session's reply buffer.
//  - Sending, Progress, Replies and LastResult may be called from any thread.
//  Open and Close only ever run while no write runs: Close stops a Send
//  first, and the link refuses an Open of a port that is open.

#include "PacedWriter.h"
#include "ProgrammingFrame.h"
#include "RadioSettings.h"
#include "SerialLink.h"

#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

namespace velmar {

// The radio's line: 4800 baud, 8 data bits, no parity, two stop bits.
inline constexpr std::uint32_t kRadioBaudRate = 4800;
inline constexpr std::uint8_t kRadioByteSize = 8;
inline constexpr std::uint8_t kRadioStopBits = 2; // the link's code for two stop bits
inline constexpr std::uint8_t kRadioParity = 0;   // none

// How a Send ended.
enum class SendEnd {
    Complete,    // every write of the frame went out and its last pause was kept
    HungUp,      // the line hung up (cable or adapter pulled, other side closed)
    WriteFailed, // a write did not get all its bytes out in time, the line still up
    Stopped,     // Stop (or Close, or the destructor) ended it
};

struct SendResult {
    int bytesWritten = 0;      // bytes that really left, 0 .. kFrameSize
    std::uint8_t checksum = 0; // the frame's checksum byte, whatever became of the Send
    SendEnd end = SendEnd::Complete;
    std::string why; // the end in plain words, for a log or a terminal
    double seconds = 0;
    // True when all kFrameSize bytes left, also when a Stop came only during
    // the pause after the last byte.
    [[nodiscard]] bool FrameSent() const { return bytesWritten == kFrameSize; }
};

struct SendProgress {
    int writesDone = 0;   // of kFrameWriteCount
    int bytesWritten = 0; // of kFrameSize; bytes that really left
    int msLeft = 0;       // the pauses still to come, less the time spent in the current one
};

class CProgrammingSession {
public:
    using ProgressFn = std::function<void(const SendProgress&)>;
    using FinishedFn = std::function<void(const SendResult&)>;

    // The link must outlive the session.
    explicit CProgrammingSession(CSerialLink& link);
    // Stops a Send. When CollectReplies was called it also closes the link and
    // removes the notification it installed (which points into this session).
    ~CProgrammingSession();
    CProgrammingSession(const CProgrammingSession&) = delete;
    CProgrammingSession& operator=(const CProgrammingSession&) = delete;

    // Opens `portName` (a device path, or COMn as DevicePathForPort maps it)
    // with the radio's line settings. False when the link could not: its
    // LastFailure() tells why.
    bool Open(const std::string& portName);
    // The same with the device given: `portName` is what messages call the port ("COM1").
    bool Open(const std::string& portName, const std::string& device);
    // Stops a Send, then closes the link, which restores the port's settings.
    // Safe when not open.
    void Close();

    // Makes the session the link's only consumer of received bytes: the watch
    // thread moves them from the link's m_rxQueue into the session's reply
    // buffer. Call it while the link is closed (it installs the link's
    // notification); a window that takes the queue itself does not call it.
    void CollectReplies();
    // What the radio answered since the last StartSend (or since
    // CollectReplies), its first kKeptReplyBytes; empty without
    // CollectReplies. ReplyCount() counts every byte that came, kept or not:
    // a radio that floods the line costs a count, not memory.
    [[nodiscard]] std::vector<std::uint8_t> Replies() const;
    [[nodiscard]] std::uint64_t ReplyCount() const;
    static constexpr std::size_t kKeptReplyBytes = 4096;

    // Builds the frame from a copy of `settings` (later changes to the record
    // do not reach it) and writes its kFrameWriteCount paced writes on the
    // session's thread. `progress` runs after each write, `finished` exactly
    // once when the Send ends, both on the writer's thread. The reply buffer
    // is emptied first. False, with no callback, while a Send runs or when
    // the link is not open.
    bool StartSend(const RadioSettings& settings, ProgressFn progress = {}, FinishedFn finished = {});
    // Notes each write of the next Sends in *trace (see CPacedWriter::SetTrace): for tests and benchmarks that
    // judge the pacing where it is made. Owning thread, while no Send runs.
    void SetTrace(PacedTrace* trace) { m_writer.SetTrace(trace); }

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

    // How long the watch thread gets to notice a hang-up after a write failed,
    // before the failure is taken for a write that did not complete in time.
    static constexpr std::chrono::milliseconds kHangUpGrace{50};

private:
    std::uint32_t WriteAndNote(const std::uint8_t* bytes, std::uint32_t count);
    void Finish(bool stopped, const FinishedFn& finished);
    void TakeReceived();

    CSerialLink& m_link;
    CPacedWriter m_writer;
    std::atomic<bool> m_sending{false};
    bool m_collecting = false; // owning thread only

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
