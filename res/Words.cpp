#include "Words.h"
#include "HexText.h"

#include "CodeTables.h"
#include "Preferences.h"
#include "Strings.h"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace velmar::res {

namespace {

const char* const kEnDash = "\u2013";

std::string S(std::string_view text) {
    return std::string(text);
}

std::string Ch(int channel) {
    return "CH" + std::to_string(channel + 1);
}

std::string GroupName(int group) {
    return "Group " + std::string(1, static_cast<char>('A' + group));
}

std::string SettingName(std::string_view fileOrEmpty) {
    return fileOrEmpty.empty() ? std::string("a setting") : S(fileOrEmpty);
}

} // namespace

const char* const kVelmarUsage = R"(Usage: velmar [OPTION]... [FILE.velmar]
Program the channels and options of a UHF PMR/LPD hand-held radio.

Velmar shows one settings dialog: eight channel groups of eight frequencies
(400 to 500 MHz on a 6.25 kHz grid), a channel spacing per group and the
radio's options. Connect opens the radio's programming cable, COM1, at 4800
baud, 8 data bits, no parity and two stop bits; Send writes the whole setting
to the radio as one 258-byte programming frame in 141 paced writes. Settings
are kept in setting files (FILE.velmar), and every complete Send is kept in the
history of sent settings.

Options:
  FILE.velmar          open this setting file at start
      --port DEV       use the serial device DEV as COM1 for this run (a USB
                       cable such as /dev/ttyUSB0, or a pseudo-terminal)
      --card OUT.pdf   write the channel card of FILE.velmar to OUT.pdf and
                       exit, without a window: 0 when written, 2 when the
                       file is refused, 1 when the card cannot be written
  -h, --help           display this help and exit
      --version        output version information and exit

COM1 is the first of: --port DEV, the environment's VELMAR_COM1, the port
chosen last time in the window's Port menu, /dev/ttyS0. The status line says
which one is in force and why.

Environment:
  VELMAR_COM1      the serial device that COM1 stands for, for example
                   /dev/ttyUSB0 for a USB programming cable

Files:
  ~/.config/velmar/)" VELMAR_PREFERENCES_FILE_NAME R"(    what the window remembers: the port chosen,
                                 the recent files ($XDG_CONFIG_HOME/velmar
                                 when that is set)
  ~/.local/share/velmar/sent/    the settings of the last 500 complete Sends
                                 ($XDG_DATA_HOME/velmar/sent when that is set)

Examples:
  velmar club.velmar                    open a setting and send it from the window
  velmar --port /dev/ttyUSB0            use a USB programming cable as COM1
)";

std::string RecentEntry(int number, std::string_view path) {
    const std::string n = std::to_string(number);
    return (number < 10 ? "&" + n : n) + " " + S(path);
}

std::string Title(std::string_view settingTitle, std::string_view file, bool modified) {
    const std::string shown = settingTitle.empty() ? S(file)
                              : file.empty()       ? S(settingTitle)
                                                   : S(settingTitle) + " (" + S(file) + ")";
    return std::string(kAppTitle) + (shown.empty() ? "" : " - " + shown) + (modified ? " *" : "");
}

std::string RecordTitle(const SentRecordName& r, bool modified) {
    char text[96];
    std::snprintf(text, sizeof text, " - record of the Send of %04d-%02d-%02d %02d:%02d:%02d, checksum ", r.year,
                  r.month, r.day, r.hour, r.minute, r.second);
    return kAppTitle + std::string(text) + HexValue(r.checksum) +
           (r.stalled ? " (stalled: the radio may not have it)" : "") + (modified ? " *" : "");
}

std::string FindCablePrompt(int seconds) {
    return "Unplug the radio's programming cable now, or plug it in; if it was unplugged, plug it in again. Velmar "
           "watches the serial ports for " +
           std::to_string(seconds) + " seconds.";
}

std::string UnlistedPort(std::string_view device, DeviceKind kind) {
    switch (kind) {
    case DeviceKind::Missing:
        return S(device) + " (not present now)";
    case DeviceKind::PseudoTerminal:
        return S(device) + " (a pseudo-terminal)";
    case DeviceKind::SimulatedRadio:
        return S(device) + " (the simulated radio)";
    case DeviceKind::Other:
        break;
    }
    return S(device);
}

