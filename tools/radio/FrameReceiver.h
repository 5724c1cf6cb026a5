#pragma once
// Cuts the received byte stream into frames. A frame begins with the start
// byte; bytes before it are skipped and noted. It is complete with its 258th
// byte, but is judged only once the line has then been silent for the silence
// threshold, so that bytes running on past its end show it was too long. A
// silence before the 258th byte means the frame was cut short.
//
// Everything runs on the timestamps it is given, so the same stream always
// gives the same reports.

#include "FrameCheck.h"
#include "FramePacing.h"
#include "ProgrammingFrame.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace velmar::radio {

// Well above the longest pause inside a frame (120 ms before the checksum) and
// well below the 2000 ms the sender keeps after it, so two frames never merge.
// The radio's frame time-out as the sender assumes it: a Send held up longer is reported stalled there.
inline constexpr Micros kDefaultSilence{kRadioFrameTimeoutMs * 1000LL};

// How many skipped or surplus bytes a report shows; it counts them all.
inline constexpr std::size_t kShownStrayBytes = 32;

struct PreviousFramePause {
    Micros measured{0}; // from the previous whole frame's checksum to this start byte
    bool held = false;  // at least kPauseAfterFrameMs, less kJitterAllowance
};

struct FrameReport {
    int number = 0; // 1, 2, ... in order of arrival
    std::vector<std::string> errors;
    std::vector<std::string> warnings;
    std::size_t skippedCount = 0;        // bytes before the start byte
    std::vector<std::uint8_t> skipped;   // the first kShownStrayBytes of them
    std::vector<std::uint8_t> bytes;     // from the start byte, at most kFrameSize
    std::vector<Micros> arrivals;        // one per byte of `bytes`
    std::size_t extraCount = 0;          // bytes after the 258th before the silence
    std::vector<std::uint8_t> extra;     // the first kShownStrayBytes of them
    std::optional<DecodedFrame> decoded; // when all 258 bytes came
    std::optional<PacingReport> pacing;  // when a start byte came
    std::optional<PreviousFramePause> afterPreviousFrame;

    [[nodiscard]] bool Ok() const { return errors.empty(); }
};

class FrameReceiver {
public:
    explicit FrameReceiver(Micros silence = kDefaultSilence) : m_silence(silence) {}

    // Bytes that arrived together at `at` (times never go back). Returns the
    // report of the frame that the silence before them ended, if any.
    std::optional<FrameReport> Feed(std::span<const std::uint8_t> bytes, Micros at);
    // No byte came up to `now`: returns the report of a frame whose silence has run out.
    std::optional<FrameReport> Idle(Micros now);
    // When Idle has something to report unless more bytes come first.
    [[nodiscard]] std::optional<Micros> Deadline() const;
    // The input ends: reports what is pending.
    std::optional<FrameReport> Finish();

    [[nodiscard]] Micros Silence() const { return m_silence; }

private:
    enum class State { Waiting, Skipping, InFrame, Complete };

    FrameReport Close(bool bySilence);
    void Take(std::uint8_t byte, Micros at);

    Micros m_silence;
    State m_state = State::Waiting;
    Micros m_lastArrival{0};
    std::optional<Micros> m_lastFrameEnd; // checksum arrival of the last whole frame
    int m_reports = 0;
    FrameReport m_pending;
};

} // namespace velmar::radio
