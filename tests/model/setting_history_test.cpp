#include "ChannelPlans.h"
#include "SettingFile.h"
#include "SettingHistory.h"
#include "file_test_support.h"

namespace velmar {
namespace {

TEST(SettingHistory, ANewStepDropsRedoAndTheOldestGoBeyondTheLimit) {
    CSettingHistory h;
    h.Reset(RadioSettings{});
    EXPECT_FALSE(h.Record(RadioSettings{}, {})) << "no change of the frame, no step";
    for (unsigned seed = 1; seed <= CSettingHistory::kSteps + 5; ++seed) {
        ASSERT_TRUE(h.Record(RandomSetting(seed), {}));
    }
    int steps = 0;
    while (h.CanUndo()) {
        h.Undo();
        ++steps;
    }
    EXPECT_EQ(steps, static_cast<int>(CSettingHistory::kSteps));
    EXPECT_TRUE(SameSetting(h.Current(), RandomSetting(5)));
    h.Redo();
    ASSERT_TRUE(h.Record(RadioSettings{}, SettingChange::Of(SettingChange::Command::ClearGroup, 2)));
    EXPECT_FALSE(h.CanRedo());
    EXPECT_EQ(h.UndoChange().command, SettingChange::Command::ClearGroup);
}

// Labels change no frame, yet each is a step named by what it changed, and a difference.
TEST(SettingHistory, ANameTheTitleAndTheNotesAreChangesOfTheirOwn) {
    CSettingHistory h;
    RadioSettings s = RandomSetting(4);
    h.Reset(s);
    s.m_strGroupName[1][2] = "Gate";
    ASSERT_TRUE(h.Record(s, {}));
    EXPECT_EQ(h.UndoChange().kind, SettingChange::Kind::Name);
    EXPECT_EQ(h.UndoChange().group * 10 + h.UndoChange().channel, 12);
    s.m_strNotes = "Gate first";
    ASSERT_TRUE(h.Record(s, {}));
    EXPECT_EQ(h.UndoChange().kind, SettingChange::Kind::Notes);
    s.m_strTitle = "Camp";
    s.m_strGroupName[1][2].clear();
    const auto found = CompareSettings(h.Current(), s);
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].kind, SettingDifference::Kind::Title);
    EXPECT_TRUE(found[1].kind == SettingDifference::Kind::Name && found[1].from == "Gate" && found[1].to.empty());
    EXPECT_EQ(DescribeChange(h.Current(), s).kind, SettingChange::Kind::Several);
}

TEST(SettingHistory, PlanChannelsAreKnownByTheirFrequency) {
    const std::pair<const char*, std::string> kCases[] = {{"446.00625", "PMR446 1"}, {"446.19375", "PMR446 16"},
                                                          {"433.07500", "LPD433 1"}, {"434.77500", "LPD433 69"},
                                                          {"446.00000", ""},         {"446.20625", ""}};
    for (const auto& [text, plan] : kCases) {
        const auto found = PlanChannelOf(text);
        EXPECT_EQ(found ? std::string(found->plan) + " " + std::to_string(found->channel) : "", plan) << text;
    }
}

} // namespace
} // namespace velmar
