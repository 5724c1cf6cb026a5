#pragma once
// The programming frame: 258 bytes written to the radio in 141 paced writes.
//
//   offset   bytes  content
//   0        1      0xF3
//   1        128    channel codes, group A CH1 first, high byte first; none = 0xFF 0xFF
//   129      8      spacing of groups A..H: 0x00 12.5 kHz, 0x01 25 kHz
//   137      13     option codes in kOptionOrder
//   150      1      0x00
//   151      106    0x00
//   257      1      checksum (low byte)

#include "RadioSettings.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velmar {

inline constexpr int kFrameSize = 258;
inline constexpr int kFrameWriteCount = 141;
inline constexpr int kFramePauseTotalMs = 5700;
// Our assumption of the radio's frame time-out: a line quiet for longer than this between two bytes of a frame
// ends the frame, so a Send whose pause ran that long may not have been taken. The simulated radio ends a frame
// at the same silence by default. Radios that differ: VELMAR_FRAME_TIMEOUT_MS (see FrameTimeoutMs()).
inline constexpr int kRadioFrameTimeoutMs = 500;
inline constexpr std::uint8_t kFrameStartByte = 0xF3;
inline constexpr int kChannelBlockOffset = 1;
inline constexpr int kSpacingBlockOffset = 129;
inline constexpr int kOptionBlockOffset = 137;
inline constexpr int kOptionEndOffset = 150;
inline constexpr int kZeroFillOffset = 151;
inline constexpr int kChecksumOffset = 257;

// The options of the option block, in the order they are sent.
enum class FrameOption {
    VoxRelease,
    VoxAttack,
    Dcs,
    Ctcss,
    PowerSave,
    ButtonLong,
    PttFp,
    PttTot,
    ScanDelay,
    Bclo,
    SelfTone,
    Mode,
    Band,
};
inline constexpr int kOptionCount = 13;

constexpr int ChannelOffset(int group, int channel) {
    return kChannelBlockOffset + 16 * group + 2 * channel;
}
constexpr int OptionOffset(FrameOption o) {
    return kOptionBlockOffset + static_cast<int>(o);
}

// One write of the sequence and the pause that follows it once the write has returned.
struct PacedWrite {
    std::vector<std::uint8_t> bytes;
    int pauseAfterMs = 0;
};

struct ProgrammingFrame {
    std::array<std::uint8_t, kFrameSize> bytes{};
    std::vector<PacedWrite> writes; // in order; their bytes laid end to end are `bytes`
    int checksum = 0;               // the full sum; the frame carries its low byte
};

// Assembles the frame from the setting exactly as Send does: an empty channel code goes out as "ffff". The
// setting is left as it was.
ProgrammingFrame BuildProgrammingFrame(const RadioSettings& s);

// The bytes of a hex text: blanks and CR LF pairs removed, digits of either
// case taken in pairs, an odd last digit on its own, anything else read as 0.
// An empty text stands for "0000".
std::vector<std::uint8_t> HexTextToBytes(std::string_view text);
// How those bytes go to the port: blocks of 8, then the rest.
std::vector<std::vector<std::uint8_t>> SplitIntoWriteBlocks(const std::vector<std::uint8_t>& bytes);

} // namespace velmar
