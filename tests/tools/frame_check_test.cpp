#include "FrameCheck.h"
#include "TestFrames.h"

#include <gtest/gtest.h>

#include <string>

namespace velmar::radio {
namespace {

DecodedFrame Decode(const std::vector<std::uint8_t>& bytes) {
    EXPECT_EQ(bytes.size(), 258u);
    return DecodeFrame(FrameBytes(bytes.data(), kFrameSize));
}

// The item texts in the order of the option block, from "Vox Release Time" to "Band Select".
void ExpectItems(const DecodedFrame& d, const std::array<std::string_view, kOptionCount>& items) {
    EXPECT_EQ(d.options.front().label, "Vox Release Time");
    EXPECT_EQ(d.options.back().label, "Band Select");
    for (std::size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(d.options[i].item, items[i]) << d.options[i].label;
    }
}

TEST(FrameCheck, FixedFramesDecodeWithTheSendersChecksum) {
    const DecodedFrame defaults = Decode(test::DefaultsFrame());
    EXPECT_TRUE(defaults.problems.empty()) << defaults.problems.front();
    EXPECT_EQ(defaults.expectedChecksum, 0x88);
    ExpectItems(defaults, {"0.5 Sec", "0mS", "Disable", "Disable", "0.0 : 0.0", "0.5 Sec", "OFF", "OFF", "OFF", "OFF",
                           "On", "PMR", "410Mhz"});
    for (const DecodedGroup& g : defaults.groups) {
        EXPECT_EQ(g.spacing, "12.5Khz");
        EXPECT_EQ(g.channels, (std::array<std::string, 8>{"-", "-", "-", "-", "-", "-", "-", "-"}));
    }

    const DecodedFrame gruop = Decode(test::GruopFrame());
    EXPECT_TRUE(gruop.problems.empty()) << gruop.problems.front();
    EXPECT_EQ(gruop.groups[0].channels[0], "446.00625");
    EXPECT_EQ(gruop.options[11].item, "GRUOP");

    // The plain sum of the data bytes would be 0x98: the index 10 counts, not the byte 0x10.
    std::vector<std::uint8_t> scan = test::ScanDelay60Frame();
    const DecodedFrame scanDelay = Decode(scan);
    EXPECT_TRUE(scanDelay.problems.empty()) << scanDelay.problems.front();
    EXPECT_EQ(scanDelay.options[8].item, "60 Sec");
    scan[257] = 0x98;
    EXPECT_EQ(Decode(scan).problems, std::vector<std::string>{"checksum 0x98, expected 0x92"});

    // Button long and spacing bytes count as bytes, the others as their index.
    const DecodedFrame last = Decode(test::LastItemsFrame());
    EXPECT_TRUE(last.problems.empty()) << last.problems.front();
    EXPECT_EQ(last.groups[1].channels[2], "400.00000");
    EXPECT_EQ(last.groups[7].channels[7], "500.00000");
    for (const DecodedGroup& g : last.groups) {
        EXPECT_EQ(g.spacing, "25Khz");
    }
    ExpectItems(last, {"2.0 Sec", "200mS", "1 - 104", "1 - 50", "2.0 : 1.0", "2.0 Sec", "60 Sec", "240 Sec", "60 Sec",
                       "DT On", "Off", "PMR + LPD", "490Mhz"});
}

TEST(FrameCheck, EachFaultIsNamed) {
    const std::vector<std::tuple<int, std::vector<std::uint8_t>, std::string>> cases{
        {257, {0x89}, "checksum 0x89, expected 0x88"},
        {0, {0xF2}, "start byte 0xF2"},
        {1, {0x3E, 0x81}, "Group A CH1: code 3e81 is above 500.00000 MHz"},
        {131, {0x02}, "Group C spacing: 0x02"},
        {145, {0x0A}, "Scan Delay Time: 0x0A codes none of its items"}, // hex digit, not a decimal index
        {145, {0x11}, "Scan Delay Time: 0x11"},                         // index 11, past "60 Sec"
        {142, {0x09}, "Button long Time: 0x09"},
        {150, {0x01}, "option end 0x01"},
        {200, {0x00, 0x07}, "the zero fill holds non-zero bytes (1 of 106)"},
    };
    for (const auto& [offset, bytes, problem] : cases) {
        std::vector<std::uint8_t> frame = test::DefaultsFrame();
        std::copy(bytes.begin(), bytes.end(), frame.begin() + offset);
        const DecodedFrame d = Decode(frame);
        ASSERT_FALSE(d.problems.empty()) << problem;
        EXPECT_EQ(d.problems.front().rfind(problem, 0), 0u) << problem << "; got " << d.problems.front();
    }
}

} // namespace
} // namespace velmar::radio
