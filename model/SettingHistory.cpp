#include "SettingHistory.h"

#include "ChannelEntry.h"
#include "CodeTables.h"
#include "ProgrammingFrame.h"
#include "SettingFile.h"
#include "SettingOptions.h"

#include <algorithm>
#include <array>

namespace velmar {

namespace {

// The channel tables hold what Send sends as codes and what the window shows as texts; a history step must
// show what it sends, so the edits are the current group's stored texts.
RadioSettings Settled(RadioSettings s) {
    if (s.m_nGroup >= 0 && s.m_nGroup < kGroupCount) {
        s.m_strChannel = s.m_strGroupChannel[static_cast<std::size_t>(s.m_nGroup)];
    }
    return s;
}

std::string Item(const OptionList& list, int index) {
    const auto i = static_cast<std::size_t>(index);
    return i < list.items.size() ? std::string(list.items[i]) : std::string();
}

} // namespace

std::vector<SettingDifference> CompareSettings(const RadioSettings& before, const RadioSettings& after) {
    std::vector<SettingDifference> found;
    for (int g = 0; g < kGroupCount; ++g) {
        const auto gi = static_cast<std::size_t>(g);
        if (before.m_nGroupSpacing[gi] != after.m_nGroupSpacing[gi]) {
            found.push_back({SettingDifference::Kind::Spacing, g, -1, std::string(kSpacingList.label),
                             Item(kSpacingList, before.m_nGroupSpacing[gi]),
                             Item(kSpacingList, after.m_nGroupSpacing[gi])});
        }
        for (int c = 0; c < kChannelCount; ++c) {
            const auto ci = static_cast<std::size_t>(c);
            // The code is what Send writes; an empty code goes out as a rejected one.
            const auto code = [&](const RadioSettings& s) {
                const std::string& k = s.m_strGroupCode[gi][ci];
                return k.empty() ? std::string(kRejectedCode) : k;
            };
            if (code(before) != code(after)) {
                found.push_back({SettingDifference::Kind::Channel,
                                 g,
                                 c,
                                 {},
                                 before.m_strGroupChannel[gi][ci],
                                 after.m_strGroupChannel[gi][ci]});
            }
        }
    }
    const auto label = [&](SettingDifference::Kind kind, int g, int c, const std::string& from, const std::string& to) {
        if (from != to) {
            found.push_back({kind, g, c, {}, from, to});
        }
    };
    for (const SettingOption& o : kSettingOptions) {
        const std::string from = OptionItem(before, o);
        const std::string to = OptionItem(after, o);
        if (from != to) {
            found.push_back({SettingDifference::Kind::Option, -1, -1, std::string(o.list->label), from, to});
        }
    }
    label(SettingDifference::Kind::Title, -1, -1, before.m_strTitle, after.m_strTitle);
    label(SettingDifference::Kind::Notes, -1, -1, before.m_strNotes, after.m_strNotes);
    for (int g = 0; g < kGroupCount; ++g) {
        for (int c = 0; c < kChannelCount; ++c) {
            label(SettingDifference::Kind::Name, g, c,
                  before.m_strGroupName[static_cast<std::size_t>(g)][static_cast<std::size_t>(c)],
                  after.m_strGroupName[static_cast<std::size_t>(g)][static_cast<std::size_t>(c)]);
        }
    }
    return found;
}

SettingChange DescribeChange(const RadioSettings& before, const RadioSettings& after) {
    const std::vector<SettingDifference> found = CompareSettings(before, after);
    if (found.empty()) {
        return {};
    }
    const SettingDifference& d = found.front();
    // A spacing click empties its group's channels too: one change of the group's spacing.
    const bool oneSpacing = d.kind == SettingDifference::Kind::Spacing &&
                            std::all_of(found.begin() + 1, found.end(), [&](const SettingDifference& e) {
                                return e.kind == SettingDifference::Kind::Channel && e.group == d.group;
                            });
    SettingChange change;
    if (found.size() > 1 && !oneSpacing) {
        change.kind = SettingChange::Kind::Several;
        return change;
    }
    change.group = d.group;
    change.channel = d.channel;
    change.option = d.label;
    switch (d.kind) {
    case SettingDifference::Kind::Channel:
        change.kind = SettingChange::Kind::Channel;
        break;
    case SettingDifference::Kind::Spacing:
        change.kind = SettingChange::Kind::Spacing;
        break;
    case SettingDifference::Kind::Option:
        change.kind = SettingChange::Kind::Option;
        break;
    case SettingDifference::Kind::Name:
        change.kind = SettingChange::Kind::Name;
        break;
    case SettingDifference::Kind::Title:
        change.kind = SettingChange::Kind::Title;
        break;
    case SettingDifference::Kind::Notes:
        change.kind = SettingChange::Kind::Notes;
        break;
    }
    return change;
}

void CSettingHistory::Reset(const RadioSettings& s) {
    m_steps.assign(1, Step{Settled(s), {}});
    m_at = 0;
}

bool CSettingHistory::Record(const RadioSettings& s, SettingChange name) {
    if (SameSetting(s, Current())) {
        return false;
    }
    if (name.kind == SettingChange::Kind::None) {
        name = DescribeChange(Current(), s);
    }
    m_steps.resize(m_at + 1);
    m_steps.push_back({Settled(s), std::move(name)});
    if (m_steps.size() > kSteps + 1) {
        m_steps.erase(m_steps.begin());
    }
    m_at = m_steps.size() - 1;
    return true;
}

const RadioSettings& CSettingHistory::Undo() {
    return m_steps[--m_at].setting;
}

const RadioSettings& CSettingHistory::Redo() {
    return m_steps[++m_at].setting;
}

} // namespace velmar
