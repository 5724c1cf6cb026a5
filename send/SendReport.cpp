#include "SendReport.h"
#include "HexText.h"

#include "SendWords.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <cstdio>

namespace velmar::send {

PortOutcome OutcomeOf(const std::string& port, const SendResult& result, std::vector<std::uint8_t> reply,
                      std::uint64_t replyBytes) {
    PortOutcome o;
    o.port = port;
    o.bytes = result.bytesWritten;
    o.checksum = result.checksum;
    o.reply = std::move(reply);
    o.replyBytes = replyBytes;
    o.seconds = result.seconds;
    if (!result.Taken()) {
        o.failed = PortOutcome::Failed::SendEnded;
        o.end = result.end;
        o.stall = result.stall;
    }
    return o;
}

PortOutcome NotOpened(const std::string& port, std::uint8_t checksum, const SerialFailure& why) {
    PortOutcome o;
    o.port = port;
    o.checksum = checksum;
    o.failed = PortOutcome::Failed::NotOpened;
    o.openFailure = why;
    return o;
}

PortOutcome NotStarted(const std::string& port, std::uint8_t checksum) {
    PortOutcome o = NotOpened(port, checksum, {});
    o.failed = PortOutcome::Failed::NotStarted;
    return o;
}

std::string ResultJson(const PortOutcome& o, int round) {
    nlohmann::ordered_json j;
    j["port"] = o.port;
    if (round > 0) {
        j["round"] = round;
    }
    j["bytes"] = o.bytes;
    j["checksum"] = HexValue(o.checksum);
    j["reply"] = o.reply.empty() ? nlohmann::ordered_json(nullptr) : nlohmann::ordered_json(res::HexBytes(o.reply));
    j["reply_bytes"] = o.replyBytes;
    j["error"] = o.Sent() ? nlohmann::ordered_json(nullptr) : nlohmann::ordered_json(res::PortOutcomeError(o));
    j["stalled"] = o.end == SendEnd::Stalled;
    // Hundredths: the figure is for people and scripts, not a measurement of pacing.
    j["seconds"] = std::round(o.seconds * 100) / 100;
    return j.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

std::string CountJson(const std::string& port, int programmed) {
    nlohmann::ordered_json j;
    j["port"] = port;
    j["radios_programmed"] = programmed;
    return j.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

} // namespace velmar::send
