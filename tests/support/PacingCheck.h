#pragma once
// The one pacing check of the tests and benchmarks: a Send's pauses judged from
// the sender's own trace, where they are made. The far end of a pseudo-terminal
// is no fair judge: the kernel hands writes over late now and then.

#include "PacedWriter.h"

#include <chrono>
#include <string>
#include <vector>

namespace velmar::test {

struct PacingVerdict {
    std::vector<std::string> faults;                      // empty when the writes and every pause were as planned
    std::chrono::microseconds minMargin{0}, maxMargin{0}; // how far the pauses ran over their plan
};

// Each write took its whole piece, in order, and each pause lasted at least its planned length (no allowance:
// the sender's clock is the one that decides) and at most `slack` more (a loaded machine may wake the writer late).
inline PacingVerdict JudgePacing(const PacedTrace& trace, const std::vector<PacedWrite>& writes,
                                 std::chrono::milliseconds slack) {
    using std::chrono::duration_cast;
    using std::chrono::microseconds;
    PacingVerdict v;
    if (trace.size() != writes.size()) {
        v.faults.push_back(std::to_string(trace.size()) + " writes, " + std::to_string(writes.size()) + " planned");
        return v;
    }
    for (std::size_t i = 0; i < trace.size(); ++i) {
        if (trace[i].bytes != writes[i].bytes.size()) {
            v.faults.push_back("write " + std::to_string(i) + " took " + std::to_string(trace[i].bytes) + " bytes");
        }
        if (i == 0) {
            continue;
        }
        const auto pause = std::chrono::milliseconds(writes[i - 1].pauseAfterMs);
        const auto margin = duration_cast<microseconds>(trace[i].started - trace[i - 1].returned - pause);
        v.minMargin = i == 1 ? margin : std::min(v.minMargin, margin);
        v.maxMargin = i == 1 ? margin : std::max(v.maxMargin, margin);
        if (margin < microseconds(0) || margin > slack) {
            v.faults.push_back("pause " + std::to_string(i - 1) + " of " + std::to_string(pause.count()) +
                               " ms ran over by " + std::to_string(margin.count()) + " us");
        }
    }
    return v;
}

} // namespace velmar::test
