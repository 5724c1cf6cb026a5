#include "ReportFormat.h"
#include "HexText.h"

#include <cstdio>

namespace velmar::radio {

namespace {

std::string Ms(Micros t) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.3f", static_cast<double>(t.count()) / 1000.0);
    return buf;
}

std::string Hex2(unsigned b) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02x", b & 0xFFu);
    return buf;
}

std::string HexList(const std::vector<std::uint8_t>& bytes) {
    return HexRun(bytes);
}

std::string Quoted(std::string_view text) {
    std::string s = "\"";
    for (char ch : text) {
        const auto u = static_cast<unsigned char>(ch);
        if (ch == '"' || ch == '\\') {
            s += '\\';
            s += ch;
        } else if (u < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", u);
            s += buf;
        } else {
            s += ch;
        }
    }
    return s + "\"";
}

template <typename List, typename Item> std::string Array(const List& list, Item item) {
    std::string s = "[";
    for (const auto& x : list) {
        s += (s.size() > 1 ? "," : "") + item(x);
    }
    return s + "]";
}

std::string Padded(std::string text, std::size_t width) {
    if (text.size() < width) {
        text.append(width - text.size(), ' ');
    }
    return text;
}

std::string VerdictName(GapVerdict v) {
    switch (v) {
    case GapVerdict::Held:
        return "held";
    case GapVerdict::LateDelivery:
        return "late_delivery";
    case GapVerdict::Short:
        return "short";
    case GapVerdict::Unproven:
        break;
    }
    return "unproven";
}

std::string PacingJson(const PacingReport& p) {
    std::string s = "{\"gaps\":" + Array(p.gaps, [](const Gap& g) {
                        return "{\"after\":" + Quoted(WriteLabel(g.write)) + ",\"gap_ms\":" + Ms(g.measured) +
                               ",\"pause_ms\":" + std::to_string(g.pauseMs) +
                               ",\"held\":" + (g.held ? "true" : "false") +
                               ",\"late_delivery\":" + (g.lateDelivery ? "true" : "false") +
                               ",\"verdict\":" + Quoted(VerdictName(g.verdict)) + "}";
                    });
    s += ",\"total_ms\":" + Ms(p.total);
    s += ",\"pauses_ms\":" + std::to_string(p.pausesMs);
    s += ",\"min_overshoot_ms\":" + (p.gaps.empty() ? std::string("null") : Ms(p.minOvershoot));
    s += ",\"every_gap_held\":" + std::string(p.everyGapHeld ? "true" : "false");
    s += ",\"short_gaps\":" + std::to_string(p.shortGaps);
    s += ",\"late_deliveries\":" + std::to_string(p.lateDeliveries);
    s += ",\"unproven_gaps\":" + std::to_string(p.unprovenGaps);
    s += ",\"jitter_allowance_ms\":" + Ms(kJitterAllowance) + "}";
    return s;
}

std::string GroupsJson(const DecodedFrame& d) {
    std::string s = "[";
    for (int g = 0; g < kGroupCount; ++g) {
        const DecodedGroup& group = d.groups[g];
        s += (g > 0 ? "," : "") + std::string("{\"group\":") + Quoted(kGroupItems[g]);
        s += ",\"spacing\":" + Quoted(group.spacing);
        s += ",\"channels\":" + Array(group.channels, [](const std::string& c) { return Quoted(c); });
        s += ",\"codes\":" + Array(group.codes, [](std::uint16_t c) { return Quoted(Hex2(c >> 8) + Hex2(c)); });
        s += "}";
    }
    return s + "]";
}

std::string OptionsJson(const DecodedFrame& d, bool bytes) {
    std::string s = "{";
    for (const DecodedOption& o : d.options) {
        s += (s.size() > 1 ? "," : "") + Quoted(o.label) + ":";
        if (bytes) {
            s += Quoted(Hex2(o.byte));
        } else {
            s += o.index >= 0 ? Quoted(o.item) : "null";
        }
    }
    return s + "}";
}

