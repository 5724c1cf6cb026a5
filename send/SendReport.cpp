#include "SendReport.h"

#include "Strings.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <cstdio>

namespace velmar::send {

namespace {

std::string Hex2(std::uint8_t b) {
    char text[3];
    std::snprintf(text, sizeof text, "%02x", b);
    return text;
}

} // namespace

PortOutcome OutcomeOf(const std::string& port, const SendResult& result, std::vector<std::uint8_t> reply,
                      std::uint64_t replyBytes) {
    PortOutcome o{port, result.bytesWritten, result.checksum, std::move(reply), replyBytes, {}, result.seconds};
    if (!result.FrameSent()) {
        o.error = res::DescribeSendEnd(result.end, result.bytesWritten);
    }
    return o;
}

PortOutcome NotOpened(const std::string& port, std::uint8_t checksum, const std::string& why) {
    return {port, 0, checksum, {}, 0, why.empty() ? "the port could not be opened" : why, 0};
}

std::string HexBytes(const std::vector<std::uint8_t>& bytes) {
    std::string text;
    for (std::size_t i = 0; i < bytes.size() && i < kShownReplyBytes; ++i) {
        text += text.empty() ? "" : " ";
        text += Hex2(bytes[i]);
    }
    return text;
}

std::string ResultLine(const PortOutcome& o) {
    if (!o.Sent()) {
        return o.port + ": failed after " + std::to_string(o.bytes) + " of " + std::to_string(kFrameSize) +
               " bytes: " + o.error;
    }
    return o.port + ": sent " + std::to_string(o.bytes) + " bytes, checksum 0x" + Hex2(o.checksum) + ", " +
           (o.reply.empty()
                ? "no reply"
                : "reply " + HexBytes(o.reply) +
                      (o.replyBytes > kShownReplyBytes ? " ... (" + std::to_string(o.replyBytes) + " bytes)" : ""));
}

std::string ResultJson(const PortOutcome& o, int round) {
    nlohmann::ordered_json j;
    j["port"] = o.port;
    if (round > 0) {
        j["round"] = round;
    }
    j["bytes"] = o.bytes;
    j["checksum"] = "0x" + Hex2(o.checksum);
    j["reply"] = o.reply.empty() ? nlohmann::ordered_json(nullptr) : nlohmann::ordered_json(HexBytes(o.reply));
    j["reply_bytes"] = o.replyBytes;
    j["error"] = o.Sent() ? nlohmann::ordered_json(nullptr) : nlohmann::ordered_json(o.error);
    // Hundredths: the figure is for people and scripts, not a measurement of pacing.
    j["seconds"] = std::round(o.seconds * 100) / 100;
    return j.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

std::string CountLine(const std::string& port, int programmed) {
    return port + ": " + std::to_string(programmed) + (programmed == 1 ? " radio" : " radios") + " programmed";
}

std::string CountJson(const std::string& port, int programmed) {
    nlohmann::ordered_json j;
    j["port"] = port;
    j["radios_programmed"] = programmed;
    return j.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

std::string ProgressLine(const std::string& port, const SendProgress& p, int width) {
    char figures[64];
    std::snprintf(figures, sizeof figures, "  %3d/%d bytes  %4.1f s left", p.bytesWritten, kFrameSize,
                  p.msLeft / 1000.0);
    const int room = width - static_cast<int>(port.size() + std::string_view(figures).size()) - 4;
    std::string line = port;
    if (room >= 10) {
        const int bar = std::min(room, 40);
        const int filled = bar * p.bytesWritten / kFrameSize;
        line += "  [" + std::string(static_cast<std::size_t>(filled), '#') +
                std::string(static_cast<std::size_t>(bar - filled), '.') + "]";
    }
    line += figures;
    if (static_cast<int>(line.size()) > width && width > 0) {
        line.resize(static_cast<std::size_t>(width));
    }
    return line;
}

} // namespace velmar::send
