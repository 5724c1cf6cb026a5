#include "ProgrammingSession.h"

#include "SentHistory.h"

#include <algorithm>
#include <cstdlib>
#include <thread>

namespace velmar {

namespace {

using Clock = std::chrono::steady_clock;

// m_state: writes in bits 0-8, bytes in bits 9-17, the microseconds from the
// start of the Send to the return of the last write above them. One word
// because the time left needs all three of the same write.
constexpr int kBytesShift = 9;
constexpr int kTimeShift = 18;
constexpr std::uint64_t kFieldMask = (1u << kBytesShift) - 1;
static_assert(kFrameWriteCount <= static_cast<int>(kFieldMask) && kFrameSize <= static_cast<int>(kFieldMask));

std::uint64_t PackState(int writes, int bytes, std::int64_t micros) {
    return static_cast<std::uint64_t>(writes) | static_cast<std::uint64_t>(bytes) << kBytesShift |
           static_cast<std::uint64_t>(micros) << kTimeShift;
}

std::int64_t NowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch()).count();
}

} // namespace

// The radio's line: 4800 baud, 8 data bits, no parity, two stop bits (the link's code 2).
constexpr std::uint32_t kRadioBaudRate = 4800;
constexpr std::uint8_t kRadioByteSize = 8;
constexpr std::uint8_t kRadioStopBits = 2;
constexpr std::uint8_t kRadioParity = 0;
// A byte on that line: a start bit, 8 data bits and 2 stop bits.
constexpr double kMsPerByte = 11 * 1000.0 / kRadioBaudRate;

int FrameTimeoutMs() {
    const char* given = std::getenv("VELMAR_FRAME_TIMEOUT_MS");
    char* end = nullptr;
    const long ms = given != nullptr ? std::strtol(given, &end, 10) : 0;
    // Never at or below the longest pause the frame asks for: every Send would be called stalled.
    return given != nullptr && *given != '\0' && *end == '\0' && ms >= kFrameTimeoutMinMs && ms <= kFrameTimeoutMaxMs
               ? static_cast<int>(ms)
               : kRadioFrameTimeoutMs;
}

CProgrammingSession::CProgrammingSession() = default;

CProgrammingSession::~CProgrammingSession() {
    Close();
}

bool CProgrammingSession::Open(const std::string& device) {
    return m_link.Open(device, kRadioBaudRate, kRadioByteSize, kRadioStopBits, kRadioParity);
}

void CProgrammingSession::Close() {
    Stop();
    m_link.Close();
}

bool CProgrammingSession::IsOpen() const {
    return m_link.IsOpen();
}

bool CProgrammingSession::LineHungUp() const {
    return m_link.LineHungUp();
}

const SerialFailure& CProgrammingSession::LastFailure() const {
    return m_link.LastFailure();
}

bool CProgrammingSession::CurrentLineSettings(LineSettings* settings) const {
    return m_link.CurrentLineSettings(settings);
}

void CProgrammingSession::SetMessageSink(std::function<void(const LinkMessage&)> sink) {
    m_link.SetMessageSink(std::move(sink));
}

void CProgrammingSession::OnReceived(std::function<void()> notify) {
    m_link.SetNotify(std::move(notify));
}

std::size_t CProgrammingSession::TakeReceived(std::vector<std::uint8_t>* out) {
    return m_link.TakeReceived(out);
}

bool CProgrammingSession::ReceivedWaiting() const {
    return m_link.QueuedBytes() > 0;
}

void CProgrammingSession::CollectReplies() {
    m_collecting = true;
    m_link.SetNotify([this] { TakeReplies(); });
}

void CProgrammingSession::TakeReplies() {
    // Only what is queued now: bytes arriving meanwhile bring their own notification.
    std::vector<std::uint8_t> bytes;
    m_link.TakeReceived(&bytes);
    std::lock_guard lock(m_replyMutex);
    m_replyCount += bytes.size();
    const std::size_t room = kKeptReplyBytes - std::min(kKeptReplyBytes, m_replies.size());
    m_replies.insert(m_replies.end(), bytes.begin(),
                     bytes.begin() + static_cast<std::ptrdiff_t>(std::min(room, bytes.size())));
}

std::vector<std::uint8_t> CProgrammingSession::Replies() const {
    std::lock_guard lock(m_replyMutex);
    return m_replies;
}

std::uint64_t CProgrammingSession::ReplyCount() const {
    std::lock_guard lock(m_replyMutex);
    return m_replyCount;
}

void CProgrammingSession::KeepHistory(std::string dir) {
    m_historyDir = std::move(dir);
}

