#include "SettingCheck.h"
#include "SettingEditor.h"

#include "ProgrammingFrame.h"

#include <gtest/gtest.h>

#include <tuple>

#include <random>

namespace velmar {
namespace {

// Types `text` into edit `channel` one key at a time, as the dialog hands each change on, then leaves the edit.
void TypeAndLeave(CSettingEditor& e, int channel, const std::string& text) {
    e.Type(channel, "");
    for (std::size_t n = 1; n <= text.size(); ++n) {
        e.Type(channel, text.substr(0, n));
    }
    e.Settle(channel);
}

// The edits show what the group in view stores, and that is the setting the history holds now.
void ExpectShownIsSent(const CSettingEditor& e) {
    const RadioSettings& s = e.Setting();
    ASSERT_TRUE(e.GroupInRange());
    EXPECT_EQ(s.m_strChannel, s.m_strGroupChannel[static_cast<std::size_t>(s.m_nGroup)]);
    EXPECT_EQ(BuildProgrammingFrame(e.Settled()).bytes, BuildProgrammingFrame(e.History().Current()).bytes);
}

// Random commands, undos and redos: after each Undo or Redo what is shown is what Send writes, and each step
// changed what Send writes.
TEST(SettingEditor, AfterUndoOrRedoWhatIsShownIsWhatSendWrites) {
    CSettingEditor e;
    e.SetMode(kGroupMode);
    const std::vector<PlanSlice> slices = PlanSlices();
    std::mt19937 rng(2026);
    const char* texts[] = {"446.00625", "433.075", "446.1", "499.99375", "", "410.00630", "44"};
    int undone = 0;
    for (int step = 0; step < 2000; ++step) {
        SCOPED_TRACE(step);
        switch (rng() % 7) {
        case 0:
            e.SelectGroup(static_cast<int>(rng() % kGroupCount));
            break;
        case 1:
            TypeAndLeave(e, static_cast<int>(rng() % kChannelCount), texts[rng() % std::size(texts)]);
            e.Revert(static_cast<int>(rng() % kChannelCount)); // what was not a frequency is taken back
            break;
        case 2:
            e.ClickSpacing(static_cast<int>(rng() % 2));
            break;
        case 3: {
            RadioSettings options = e.Setting();
            options.m_nScanDelay = static_cast<int>(rng() % 11);
            e.SetOptions(options);
            break;
        }
        case 4:
            e.FillGroup(slices[rng() % slices.size()]);
            break;
        default: {
            const bool undo = rng() % 3 != 0;
            if (!(undo ? e.History().CanUndo() : e.History().CanRedo())) {
                break;
            }
            const auto before = BuildProgrammingFrame(e.Settled()).bytes;
            const EditResult r = undo ? e.Undo() : e.Redo();
            ExpectShownIsSent(e);
            EXPECT_NE(BuildProgrammingFrame(e.Settled()).bytes, before);
            EXPECT_TRUE(r.showAgain && r.group == e.Group());
            ++undone;
            break;
        }
        }
    }
    EXPECT_GT(undone, 300);
}

// Undo and Redo show the group they change, not the group that was in view when the step was taken.
TEST(SettingEditor, UndoAndRedoBringTheGroupTheyChangeIntoView) {
    CSettingEditor e;
    e.SetMode(kGroupMode);
    for (int group : {0, 1, 3}) {
        e.SelectGroup(group);
        e.FillGroup(PlanSlices()[0]);
    }
    e.SelectGroup(5);
    EXPECT_EQ(e.Undo().group, 3);
    EXPECT_EQ(e.FilledChannelCount(), 0);
    EXPECT_EQ(e.Undo().group, 1);
    EXPECT_EQ(e.Redo().group, 1);
    EXPECT_EQ(e.FilledChannelCount(), 8);
    // A change of an option belongs to no group: the group in view stays.
    RadioSettings options = e.Setting();
    options.m_nBand = 2;
    e.SetOptions(options);
    EXPECT_EQ(e.Undo().group, 1);
    EXPECT_EQ(e.Setting().m_nBand, 0);
}

// Keys typed into an edit are the edit's until they settle: no step of the history, and not what a file keeps,
// but unsaved work all the same; leaving the edit completes a beginning.
TEST(SettingEditor, TextBeingTypedIsUnsettledUntilItIsLeft) {
    CSettingEditor e;
    e.SetMode(kGroupMode);
    e.Replace(e.Setting());
    e.Type(1, "446.1");
    EXPECT_FALSE(e.History().CanUndo());
    EXPECT_FALSE(e.IsModified());
    EXPECT_TRUE(e.HasUnsavedWork());
    ASSERT_TRUE(e.FirstUnsettled());
    EXPECT_EQ(e.FirstUnsettled()->shown, "446.1");
    EXPECT_EQ(e.Settled().m_strChannel[1], "");
    const EditResult left = e.Settle(1);
    ASSERT_EQ(left.notes.size(), 1u);
    EXPECT_EQ(left.notes[0].kind, EntryNote::Kind::Completed);
    EXPECT_EQ(e.Setting().m_strGroupChannel[0][1], "446.10000");
    EXPECT_FALSE(e.FirstUnsettled());
    EXPECT_EQ(e.History().UndoChange().kind, SettingChange::Kind::Channel);
    // A character that is no digit is refused before the editor takes it; the text is then cleared.
    EXPECT_TRUE(e.RefusesCharacter(2, "4x"));
    EXPECT_EQ(e.Setting().m_strChannel[2], "");
    // Taking back the keys of an edit shows what it stores again.
    e.Type(1, "446.2");
    EXPECT_TRUE(e.Revert(1).changed);
    EXPECT_EQ(e.Setting().m_strChannel[1], "446.10000");
}

// The channel commands belong to "GRUOP": elsewhere they change nothing and say they were refused.
TEST(SettingEditor, ChannelCommandsAreRefusedOutsideGruop) {
    CSettingEditor e;
    EXPECT_FALSE(e.ChannelsOpen());
    EXPECT_TRUE(e.FillGroup(PlanSlices()[0]).refused);
    EXPECT_TRUE(e.EnterChannels({{0, 0, "446.00625"}}).refused);
    EXPECT_FALSE(e.CopyGroup());
    EXPECT_FALSE(e.History().CanUndo());
    const ModeEnabling pmr = e.Enabling();
    EXPECT_TRUE(!pmr.group && !pmr.band && pmr.spacing12k5 && !pmr.spacing25k);
    e.SetMode(1);
    EXPECT_EQ(e.Setting().m_nSpacing, 1); // LPD shows 25 kHz
}

// Pasted lines end in CR LF, LF or CR alone (a clipboard from an old Mac program): each is a line of its own.
TEST(SettingEditor, PastedLinesEndInAnyLineEnd) {
    for (const char* text : {"446.1\r446.2\r446.3\r", "446.1\n446.2\n446.3\n\n", "446.1\r\n446.2\r\n446.3"}) {
        EXPECT_EQ(PastedLines(text), (std::vector<std::string>{"446.1", "446.2", "446.3"})) << text;
        CSettingEditor e;
        e.SetMode(kGroupMode);
        e.PasteGroup(text);
        EXPECT_EQ(e.Setting().m_strGroupChannel[0][2], "446.30000") << text;
    }
    EXPECT_EQ(PastedLines("a\r\rb"), (std::vector<std::string>{"a", "", "b"}));
}

// An import says before it happens what each way changes (the rows' channels, and what replacing all channels
// empties besides) and which groups change spacing; either way is then one step of the history.
TEST(SettingEditor, ImportMergesOrReplacesAllAsOneStep) {
    for (const ImportWay way : {ImportWay::Merge, ImportWay::ReplaceAll}) {
        CSettingEditor e;
        e.SetMode(kGroupMode);
        e.SelectGroup(2);
        e.FillGroup(PlanSlices()[0]); // 12.5 kHz, 8 channels
        e.EnterChannels({{0, 0, "Gate", true}}, {});
        CsvImport list;
        ASSERT_EQ(ImportChannelsCsv("Location,Frequency,Mode\n17,446.5,FM\n18,446.6,FM\n33,433.1,FM\n", &list),
                  CsvRefusal::None);
        const ImportFacts facts = e.ImportWouldDo(list);
        EXPECT_EQ(facts.replaced, 3);
        ASSERT_EQ(facts.changed.size(), 3u);
        EXPECT_TRUE(facts.changed[0].group == 2 && facts.changed[0].from == "446.00625" &&
                    facts.changed[0].to == "446.50000");
        ASSERT_EQ(facts.emptied.size(), 7u); // A1's name and C3..C8
        EXPECT_TRUE(facts.emptied[0].fromName == "Gate" && facts.emptied[0].toName.empty());
        ASSERT_EQ(facts.spacing.size(), 2u); // group C was 12.5 kHz; group E was 12.5 kHz by default
        EXPECT_TRUE(facts.spacing[0].group == 2 && facts.spacing[0].to == 1 && facts.spacing[0].fm == 1);

        e.Import(list, way);
        const RadioSettings& s = e.Setting();
        EXPECT_EQ(s.m_strGroupChannel[2][0], "446.50000");
        EXPECT_EQ(s.m_nSpacing, 1);
        // What the list does not name: kept by a merge, emptied (with its code and name) by replacing all.
        const bool merged = way == ImportWay::Merge;
        EXPECT_EQ(s.m_strGroupChannel[2][2], merged ? "446.03125" : "");
        EXPECT_EQ(s.m_strGroupCode[2][2].empty(), !merged);
        EXPECT_EQ(s.m_strGroupName[0][0], merged ? "Gate" : "");
        EXPECT_EQ(e.History().UndoChange().command, SettingChange::Command::ImportChannels);
        e.Undo();
        EXPECT_TRUE(e.Setting().m_strGroupChannel[2][0] == "446.00625" &&
                    e.Setting().m_strGroupChannel[2][2] == "446.03125" && e.Setting().m_strGroupName[0][0] == "Gate");
    }
}

// The setting check: each rule on a setting made for it, and nothing outside "GRUOP" or for a clean setting.
TEST(SettingCheck, EachRuleNamesItsGroupChannelsAndFix) {
    using Kind = SettingWarning::Kind;
    const struct {
        const char* name;
        std::vector<std::pair<int, const char*>> channels; // group A
        int spacing;
        std::vector<std::tuple<Kind, std::vector<int>, int>> expected; // kind, channels, fix spacing
    } kCases[] = {
        {"PMR446 in a 12.5 kHz group", {{0, "446.00625"}, {1, "446.01875"}}, 0, {}},
        {"PMR446 in a 25 kHz group", {{0, "446.00625"}, {3, "446.01875"}}, 1, {{Kind::PlanInOtherSpacing, {0, 3}, 0}}},
        {"LPD433 in a 12.5 kHz group", {{2, "433.07500"}}, 0, {{Kind::PlanInOtherSpacing, {2}, 1}}},
        {"outside the plans", {{1, "446.21250"}, {4, "460.00000"}}, 0, {{Kind::OutsideLicenceFree, {1, 4}, 0}}},
        {"the same twice", {{0, "446.00625"}, {5, "446.00625"}}, 0, {{Kind::SameFrequency, {0, 5}, 0}}},
    };
    for (const auto& c : kCases) {
        RadioSettings s;
        s.m_nMode = kGroupMode;
        s.m_nGroupSpacing[0] = c.spacing;
        for (const auto& [channel, text] : c.channels) {
            s.m_strGroupChannel[0][static_cast<std::size_t>(channel)] = text;
        }
        const std::vector<SettingWarning> found = CheckSetting(s);
        ASSERT_EQ(found.size(), c.expected.size()) << c.name;
        for (std::size_t k = 0; k < found.size(); ++k) {
            const auto& [kind, channels, fix] = c.expected[k];
            EXPECT_TRUE(found[k].kind == kind && found[k].group == 0 && found[k].channels == channels) << c.name;
            if (kind == Kind::PlanInOtherSpacing) {
                EXPECT_EQ(found[k].fixSpacing, fix) << c.name;
            }
        }
        s.m_nMode = 0;
        EXPECT_TRUE(CheckSetting(s).empty()) << c.name;
    }
}

} // namespace
} // namespace velmar
