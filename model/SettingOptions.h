#pragma once
// The 13 options of a setting, each with its list and the record's field, in the order the dialog, the setting
// file and every comparison take them.

#include "CodeTables.h"
#include "RadioSettings.h"

#include <array>
#include <string>

namespace velmar {

struct SettingOption {
    const OptionList* list;
    int RadioSettings::*index; // none for BCLO, whose record field is the item text itself
};

inline constexpr std::array<SettingOption, 13> kSettingOptions{{
    {&kScanDelayList, &RadioSettings::m_nScanDelay},
    {&kPttFpList, &RadioSettings::m_nPttFp},
    {&kBcloList, nullptr},
    {&kPttTotList, &RadioSettings::m_nPttTot},
    {&kVoxAttackList, &RadioSettings::m_nVoxAttack},
    {&kVoxReleaseList, &RadioSettings::m_nVoxRelease},
    {&kButtonLongList, &RadioSettings::m_nButtonLongTime},
    {&kPowerSaveList, &RadioSettings::m_nPowerSave},
    {&kCtcssList, &RadioSettings::m_nCtcss},
    {&kDcsList, &RadioSettings::m_nDcs},
    {&kSelfToneList, &RadioSettings::m_nSelfTone},
    {&kModeList, &RadioSettings::m_nMode},
    {&kBandList, &RadioSettings::m_nBand},
}};

// The item `s` has chosen for `option`, as the dialog shows it; "" when its index is outside the list (a radio
// group with nothing checked).
inline std::string OptionItem(const RadioSettings& s, const SettingOption& option) {
    if (option.index == nullptr) {
        return s.m_strBclo;
    }
    const auto i = static_cast<std::size_t>(s.*option.index);
    return i < option.list->items.size() ? std::string(option.list->items[i]) : std::string();
}

} // namespace velmar