std::string CableFound(std::string_view device) {
    return "Found the cable: COM1 is now " + S(device);
}

std::string NothingChanged(int seconds, std::string_view com1) {
    return "Nothing changed: no serial port appeared or came back in " + std::to_string(seconds) +
           " seconds. COM1 stays " + S(com1) + ".";
}

std::string CableGone(std::string_view gone, int seconds, std::string_view com1) {
    return S(gone) + " went away and did not come back in " + std::to_string(seconds) +
           " seconds. Plug the cable in and try again. COM1 stays " + S(com1) + ".";
}

std::string PortsPresent(std::span<const std::string> ports) {
    if (ports.empty()) {
        return "\n\nNo serial ports are present now.";
    }
    std::string text = "\n\nSerial ports present now:";
    for (const std::string& port : ports) {
        text += "\n" + port;
    }
    return text;
}

std::string Sending(int bytes, int total, int msLeft) {
    char left[32];
    std::snprintf(left, sizeof left, "%.1f", std::max(msLeft, 0) / 1000.0);
    return std::to_string(bytes) + " of " + std::to_string(total) + " bytes, " + left + " s left";
}

std::string Sent(int bytes, std::uint8_t checksum) {
    return "Sent " + std::to_string(bytes) + " bytes, checksum " + HexValue(checksum);
}

std::string SentStalled(int bytes, std::uint8_t checksum, std::string_view why) {
    return Sent(bytes, checksum) + ", but " + S(why);
}

std::string SentPart(int bytes, int total, std::string_view why) {
    return "Sent " + std::to_string(bytes) + " of " + std::to_string(total) + " bytes: " + S(why);
}

std::string Received(int count, std::string_view lastBytesHex) {
    return "Received " + std::to_string(count) + (lastBytesHex.empty() ? "" : ": " + S(lastBytesHex));
}

std::string LinkLine(std::string_view com1, std::string_view state) {
    return S(com1) + ", " + S(state);
}

std::string Completed(int channel, std::string_view typed, std::string_view completed) {
    return Ch(channel) + ": " + S(typed) + " completed to " + S(completed);
}

std::string Corrected(int channel, Correction correction, std::string_view entered, std::string_view shown) {
    switch (correction) {
    case Correction::OutOfRange:
        return Ch(channel) + ": " + S(entered) + " is outside 400 to 500 MHz, cleared";
    case Correction::MovedDown:
        return Ch(channel) + ": " + S(entered) + " moved down to " + S(shown) + " (6.25 kHz steps)";
    case Correction::NotAFrequency:
        return Ch(channel) + ": " + S(entered) + " is not a frequency (three digits, a point, five digits), cleared";
    case Correction::None:
        break;
    }
    return {};
}

std::string Unsettled(int group, int channel, std::string_view shown) {
    return GroupName(group) + " " + Ch(channel) + " shows \"" + S(shown) +
           "\", which is not a frequency that can be sent. Complete it (nine characters, such as 446.10000) or clear "
           "it, then try again.";
}

std::string TooManyCharacters(int count) {
    return "Please enter no more than " + std::to_string(count) + " characters.";
}

std::string FillAsk(int group, int filled, std::string_view plan) {
    return GroupName(group) + " holds " + std::to_string(filled) + (filled == 1 ? " channel" : " channels") +
           ". Replace " + (filled == 1 ? "it" : "them") + " with " + S(plan) + "?";
}

std::string Filled(int group, std::string_view plan) {
    return GroupName(group) + ": " + S(plan);
}

std::string SliceLabel(const PlanSlice& slice) {
    std::string label(slice.plan.name);
    if (slice.count == 1) {
        return label + " channel " + std::to_string(slice.firstChannel);
    }
    return label + " channels " + std::to_string(slice.firstChannel) + kEnDash +
           std::to_string(slice.firstChannel + slice.count - 1);
}

std::string DescribeDuplicates(int group, std::span<const DuplicateChannels> found) {
    if (group < 0 || group >= kGroupCount) {
        return {};
    }
    std::string line = GroupName(group) + ": ";
    bool first = true;
    for (const DuplicateChannels& same : found) {
        const std::vector<int>& channels = same.channels;
        if (channels.size() < 2) {
            continue;
        }
        line += std::exchange(first, false) ? "" : "; ";
        for (std::size_t k = 0; k + 1 < channels.size(); ++k) {
            line += (k == 0 ? "" : ", ") + Ch(channels[k]);
        }
        line += " and " + Ch(channels.back());
        line += (channels.size() == 2 ? " are both " : " are all ") + same.text;
    }
    return first ? std::string() : line;
}

