#pragma once
// The setting being edited, and the one owner of it: the group in view, the mode, the texts the eight channel
// edits show (settled or still being typed), the history of settled changes, and whether it differs from what a
// file holds. Every change comes in as a command and answers with a typed result: what changed, what the entry
// rules completed, moved or refused, and which group to show. The settings dialog, the All Channels table and
// the Properties dialog are views: they show what the editor holds and send it commands, and nothing reads the
// setting back from them. Plain C++, one thread.

#include "ChannelCsv.h"
#include "ChannelEntry.h"
#include "ChannelPlans.h"
#include "RadioSettings.h"
#include "SettingHistory.h"
#include "SettingLabels.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmar {

// A channel changed elsewhere than in its edit (a paste, a cell of the table): its frequency or its name as
// typed ("" empties it).
struct ChannelEdit {
    int group = 0;
    int channel = 0;
    std::string text;
    bool name = false;
};

// What a mode opens, as a click on its radio gives it: the spacing radios, the band controls and the group
// controls (the Group combo, the channel edits and every channel command).
struct ModeEnabling {
    bool spacing25k = false;
    bool spacing12k5 = true;
    bool band = false;
    bool group = false;
};
ModeEnabling EnablingOf(int mode);

// What the entry rules did to one text.
struct EntryNote {
    enum class Kind {
        Completed,   // a beginning typed into an edit, completed with zeros: `typed` became `shown`
        Corrected,   // a whole text typed into an edit, changed as `correction` says: `typed` became `shown`
        Typed,       // a text that arrived whole (a paste, a cell): `entry` says what became of it
        NameRefused, // a name not taken: `name` says why
    } kind = Kind::Typed;
    int group = -1;
    int channel = -1;
    std::string typed;
    std::string shown;
    Correction correction = Correction::None;
    TypedChannel entry;
    LabelProblem name = LabelProblem::None;
};

// What a command did.
struct EditResult {
    bool changed = false;          // the setting changed (a step of the history, or the texts being typed)
    bool refused = false;          // nothing done: the command is not open now (outside "GRUOP", no group)
    bool invalidCharacter = false; // a typed character failed its check: "Please Input Integer"
    bool showAgain = false;        // the views show the setting anew; when false an edit keeps what was typed
    bool replaced = false;         // another setting took the place of this one: what was said of it is stale
    int group = -1;                // the group in view afterwards
    std::vector<EntryNote> notes;
    // The frequencies that stand twice in the group in view, after a change of its channels without a note.
    std::vector<DuplicateChannels> duplicates;
};

// A channel edit that shows something other than what is stored for it.
struct UnsettledChannel {
    int group = -1;
    int channel = -1;
    std::string shown;
};

// A channel list's import as it is about to happen and as it happened.
struct ImportFacts {
    struct SpacingChange {
        int group = -1;
        int from = 0; // 0 12.5 kHz, 1 25 kHz
        int to = 0;
        int nfm = 0; // the group's rows that said NFM and FM
        int fm = 0;
    };
    // A channel whose frequency or name changes; "" for none.
    struct ChannelChange {
        int group = -1;
        int channel = -1;
        std::string from, to;
        std::string fromName, toName;
    };
    std::vector<SpacingChange> spacing;
    std::vector<ChannelChange> changed; // by the list's rows, either way
    std::vector<ChannelChange> emptied; // what replacing all channels does beyond a merge: from the merge's result
    int replaced = 0;                   // channels the list names
    int kept = 0;                       // channels left as they were
};

// How a list's rows go into the setting.
enum class ImportWay {
    Merge,      // the rows replace the channels they name; the rest stay
    ReplaceAll, // the channels (and names) the list does not name are emptied
};

// The title or the notes refused by File > Properties.
struct LabelRefusal {
    bool title = true; // else the notes
    LabelProblem problem = LabelProblem::None;
    std::size_t most = 0;
};

// The rule File > Properties keeps: nullopt when both may be kept.
std::optional<LabelRefusal> CheckProperties(const std::string& title, const std::string& notes);

// Pasted text as lines: CR LF, LF and CR alone all end a line, as the channel list reader takes them; the end of
// the last line and blank lines after it are no lines.
std::vector<std::string> PastedLines(std::string_view text);

class CSettingEditor {
public:
    CSettingEditor();

