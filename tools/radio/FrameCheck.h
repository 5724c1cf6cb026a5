#pragma once
// Reading a received programming frame back into the setting it carries, and
// checking it the way the radio would: its codes, its fill and its checksum.

#include "CodeTables.h"
#include "ProgrammingFrame.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace velmar::radio {

using FrameBytes = std::span<const std::uint8_t, kFrameSize>;

inline constexpr std::uint16_t kNoChannelCode = 0xFFFF;
inline constexpr std::uint16_t kHighestChannelCode = 0x3E80; // 500.00000 MHz

// The option lists in the order of the frame's option block.
constexpr std::array<OptionList, kOptionCount> MakeFrameOptionLists() {
    std::array<OptionList, kOptionCount> a{};
    const auto at = [&a](FrameOption o) -> OptionList& { return a[static_cast<std::size_t>(o)]; };
    at(FrameOption::VoxRelease) = kVoxReleaseList;
    at(FrameOption::VoxAttack) = kVoxAttackList;
    at(FrameOption::Dcs) = kDcsList;
    at(FrameOption::Ctcss) = kCtcssList;
    at(FrameOption::PowerSave) = kPowerSaveList;
    at(FrameOption::ButtonLong) = kButtonLongList;
    at(FrameOption::PttFp) = kPttFpList;
    at(FrameOption::PttTot) = kPttTotList;
    at(FrameOption::ScanDelay) = kScanDelayList;
    at(FrameOption::Bclo) = kBcloList;
    at(FrameOption::SelfTone) = kSelfToneList;
    at(FrameOption::Mode) = kModeList;
    at(FrameOption::Band) = kBandList;
    return a;
}
inline constexpr std::array<OptionList, kOptionCount> kFrameOptionLists = MakeFrameOptionLists();

struct DecodedGroup {
    std::uint8_t spacingByte = 0;
    std::string spacing; // "12.5Khz", "25Khz", or "?" and the byte in hex
    std::array<std::uint16_t, kChannelCount> codes{};
    std::array<std::string, kChannelCount> channels{}; // "446.00625", "-" for none, "?" and the code in hex
};

struct DecodedOption {
    std::string_view label;
    std::uint8_t byte = 0;
    int index = -1;   // the list item the byte codes; -1 when it codes none
    std::string item; // the item's text, or "?" and the byte in hex
};

struct DecodedFrame {
    std::array<DecodedGroup, kGroupCount> groups{};
    std::array<DecodedOption, kOptionCount> options{};
    int expectedChecksum = 0; // low byte, as the sender computes it
    int receivedChecksum = 0;
    std::vector<std::string> problems; // empty for a frame the radio would take
};

DecodedFrame DecodeFrame(FrameBytes frame);

// The checksum's low byte as the sender computes it: the eleven index-coded
// options count their index, not their byte (0x10 counts 10); channel, spacing,
// BCLO and Button long bytes count as they are; start byte, option end and fill
// are left out. An option byte that codes no item counts as itself.
int ExpectedChecksum(FrameBytes frame);

// The item a byte codes in the option at position `option` of the option
// block, or -1. Index-coded options carry the index in decimal digits.
int OptionIndex(int option, std::uint8_t byte);

// "446.00625" for a code on the grid, "-" for none (0xFFFF), "?" and the hex code otherwise.
std::string ChannelText(std::uint16_t code);

} // namespace velmar::radio