namespace {

// "CH1", "CH1 and CH3", "CH1, CH2 and CH3".
std::string ChannelList(const std::vector<int>& channels) {
    std::string text;
    for (std::size_t k = 0; k < channels.size(); ++k) {
        text += (k == 0 ? "" : k + 1 == channels.size() ? " and " : ", ") + Ch(channels[k]);
    }
    return text;
}

} // namespace

std::string CheckFound(std::size_t count) {
    return count == 1 ? std::string("1 thing to look at before a Send; it does not stop it:")
                      : std::to_string(count) + " things to look at before a Send; they do not stop it:";
}

std::string DescribeSettingWarning(const SettingWarning& w) {
    const std::string group = GroupName(w.group);
    const std::string which = ChannelList(w.channels);
    const bool one = w.channels.size() == 1;
    switch (w.kind) {
    case SettingWarning::Kind::PlanInOtherSpacing: {
        const std::string wide = w.fixSpacing == 0 ? "12.5 kHz" : "25 kHz";
        const std::string fix = w.fixSpacing == 0 ? "12.5Khz" : "25Khz";
        const std::string other = w.fixSpacing == 0 ? "25Khz" : "12.5Khz";
        return group + ": " + which +
               (one ? (w.plan.starts_with("LPD") ? " is an " : " is a ") + w.plan + " channel"
                    : " are " + w.plan + " channels") +
               ", which are " + wide + " wide, in a " + other + " group: set " + group + " to " + fix + ".";
    }
    case SettingWarning::Kind::OutsideLicenceFree:
        return group + ": " + which + (one ? " is" : " are") +
               " outside the licence-free channels (PMR446: 446.00625 to 446.19375 MHz; LPD433: 433.07500 to "
               "434.77500 MHz), for information.";
    case SettingWarning::Kind::SameFrequency:
        break;
    }
    return group + ": " + which + (w.channels.size() == 2 ? " are both " : " are all ") + w.frequency + ".";
}

std::string CheckLine(std::size_t count, const SettingWarning& first) {
    const std::string what = DescribeSettingWarning(first);
    return count == 1 ? "Before a Send: " + what
                      : "Before a Send (1 of " + std::to_string(count) + ", all in Edit > Check Setting): " + what;
}

std::string ChangeName(const SettingChange& c) {
    const std::string group = c.group >= 0 ? std::string(1, static_cast<char>('A' + c.group)) : std::string();
    switch (c.kind) {
    case SettingChange::Kind::Channel:
        return Ch(c.channel) + " of " + GroupName(c.group);
    case SettingChange::Kind::Spacing:
        return "Channel Spacing of " + GroupName(c.group);
    case SettingChange::Kind::Option:
        return c.option;
    case SettingChange::Kind::Name:
        return "Name of " + Ch(c.channel) + " of " + GroupName(c.group);
    case SettingChange::Kind::Title:
        return "Title";
    case SettingChange::Kind::Notes:
        return "Notes";
    case SettingChange::Kind::Several:
        return "Changes";
    case SettingChange::Kind::Command:
        switch (c.command) {
        case SettingChange::Command::FillGroup:
            return "Fill Group " + group;
        case SettingChange::Command::ClearGroup:
            return "Clear Group " + group;
        case SettingChange::Command::ImportChannels:
            return "Import Channels";
        case SettingChange::Command::PasteGroup:
            return "Paste Group " + group;
        case SettingChange::Command::PasteChannels:
            return "Paste";
        case SettingChange::Command::DeleteChannels:
            return "Delete";
        case SettingChange::Command::Properties:
            return "Properties";
        case SettingChange::Command::None:
            break;
        }
        break;
    case SettingChange::Kind::None:
        break;
    }
    return {};
}

std::string UndoText(const SettingChange& change) {
    const std::string name = ChangeName(change);
    return name.empty() ? std::string(kMenuUndo) : "&Undo " + name;
}

std::string RedoText(const SettingChange& change) {
    const std::string name = ChangeName(change);
    return name.empty() ? std::string(kMenuRedo) : "&Redo " + name;
}

