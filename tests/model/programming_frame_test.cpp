#include "ChannelEntry.h"
#include "ProgrammingFrame.h"

#include <gtest/gtest.h>

#include <numeric>
#include <random>

namespace velmar {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Repeat(std::uint8_t b, int n) {
    return Bytes(static_cast<std::size_t>(n), b);
}

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const auto& p : parts) {
        all.insert(all.end(), p.begin(), p.end());
    }
    return all;
}

Bytes FrameBytes(const ProgrammingFrame& f) {
    return Bytes(f.bytes.begin(), f.bytes.end());
}

TEST(ProgrammingFrame, DefaultsGiveTheKnownFrame) {
    RadioSettings s;
    const ProgrammingFrame f = BuildProgrammingFrame(s);
    const Bytes expected = Concat({{0xF3},
                                   Repeat(0xFF, 128),
                                   Repeat(0x00, 8),
                                   {0x00, 0x00, 0x00, 0x00, 0x00, 0x08, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00},
                                   {0x00},
                                   Repeat(0x00, 106),
                                   {0x88}});
    EXPECT_EQ(FrameBytes(f), expected);
    EXPECT_EQ(f.checksum, 64 * 510 + 8);
    EXPECT_EQ(f.bytes[OptionOffset(FrameOption::ButtonLong)], 0x08);
    EXPECT_EQ(s.m_strFreqCode, "88");
    // Empty codes were turned into "ffff" in the record itself.
    EXPECT_EQ(s.m_strGroupCode[3][4], "ffff");
}

TEST(ProgrammingFrame, GroupModeWithOneChannel) {
    RadioSettings s;
    s.m_nMode = 2;
    s.m_strChannel[0] = "446.00625";
    EnterChannelText(s, 0);
    const ProgrammingFrame f = BuildProgrammingFrame(s);
    const Bytes expected = Concat({{0xF3, 0x1C, 0xC1},
                                   Repeat(0xFF, 126),
                                   Repeat(0x00, 8),
                                   {0x00, 0x00, 0x00, 0x00, 0x00, 0x08, 0x00, 0x00, 0x00, 0x00, 0x00, 0x02, 0x00},
                                   {0x00},
                                   Repeat(0x00, 106),
                                   {0x69}});
    EXPECT_EQ(FrameBytes(f), expected);
    EXPECT_EQ(f.checksum, 32361);
}

TEST(ProgrammingFrame, ChecksumCountsTheScanDelayIndexNotItsCode) {
    RadioSettings s;
    s.m_nScanDelay = 10; // "60 Sec"
    const ProgrammingFrame f = BuildProgrammingFrame(s);
    EXPECT_EQ(f.bytes[OptionOffset(FrameOption::ScanDelay)], 0x10);
    EXPECT_EQ(f.bytes[kChecksumOffset], 0x92);
}

TEST(ProgrammingFrame, OptionsAndSpacingLandAtTheirOffsets) {
    RadioSettings s;
    s.m_nGroupSpacing[5] = 1;
    s.m_nVoxRelease = 3;
    s.m_nVoxAttack = 4;
    s.m_nDcs = 2;
    s.m_nCtcss = 1;
    s.m_nPowerSave = 3;
    s.m_nButtonLongTime = 2;
    s.m_nPttFp = 7;
    s.m_nPttTot = 8;
    s.m_strBclo = "DT On";
    s.m_nSelfTone = 1;
    s.m_nMode = 3;
    s.m_nBand = 8;
    s.m_nGroup = 6;
    s.m_strChannel[7] = "500.00000";
    EnterChannelText(s, 7);
    const ProgrammingFrame f = BuildProgrammingFrame(s);

    const Bytes options(f.bytes.begin() + kOptionBlockOffset, f.bytes.begin() + kOptionEndOffset);
    EXPECT_EQ(options, (Bytes{0x03, 0x04, 0x02, 0x01, 0x03, 0x1F, 0x07, 0x08, 0x00, 0x03, 0x01, 0x03, 0x08}));
    EXPECT_EQ(f.bytes[kSpacingBlockOffset + 5], 0x01);
    EXPECT_EQ(f.bytes[ChannelOffset(6, 7)], 0x3E);
    EXPECT_EQ(f.bytes[ChannelOffset(6, 7) + 1], 0x80);

    // Indices 3+4+2+1+3+7+8+0+1+3+8, 63 empty channels, 3e80, one 25 kHz group, BCLO 3, button 0x1F.
    const int sum = 40 + 63 * 510 + 0x3E + 0x80 + 1 + 3 + 0x1F;
    EXPECT_EQ(f.checksum, sum);
    EXPECT_EQ(f.bytes[kChecksumOffset], sum & 0xFF);
}

