#include "GroupSelection.h"

namespace velmar {

namespace {

bool GroupInRange(const RadioSettings& s) {
    return s.m_nGroup >= 0 && s.m_nGroup < kGroupCount;
}

std::size_t Group(const RadioSettings& s) {
    return static_cast<std::size_t>(s.m_nGroup);
}

} // namespace

void ClearGroupCodes(RadioSettings& s) {
    if (GroupInRange(s)) {
        s.m_strGroupCode[Group(s)] = {};
    }
}

void ClearGroupChannels(RadioSettings& s) {
    if (GroupInRange(s)) {
        s.m_strGroupChannel[Group(s)] = {};
    }
}

void LoadGroupChannels(RadioSettings& s) {
    if (GroupInRange(s)) {
        s.m_strChannel = s.m_strGroupChannel[Group(s)];
    }
}

int GroupSpacing(const RadioSettings& s) {
    const int spacing = GroupInRange(s) ? s.m_nGroupSpacing[Group(s)] : 0;
    return spacing == 1 ? 1 : 0;
}

void ClickSpacing(RadioSettings& s) {
    s.m_strChannel = {};
    ClearGroupCodes(s);
    ClearGroupChannels(s);
    if (GroupInRange(s)) {
        s.m_nGroupSpacing[Group(s)] = s.m_nSpacing;
    }
}

} // namespace velmar