std::string PacingText(const FrameReport& r) {
    const PacingReport& p = *r.pacing;
    std::string s;
    if (r.afterPreviousFrame) {
        s += "  Pause after the previous frame: " + Ms(r.afterPreviousFrame->measured) + " ms (" +
             std::to_string(kPauseAfterFrameMs) + " ms required)" + (r.afterPreviousFrame->held ? "" : " TOO SHORT") +
             "\n";
    }
    if (p.gaps.empty()) {
        return s;
    }
    s += "  Pacing: " + std::to_string(p.gaps.size()) + " gaps in " + Ms(p.total) + " ms (pauses " +
         std::to_string(p.pausesMs) + " ms); ";
    const std::string allowance =
        " (" + std::to_string(kJitterAllowance.count() / 1000) + " ms allowed for this program's timing jitter)";
    // Told apart, so that nobody takes the system's lateness for the sender's haste.
    const std::string late =
        p.lateDeliveries == 0
            ? std::string()
            : "\n    " +
                  (p.lateDeliveries == 1 ? std::string("1 write was")
                                         : std::to_string(p.lateDeliveries) + " writes were") +
                  " handed over late by the system here, so the gap after looked short; the sender kept its pause";
    const std::string unproven =
        p.unprovenGaps == 0
            ? std::string()
            : "\n    " + std::to_string(p.unprovenGaps) + (p.unprovenGaps == 1 ? " short gap" : " short gaps") +
                  " right after the start byte cannot be judged (the start byte itself may have come late): unproven";
    if (p.everyGapHeld) {
        return s + "every gap held its pause, the closest by " + Ms(p.minOvershoot) + " ms" + allowance + late +
               unproven + "\n";
    }
    s += std::to_string(p.shortGaps) +
         (p.shortGaps == 1 ? " write came early, its gap shorter than its pause"
                           : " writes came early, their gaps shorter than their pause") +
         allowance + ":\n";
    constexpr int kShown = 5;
    int shown = 0;
    for (const Gap& g : p.gaps) {
        if (!g.held && shown++ < kShown) {
            s += "    after " + WriteLabel(g.write) + ": " + Ms(g.measured) + " ms < " + std::to_string(g.pauseMs) +
                 " ms\n";
        }
    }
    if (p.shortGaps > kShown) {
        s += "    and " + std::to_string(p.shortGaps - kShown) + " more\n";
    }
    return s + (late.empty() ? "" : late.substr(1) + "\n") + (unproven.empty() ? "" : unproven.substr(1) + "\n");
}

} // namespace

std::string FormatText(const FrameReport& r) {
    std::string s = "Frame " + std::to_string(r.number) + ": " + (r.Ok() ? "OK" : "BAD") + ", " +
                    std::to_string(r.bytes.size()) + " bytes";
    if (r.decoded) {
        s += ", checksum " + HexValue(static_cast<std::uint8_t>(r.decoded->receivedChecksum));
    }
    s += "\n";
    for (const std::string& e : r.errors) {
        s += "  error: " + e + "\n";
    }
    for (const std::string& w : r.warnings) {
        s += "  note: " + w + "\n";
    }
    if (r.decoded) {
        const DecodedFrame& d = *r.decoded;
        for (int g = 0; g < kGroupCount; ++g) {
            s += "  " + std::string(kGroupItems[g]) + "  " + Padded(d.groups[g].spacing, 8);
            for (const std::string& c : d.groups[g].channels) {
                s += " " + Padded(c, 9);
            }
            while (!s.empty() && s.back() == ' ') {
                s.pop_back();
            }
            s += "\n";
        }
        for (const DecodedOption& o : d.options) {
            s += "  " + std::string(o.label) + ": " + o.item + "\n";
        }
    }
    if (r.pacing) {
        s += PacingText(r);
    }
    return s;
}

std::string FormatJson(const FrameReport& r) {
    const auto quoted = [](const std::string& t) { return Quoted(t); };
    std::string s = "{\"frame\":" + std::to_string(r.number);
    s += ",\"status\":" + Quoted(r.Ok() ? "ok" : "bad");
    s += ",\"errors\":" + Array(r.errors, quoted);
    s += ",\"warnings\":" + Array(r.warnings, quoted);
    s += ",\"skipped_count\":" + std::to_string(r.skippedCount);
    s += ",\"skipped\":" + Quoted(HexList(r.skipped));
    s += ",\"bytes_received\":" + std::to_string(r.bytes.size());
    s += ",\"extra_count\":" + std::to_string(r.extraCount);
    s += ",\"extra\":" + Quoted(HexList(r.extra));
    if (r.decoded) {
        s += ",\"groups\":" + GroupsJson(*r.decoded);
        s += ",\"options\":" + OptionsJson(*r.decoded, false);
        s += ",\"option_bytes\":" + OptionsJson(*r.decoded, true);
        s += ",\"checksum\":{\"expected\":" + std::to_string(r.decoded->expectedChecksum) +
             ",\"received\":" + std::to_string(r.decoded->receivedChecksum) + "}";
    } else {
        s += ",\"groups\":null,\"options\":null,\"option_bytes\":null,\"checksum\":null";
    }
    s += ",\"pacing\":" + (r.pacing ? PacingJson(*r.pacing) : std::string("null"));
    if (r.afterPreviousFrame) {
        s += ",\"after_previous_frame\":{\"gap_ms\":" + Ms(r.afterPreviousFrame->measured) +
             ",\"pause_ms\":" + std::to_string(kPauseAfterFrameMs) +
             ",\"held\":" + (r.afterPreviousFrame->held ? "true" : "false") + "}";
    } else {
        s += ",\"after_previous_frame\":null";
    }
    return s + "}";
}

} // namespace velmar::radio
