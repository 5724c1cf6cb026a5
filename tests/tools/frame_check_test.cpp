#include "FrameCheck.h"
#include "TestFrames.h"

#include <gtest/gtest.h>

#include <string>

namespace velmar::radio {
namespace {

using test::ByteList;

DecodedFrame Decode(const std::vector<std::uint8_t>& bytes) {
    EXPECT_EQ(bytes.size(), 258u);
    return DecodeFrame(FrameBytes(bytes.data(), kFrameSize));
}

std::string Item(const DecodedFrame& d, std::string_view label) {
    for (const DecodedOption& o : d.options) {
        if (o.label == label) {
            return o.item;
        }
    }
    return "(no option " + std::string(label) + ")";
}

bool HasProblem(const DecodedFrame& d, std::string_view part) {
    for (const std::string& p : d.problems) {
        if (p.find(part) != std::string::npos) {
            return true;
        }
    }
    return false;
}

TEST(FrameCheckFixedFrames, DefaultsDecodeToTheStartSetting) {
    const DecodedFrame d = Decode(test::DefaultsFrame());
    EXPECT_TRUE(d.problems.empty()) << d.problems.front();
    EXPECT_EQ(d.expectedChecksum, 0x88);
    EXPECT_EQ(d.receivedChecksum, 0x88);
    for (const DecodedGroup& g : d.groups) {
        EXPECT_EQ(g.spacing, "12.5Khz");
        for (const std::string& ch : g.channels) {
            EXPECT_EQ(ch, "-");
        }
    }
    const std::vector<std::pair<std::string, std::string>> expected{{"Vox Release Time", "0.5 Sec"},
                                                                    {"Vox Attack Time", "0mS"},
                                                                    {"DCS Select", "Disable"},
                                                                    {"CTCSS Select", "Disable"},
                                                                    {"Power Save Ratio", "0.0 : 0.0"},
                                                                    {"Button long Time", "0.5 Sec"},
                                                                    {"PTT FP", "OFF"},
                                                                    {"PTT TOT", "OFF"},
                                                                    {"Scan Delay Time", "OFF"},
                                                                    {"BCLO", "OFF"},
                                                                    {"Self Tone Test", "On"},
                                                                    {"Mode Select", "PMR"},
                                                                    {"Band Select", "410Mhz"}};
    ASSERT_EQ(d.options.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(d.options[i].label, expected[i].first) << "option block position " << i;
        EXPECT_EQ(d.options[i].item, expected[i].second) << expected[i].first;
    }
}

TEST(FrameCheckFixedFrames, GruopWithOneChannel) {
    const DecodedFrame d = Decode(test::GruopFrame());
    EXPECT_TRUE(d.problems.empty()) << d.problems.front();
    EXPECT_EQ(d.groups[0].codes[0], 0x1CC1);
    EXPECT_EQ(d.groups[0].channels[0], "446.00625");
    EXPECT_EQ(d.groups[0].channels[1], "-");
    EXPECT_EQ(Item(d, "Mode Select"), "GRUOP");
    EXPECT_EQ(d.expectedChecksum, 0x69);
}

TEST(FrameCheckFixedFrames, ScanDelaySixtyCountsItsIndexNotItsByte) {
    const std::vector<std::uint8_t> frame = test::ScanDelay60Frame();
    ASSERT_EQ(frame[145], 0x10);
    const DecodedFrame d = Decode(frame);
    EXPECT_TRUE(d.problems.empty()) << d.problems.front();
    EXPECT_EQ(Item(d, "Scan Delay Time"), "60 Sec");
    EXPECT_EQ(d.expectedChecksum, 0x92);

    // The plain sum of the data bytes would be 0x98: the radio takes that as wrong.
    std::vector<std::uint8_t> byteSum = frame;
    byteSum[257] = 0x98;
    const DecodedFrame bad = Decode(byteSum);
    EXPECT_TRUE(HasProblem(bad, "checksum 0x98, expected 0x92"));
}

TEST(FrameCheckFixedFrames, LastItemsAndBothBandEdges) {
    const DecodedFrame d = Decode(test::LastItemsFrame());
    EXPECT_TRUE(d.problems.empty()) << d.problems.front();
    EXPECT_EQ(d.expectedChecksum, 0x9F);
    EXPECT_EQ(d.groups[1].channels[2], "400.00000");
    EXPECT_EQ(d.groups[7].channels[7], "500.00000");
    EXPECT_EQ(d.groups[7].channels[6], "-");
    for (const DecodedGroup& g : d.groups) {
        EXPECT_EQ(g.spacing, "25Khz");
    }
    EXPECT_EQ(Item(d, "Vox Release Time"), "2.0 Sec");
    EXPECT_EQ(Item(d, "Vox Attack Time"), "200mS");
    EXPECT_EQ(Item(d, "DCS Select"), "1 - 104");
    EXPECT_EQ(Item(d, "CTCSS Select"), "1 - 50");
    EXPECT_EQ(Item(d, "Power Save Ratio"), "2.0 : 1.0");
    EXPECT_EQ(Item(d, "Button long Time"), "2.0 Sec");
    EXPECT_EQ(Item(d, "PTT FP"), "60 Sec");
    EXPECT_EQ(Item(d, "PTT TOT"), "240 Sec");
    EXPECT_EQ(Item(d, "Scan Delay Time"), "60 Sec");
    EXPECT_EQ(Item(d, "BCLO"), "DT On");
    EXPECT_EQ(Item(d, "Self Tone Test"), "Off");
    EXPECT_EQ(Item(d, "Mode Select"), "PMR + LPD");
    EXPECT_EQ(Item(d, "Band Select"), "490Mhz");
}

TEST(FrameCheckFaults, EachFaultIsNamed) {
    struct Case {
        int offset;
        std::vector<std::uint8_t> bytes;
        const char* problem;
    };
    const std::vector<Case> cases{
        {257, {0x89}, "checksum 0x89, expected 0x88"},
        {0, {0xF2}, "start byte 0xf2"},
        {1, {0x3E, 0x81}, "Group A CH1: code 3e81 is above 500.00000 MHz"},
        {131, {0x02}, "Group C spacing: 0x02"},
        {145, {0x0A}, "Scan Delay Time: 0x0a codes none of its items"}, // hex digit, not a decimal index
        {145, {0x11}, "Scan Delay Time: 0x11"},                         // index 11, past "60 Sec"
        {149, {0x09}, "Band Select: 0x09"},
        {142, {0x09}, "Button long Time: 0x09"},
        {146, {0x04}, "BCLO: 0x04"},
        {150, {0x01}, "option end 0x01"},
        {200, {0x00, 0x07}, "the zero fill holds non-zero bytes (1 of 106)"},
    };
    for (const Case& c : cases) {
        std::vector<std::uint8_t> frame = test::DefaultsFrame();
        std::copy(c.bytes.begin(), c.bytes.end(), frame.begin() + c.offset);
        const DecodedFrame d = Decode(frame);
        EXPECT_TRUE(HasProblem(d, c.problem)) << c.problem << "; got " << (d.problems.empty() ? "" : d.problems[0]);
    }
}

TEST(FrameCheckChecksum, SpacingAndButtonLongCountAsBytes) {
    std::vector<std::uint8_t> frame = test::DefaultsFrame();
    frame[129 + 5] = 0x01; // Group F at 25Khz
    frame[142] = 0x1F;     // Button long "2.0 Sec"
    frame[146] = 0x02;     // BCLO "CT On"
    frame[137] = 0x03;     // Vox Release "2.0 Sec"
    // 0x7f88 - 8 + 1 + 31 + 2 + 3
    EXPECT_EQ(ExpectedChecksum(FrameBytes(frame.data(), kFrameSize)), (0x7F88 - 8 + 1 + 31 + 2 + 3) & 0xFF);
}

TEST(FrameCheckChannels, CodesToMegahertz) {
    const std::vector<std::pair<std::uint16_t, std::string>> cases{
        {0x0000, "400.00000"}, {0x0001, "400.00625"}, {0x0010, "400.10000"}, {0x1CC1, "446.00625"},
        {0x3E80, "500.00000"}, {0xFFFF, "-"},         {0x3E81, "?3e81"},     {0x00F3, "401.51875"}};
    for (const auto& [code, text] : cases) {
        EXPECT_EQ(ChannelText(code), text) << std::hex << code;
    }
}

} // namespace
} // namespace velmar::radio
