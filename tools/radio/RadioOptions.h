#pragma once
// The command line of velmar-radio.

#include "FrameReceiver.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmar::radio {

struct RadioOptions {
    std::string link;                // make this symlink to the device, remove it at exit
    std::vector<std::uint8_t> reply; // send back after each frame
    bool json = false;
    int count = 0; // stop after this many frames; 0 runs until a signal
    Micros silence = kDefaultSilence;
    bool help = false;
};

struct ParsedOptions {
    RadioOptions options;
    std::string error; // empty when the command line was understood
};

// The arguments after the program's name.
ParsedOptions ParseOptions(std::span<const std::string_view> args);

// "06", "4F 4B", "4f4b": pairs of hex digits of either case, blanks between
// bytes allowed. Nothing, an odd digit or any other character: no result.
std::optional<std::vector<std::uint8_t>> ParseHexBytes(std::string_view text);

extern const char* const kUsage;

} // namespace velmar::radio
