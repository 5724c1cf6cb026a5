#pragma once
// The two ways a frame report is shown: text for a person at a terminal, and
// one line of JSON per frame for scripts and tests.
//
// JSON fields: frame, status ("ok"/"bad"), errors, warnings, skipped_count,
// skipped (hex), bytes_received, extra_count, extra (hex), groups (null unless 258 bytes:
// group, spacing, channels in MHz or "-", codes in hex), options (label to
// item text, null for a byte that codes no item), option_bytes (label to hex),
// checksum (expected, received), pacing (null without a start byte: gaps with
// after, gap_ms, pause_ms, held, late_delivery; total_ms, pauses_ms,
// min_overshoot_ms, every_gap_held (no write came early: the verdict on the
// sender), short_gaps (writes that came early), late_deliveries (gaps that
// only looked short, see FramePacing.h), jitter_allowance_ms),
// after_previous_frame (null or gap_ms, pause_ms, held).

#include "FrameReceiver.h"

#include <string>

namespace velmar::radio {

// Several lines, each ending in '\n'.
std::string FormatText(const FrameReport& report);
// One line without its '\n'.
std::string FormatJson(const FrameReport& report);

} // namespace velmar::radio
