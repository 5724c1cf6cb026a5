#pragma once
// The setting check before a Send: what may surprise on the air, said as warnings that never block. Only what is
// certain of the channel plans is checked; what Band Select does on the radio is not known here, so it is not.

#include "RadioSettings.h"

#include <string>
#include <vector>

namespace velmar {

struct SettingWarning {
    enum class Kind {
        PlanInOtherSpacing, // channels of `plan` in a group whose spacing is not the plan's (`fixSpacing`)
        OutsideLicenceFree, // channels in none of the licence-free plans (information)
        SameFrequency,      // `frequency` stored in more than one channel of the group
    };
    Kind kind = Kind::SameFrequency;
    int group = 0;             // 0..7
    std::vector<int> channels; // 0..7, ascending
    std::string plan;          // PlanInOtherSpacing: "PMR446", "LPD433"
    int fixSpacing = 0;        // PlanInOtherSpacing: the spacing radio that fits the plan (0 12.5 kHz, 1 25 kHz)
    std::string frequency;     // SameFrequency
};

// The warnings for `s`, by group and kind; none outside "GRUOP", where the groups are not in use.
std::vector<SettingWarning> CheckSetting(const RadioSettings& s);

} // namespace velmar
