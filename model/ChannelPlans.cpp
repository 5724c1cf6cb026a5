#include "ChannelPlans.h"

#include "GroupSelection.h"

#include <algorithm>
#include <utility>

namespace velmar {

static_assert(std::all_of(kChannelPlans.begin(), kChannelPlans.end(), PlanFitsRadio),
              "every built-in plan must survive the entry rules unchanged");

namespace {

constexpr int kUnitsPerMhz = 100000;

bool GroupInRange(int group) {
    return group >= 0 && group < kGroupCount;
}

// A slice built by hand may hold any row; a negative frequency has no text.
std::string FreqText(long long freq) {
    if (freq < 0) {
        return {};
    }
    std::string fraction = std::to_string(freq % kUnitsPerMhz);
    fraction.insert(0, 5 - fraction.size(), '0');
    return std::to_string(freq / kUnitsPerMhz) + "." + fraction;
}

} // namespace

std::vector<PlanSlice> PlanSlices(std::span<const ChannelPlan> plans) {
    std::vector<PlanSlice> slices;
    for (const ChannelPlan& plan : plans) {
        if (!PlanFitsRadio(plan)) {
            continue;
        }
        for (int first = 1; first <= plan.channels; first += kChannelCount) {
            slices.push_back({plan, first, std::min(kChannelCount, plan.channels - first + 1)});
        }
    }
    return slices;
}

std::optional<PlanChannel> PlanChannelOf(std::string_view text, std::span<const ChannelPlan> plans) {
    for (const ChannelPlan& plan : plans) {
        for (int n = 0; n < plan.channels; ++n) {
            if (FreqText(plan.firstFreq + static_cast<long long>(n) * plan.step) == text) {
                return PlanChannel{plan.name, n + 1};
            }
        }
    }
    return std::nullopt;
}

PerChannel<std::string> SliceTexts(const PlanSlice& slice) {
    PerChannel<std::string> texts{};
    for (int c = 0; c < std::min(slice.count, kChannelCount); ++c) {
        const long long index = static_cast<long long>(slice.firstChannel) - 1 + c;
        texts[static_cast<std::size_t>(c)] = FreqText(slice.plan.firstFreq + index * slice.plan.step);
    }
    return texts;
}

bool FillGroup(RadioSettings& s, const PlanSlice& slice) {
    if (!GroupInRange(s.m_nGroup)) {
        return false;
    }
    const PerChannel<std::string> texts = SliceTexts(slice);
    s.m_nSpacing = slice.plan.spacing;
    ClickSpacing(s);
    const auto g = static_cast<std::size_t>(s.m_nGroup);
    for (std::size_t c = 0; c < texts.size(); ++c) {
        EnteredChannel entered = EnterWholeText(texts[c]);
        s.m_strChannel[c] = entered.text;
        s.m_strGroupChannel[g][c] = std::move(entered.text);
        s.m_strGroupCode[g][c] = std::move(entered.code);
    }
    return true;
}

int FilledChannelCount(const RadioSettings& s) {
    if (!GroupInRange(s.m_nGroup)) {
        return 0;
    }
    const auto g = static_cast<std::size_t>(s.m_nGroup);
    int filled = 0;
    for (std::size_t c = 0; c < kChannelCount; ++c) {
        filled += !s.m_strGroupChannel[g][c].empty() || !s.m_strGroupCode[g][c].empty() ? 1 : 0;
    }
    return filled;
}

void ClearGroup(RadioSettings& s) {
    if (!GroupInRange(s.m_nGroup)) {
        return;
    }
    ClearGroupChannels(s);
    ClearGroupCodes(s);
    s.m_strChannel = {};
}

std::vector<DuplicateChannels> FindDuplicates(const RadioSettings& s, int group) {
    std::vector<DuplicateChannels> found;
    if (!GroupInRange(group)) {
        return found;
    }
    const PerChannel<std::string>& texts = s.m_strGroupChannel[static_cast<std::size_t>(group)];
    for (int c = 0; c < kChannelCount; ++c) {
        const std::string& text = texts[static_cast<std::size_t>(c)];
        // A text seen in an earlier channel was reported with that channel.
        if (text.empty() || std::find(texts.begin(), texts.begin() + c, text) != texts.begin() + c) {
            continue;
        }
        DuplicateChannels same{text, {c}};
        for (int d = c + 1; d < kChannelCount; ++d) {
            if (texts[static_cast<std::size_t>(d)] == text) {
                same.channels.push_back(d);
            }
        }
        if (same.channels.size() > 1) {
            found.push_back(std::move(same));
        }
    }
    return found;
}

} // namespace velmar