    // The setting with what the edits show (m_strChannel, settled or not), the group in view, the mode.
    [[nodiscard]] const RadioSettings& Setting() const { return m_setting; }
    // The same with the edits showing what is stored: what Send writes and a file keeps.
    [[nodiscard]] RadioSettings Settled() const;
    [[nodiscard]] int Group() const { return m_setting.m_nGroup; }
    [[nodiscard]] bool GroupInRange() const { return Group() >= 0 && Group() < kGroupCount; }
    [[nodiscard]] ModeEnabling Enabling() const { return EnablingOf(m_setting.m_nMode); }
    // True in "GRUOP", the one mode whose channels are programmed here.
    [[nodiscard]] bool ChannelsOpen() const { return Enabling().group && GroupInRange(); }
    // The first edit of the group in view whose text is not what is stored.
    [[nodiscard]] std::optional<UnsettledChannel> FirstUnsettled() const;

    // The settings dialog's channel edits.
    // Whether `text` typed into edit `channel` fails a character check, without changing anything: the box
    // comes while the failing text still stands.
    [[nodiscard]] bool RefusesCharacter(int channel, const std::string& text) const;
    // Edit `channel` shows `text` now (a key, a paste, an undo of the edit's own).
    EditResult Type(int channel, const std::string& text);
    // Edit `channel` was left: a beginning of a frequency counts as typed out with zeros.
    EditResult Settle(int channel);
    // The edit's own keystrokes not yet settled are taken back: it shows what is stored again.
    EditResult Revert(int channel);

    // The dialog's other controls.
    EditResult SelectGroup(int group);
    EditResult ClickSpacing(int spacing);
    EditResult SetMode(int mode);
    // The options of `from` (every field the option controls hold but the mode, which SetMode takes).
    EditResult SetOptions(const RadioSettings& from);

    // Channel commands, each one step of the history; refused outside "GRUOP".
    EditResult EnterChannels(const std::vector<ChannelEdit>& edits, SettingChange name = {});
    // Up to eight lines into CH1 onwards of the group in view, as if typed (a tab ends a line's first field).
    EditResult PasteGroup(const std::string& text);
    // The group in view's eight stored texts, its edits settled first; nullopt outside "GRUOP".
    std::optional<PerChannel<std::string>> CopyGroup(EditResult* settled = nullptr);
    // How many channels of the group in view hold a frequency.
    [[nodiscard]] int FilledChannelCount() const;
    EditResult FillGroup(const PlanSlice& slice);
    EditResult ClearGroup();
    // What an import of `list` would do.
    [[nodiscard]] ImportFacts ImportWouldDo(const CsvImport& list) const;
    // The list's rows go in `way`: one step of the history.
    EditResult Import(const CsvImport& list, ImportWay way);
    // File > Properties; nullopt when taken (or nothing changed), else what is in the way.
    std::optional<LabelRefusal> SetProperties(const std::string& title, const std::string& notes,
                                              EditResult* result = nullptr);

    // Undo and Redo bring the group they change into view.
    [[nodiscard]] const CSettingHistory& History() const { return m_history; }
    EditResult Undo();
    EditResult Redo();

    // Another setting altogether (a file opened, New, a record): a new history, and `setting` the unchanged one.
    EditResult Replace(const RadioSettings& setting);
    // Work kept against a crash comes back: its changes stay unsaved against `saved`, and the texts that were
    // being typed into the edits of the group in view come back as texts to settle.
    EditResult Restore(const RadioSettings& work, const RadioSettings& saved);
    // What is shown now is what a file holds.
    void MarkSaved();
    // Whether the setting differs from the one last opened or saved in what Send writes or a label.
    [[nodiscard]] bool IsModified() const;
    // Modified, or an edit holds text not yet settled: what recovery keeps.
    [[nodiscard]] bool HasUnsavedWork() const { return IsModified() || FirstUnsettled().has_value(); }

private:
    // One step back (Undo) or on (Redo).
    EditResult Step(bool back);
    // Records a step when the settled setting changed; true when it did.
    bool Commit(SettingChange name = {});
    // Shows `group`: the edits its stored texts, the spacing radios what the mode shows for it.
    void ShowGroup(int group);
    // The spacing the radios show in the current mode (GRUOP: the group's own).
    int ShownSpacing() const;
    EditResult Done(bool changed, bool showAgain = true);
    void NoteDuplicates(EditResult& result) const;
    // Completes each edit of the group in view that holds a beginning.
    void CompleteEdits(EditResult& result);

    RadioSettings m_setting;
    RadioSettings m_saved;
    CSettingHistory m_history;
};

} // namespace velmar
