#include "ChannelEntry.h"
#include "ProgrammingFrame.h"

#include <gtest/gtest.h>

#include <functional>
#include <numeric>
#include <random>

namespace velmar {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes FrameBytes(const ProgrammingFrame& f) {
    return Bytes(f.bytes.begin(), f.bytes.end());
}

// A channel entered into the record as the window enters it.
void Enter(RadioSettings& s, int group, int channel, const char* text) {
    s.m_nGroup = group;
    s.m_strChannel[static_cast<std::size_t>(channel)] = text;
    EnterChannelText(s, channel);
}

TEST(ProgrammingFrame, SettingsGiveTheKnownFrames) {
    // The frame right after start, written out byte by byte; each setting below differs from it in a few bytes.
    Bytes defaults{0xF3};
    defaults.insert(defaults.end(), 128, 0xFF);
    defaults.insert(defaults.end(), 8 + 5, 0x00);
    defaults.push_back(0x08); // "Button long Time" 0.5 Sec
    defaults.insert(defaults.end(), 7 + 1 + 106, 0x00);
    defaults.push_back(0x88);
    const struct {
        const char* name;
        std::function<void(RadioSettings&)> set;
        std::vector<std::pair<int, Bytes>> changed; // offset, the bytes from there on
        int checksum;
    } cases[] = {
        {"defaults", [](RadioSettings&) {}, {}, 64 * 510 + 8},
        {"GRUOP with group A CH1",
         [](RadioSettings& s) { s.m_nMode = 2, Enter(s, 0, 0, "446.00625"); },
         {{1, {0x1C, 0xC1}}, {148, {0x02}}, {257, {0x69}}},
         32361},
        // The checksum counts the scan delay's index 10, not its code 0x10.
        {"scan delay 60 Sec",
         [](RadioSettings& s) { s.m_nScanDelay = 10; },
         {{145, {0x10}}, {257, {0x92}}},
         64 * 510 + 8 + 10},
        {"every option off its first item, a 25 kHz group",
         [](RadioSettings& s) {
             s.m_nVoxRelease = 3, s.m_nVoxAttack = 4, s.m_nDcs = 2, s.m_nCtcss = 1, s.m_nPowerSave = 3;
             s.m_nButtonLongTime = 2, s.m_nPttFp = 7, s.m_nPttTot = 8, s.m_strBclo = "DT On", s.m_nSelfTone = 1;
             s.m_nMode = 3, s.m_nBand = 8, s.m_nGroupSpacing[5] = 1;
             Enter(s, 6, 7, "500.00000");
         },
         {{ChannelOffset(6, 7), {0x3E, 0x80}},
          {kSpacingBlockOffset + 5, {0x01}},
          {kOptionBlockOffset, {0x03, 0x04, 0x02, 0x01, 0x03, 0x1F, 0x07, 0x08, 0x00, 0x03, 0x01, 0x03, 0x08}},
          {257, {0x8B}}},
         // Indices 3+4+2+1+3+7+8+0+1+3+8, 63 empty channels, 3e80, one 25 kHz group, BCLO 3, button 0x1F.
         40 + 63 * 510 + 0x3E + 0x80 + 1 + 3 + 0x1F},
    };
    for (const auto& c : cases) {
        RadioSettings s;
        c.set(s);
        Bytes expected = defaults;
        for (const auto& [offset, bytes] : c.changed) {
            std::copy(bytes.begin(), bytes.end(), expected.begin() + offset);
        }
        const ProgrammingFrame f = BuildProgrammingFrame(s);
        EXPECT_EQ(FrameBytes(f), expected) << c.name;
        EXPECT_EQ(f.checksum, c.checksum) << c.name;
    }
    // Building a frame leaves the setting as it was: an empty code stays empty.
    const RadioSettings s;
    RadioSettings built = s;
    BuildProgrammingFrame(built);
    EXPECT_EQ(built, s);
}

// Start byte; 64 channel codes, a longer pause after each group's eighth; 8 spacings; 13 options; option end;
// the zero fill in pairs; checksum.
TEST(ProgrammingFrame, WritesAndPausesFollowTheFixedPacing) {
    std::vector<std::pair<std::size_t, int>> expected{{1, 50}}; // bytes, pause after them in ms
    for (int c = 0; c < 64; ++c) {
        expected.push_back({2, c % 8 == 7 ? 100 : 20});
    }
    for (int g = 0; g < 8; ++g) {
        expected.push_back({1, g == 7 ? 50 : 20});
    }
    expected.insert(expected.end(), 13, {1, 20});
    expected.push_back({1, 120});
    for (int z = 0; z < 53; ++z) {
        expected.push_back({2, z == 52 ? 120 : 20});
    }
    expected.push_back({1, 2000});
    RadioSettings s;
    const ProgrammingFrame f = BuildProgrammingFrame(s);
    Bytes joined;
    std::vector<std::pair<std::size_t, int>> writes;
    int pauses = 0;
    for (const auto& w : f.writes) {
        joined.insert(joined.end(), w.bytes.begin(), w.bytes.end());
        writes.push_back({w.bytes.size(), w.pauseAfterMs});
        pauses += w.pauseAfterMs;
    }
    EXPECT_EQ(writes, expected);
    EXPECT_EQ(joined, FrameBytes(f));
    EXPECT_EQ(pauses, kFramePauseTotalMs);
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
        // Apart from the scan delay quirk the checksum is the sum of the data bytes.
        const int data = std::accumulate(first.bytes.begin() + 1, first.bytes.begin() + kChecksumOffset, 0);
        const int quirk = s.m_nScanDelay == 10 ? 0x10 - 10 : 0;
        ASSERT_EQ((data - quirk) & 0xFF, first.bytes[kChecksumOffset]);
    }
}

} // namespace
} // namespace velmar
