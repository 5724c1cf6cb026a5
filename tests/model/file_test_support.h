#pragma once
// Shared by the setting file, channel list and history tests.

#include "ChannelEntry.h"
#include "CodeTables.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <random>

namespace velmar {

// Every option at a random item; every group with a random spacing and
// random channels entered from in-range frequencies, about a quarter empty.
inline RadioSettings RandomSetting(unsigned seed) {
    std::mt19937 rng(seed);
    const auto pick = [&](const OptionList& list) { return static_cast<int>(rng() % list.items.size()); };
    RadioSettings s;
    const std::pair<int*, const OptionList*> options[] = {{&s.m_nScanDelay, &kScanDelayList},
                                                          {&s.m_nPttFp, &kPttFpList},
                                                          {&s.m_nPttTot, &kPttTotList},
                                                          {&s.m_nVoxAttack, &kVoxAttackList},
                                                          {&s.m_nVoxRelease, &kVoxReleaseList},
                                                          {&s.m_nPowerSave, &kPowerSaveList},
                                                          {&s.m_nButtonLongTime, &kButtonLongList},
                                                          {&s.m_nCtcss, &kCtcssList},
                                                          {&s.m_nDcs, &kDcsList},
                                                          {&s.m_nSelfTone, &kSelfToneList},
                                                          {&s.m_nMode, &kModeList},
                                                          {&s.m_nBand, &kBandList}};
    for (const auto& [field, list] : options) {
        *field = pick(*list);
    }
    s.m_strBclo = std::string(kBcloItems[static_cast<std::size_t>(pick(kBcloList))]);
    for (std::size_t g = 0; g < kGroupCount; ++g) {
        s.m_nGroupSpacing[g] = pick(kSpacingList);
        for (std::size_t c = 0; c < kChannelCount; ++c) {
            const int f = kLowestFreq + static_cast<int>(rng() % (kHighestFreq - kLowestFreq + 1));
            const std::string text = std::to_string(f / 100000) + "." + std::to_string(100000 + f % 100000).substr(1);
            const EnteredChannel e = EnterWholeText(rng() % 4 == 0 ? "" : text);
            s.m_strGroupChannel[g][c] = e.text;
            s.m_strGroupCode[g][c] = e.code;
        }
    }
    return s;
}

// RandomSetting(seed) with a title, notes and names for about a third of the channels that have a frequency.
inline RadioSettings RandomLabelledSetting(unsigned seed) {
    RadioSettings s = RandomSetting(seed);
    const char* names[] = {"Kitchen", "Gate, north", "\"Medic\"", "K\u00fcche", "\U0001F691 Medic", "16 characters!!!"};
    s.m_strTitle = "Camp " + std::to_string(seed) + " \u2013 Z\u00fcrich";
    s.m_strNotes = "Call the gate first.\nMedic: \"B2\"\tor \u260e 112";
    for (std::size_t g = 0; g < kGroupCount; ++g) {
        for (std::size_t c = 0; c < kChannelCount; ++c) {
            if (!s.m_strGroupChannel[g][c].empty() && (g + c + seed) % 3 == 0) {
                s.m_strGroupName[g][c] = names[(g * 8 + c + seed) % std::size(names)];
            }
        }
    }
    return s;
}

// A fresh folder under the system's temporary folder, removed with its content afterwards.
class ScratchFolder : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(mkdtemp(dir.data()), nullptr); }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::string dir = (std::filesystem::temp_directory_path() / "velmar-test-XXXXXX").string();
};

} // namespace velmar
