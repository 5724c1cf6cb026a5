#pragma once
// The 141 writes in which a frame arrives, the pause the sender keeps after
// each, and the comparison of measured arrival times with those pauses.

#include "ProgrammingFrame.h"

#include <array>
#include <chrono>
#include <span>
#include <string>
#include <vector>

namespace velmar::radio {

// Times are durations since an arbitrary start (a monotonic clock).
using Micros = std::chrono::microseconds;

// Our own wake-up after a byte arrives is late by up to about this much, which
// can make a gap look shorter than the sender kept it.
inline constexpr Micros kJitterAllowance{1000};

struct WriteSlot {
    int offset = 0;
    int size = 0;         // 1 or 2 bytes
    int pauseAfterMs = 0; // what the sender sleeps once the write has returned
};

constexpr std::array<WriteSlot, kFrameWriteCount> MakeWriteSchedule() {
    std::array<WriteSlot, kFrameWriteCount> s{};
    int w = 0;
    s[w++] = {0, 1, 50};
    for (int g = 0; g < kGroupCount; ++g) {
        for (int c = 0; c < kChannelCount; ++c) {
            s[w++] = {ChannelOffset(g, c), 2, c == kChannelCount - 1 ? 100 : 20};
        }
    }
    for (int g = 0; g < kGroupCount; ++g) {
        s[w++] = {kSpacingBlockOffset + g, 1, g == kGroupCount - 1 ? 50 : 20};
    }
    for (int o = 0; o < kOptionCount; ++o) {
        s[w++] = {kOptionBlockOffset + o, 1, 20};
    }
    // The checksum's last additions sit between the option end and the fill, after a pause of their own.
    s[w++] = {kOptionEndOffset, 1, 20 + 100};
    constexpr int kFillWrites = (kChecksumOffset - kZeroFillOffset) / 2;
    for (int z = 0; z < kFillWrites; ++z) {
        s[w++] = {kZeroFillOffset + 2 * z, 2, z == kFillWrites - 1 ? 20 + 100 : 20};
    }
    s[w++] = {kChecksumOffset, 1, 2000};
    return s;
}

inline constexpr std::array<WriteSlot, kFrameWriteCount> kWriteSchedule = MakeWriteSchedule();

constexpr bool ScheduleCoversFrame() {
    int next = 0;
    int pauses = 0;
    for (const WriteSlot& w : kWriteSchedule) {
        if (w.offset != next || (w.size != 1 && w.size != 2)) {
            return false;
        }
        next += w.size;
        pauses += w.pauseAfterMs;
    }
    return next == kFrameSize && pauses == kFramePauseTotalMs;
}
static_assert(ScheduleCoversFrame(), "the writes must tile the frame and keep the frame's pauses");

// The pause after the checksum: the earliest the next frame may start.
inline constexpr int kPauseAfterFrameMs = kWriteSchedule.back().pauseAfterMs;

// "start byte", "Group A CH1", "Group C spacing", "Scan Delay Time", "option end", "zero fill 7", "checksum".
std::string WriteLabel(int write);
// The write that carries the byte at `offset` (0 .. kFrameSize - 1).
int WriteAt(int offset);

// A gap that looks short says little by itself: the system may hand a write
// (or a burst of any length) over late, which makes the gap before it long and
// the gaps after it short by as much, although the sender kept its pauses.
// Deliveries are never early. So a short gap is judged against the writes
// before it, back through the short gaps of the same run to the first gap that
// was not short: when the pauses and writes in between fit into that span, less
// kJitterAllowance, the short gap was a late delivery; otherwise the write came
// early, the sender's doing. A run of short gaps that reaches back to the start
// byte has nothing to be judged against: the start byte itself may have come
// late, so its verdict is "unproven", neither held nor short, unless the start
// byte would have had to come later than the radio's frame time-out.
enum class GapVerdict { Held, LateDelivery, Short, Unproven };
struct Gap {
    int write = 0; // the gap runs from this write's first byte to the next write's first byte
    Micros measured{0};
    int pauseMs = 0; // the pause the sender keeps after `write`
    GapVerdict verdict = GapVerdict::Held;
    bool held = false;         // not Short: no write is proven early here
    bool lateDelivery = false; // LateDelivery: measured shorter than the pause, the system's lateness
};

struct PacingReport {
    std::vector<Gap> gaps;    // one per pair of writes that both arrived, in order
    Micros total{0};          // from the start byte to the first byte of the last write that arrived
    int pausesMs = 0;         // the pauses the measured gaps should at least have taken together
    Micros minOvershoot{0};   // the least a gap exceeded its pause by, late deliveries aside
    bool everyGapHeld = true; // the verdict on the sender: no write came early
    int shortGaps = 0;        // gaps whose next write came early
    int lateDeliveries = 0;   // gaps that only looked short
    int unprovenGaps = 0;     // short gaps with nothing before them to judge them by
};

// `arrivals` holds the arrival time of each received byte, the start byte
// first; it may stop short of a whole frame. A write arrives with its first byte.
PacingReport AnalysePacing(std::span<const Micros> arrivals);

} // namespace velmar::radio