std::string TypedNote(int group, int channel, const TypedChannel& t) {
    const std::string where = GroupName(group) + " " + Ch(channel) + ": ";
    if (t.refused) {
        return where + S(t.typed) +
               (t.correction == Correction::OutOfRange ? " is outside 400 to 500 MHz, not taken"
                                                       : " is not a frequency, not taken");
    }
    if (t.correction == Correction::MovedDown) {
        return where + S(t.typed) + " moved down to " + t.stored.text + " (6.25 kHz steps)";
    }
    if (t.completed) {
        return where + S(t.typed) + " completed to " + t.stored.text;
    }
    return {};
}

std::string LabelRefused(const LabelRefusal& refusal) {
    if (refusal.problem == LabelProblem::TooLong) {
        return std::string(refusal.title ? "The title has more than " : "The notes have more than ") +
               std::to_string(refusal.most) + " characters: shorten " + (refusal.title ? "it" : "them") + " to keep " +
               (refusal.title ? "it." : "them.");
    }
    return refusal.title ? "The title holds a control character: take it out to keep it."
                         : "The notes hold a control character: take it out to keep them.";
}

std::string CardGroupHeading(int group, std::string_view spacing) {
    return GroupName(group) + "    " + S(spacing);
}

std::string CardMade(std::string_view date) {
    return "Made " + S(date) + " with Velmar";
}

std::string CardWritten(std::string_view file) {
    return "Channel card written to " + S(file);
}

std::string CardNoFont(std::string_view family) {
    return "there is no font to write it in: install " + S(family) + " (the fonts-dejavu-core package)";
}

std::string CardNotWritten(std::string_view why) {
    return "The channel card was not written: " + S(why);
}

std::string NameNote(int group, int channel, LabelProblem problem) {
    const std::string where = GroupName(group) + " " + Ch(channel) + ": ";
    if (problem == LabelProblem::TooLong) {
        return where + "a name has up to " + std::to_string(kNameMaxCharacters) + " characters, not taken";
    }
    return where + "a name holds no control characters, not taken";
}

std::string EditNote(const EditResult& result) {
    std::string note;
    for (const EntryNote& n : result.notes) {
        std::string said;
        switch (n.kind) {
        case EntryNote::Kind::Completed:
            said = Completed(n.channel, n.typed, n.shown);
            break;
        case EntryNote::Kind::Corrected:
            said = Corrected(n.channel, n.correction, n.typed, n.shown);
            break;
        case EntryNote::Kind::Typed:
            said = TypedNote(n.group, n.channel, n.entry);
            break;
        case EntryNote::Kind::NameRefused:
            said = NameNote(n.group, n.channel, n.name);
            break;
        }
        if (!said.empty()) {
            note += (note.empty() ? "" : "; ") + said;
        }
    }
    return note;
}

std::string SpacingChangeText(const ImportFacts::SpacingChange& c) {
    const auto spacing = [](int index) { return S(kSpacingItems[static_cast<std::size_t>(index == 1)]); };
    const std::string change = GroupName(c.group) + " changes from " + spacing(c.from) + " to " + spacing(c.to);
    if (c.nfm > 0 && c.fm > 0) {
        return change + ": " + std::to_string(c.fm) + " of its rows say FM, " + std::to_string(c.nfm) + " say NFM.";
    }
    return change + ": its rows say " + (c.to == 1 ? "FM." : "NFM.");
}

std::string ChannelLabel(int group, int channel) {
    return std::string(1, static_cast<char>('A' + group)) + std::to_string(channel + 1);
}

std::string PlanLabel(const PlanChannel& plan) {
    return S(plan.plan) + " " + std::to_string(plan.channel);
}

std::string Identical(std::string_view file, const std::optional<SentRecordName>& r) {
    if (r) {
        char when[32];
        std::snprintf(when, sizeof when, "%04d-%02d-%02d %02d:%02d", r->year, r->month, r->day, r->hour, r->minute);
        return "identical: this is what the radio got at " + std::string(when);
    }
    return "identical: the setting shown is " + S(file);
}

std::string Differences(std::size_t count, std::string_view file) {
    return std::to_string(count) + (count == 1 ? " difference" : " differences") + " from " + S(file) +
           " to the setting shown: see the details.";
}

