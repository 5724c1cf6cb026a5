#include "ChannelPlans.h"

#include "GroupSelection.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <tuple>

namespace velmar {
namespace {

// A group already holding channels and the other spacing, so that a fill must replace it all.
RadioSettings GroupWithChannels(int group, int spacing) {
    RadioSettings s;
    s.m_nGroup = group;
    s.m_nGroupSpacing[static_cast<std::size_t>(group)] = spacing;
    s.m_strChannel.fill("499.90000");
    s.m_strGroupChannel[static_cast<std::size_t>(group)].fill("499.90000");
    s.m_strGroupCode[static_cast<std::size_t>(group)].fill("3fc0");
    return s;
}

// What Send takes from a group and what the window shows of it.
auto Shown(const RadioSettings& s) {
    return std::tie(s.m_strGroupChannel, s.m_strGroupCode, s.m_nGroupSpacing, s.m_strChannel, s.m_nSpacing);
}

TEST(ChannelPlans, SlicesFillTheGroupAsClickingAndTypingWould) {
    const struct {
        std::string name, firstText, lastText;
        std::size_t slices;
        int spacing, lastCount;
    } plans[] = {
        {"PMR446", "446.00625", "446.19375", 2, 0, 8},
        {"LPD433", "433.07500", "434.77500", 9, 1, 5},
    };
    const std::vector<PlanSlice> all = PlanSlices();
    for (const auto& want : plans) {
        std::vector<PlanSlice> slices;
        std::copy_if(all.begin(), all.end(), std::back_inserter(slices),
                     [&](const PlanSlice& p) { return p.plan.name == want.name; });
        ASSERT_EQ(slices.size(), want.slices) << want.name;
        EXPECT_EQ(SliceTexts(slices.front())[0], want.firstText);
        EXPECT_EQ(SliceTexts(slices.back())[std::size_t(want.lastCount - 1)], want.lastText);
        for (const PlanSlice& slice : slices) {
            const PerChannel<std::string> texts = SliceTexts(slice);
            RadioSettings typed = GroupWithChannels(5, 1 - want.spacing);
            typed.m_nSpacing = want.spacing;
            ClickSpacing(typed);
            for (int c = 0; c < kChannelCount; ++c) {
                typed.m_strChannel[std::size_t(c)] = texts[std::size_t(c)];
                EnterChannelText(typed, c);
            }
            RadioSettings filled = GroupWithChannels(5, 1 - want.spacing);
            ASSERT_TRUE(FillGroup(filled, slice));
            EXPECT_TRUE(Shown(filled) == Shown(typed)) << slice.firstChannel;
            EXPECT_EQ(filled.m_strGroupChannel[5], texts) << slice.firstChannel; // entry kept every text
            EXPECT_EQ(FilledChannelCount(filled), &slice == &slices.back() ? want.lastCount : kChannelCount);
        }
    }
    const ChannelPlan extra[] = {{"TEST", 40000000, 625, 9, 1}, {"OFFGRID", 44600600, 1250, 8, 0}};
    const std::vector<PlanSlice> extraSlices = PlanSlices(extra);
    ASSERT_EQ(extraSlices.size(), 2U);
    EXPECT_EQ(extraSlices[1].firstChannel, 9);
    EXPECT_EQ(SliceTexts(extraSlices[1]), (PerChannel<std::string>{"400.05000"}));
}

TEST(ChannelPlans, DuplicatesAreFoundAndClearGroupKeepsTheSpacing) {
    RadioSettings s = GroupWithChannels(2, 0);
    s.m_nGroup = 1;
    ASSERT_TRUE(FillGroup(s, PlanSlices()[2])); // LPD433 channels 1-8
    for (const auto& [channel, text] : {std::pair{5, "433.07500"}, {6, "433.10000"}, {7, "433.10300"}}) {
        s.m_strChannel[channel] = text;
        EnterChannelText(s, channel);
    }
    const std::vector<DuplicateChannels> same = FindDuplicates(s, 1);
    ASSERT_EQ(same.size(), 2u);
    EXPECT_TRUE(same[0].text == "433.07500" && same[0].channels == (std::vector<int>{0, 5}));
    EXPECT_TRUE(same[1].text == "433.10000" && same[1].channels == (std::vector<int>{1, 6, 7}));
    EXPECT_TRUE(FindDuplicates(s, 3).empty()); // eight empty channels
    ClearGroup(s);
    EXPECT_EQ(FilledChannelCount(s), 0);
    EXPECT_EQ(s.m_strChannel, PerChannel<std::string>{});
    EXPECT_EQ(s.m_nGroupSpacing[1], 1);
    s.m_nGroup = 2;
    EXPECT_EQ(FilledChannelCount(s), kChannelCount);
}

} // namespace
} // namespace velmar
