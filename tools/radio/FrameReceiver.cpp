#include "FrameReceiver.h"
#include "HexText.h"

#include <cstdio>

namespace velmar::radio {

namespace {

std::string HexBytes(const std::vector<std::uint8_t>& bytes, std::size_t total) {
    std::string s = HexRun(bytes);
    if (total > bytes.size()) {
        s += " ...";
    }
    return s;
}

std::string Ms(Micros t) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.0f ms", static_cast<double>(t.count()) / 1000.0);
    return buf;
}

} // namespace

std::optional<FrameReport> FrameReceiver::Feed(std::span<const std::uint8_t> bytes, Micros at) {
    std::optional<FrameReport> done = Idle(at);
    for (std::uint8_t b : bytes) {
        Take(b, at);
    }
    return done;
}

std::optional<FrameReport> FrameReceiver::Idle(Micros now) {
    const std::optional<Micros> deadline = Deadline();
    if (!deadline || now < *deadline) {
        return std::nullopt;
    }
    return Close(true);
}

std::optional<Micros> FrameReceiver::Deadline() const {
    if (m_state == State::Waiting) {
        return std::nullopt;
    }
    return m_lastArrival + m_silence;
}

std::optional<FrameReport> FrameReceiver::Finish() {
    if (m_state == State::Waiting) {
        return std::nullopt;
    }
    return Close(false);
}

void FrameReceiver::Take(std::uint8_t byte, Micros at) {
    m_lastArrival = at;
    switch (m_state) {
    case State::Waiting:
    case State::Skipping:
        if (byte != kFrameStartByte) {
            if (m_pending.skipped.size() < kShownStrayBytes) {
                m_pending.skipped.push_back(byte);
            }
            ++m_pending.skippedCount;
            m_state = State::Skipping;
            return;
        }
        if (m_lastFrameEnd) {
            PreviousFramePause p;
            p.measured = at - *m_lastFrameEnd;
            p.held = p.measured + kJitterAllowance >= std::chrono::milliseconds(kPauseAfterFrameMs);
            m_pending.afterPreviousFrame = p;
        }
        m_state = State::InFrame;
        [[fallthrough]];
    case State::InFrame:
        m_pending.bytes.push_back(byte);
        m_pending.arrivals.push_back(at);
        if (m_pending.bytes.size() == static_cast<std::size_t>(kFrameSize)) {
            m_state = State::Complete;
        }
        return;
    case State::Complete:
        if (m_pending.extra.size() < kShownStrayBytes) {
            m_pending.extra.push_back(byte);
        }
        ++m_pending.extraCount;
        return;
    }
}

FrameReport FrameReceiver::Close(bool bySilence) {
    FrameReport r = std::move(m_pending);
    m_pending = FrameReport{};
    r.number = ++m_reports;
    const State state = m_state;
    m_state = State::Waiting;

    const std::string ending = bySilence ? "then a silence of " + Ms(m_silence) : "then the input ended";
    if (state == State::Skipping) {
        r.errors.push_back("no start byte " + HexValue(kFrameStartByte) + " in " + std::to_string(r.skippedCount) +
                           " bytes (" + HexBytes(r.skipped, r.skippedCount) + "), " + ending);
        return r;
    }
    if (r.skippedCount > 0) {
        r.warnings.push_back("skipped " + std::to_string(r.skippedCount) + " bytes before the start byte (" +
                             HexBytes(r.skipped, r.skippedCount) + ")");
    }
    if (r.afterPreviousFrame && !r.afterPreviousFrame->held) {
        r.warnings.push_back("started " + Ms(r.afterPreviousFrame->measured) +
                             " after the previous frame, before its " + std::to_string(kPauseAfterFrameMs) +
                             " ms pause was over");
    }
    r.pacing = AnalysePacing(r.arrivals);
    if (state == State::InFrame) {
        const int got = static_cast<int>(r.bytes.size());
        r.errors.push_back("short: " + std::to_string(got) + " of " + std::to_string(kFrameSize) +
                           " bytes, stopped in " + WriteLabel(WriteAt(got - 1)) + ", " + ending);
        return r;
    }
    if (r.extraCount > 0) {
        r.errors.push_back("long: " + std::to_string(r.extraCount) + " more bytes after the " +
                           std::to_string(kFrameSize) + " of a frame (" + HexBytes(r.extra, r.extraCount) + ")");
    }
    r.decoded = DecodeFrame(FrameBytes(r.bytes.data(), kFrameSize));
    r.errors.insert(r.errors.end(), r.decoded->problems.begin(), r.decoded->problems.end());
    m_lastFrameEnd = r.arrivals.back();
    return r;
}

} // namespace velmar::radio
