#pragma once
// velmar-send's words: its help, its refusals, the line each port's Send ends with, its warnings and the
// questions of a batch. The JSON it writes for scripts is no sentence and stays with the program.

#include "FileFailure.h"
#include "SendResults.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace velmar::res {

extern const char* const kSendUsage; // the synopsis alone, for a bad command line
extern const char* const kSendHelp;  // the whole --help text, for a terminal and for help2man

// "velmar-send: unknown option: --bogus", followed by the synopsis.
std::string SendOptionsRefused(const CommandLineRefusal& refusal);
std::string SendVersion(const char* version);
std::string SendNoSignals(int err);
std::string SendCannotWriteResults(int err);

std::string SendPortUnreadable(const FileFailure& failure);
std::string SendStaleHoldCleared(const std::string& device);
std::string SendCom1(const PortInForce& port);
std::string SendGivenTwice(const std::string& device);
std::string SendNotRecorded(const FileFailure& failure);
std::string SendRoundDone(int round, int programmed);
extern const char* const kSendStopping;
// `partial`: each port that got part of a frame, with its bytes.
std::string SendStoppedAtOnce(const std::vector<std::pair<std::string, int>>& partial);

// Why a port did not get the whole frame, as the line and the JSON "error" say it.
std::string PortOutcomeError(const PortOutcome& o);
// "06 4f 4b", at most the first kShownReplyBytes; "" for none.
inline constexpr std::size_t kShownReplyBytes = 16;
std::string HexBytes(const std::vector<std::uint8_t>& bytes);
// "DEV: sent 258 bytes, checksum 0x57, reply 06" (or ", no reply"; a long reply by its first bytes and its size:
// "reply 06 06 ... (858000 bytes)"), or "DEV: failed after 17 of 258 bytes: why".
std::string ResultLine(const PortOutcome& o);
// "DEV: 3 radios programmed".
std::string CountLine(const std::string& port, int programmed);
// "DEV  [##########..........]  130/258 bytes  3.1 s left", at most `width` characters wide.
std::string ProgressLine(const std::string& port, int bytesWritten, int msLeft, int width);
std::string NotOpenLine(const std::string& port);

} // namespace velmar::res