namespace {

// A label in a line of its own kind: quoted, on one line, long notes cut short (the file holds them whole).
std::string QuotedLabel(const std::string& text) {
    if (text.empty()) {
        return "none";
    }
    std::string line;
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char ch = static_cast<unsigned char>(text[i]);
        if ((ch & 0xc0) != 0x80 && ++characters > 40) {
            line += "\u2026";
            break;
        }
        line += ch == '\n' || ch == '\t' ? ' ' : static_cast<char>(ch);
    }
    return "\u201c" + line + "\u201d";
}

} // namespace

std::string DescribeDifference(const SettingDifference& d) {
    const auto shown = [](const std::string& text) { return text.empty() ? std::string("empty") : text; };
    switch (d.kind) {
    case SettingDifference::Kind::Channel:
        return GroupName(d.group) + " " + Ch(d.channel) + ": " + shown(d.from) + " \u2192 " + shown(d.to);
    case SettingDifference::Kind::Spacing:
        return GroupName(d.group) + " " + d.label + ": " + d.from + " \u2192 " + d.to;
    case SettingDifference::Kind::Option:
        break;
    case SettingDifference::Kind::Name:
        return GroupName(d.group) + " " + Ch(d.channel) + " name: " + QuotedLabel(d.from) + " \u2192 " +
               QuotedLabel(d.to);
    case SettingDifference::Kind::Title:
        return "Title: " + QuotedLabel(d.from) + " \u2192 " + QuotedLabel(d.to);
    case SettingDifference::Kind::Notes:
        return "Notes: " + QuotedLabel(d.from) + " \u2192 " + QuotedLabel(d.to);
    }
    return d.label + ": " + d.from + " \u2192 " + d.to;
}

std::string Opened(std::string_view file) {
    return "Opened " + S(file);
}

std::string OpenedRecord(std::string_view file) {
    return "Opened a copy of " + S(file) + ": Save asks for a new file";
}

std::string Saved(std::string_view file) {
    return "Saved " + S(file);
}

std::string Exported(std::string_view file) {
    return "Channels exported to " + S(file);
}

std::string Unsaved(std::string_view fileOrEmpty) {
    return (fileOrEmpty.empty() ? std::string("The setting") : S(fileOrEmpty)) +
           " has changes that are not saved. Save them?";
}

std::string ChangedOnDisk(std::string_view file) {
    return S(file) + " was changed by another program since Velmar opened or saved it. Overwrite those changes "
                     "with the setting shown, or save it as another file?";
}

std::string ChannelListOffer(std::string_view file) {
    return S(file) + " is a channel list (CSV), not a setting file. Import its channels into the setting shown?";
}

std::string NotRemembered(const FileFailure& failure) {
    return "Not remembered: " + DescribeFileFailure(failure);
}

std::string NoRecentFiles(const FileFailure& failure) {
    return "No recent files: " + DescribeFileFailure(failure);
}

std::string NotInHistory(const FileFailure& failure) {
    return "Not kept in the history of sent settings: " + DescribeFileFailure(failure);
}

std::string NotKeptAgainstCrash(const FileFailure& failure) {
    return "Unsaved changes not kept against a crash: " + DescribeFileFailure(failure);
}

std::string RestoreOffer(std::string_view when, std::string_view fileOrEmpty, const RadioSettings& holds, int index,
                         int count) {
    int channels = 0, groups = 0;
    for (const auto& group : holds.m_strGroupChannel) {
        const auto filled = std::count_if(group.begin(), group.end(), [](const std::string& t) { return !t.empty(); });
        channels += static_cast<int>(filled);
        groups += filled > 0 ? 1 : 0;
    }
    const std::string holding = channels == 0   ? std::string("no channels")
                                : channels == 1 ? std::string("1 channel")
                                : groups == 1
                                    ? std::to_string(channels) + " channels in 1 group"
                                    : std::to_string(channels) + " channels in " + std::to_string(groups) + " groups";
    const std::string which =
        count > 1 ? "(" + std::to_string(index) + " of " + std::to_string(count) + " windows) " : std::string();
    return which + "Velmar ended at " + S(when) + " without saving the changes to " + SettingName(fileOrEmpty) + " (" +
           holding + "). Restore them?";
}

std::string Restored(std::string_view fileOrEmpty) {
    return "Restored the unsaved changes to " + SettingName(fileOrEmpty);
}

} // namespace velmar::res
