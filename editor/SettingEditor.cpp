#include "SettingEditor.h"

#include "GroupSelection.h"
#include "SettingFile.h"
#include "SettingOptions.h"

namespace velmar {

namespace {

constexpr int kModeLpd = 1;
constexpr int kModePmrLpd = 3;

bool ChannelInRange(int channel) {
    return channel >= 0 && channel < kChannelCount;
}

std::size_t At(int index) {
    return static_cast<std::size_t>(index);
}

// A note on a text typed into an edit: `typed` became `shown`.
EntryNote EditedNote(EntryNote::Kind kind, int group, int channel, std::string typed, std::string shown,
                     Correction correction) {
    EntryNote note;
    note.kind = kind;
    note.group = group;
    note.channel = channel;
    note.typed = std::move(typed);
    note.shown = std::move(shown);
    note.correction = correction;
    return note;
}

} // namespace

ModeEnabling EnablingOf(int mode) {
    switch (mode) {
    case kModeLpd:
        return {.spacing25k = true, .spacing12k5 = false, .band = false, .group = false};
    case kGroupMode:
        return {.spacing25k = true, .spacing12k5 = true, .band = true, .group = true};
    case kModePmrLpd:
        return {.spacing25k = false, .spacing12k5 = false, .band = false, .group = false};
    default: // PMR, the mode the dialog starts in, and no mode at all
        return {.spacing25k = false, .spacing12k5 = true, .band = false, .group = false};
    }
}

CSettingEditor::CSettingEditor() {
    Replace(RadioSettings{});
}

RadioSettings CSettingEditor::Settled() const {
    RadioSettings s = m_setting;
    LoadGroupChannels(s);
    return s;
}

std::optional<UnsettledChannel> CSettingEditor::FirstUnsettled() const {
    if (!GroupInRange()) {
        return std::nullopt;
    }
    for (int c = 0; c < kChannelCount; ++c) {
        const std::string& shown = m_setting.m_strChannel[At(c)];
        if (shown != m_setting.m_strGroupChannel[At(Group())][At(c)]) {
            return UnsettledChannel{Group(), c, shown};
        }
    }
    return std::nullopt;
}

bool CSettingEditor::Commit(SettingChange name) {
    return m_history.Record(Settled(), std::move(name));
}

int CSettingEditor::ShownSpacing() const {
    switch (m_setting.m_nMode) {
    case kModeLpd:
        return 1;
    case kGroupMode:
        return GroupSpacing(m_setting);
    case kModePmrLpd:
        return m_setting.m_nSpacing;
    default:
        return 0;
    }
}

void CSettingEditor::ShowGroup(int group) {
    m_setting.m_nGroup = group;
    LoadGroupChannels(m_setting);
    m_setting.m_nSpacing = ShownSpacing();
}

EditResult CSettingEditor::Done(bool changed, bool showAgain) {
    EditResult r;
    r.changed = changed;
    r.showAgain = showAgain;
    r.group = Group();
    return r;
}

void CSettingEditor::NoteDuplicates(EditResult& result) const {
    if (GroupInRange() && result.notes.empty()) {
        result.duplicates = FindDuplicates(m_setting, Group());
    }
}

bool CSettingEditor::RefusesCharacter(int channel, const std::string& text) const {
    if (!GroupInRange() || !ChannelInRange(channel)) {
        return false;
    }
    RadioSettings trial = m_setting;
    trial.m_strChannel[At(channel)] = text;
    return EnterChannelText(trial, channel).invalidCharacter;
}

EditResult CSettingEditor::Type(int channel, const std::string& text) {
    if (!GroupInRange() || !ChannelInRange(channel)) {
        EditResult r = Done(false, true);
        r.refused = true;
        return r;
    }
    m_setting.m_strChannel[At(channel)] = text;
    const ChannelChange change = EnterChannelText(m_setting, channel);
    Commit();
    EditResult r = Done(true, change.writeBack);
    r.invalidCharacter = change.invalidCharacter;
    if (change.correction != Correction::None) {
        r.notes.push_back(EditedNote(EntryNote::Kind::Corrected, Group(), channel, change.entered,
                                     m_setting.m_strChannel[At(channel)], change.correction));
    } else if (change.writeBack) {
        NoteDuplicates(r);
    }
    return r;
}

namespace {

// Completes a beginning in edit `channel` as if the zeros had been typed; false when it holds none.
bool CompleteEdit(RadioSettings& s, int channel, std::vector<EntryNote>& notes) {
    const std::string typed = s.m_strChannel[At(channel)];
    const std::optional<std::string> completed = CompleteFreqBeginning(typed);
    if (!completed) {
        return false;
    }
    s.m_strChannel[At(channel)] = *completed;
    const ChannelChange change = EnterChannelText(s, channel);
    const bool corrected = change.correction != Correction::None;
    notes.push_back(EditedNote(corrected ? EntryNote::Kind::Corrected : EntryNote::Kind::Completed, s.m_nGroup, channel,
                               corrected ? change.entered : typed, s.m_strChannel[At(channel)], change.correction));
    return true;
}

} // namespace

EditResult CSettingEditor::Settle(int channel) {
    if (!GroupInRange() || !ChannelInRange(channel)) {
        return Done(false, false);
    }
    EditResult r = Done(false, false);
    if (CompleteEdit(m_setting, channel, r.notes)) {
        Commit();
        r.changed = r.showAgain = true;
    }
    return r;
}

EditResult CSettingEditor::Revert(int channel) {
    if (!GroupInRange() || !ChannelInRange(channel)) {
        return Done(false, false);
    }
    std::string& shown = m_setting.m_strChannel[At(channel)];
    const std::string& stored = m_setting.m_strGroupChannel[At(Group())][At(channel)];
    const bool changed = shown != stored;
    shown = stored;
    return Done(changed, changed);
}

void CSettingEditor::CompleteEdits(EditResult& result) {
    if (!GroupInRange()) {
        return;
    }
    for (int c = 0; c < kChannelCount; ++c) {
        result.changed |= CompleteEdit(m_setting, c, result.notes);
    }
    if (result.changed) {
        Commit();
    }
}

EditResult CSettingEditor::SelectGroup(int group) {
    // What the edits of the group being left hold counts under the group it was typed for.
    EditResult r;
    CompleteEdits(r);
    ShowGroup(group);
    r.showAgain = true;
    r.group = Group();
    return r;
}

EditResult CSettingEditor::ClickSpacing(int spacing) {
    m_setting.m_nSpacing = spacing;
    velmar::ClickSpacing(m_setting);
    return Done(Commit());
}

EditResult CSettingEditor::SetMode(int mode) {
    m_setting.m_nMode = mode;
    m_setting.m_nSpacing = ShownSpacing();
    return Done(Commit());
}

EditResult CSettingEditor::SetOptions(const RadioSettings& from) {
    for (const SettingOption& option : kSettingOptions) {
        if (option.index == nullptr) {
            m_setting.m_strBclo = from.m_strBclo;
        } else if (option.index != &RadioSettings::m_nMode) {
            m_setting.*option.index = from.*option.index;
        }
    }
    return Done(Commit(), false);
}

EditResult CSettingEditor::EnterChannels(const std::vector<ChannelEdit>& edits, SettingChange name) {
    if (!ChannelsOpen()) {
        EditResult r = Done(false); // a refused cell goes back to what is stored
        r.refused = true;
        return r;
    }
    EditResult r;
    for (const ChannelEdit& e : edits) {
        if (e.group < 0 || e.group >= kGroupCount || !ChannelInRange(e.channel)) {
            continue;
        }
        const auto g = At(e.group), c = At(e.channel);
        if (e.name) {
            if (const LabelProblem problem = CheckName(e.text); problem == LabelProblem::None) {
                m_setting.m_strGroupName[g][c] = e.text;
            } else {
                EntryNote note = EditedNote(EntryNote::Kind::NameRefused, e.group, e.channel, e.text, {}, {});
                note.name = problem;
                r.notes.push_back(std::move(note));
            }
            continue;
        }
        const TypedChannel typed = EnterTypedText(e.text);
        if (typed.refused || typed.completed || typed.correction != Correction::None) {
            EntryNote note = EditedNote(EntryNote::Kind::Typed, e.group, e.channel, typed.typed, typed.stored.text,
                                        typed.correction);
            note.entry = typed;
            r.notes.push_back(std::move(note));
        }
        if (!typed.refused) {
            m_setting.m_strGroupChannel[g][c] = typed.stored.text;
            m_setting.m_strGroupCode[g][c] = typed.stored.code;
        }
    }
    LoadGroupChannels(m_setting);
    r.changed = Commit(std::move(name));
    r.showAgain = true;
    r.group = Group();
    NoteDuplicates(r);
    return r;
}

std::vector<std::string> PastedLines(std::string_view text) {
    std::vector<std::string> lines;
    for (std::size_t at = 0; at <= text.size();) {
        const std::size_t end = std::min(text.find_first_of("\r\n", at), text.size());
        lines.emplace_back(text.substr(at, end - at));
        at = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    while (!lines.empty() && lines.back().find_first_not_of(" \t") == std::string::npos) {
        lines.pop_back();
    }
    return lines;
}

EditResult CSettingEditor::PasteGroup(const std::string& text) {
    const std::vector<std::string> lines = PastedLines(text);
    std::vector<ChannelEdit> edits;
    for (int c = 0; c < kChannelCount && At(c) < lines.size(); ++c) {
        const std::string& line = lines[At(c)];
        edits.push_back({Group(), c, line.substr(0, line.find('\t'))});
    }
    return EnterChannels(edits, SettingChange::Of(SettingChange::Command::PasteGroup, Group()));
}

std::optional<PerChannel<std::string>> CSettingEditor::CopyGroup(EditResult* settled) {
    if (!ChannelsOpen()) {
        return std::nullopt;
    }
    EditResult r;
    CompleteEdits(r);
    r.showAgain = r.changed;
    r.group = Group();
    if (settled != nullptr) {
        *settled = std::move(r);
    }
    return m_setting.m_strGroupChannel[At(Group())];
}

int CSettingEditor::FilledChannelCount() const {
    return velmar::FilledChannelCount(m_setting);
}

EditResult CSettingEditor::FillGroup(const PlanSlice& slice) {
    if (!ChannelsOpen()) {
        EditResult r = Done(false, false);
        r.refused = true;
        return r;
    }
    velmar::FillGroup(m_setting, slice);
    EditResult r = Done(Commit(SettingChange::Of(SettingChange::Command::FillGroup, Group())));
    NoteDuplicates(r);
    return r;
}

EditResult CSettingEditor::ClearGroup() {
    if (!ChannelsOpen()) {
        EditResult r = Done(false, false);
        r.refused = true;
        return r;
    }
    velmar::ClearGroup(m_setting);
    return Done(Commit(SettingChange::Of(SettingChange::Command::ClearGroup, Group())));
}

namespace {

void EmptyAllChannels(RadioSettings& s) {
    for (int g = 0; g < kGroupCount; ++g) {
        for (int c = 0; c < kChannelCount; ++c) {
            s.m_strGroupChannel[At(g)][At(c)].clear();
            s.m_strGroupCode[At(g)][At(c)].clear();
            s.m_strGroupName[At(g)][At(c)].clear();
        }
    }
}

} // namespace

ImportFacts CSettingEditor::ImportWouldDo(const CsvImport& list) const {
    ImportFacts facts;
    RadioSettings merged = m_setting;
    ApplyCsvImport(merged, list);
    RadioSettings replaced = m_setting;
    EmptyAllChannels(replaced);
    ApplyCsvImport(replaced, list);
    for (int g = 0; g < kGroupCount; ++g) {
        for (int c = 0; c < kChannelCount; ++c) {
            const std::string& now = m_setting.m_strGroupChannel[At(g)][At(c)];
            const std::string& name = m_setting.m_strGroupName[At(g)][At(c)];
            const std::string& to = merged.m_strGroupChannel[At(g)][At(c)];
            const std::string& toName = merged.m_strGroupName[At(g)][At(c)];
            const std::string& toAll = replaced.m_strGroupChannel[At(g)][At(c)];
            const std::string& toAllName = replaced.m_strGroupName[At(g)][At(c)];
            facts.replaced += list.channels[At(g)][At(c)].has_value() ? 1 : 0;
            if (to != now || toName != name) {
                facts.changed.push_back({g, c, now, to, name, toName});
            }
            if (toAll != to || toAllName != toName) {
                facts.emptied.push_back({g, c, to, toAll, toName, toAllName});
            }
        }
        const int from = m_setting.m_nGroupSpacing[At(g)];
        if (const std::optional<int> to = list.spacing[At(g)]; to && *to != from) {
            ImportFacts::SpacingChange change{g, from, *to, *to == 0 ? 1 : 0, *to == 1 ? 1 : 0};
            for (const CsvNote& note : list.notes) {
                if (note.kind == CsvNoteKind::SpacingMajority && note.group == g) {
                    change.nfm = note.nfm;
                    change.fm = note.fm;
                }
            }
            facts.spacing.push_back(change);
        }
    }
    facts.kept = kGroupCount * kChannelCount - facts.replaced;
    return facts;
}

EditResult CSettingEditor::Import(const CsvImport& list, ImportWay way) {
    if (way == ImportWay::ReplaceAll) {
        EmptyAllChannels(m_setting);
    }
    ApplyCsvImport(m_setting, list);
    ShowGroup(Group());
    EditResult r = Done(Commit(SettingChange::Of(SettingChange::Command::ImportChannels)));
    NoteDuplicates(r);
    return r;
}

std::optional<LabelRefusal> CheckProperties(const std::string& title, const std::string& notes) {
    if (const LabelProblem p = CheckLabel(title, kTitleMaxCharacters); p != LabelProblem::None) {
        return LabelRefusal{true, p, kTitleMaxCharacters};
    }
    if (const LabelProblem p = CheckLabel(notes, kNotesMaxCharacters, true); p != LabelProblem::None) {
        return LabelRefusal{false, p, kNotesMaxCharacters};
    }
    return std::nullopt;
}

std::optional<LabelRefusal> CSettingEditor::SetProperties(const std::string& title, const std::string& notes,
                                                          EditResult* result) {
    if (std::optional<LabelRefusal> refusal = CheckProperties(title, notes)) {
        return refusal;
    }
    const bool both = m_setting.m_strTitle != title && m_setting.m_strNotes != notes;
    m_setting.m_strTitle = title;
    m_setting.m_strNotes = notes;
    const EditResult r =
        Done(Commit(both ? SettingChange::Of(SettingChange::Command::Properties) : SettingChange{}), false);
    if (result != nullptr) {
        *result = r;
    }
    return std::nullopt;
}

EditResult CSettingEditor::Undo() {
    return Step(true);
}

EditResult CSettingEditor::Redo() {
    return Step(false);
}

EditResult CSettingEditor::Step(bool back) {
    if (!(back ? m_history.CanUndo() : m_history.CanRedo())) {
        return Done(false, false);
    }
    // The group the step changes comes into view, so that what was taken back or brought again can be seen.
    const int group = (back ? m_history.UndoChange() : m_history.RedoChange()).group;
    const int shown = group >= 0 ? group : Group();
    m_setting = back ? m_history.Undo() : m_history.Redo();
    ShowGroup(shown);
    return Done(true);
}

EditResult CSettingEditor::Replace(const RadioSettings& setting) {
    m_setting = setting;
    ShowGroup(setting.m_nGroup);
    m_saved = Settled();
    m_history.Reset(m_saved);
    EditResult r = Done(true);
    r.replaced = true;
    return r;
}

EditResult CSettingEditor::Restore(const RadioSettings& work, const RadioSettings& saved) {
    m_setting = work;
    m_setting.m_nSpacing = ShownSpacing();
    if (!GroupInRange()) {
        ShowGroup(0);
    }
    m_saved = saved;
    m_history.Reset(Settled());
    EditResult r = Done(true);
    r.replaced = true;
    return r;
}

void CSettingEditor::MarkSaved() {
    m_saved = Settled();
}

bool CSettingEditor::IsModified() const {
    return !SameSetting(Settled(), m_saved);
}

} // namespace velmar