bool CProgrammingSession::StartSend(const RadioSettings& setting, ProgressFn progress, FinishedFn finished) {
    if (Sending() || !m_link.IsOpen()) {
        return false;
    }
    // The frame and the record of the Send come from the same value here, so they cannot differ.
    const ProgrammingFrame frame = BuildProgrammingFrame(setting);
    m_writer.Stop(); // joins the thread of the Send before, which may still be in its `finished`
    m_sentSetting = setting;
    int after = 0;
    m_msFrom[frame.writes.size()].store(0, std::memory_order_relaxed);
    for (std::size_t i = frame.writes.size(); i-- > 0;) {
        after += frame.writes[i].pauseAfterMs;
        m_msFrom[i].store(after, std::memory_order_relaxed);
    }
    m_checksum.store(frame.bytes[kChecksumOffset], std::memory_order_relaxed);
    {
        std::lock_guard lock(m_replyMutex);
        m_replies.clear();
        m_replyCount = 0;
    }
    m_startNs.store(NowNs(), std::memory_order_relaxed);
    m_state.store(0, std::memory_order_relaxed);
    m_sending.store(true, std::memory_order_release);
    // The thread's start orders everything above before its first write.
    const bool started = m_writer.Start(
        frame.writes, [this](const std::uint8_t* b, std::uint32_t n) { return WriteAndNote(b, n); },
        [this, progress = std::move(progress)] {
            if (progress) {
                progress(Progress());
            }
        },
        [this, finished = std::move(finished)](bool stopped) { Finish(stopped, finished); });
    if (!started) {
        m_sending.store(false, std::memory_order_release);
    }
    return started;
}

std::uint32_t CProgrammingSession::WriteAndNote(const std::uint8_t* bytes, std::uint32_t count) {
    const std::uint32_t taken = std::min(m_link.Write(bytes, count), count);
    const std::int64_t micros = (NowNs() - m_startNs.load(std::memory_order_relaxed)) / 1000;
    const std::uint64_t old = m_state.load(std::memory_order_relaxed); // only this thread stores while sending
    const int writes = static_cast<int>(old & kFieldMask) + 1;
    const int bytesSoFar = static_cast<int>((old >> kBytesShift) & kFieldMask) + static_cast<int>(taken);
    m_state.store(PackState(writes, bytesSoFar, micros), std::memory_order_release);
    return taken;
}

SendProgress CProgrammingSession::Progress() const {
    const std::uint64_t state = m_state.load(std::memory_order_acquire);
    SendProgress p;
    p.writesDone = static_cast<int>(state & kFieldMask);
    p.bytesWritten = static_cast<int>((state >> kBytesShift) & kFieldMask);
    if (!Sending()) {
        return p;
    }
    if (p.writesDone == 0) {
        p.msLeft = m_msFrom[0].load(std::memory_order_relaxed);
        return p;
    }
    const std::int64_t lastWriteNs =
        m_startNs.load(std::memory_order_relaxed) + static_cast<std::int64_t>(state >> kTimeShift) * 1000;
    const auto sinceMs = static_cast<int>(std::max<std::int64_t>(0, NowNs() - lastWriteNs) / 1'000'000);
    const auto w = static_cast<std::size_t>(p.writesDone);
    // The next write comes a moment after its pause: hold the figure at the pauses that follow it meanwhile.
    p.msLeft = std::max(m_msFrom[w - 1].load(std::memory_order_relaxed) - sinceMs,
                        m_msFrom[w].load(std::memory_order_relaxed));
    return p;
}

SendResult CProgrammingSession::LastResult() const {
    std::lock_guard lock(m_resultMutex);
    return m_lastResult;
}

void CProgrammingSession::Finish(bool stopped, const FinishedFn& finished) {
    SendResult r;
    r.bytesWritten = m_writer.BytesWritten();
    r.checksum = m_checksum.load(std::memory_order_relaxed);
    if (stopped) {
        r.end = SendEnd::Stopped;
    } else if (m_writer.CutShort()) {
        // The write sees a pulled line before the watch thread has noted it; give that thread a moment.
        const auto until = Clock::now() + kHangUpGrace;
        while (!m_link.LineHungUp() && Clock::now() < until) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        r.end = m_link.LineHungUp() ? SendEnd::HungUp : SendEnd::WriteFailed;
    }
    r.seconds = static_cast<double>(NowNs() - m_startNs.load(std::memory_order_relaxed)) / 1e9;
    // The writer's own trace says whether every pause held: one that ran past the radio's time-out (a stopped
    // process, a machine that swaps) may have made it give the frame up, whatever the byte count says.
    if (r.FrameSent()) {
        if (const std::optional<PacedStall> stall = FindStall(m_writer.RunTrace(), FrameTimeoutMs(), kMsPerByte)) {
            r.end = SendEnd::Stalled;
            r.stall = {stall->quietMs, stall->afterByte};
        }
    }
    if (r.FrameSent() && !m_historyDir.empty()) {
        // The radio has its setting either way: a history that cannot be written is told, not a failed Send. A
        // stalled Send is kept marked so, never to be taken for what the radio got.
        if (FileFailure why;
            !RecordSentSetting(m_historyDir, m_sentSetting, r.checksum, std::chrono::system_clock::now(), &why,
                               &r.recordedIn, r.end == SendEnd::Stalled)) {
            r.notRecorded = std::move(why);
        }
    }
    {
        std::lock_guard lock(m_resultMutex);
        m_lastResult = r;
    }
    // Cleared before the callback: a window that starts the next Send as soon
    // as it hears of this one's end must not be refused. That StartSend joins
    // this thread first.
    m_sending.store(false, std::memory_order_release);
    if (finished) {
        finished(r);
    }
}

void CProgrammingSession::Stop() {
    m_writer.Stop();
}

} // namespace velmar
