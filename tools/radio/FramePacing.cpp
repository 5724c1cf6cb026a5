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
        Micros best = beyond.back();
        Micros sum{0};
        for (int back = 0; back <= kLateDeliveriesInARow && back <= w; ++back) {
            sum += beyond[static_cast<std::size_t>(w - back)];
            best = std::max(best, sum);
        }
        g.held = best + kJitterAllowance >= Micros(0);
        g.lateDelivery = g.held && g.measured + kJitterAllowance < pause;
        if (!g.lateDelivery) {
            // A late delivery's gap tells of the system, not of the sender.
            const Micros overshoot = g.measured - pause;
            r.minOvershoot = first ? overshoot : std::min(r.minOvershoot, overshoot);
            first = false;
        }
        if (!g.held) {
            r.everyGapHeld = false;
            ++r.shortGaps;
        }
        r.lateDeliveries += g.lateDelivery ? 1 : 0;
        r.gaps.push_back(g);
    }
    if (!r.gaps.empty()) {
        r.total = arrivals[kWriteSchedule[r.gaps.back().write + 1].offset] - arrivals[0];
    }
    return r;
}

} // namespace velmar::radio
