#pragma once
// Channel plans: the licence-free channel lists an operator would otherwise
// type nine characters at a time, offered in slices of eight that fill the
// current group CH1..CH8 as typing them would; and the frequencies that stand
// twice in one group. Nothing here keeps shared state: any thread
// may call these on a record no other thread touches meanwhile.

#include "ChannelEntry.h"
#include "RadioSettings.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmar {

// One plan: channel n (counted from 1) is firstFreq + (n - 1) * step.
struct ChannelPlan {
    std::string_view name; // as the menu shows it; must outlive every slice made from the row
    int firstFreq = 0;     // 10 Hz units
    int step = 0;          // 10 Hz units
    int channels = 0;
    int spacing = 0; // the group's spacing radio: 0 = 12.5 kHz, 1 = 25 kHz
};

// True when the entry rules keep every frequency of `plan` as it is (each in
// 400.00000..500.00000 MHz on the 6.25 kHz grid), it has a name, at least one
// channel, a positive step and a spacing of 0 or 1.
constexpr bool PlanFitsRadio(const ChannelPlan& plan) {
    const long long last = plan.firstFreq + static_cast<long long>(plan.step) * (plan.channels - 1);
    return !plan.name.empty() && plan.channels >= 1 && plan.step > 0 && (plan.spacing == 0 || plan.spacing == 1) &&
           plan.firstFreq >= kLowestFreq && last <= kHighestFreq && (plan.firstFreq - kLowestFreq) % kGridStep == 0 &&
           plan.step % kGridStep == 0;
}

// The plans the menu offers; a further plan is one more row.
inline constexpr std::array kChannelPlans{
    ChannelPlan{"PMR446", 44600625, 1250, 16, 0}, // 446.00625..446.19375 MHz
    ChannelPlan{"LPD433", 43307500, 2500, 69, 1}, // 433.07500..434.77500 MHz
};

// Up to eight consecutive channels of one plan, for CH1 onwards.
struct PlanSlice {
    ChannelPlan plan;     // a copy of the row
    int firstChannel = 1; // the plan's own numbering, from 1
    int count = 0;        // 1..8; the channels after them stay empty
};

// The slices of each row of `plans` that fits the radio (PlanFitsRadio), in
// table order and channel order: 1-8, 9-16, ..., the last holding what is
// left. A row that does not fit gives none, so the menu never offers a
// frequency that entry would move or refuse.
std::vector<PlanSlice> PlanSlices(std::span<const ChannelPlan> plans = kChannelPlans);

// The texts for CH1..CH8 as an operator would type them, nine characters
// each ("446.00625"); empty beyond the slice's channels.
PerChannel<std::string> SliceTexts(const PlanSlice& slice);

// Puts the slice into the current group s.m_nGroup as a click on the plan's
// spacing radio followed by typing each text into CH1..CH8 would: s.m_nSpacing
// and the group's spacing become the plan's, every channel's stored text and
// code become what EnterWholeText makes of its text, and the edits
// (s.m_strChannel) show the stored texts. False, with nothing changed, when
// s.m_nGroup is no group.
bool FillGroup(RadioSettings& s, const PlanSlice& slice);

// How many channels of the current group hold a stored text or a code; 0
// when s.m_nGroup is no group.
int FilledChannelCount(const RadioSettings& s);

// Empties the current group's stored texts and codes and the edits'
// texts, keeping the group's spacing. Nothing happens when s.m_nGroup is no
// group.
void ClearGroup(RadioSettings& s);

// Which plan's channel a stored frequency text is: "PMR446" channel 3 for
// 446.03125. The first plan of the table that has it; nullopt for none.
struct PlanChannel {
    std::string_view plan;
    int channel = 0; // the plan's own numbering, from 1
};
std::optional<PlanChannel> PlanChannelOf(std::string_view text, std::span<const ChannelPlan> plans = kChannelPlans);

// Channels of one group that store the same frequency text.
struct DuplicateChannels {
    std::string text;          // the stored text they share
    std::vector<int> channels; // 0..7, ascending, two or more
};

// Every frequency stored more than once in `group` (0..7), ordered by its
// first channel; empty channels never count. Empty for no group.
std::vector<DuplicateChannels> FindDuplicates(const RadioSettings& s, int group);

} // namespace velmar
