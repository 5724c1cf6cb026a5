#include "FrameCheck.h"
#include "HexText.h"

#include "ChannelEntry.h"

#include <cstdio>

namespace velmar::radio {

namespace {

constexpr int kButtonLongPos = static_cast<int>(FrameOption::ButtonLong);
constexpr int kBcloPos = static_cast<int>(FrameOption::Bclo);
constexpr std::array<std::uint8_t, 3> kButtonLongBytes{0x08, 0x10, 0x1F};

std::string Hex(unsigned value, int digits) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%0*x", digits, value);
    return buf;
}

std::string ByteText(std::uint8_t b) {
    return HexValue(b);
}

} // namespace

int OptionIndex(int option, std::uint8_t byte) {
    if (option == kButtonLongPos) {
        for (std::size_t i = 0; i < kButtonLongBytes.size(); ++i) {
            if (kButtonLongBytes[i] == byte) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }
    const int high = byte >> 4;
    const int low = byte & 0x0F;
    if (high > 9 || low > 9) {
        return -1;
    }
    const int index = high * 10 + low;
    return index < static_cast<int>(kFrameOptionLists[option].items.size()) ? index : -1;
}

std::string ChannelText(std::uint16_t code) {
    if (code == kNoChannelCode) {
        return "-";
    }
    if (code > kHighestChannelCode) {
        return "?" + Hex(code, 4);
    }
    const int freq = kLowestFreq + code * kGridStep; // 10 Hz units
    char buf[16];
    std::snprintf(buf, sizeof buf, "%03d.%05d", freq / 100000, freq % 100000);
    return buf;
}

int ExpectedChecksum(FrameBytes frame) {
    int sum = 0;
    for (int i = kChannelBlockOffset; i < kOptionBlockOffset; ++i) {
        sum += frame[i];
    }
    for (int o = 0; o < kOptionCount; ++o) {
        const std::uint8_t byte = frame[OptionOffset(static_cast<FrameOption>(o))];
        const int index = OptionIndex(o, byte);
        const bool countsItsIndex = o != kButtonLongPos && o != kBcloPos && index >= 0;
        sum += countsItsIndex ? index : byte;
    }
    return sum & 0xFF;
}

DecodedFrame DecodeFrame(FrameBytes frame) {
    DecodedFrame d;
    if (frame[0] != kFrameStartByte) {
        d.problems.push_back("start byte " + ByteText(frame[0]) + ", expected " + ByteText(kFrameStartByte));
    }
    for (int g = 0; g < kGroupCount; ++g) {
        DecodedGroup& group = d.groups[g];
        for (int c = 0; c < kChannelCount; ++c) {
            const int at = ChannelOffset(g, c);
            const auto code = static_cast<std::uint16_t>(frame[at] << 8 | frame[at + 1]);
            group.codes[c] = code;
            group.channels[c] = ChannelText(code);
            if (code != kNoChannelCode && code > kHighestChannelCode) {
                d.problems.push_back(std::string(kGroupItems[g]) + " CH" + std::to_string(c + 1) + ": code " +
                                     Hex(code, 4) + " is above 500.00000 MHz");
            }
        }
        group.spacingByte = frame[kSpacingBlockOffset + g];
        if (group.spacingByte < kSpacingItems.size()) {
            group.spacing = std::string(kSpacingItems[group.spacingByte]);
        } else {
            group.spacing = "?" + Hex(group.spacingByte, 2);
            d.problems.push_back(std::string(kGroupItems[g]) + " spacing: " + ByteText(group.spacingByte) +
                                 " is neither 12.5Khz nor 25Khz");
        }
    }
    for (int o = 0; o < kOptionCount; ++o) {
        DecodedOption& opt = d.options[o];
        opt.label = kFrameOptionLists[o].label;
        opt.byte = frame[OptionOffset(static_cast<FrameOption>(o))];
        opt.index = OptionIndex(o, opt.byte);
        if (opt.index >= 0) {
            opt.item = std::string(kFrameOptionLists[o].items[opt.index]);
        } else {
            opt.item = "?" + Hex(opt.byte, 2);
            d.problems.push_back(std::string(opt.label) + ": " + ByteText(opt.byte) + " codes none of its items");
        }
    }
    if (frame[kOptionEndOffset] != 0) {
        d.problems.push_back("option end " + ByteText(frame[kOptionEndOffset]) + ", expected 0x00");
    }
    int nonZeroFill = 0;
    for (int i = kZeroFillOffset; i < kChecksumOffset; ++i) {
        nonZeroFill += frame[i] != 0 ? 1 : 0;
    }
    if (nonZeroFill > 0) {
        d.problems.push_back("the zero fill holds non-zero bytes (" + std::to_string(nonZeroFill) + " of " +
                             std::to_string(kChecksumOffset - kZeroFillOffset) + ")");
    }
    d.expectedChecksum = ExpectedChecksum(frame);
    d.receivedChecksum = frame[kChecksumOffset];
    if (d.expectedChecksum != d.receivedChecksum) {
        d.problems.push_back("checksum " + ByteText(static_cast<std::uint8_t>(d.receivedChecksum)) + ", expected " +
                             ByteText(static_cast<std::uint8_t>(d.expectedChecksum)));
    }
    return d;
}

} // namespace velmar::radio
