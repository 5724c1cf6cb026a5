#pragma once
// The edit history of a setting, for Undo and Redo: one step per settled change, a step being the whole
// setting as it stood after the change and a name for what changed. A change counts when it changes the frame
// Send would write or a label; choosing a group to look at, or a text still being typed, does not. And the comparison
// of two settings, for naming a step and for comparing with a file or a record of a Send. The labels (a title, notes,
// names) change no frame but are changes all the same. Plain C++: any thread, one history per thread.

#include "RadioSettings.h"

#include <cstddef>
#include <string>
#include <vector>

namespace velmar {

// What one change did, as its name says it: a channel, a group's spacing, an option, a channel's name, the
// title, the notes, several things at once, or a command that did several (named by the command).
struct SettingChange {
    enum class Kind { None, Channel, Spacing, Option, Name, Title, Notes, Several, Command } kind = Kind::None;
    enum class Command {
        None,
        FillGroup,
        ClearGroup,
        ImportChannels,
        PasteGroup,
        PasteChannels,
        DeleteChannels,
        Properties
    };
    int group = -1;
    int channel = -1;
    std::string option; // the option's label
    Command command = Command::None;

    static SettingChange Of(Command command, int group = -1) {
        SettingChange c;
        c.kind = Kind::Command;
        c.command = command;
        c.group = group;
        return c;
    }
};

// The one thing that differs between `before` and `after`; Several when more than one does.
SettingChange DescribeChange(const RadioSettings& before, const RadioSettings& after);

// Every difference between two settings, by group, channel and option: what Send writes, then the labels.
struct SettingDifference {
    enum class Kind { Channel, Spacing, Option, Name, Title, Notes } kind = Kind::Channel;
    int group = -1;
    int channel = -1;
    std::string label; // the option's
    std::string from;  // in `before`: a channel's text or name ("" for none), a spacing's or an option's item
    std::string to;    // in `after`
};
std::vector<SettingDifference> CompareSettings(const RadioSettings& before, const RadioSettings& after);

class CSettingHistory {
public:
    static constexpr std::size_t kSteps = 200; // the oldest go beyond this

    // Starts afresh at `s`: nothing to undo or redo.
    void Reset(const RadioSettings& s);
    // Records `s` as a step named `name` (a command's) or, when empty, as DescribeChange names it; nothing
    // happens when `s` writes the same frame as the current step. Redo is then lost. True when a step was added.
    bool Record(const RadioSettings& s, SettingChange name);

    [[nodiscard]] bool CanUndo() const { return m_at > 0; }
    [[nodiscard]] bool CanRedo() const { return m_at + 1 < m_steps.size(); }
    // What Undo and Redo would take back or bring again.
    [[nodiscard]] const SettingChange& UndoChange() const { return m_steps[m_at].change; }
    [[nodiscard]] const SettingChange& RedoChange() const { return m_steps[m_at + 1].change; }
    // Moves one step back or on and returns the setting of the step now current. Only when CanUndo / CanRedo.
    const RadioSettings& Undo();
    const RadioSettings& Redo();
    [[nodiscard]] const RadioSettings& Current() const { return m_steps[m_at].setting; }

private:
    struct Step {
        RadioSettings setting;
        SettingChange change; // what led here from the step before
    };
    std::vector<Step> m_steps{Step{}};
    std::size_t m_at = 0;
};

} // namespace velmar