TEST(ProgrammingFrame, WritesAndPausesFollowTheFixedPacing) {
    RadioSettings s;
    const ProgrammingFrame f = BuildProgrammingFrame(s);
    ASSERT_EQ(f.writes.size(), static_cast<std::size_t>(kFrameWriteCount));

    Bytes joined;
    int pauses = 0;
    std::vector<int> pattern;
    for (const auto& w : f.writes) {
        joined.insert(joined.end(), w.bytes.begin(), w.bytes.end());
        pauses += w.pauseAfterMs;
        pattern.push_back(w.pauseAfterMs);
    }
    EXPECT_EQ(joined, FrameBytes(f));
    EXPECT_EQ(pauses, kFramePauseTotalMs);

    std::vector<int> expected{50};
    for (int g = 0; g < 8; ++g) {
        expected.insert(expected.end(), 7, 20);
        expected.push_back(100);
    }
    expected.insert(expected.end(), 7, 20);
    expected.push_back(50);
    expected.insert(expected.end(), 13, 20);
    expected.push_back(120);
    expected.insert(expected.end(), 52, 20);
    expected.push_back(120);
    expected.push_back(2000);
    EXPECT_EQ(pattern, expected);
    EXPECT_EQ(f.writes[1].bytes.size(), 2u);
    EXPECT_EQ(f.writes[65].bytes.size(), 1u);
}

TEST(ProgrammingFrame, RepeatedSendGivesTheSameBytesWhateverTheSettings) {
    std::mt19937 rng(7);
    for (int run = 0; run < 200; ++run) {
        RadioSettings s;
        s.m_nScanDelay = static_cast<int>(rng() % 11);
        s.m_nButtonLongTime = static_cast<int>(rng() % 3);
        s.m_nMode = static_cast<int>(rng() % 4);
        s.m_nGroupSpacing[rng() % 8] = 1;
        for (int i = 0; i < 10; ++i) {
            s.m_nGroup = static_cast<int>(rng() % 8);
            const int ch = static_cast<int>(rng() % 8);
            s.m_strChannel[static_cast<std::size_t>(ch)] =
                std::to_string(400 + rng() % 101) + "." + std::to_string(10000 + rng() % 90000);
            EnterChannelText(s, ch);
        }
        const ProgrammingFrame first = BuildProgrammingFrame(s);
        const ProgrammingFrame second = BuildProgrammingFrame(s);
        ASSERT_EQ(first.bytes, second.bytes);
        ASSERT_EQ(first.writes.size(), static_cast<std::size_t>(kFrameWriteCount));
        std::size_t total = 0;
        for (const auto& w : first.writes) {
            total += w.bytes.size();
        }
        ASSERT_EQ(total, static_cast<std::size_t>(kFrameSize));
        // Apart from the scan delay quirk the checksum is the sum of the data bytes.
        const int data = std::accumulate(first.bytes.begin() + 1, first.bytes.begin() + kChecksumOffset, 0);
        const int quirk = s.m_nScanDelay == 10 ? 0x10 - 10 : 0;
        ASSERT_EQ((data - quirk) & 0xFF, first.bytes[kChecksumOffset]);
    }
}

TEST(ProgrammingFrame, HexTextToBytes) {
    const std::pair<const char*, Bytes> cases[] = {
        {"", {0x00, 0x00}},    {"f3", {0xF3}}, {"F3", {0xF3}},         {" f3 ", {0xF3}},       {"f3\r\n", {0xF3}},
        {"abc", {0xAB, 0x0C}}, {"zz", {0x00}}, {"1cc1", {0x1C, 0xC1}}, {"f\r3", {0xF0, 0x03}},
    };
    for (const auto& [text, bytes] : cases) {
        EXPECT_EQ(HexTextToBytes(text), bytes) << text;
    }
    const auto blocks = SplitIntoWriteBlocks(HexTextToBytes("0123456789abcdef0123"));
    ASSERT_EQ(blocks.size(), 2u);
    EXPECT_EQ(blocks[0].size(), 8u);
    EXPECT_EQ(blocks[1], (Bytes{0x01, 0x23}));
    EXPECT_EQ(SplitIntoWriteBlocks(Repeat(7, 16)).size(), 2u);
}

} // namespace
} // namespace velmar
