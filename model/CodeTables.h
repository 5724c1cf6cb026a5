#pragma once
// The option lists of the dialog and the codes that carry them to the radio.
// A code is two characters read as one hex byte; a list index is written in
// decimal digits, so index 10 becomes "10", the byte 0x10.

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace velmar {

// The value of a hex digit (either case), or -1 for any other character.
int HexDigitValue(char ch);

// Code of a list or radio index: "00".."09", "10", "11", "12"; anything else "00".
std::string CodeFromIndex(int index);
// "0.5 Sec" "08", "1.0 Sec" "10", "2.0 Sec" "1f". Outside the list: empty (no match).
std::string CodeFromButtonLong(int index);
// "OFF" "00", "CA On" "01", "CT On" "02", "DT On" "03", compared exactly. No match: empty.
std::string CodeFromBclo(std::string_view text);

// An option list as the dialog shows it: its label and its items in index order.
struct OptionList {
    std::string_view label;
    std::span<const std::string_view> items;
};

inline constexpr std::array<std::string_view, 11> kScanDelayItems{
    "OFF", "1 Sec", "2 Sec", "3 Sec", "5 Sec", "10 Sec", "15 Sec", "20 Sec", "30 Sec", "45 Sec", "60 Sec"};
inline constexpr std::array<std::string_view, 8> kPttFpItems{"OFF",    "5 Sec",  "10 Sec", "20 Sec",
                                                             "30 Sec", "40 Sec", "50 Sec", "60 Sec"};
inline constexpr std::array<std::string_view, 4> kBcloItems{"OFF", "CA On", "CT On", "DT On"};
inline constexpr std::array<std::string_view, 9> kPttTotItems{"OFF",    "15 Sec",  "30 Sec",  "45 Sec", "60 Sec",
                                                              "90 Sec", "120 Sec", "180 Sec", "240 Sec"};
inline constexpr std::array<std::string_view, 5> kVoxAttackItems{"0mS", "10mS", "20mS", "100mS", "200mS"};
inline constexpr std::array<std::string_view, 4> kVoxReleaseItems{"0.5 Sec", "1.0 Sec", "1.5 Sec", "2.0 Sec"};
inline constexpr std::array<std::string_view, 3> kButtonLongItems{"0.5 Sec", "1.0 Sec", "2.0 Sec"};
inline constexpr std::array<std::string_view, 4> kPowerSaveItems{"0.0 : 0.0", "1.0 : 1.0", "1.5 : 1.0", "2.0 : 1.0"};
inline constexpr std::array<std::string_view, 3> kCtcssItems{"Disable", "1 - 38", "1 - 50"};
inline constexpr std::array<std::string_view, 3> kDcsItems{"Disable", "1 - 83", "1 - 104"};
inline constexpr std::array<std::string_view, 2> kSelfToneItems{"On", "Off"};
inline constexpr std::array<std::string_view, 2> kSpacingItems{"12.5Khz", "25Khz"};
inline constexpr std::array<std::string_view, 4> kModeItems{"PMR", "LPD", "GRUOP", "PMR + LPD"};
inline constexpr std::array<std::string_view, 8> kGroupItems{"Group A", "Group B", "Group C", "Group D",
                                                             "Group E", "Group F", "Group G", "Group H"};
inline constexpr std::array<std::string_view, 9> kBandItems{"410Mhz", "420Mhz", "430Mhz", "440Mhz", "450Mhz",
                                                            "460Mhz", "470Mhz", "480Mhz", "490Mhz"};

inline constexpr OptionList kScanDelayList{"Scan Delay Time", kScanDelayItems};
inline constexpr OptionList kPttFpList{"PTT FP", kPttFpItems};
inline constexpr OptionList kBcloList{"BCLO", kBcloItems};
inline constexpr OptionList kPttTotList{"PTT TOT", kPttTotItems};
inline constexpr OptionList kVoxAttackList{"Vox Attack Time", kVoxAttackItems};
inline constexpr OptionList kVoxReleaseList{"Vox Release Time", kVoxReleaseItems};
inline constexpr OptionList kButtonLongList{"Button long Time", kButtonLongItems};
inline constexpr OptionList kPowerSaveList{"Power Save Ratio", kPowerSaveItems};
inline constexpr OptionList kCtcssList{"CTCSS Select", kCtcssItems};
inline constexpr OptionList kDcsList{"DCS Select", kDcsItems};
inline constexpr OptionList kSelfToneList{"Self Tone Test", kSelfToneItems};
inline constexpr OptionList kSpacingList{"Channel Spacing", kSpacingItems};
inline constexpr OptionList kModeList{"Mode Select", kModeItems};
inline constexpr OptionList kGroupList{"Group", kGroupItems};
inline constexpr OptionList kBandList{"Band Select", kBandItems};

} // namespace velmar
