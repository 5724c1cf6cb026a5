#pragma once
// What velmar-send tells about each port: the live progress line, the line
// or JSON object at the end of a Send, and the count of a --repeat batch.

#include "ProgrammingSession.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace velmar::send {

// How one port's Send went, also for a port that could not be opened.
struct PortOutcome {
    std::string port; // the device
    int bytes = 0;    // of kFrameSize, bytes that really left
    std::uint8_t checksum = 0;
    std::vector<std::uint8_t> reply; // its first bytes, as the session kept them
    std::uint64_t replyBytes = 0;    // all that came
    std::string error;               // empty when the whole frame went out
    double seconds = 0;
    [[nodiscard]] bool Sent() const { return error.empty(); }
};

// The outcome of a Send that ran: sent when all kFrameSize bytes left; `replyBytes` counts the reply whole.
PortOutcome OutcomeOf(const std::string& port, const SendResult& result, std::vector<std::uint8_t> reply,
                      std::uint64_t replyBytes);
// A port that could not be opened: nothing sent, `why` as the link gave it.
PortOutcome NotOpened(const std::string& port, std::uint8_t checksum, const std::string& why);

// "06 4f 4b", at most the first kShownReplyBytes; "" for none.
inline constexpr std::size_t kShownReplyBytes = 16;
std::string HexBytes(const std::vector<std::uint8_t>& bytes);

// "DEV: sent 258 bytes, checksum 0x57, reply 06" (or ", no reply"; a long
// reply by its first bytes and its size: "reply 06 06 ... (858000 bytes)"),
// or "DEV: failed after 17 of 258 bytes: why".
std::string ResultLine(const PortOutcome& o);
// {"port":..,"bytes":..,"checksum":"0x57","reply":"06" or null,"reply_bytes":1,"error":null or why,
// "seconds":5.71} with "round" after "port" when round > 0; "reply" holds the first bytes only. Text that is
// not UTF-8 (a port's name) is written with replacement characters. One line, no '\n'.
std::string ResultJson(const PortOutcome& o, int round = 0);

// "DEV: 3 radios programmed" and {"port":..,"radios_programmed":3}.
std::string CountLine(const std::string& port, int programmed);
std::string CountJson(const std::string& port, int programmed);

// "DEV  [##########..........]  130/258 bytes  3.1 s left", at most `width` characters wide.
std::string ProgressLine(const std::string& port, const SendProgress& p, int width);

} // namespace velmar::send
