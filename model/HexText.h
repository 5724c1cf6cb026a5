#pragma once
// How bytes are shown to a person, the same in the window, velmar-send and the simulated radio: upper-case
// digits, a value alone as "0xEB" (a checksum), bytes in a row as "06 4F 4B" (a reply). The frame's own code texts
// ("1cc1") are the radio's and keep their lower case.

#include <cstdint>
#include <span>
#include <string>

namespace velmar {

std::string HexDigits(std::uint8_t byte);                // "4F"
std::string HexValue(std::uint8_t byte);                 // "0x4F"
std::string HexRun(std::span<const std::uint8_t> bytes); // "06 4F 4B"

} // namespace velmar
