#include "FramePacing.h"

#include "FrameCheck.h"

#include <algorithm>

namespace velmar::radio {

namespace {

constexpr int kFirstChannelWrite = 1;
constexpr int kFirstSpacingWrite = kFirstChannelWrite + kGroupCount * kChannelCount;
constexpr int kFirstOptionWrite = kFirstSpacingWrite + kGroupCount;
constexpr int kOptionEndWrite = kFirstOptionWrite + kOptionCount;
constexpr int kFirstFillWrite = kOptionEndWrite + 1;
constexpr int kChecksumWrite = kFrameWriteCount - 1;

} // namespace

std::string WriteLabel(int write) {
    if (write <= 0) {
        return "start byte";
    }
    if (write < kFirstSpacingWrite) {
        const int i = write - kFirstChannelWrite;
        return std::string(kGroupItems[i / kChannelCount]) + " CH" + std::to_string(i % kChannelCount + 1);
    }
    if (write < kFirstOptionWrite) {
        return std::string(kGroupItems[write - kFirstSpacingWrite]) + " spacing";
    }
    if (write < kOptionEndWrite) {
        return std::string(kFrameOptionLists[write - kFirstOptionWrite].label);
    }
    if (write == kOptionEndWrite) {
        return "option end";
    }
    if (write < kChecksumWrite) {
        return "zero fill " + std::to_string(write - kFirstFillWrite + 1);
    }
    return "checksum";
}

int WriteAt(int offset) {
    const auto it = std::upper_bound(kWriteSchedule.begin(), kWriteSchedule.end(), offset,
                                     [](int off, const WriteSlot& w) { return off < w.offset; });
    return std::max(0, static_cast<int>(it - kWriteSchedule.begin()) - 1);
}

PacingReport AnalysePacing(std::span<const Micros> arrivals) {
    PacingReport r;
    const auto received = static_cast<int>(std::min<std::size_t>(arrivals.size(), kFrameSize));
    bool first = true;
    // What each gap had beyond its pause and the write before it: for the sender never below 0, however late
    // the writes were handed over, once summed from a write that came on time.
    std::vector<Micros> beyond;
    for (int w = 0; w + 1 < kFrameWriteCount && kWriteSchedule[w + 1].offset < received; ++w) {
        const WriteSlot& slot = kWriteSchedule[w];
        Gap g;
        g.write = w;
        g.measured = arrivals[kWriteSchedule[w + 1].offset] - arrivals[slot.offset];
        g.pauseMs = slot.pauseAfterMs;
        r.pausesMs += slot.pauseAfterMs;
        const Micros pause = std::chrono::milliseconds(slot.pauseAfterMs);
        const Micros span = arrivals[slot.offset + slot.size - 1] - arrivals[slot.offset];
        beyond.push_back(g.measured - pause - span);
        const auto isShort = [&](int k) { return beyond[static_cast<std::size_t>(k)] + kJitterAllowance < Micros(0); };
        g.verdict = GapVerdict::Held;
        if (isShort(w)) {
            // Back through the run of short gaps, and the gap before it that was not: a late delivery explains
            // them when the writes still came no sooner than the schedule allows after that gap's start.
            g.verdict = GapVerdict::Unproven;
            Micros sum = beyond.back();
            for (int k = w - 1; k >= 0; --k) {
                sum += beyond[static_cast<std::size_t>(k)];
                if (sum + kJitterAllowance >= Micros(0)) {
                    g.verdict = GapVerdict::LateDelivery;
                    break;
                }
                if (!isShort(k)) {
                    g.verdict = GapVerdict::Short;
                    break;
                }
            }
            // Back at the start byte: only its own lateness could explain the run, and a start byte later than
            // the radio's frame time-out would have been a frame of its own.
            if (g.verdict == GapVerdict::Unproven &&
                sum + std::chrono::milliseconds(kRadioFrameTimeoutMs) < Micros(0)) {
                g.verdict = GapVerdict::Short;
            }
        }
        g.held = g.verdict != GapVerdict::Short;
        g.lateDelivery = g.verdict == GapVerdict::LateDelivery;
        if (g.verdict == GapVerdict::Held || g.verdict == GapVerdict::Short) {
            // A late delivery's gap, or one that cannot be judged, tells of the system, not of the sender.
            const Micros overshoot = g.measured - pause;
            r.minOvershoot = first ? overshoot : std::min(r.minOvershoot, overshoot);
            first = false;
        }
        if (!g.held) {
            r.everyGapHeld = false;
            ++r.shortGaps;
        }
        r.lateDeliveries += g.lateDelivery ? 1 : 0;
        r.unprovenGaps += g.verdict == GapVerdict::Unproven ? 1 : 0;
        r.gaps.push_back(g);
    }
    if (!r.gaps.empty()) {
        r.total = arrivals[kWriteSchedule[r.gaps.back().write + 1].offset] - arrivals[0];
    }
    return r;
}

} // namespace velmar::radio
