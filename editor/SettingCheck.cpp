#include "SettingCheck.h"

#include "ChannelPlans.h"
#include "CodeTables.h"

#include <map>

namespace velmar {

std::vector<SettingWarning> CheckSetting(const RadioSettings& s) {
    std::vector<SettingWarning> warnings;
    if (s.m_nMode != kGroupMode) {
        return warnings;
    }
    for (int g = 0; g < kGroupCount; ++g) {
        const auto gi = static_cast<std::size_t>(g);
        const int spacing = s.m_nGroupSpacing[gi];
        std::map<std::string, std::vector<int>> otherSpacing; // by plan
        std::vector<int> outside;
        for (int c = 0; c < kChannelCount; ++c) {
            const std::string& text = s.m_strGroupChannel[gi][static_cast<std::size_t>(c)];
            if (text.empty()) {
                continue;
            }
            const std::optional<PlanChannel> plan = PlanChannelOf(text);
            if (!plan) {
                outside.push_back(c);
                continue;
            }
            for (const ChannelPlan& row : kChannelPlans) {
                if (row.name == plan->plan && row.spacing != spacing) {
                    otherSpacing[std::string(row.name)].push_back(c);
                }
            }
        }
        for (const auto& [plan, channels] : otherSpacing) {
            SettingWarning w;
            w.kind = SettingWarning::Kind::PlanInOtherSpacing;
            w.group = g;
            w.channels = channels;
            w.plan = plan;
            for (const ChannelPlan& row : kChannelPlans) {
                w.fixSpacing = row.name == plan ? row.spacing : w.fixSpacing;
            }
            warnings.push_back(std::move(w));
        }
        for (const DuplicateChannels& twice : FindDuplicates(s, g)) {
            SettingWarning w;
            w.group = g;
            w.channels = twice.channels;
            w.frequency = twice.text;
            warnings.push_back(std::move(w));
        }
        if (!outside.empty()) {
            SettingWarning w;
            w.kind = SettingWarning::Kind::OutsideLicenceFree;
            w.group = g;
            w.channels = outside;
            warnings.push_back(std::move(w));
        }
    }
    return warnings;
}

} // namespace velmar
