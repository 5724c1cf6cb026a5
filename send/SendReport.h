#pragma once
// What velmar-send learns of each port's Send, and the JSON a script reads of it; the lines a person reads are
// worded in res/SendWords.h.

#include "ProgrammingSession.h"
#include "SendResults.h"

#include <cstdint>
#include <string>
#include <vector>

namespace velmar::send {

// The outcome of a Send that ran: sent when all kFrameSize bytes left; `replyBytes` counts the reply whole.
PortOutcome OutcomeOf(const std::string& port, const SendResult& result, std::vector<std::uint8_t> reply,
                      std::uint64_t replyBytes);
// A port that could not be opened (`why` as the link gave it) or that took no Send: nothing sent.
PortOutcome NotOpened(const std::string& port, std::uint8_t checksum, const SerialFailure& why);
PortOutcome NotStarted(const std::string& port, std::uint8_t checksum);

// {"port":..,"bytes":..,"checksum":"0x57","reply":"06" or null,"reply_bytes":1,"error":null or why,
// "seconds":5.71} with "round" after "port" when round > 0; "reply" holds the first bytes only. Text that is
// not UTF-8 (a port's name) is written with replacement characters. One line, no '\n'.
std::string ResultJson(const PortOutcome& o, int round = 0);
// {"port":..,"radios_programmed":3}.
std::string CountJson(const std::string& port, int programmed);

} // namespace velmar::send
