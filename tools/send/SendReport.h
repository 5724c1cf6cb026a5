#pragma once
// What velmar-send tells about each port: the live progress line, the line
// or JSON object at the end of a Send, and the count of a --repeat batch.

#include "ProgrammingSession.h"

#include <cstdint>
#include <string>
#include <vector>

namespace velmar::send {

// How one port's Send went, also for a port that could not be opened.
struct PortOutcome {
    std::string port; // the device
    int bytes = 0;    // of kFrameSize, bytes that really left
    std::uint8_t checksum = 0;
    std::vector<std::uint8_t> reply;
    std::string error; // empty when the whole frame went out
    double seconds = 0;
    [[nodiscard]] bool Sent() const { return error.empty(); }
};

// The outcome of a Send that ran: sent when all kFrameSize bytes left.
PortOutcome OutcomeOf(const std::string& port, const SendResult& result, std::vector<std::uint8_t> reply);
// A port that could not be opened: nothing sent, `why` as the link gave it.
PortOutcome NotOpened(const std::string& port, std::uint8_t checksum, const std::string& why);

// "06 4f 4b"; "" for none.
std::string HexBytes(const std::vector<std::uint8_t>& bytes);

// "DEV: sent 258 bytes, checksum 0x57, reply 06" (or ", no reply"), or
// "DEV: failed after 17 of 258 bytes: why".
std::string ResultLine(const PortOutcome& o);
// {"port":..,"bytes":..,"checksum":"0x57","reply":"06" or null,"error":null or why,"seconds":5.71}
// with "round" after "port" when round > 0. One line, no '\n'.
std::string ResultJson(const PortOutcome& o, int round = 0);

// "DEV: 3 radios programmed" and {"port":..,"radios_programmed":3}.
std::string CountLine(const std::string& port, int programmed);
std::string CountJson(const std::string& port, int programmed);

// "DEV  [##########..........]  130/258 bytes  3.1 s left", at most `width` characters wide.
std::string ProgressLine(const std::string& port, const SendProgress& p, int width);

} // namespace velmar::send
