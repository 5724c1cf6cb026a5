#include "Words.h"
#include "HexText.h"

#include "CodeTables.h"
#include "Preferences.h"
#include "Strings.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "Translate.h"

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

std::string N(long long n) {
    return Number(n);
}

} // namespace

std::string VelmarUsage() {
    // One whole text, so that a translation can order and wrap it as its language needs; %1 is the name of the
    // window's preferences file.
    return TrArg(VELMAR_WORD("Velmar",
                             "Usage: velmar [OPTION]... [FILE.velmar]\n"
                             "Program the channels and options of a UHF PMR/LPD hand-held radio.\n"
                             "\n"
                             "Velmar shows one settings dialog: eight channel groups of eight frequencies\n"
                             "(400 to 500 MHz on a 6.25 kHz grid), a channel spacing per group and the\n"
                             "radio's options. Connect opens the radio's programming cable, COM1, at 4800\n"
                             "baud, 8 data bits, no parity and two stop bits; Send writes the whole setting\n"
                             "to the radio as one 258-byte programming frame in 141 paced writes. Settings\n"
                             "are kept in setting files (FILE.velmar), and every complete Send is kept in the\n"
                             "history of sent settings.\n"
                             "\n"
                             "Options:\n"
                             "  FILE.velmar          open this setting file at start\n"
                             "      --port DEV       use the serial device DEV as COM1 for this run (a USB\n"
                             "                       cable such as /dev/ttyUSB0, or a pseudo-terminal)\n"
                             "      --card OUT.pdf   write the channel card of FILE.velmar to OUT.pdf and\n"
                             "                       exit, without a window: 0 when written, 2 when the\n"
                             "                       file is refused, 1 when the card cannot be written\n"
                             "  -h, --help           display this help and exit\n"
                             "      --version        output version information and exit\n"
                             "\n"
                             "COM1 is the first of: --port DEV, the environment's VELMAR_COM1, the port\n"
                             "chosen last time in the window's Port menu, /dev/ttyS0. The status line says\n"
                             "which one is in force and why.\n"
                             "\n"
                             "Environment:\n"
                             "  VELMAR_COM1      the serial device that COM1 stands for, for example\n"
                             "                   /dev/ttyUSB0 for a USB programming cable\n"
                             "\n"
                             "Files:\n"
                             "  ~/.config/velmar/%1    what the window remembers: the port chosen,\n"
                             "                                 the recent files ($XDG_CONFIG_HOME/velmar\n"
                             "                                 when that is set)\n"
                             "  ~/.local/share/velmar/sent/    the settings of the last 500 complete Sends\n"
                             "                                 ($XDG_DATA_HOME/velmar/sent when that is set)\n"
                             "\n"
                             "Examples:\n"
                             "  velmar club.velmar                    open a setting and send it from the window\n"
                             "  velmar --port /dev/ttyUSB0            use a USB programming cable as COM1\n"
                             ""),
                 {VELMAR_PREFERENCES_FILE_NAME});
}

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
    // The time to the second, as the record's file is named by it.
    char when[32];
    std::snprintf(when, sizeof when, "%04d-%02d-%02d %02d:%02d:%02d", r.year, r.month, r.day, r.hour, r.minute,
                  r.second);
    const std::string what =
        r.stalled
            ? TrArg(VELMAR_WORD("Velmar", "record of the Send of %1, checksum %2 (stalled: the radio may not have it)"),
                    {when, HexValue(r.checksum)})
            : TrArg(VELMAR_WORD("Velmar", "record of the Send of %1, checksum %2"), {when, HexValue(r.checksum)});
    return std::string(kAppTitle) + " - " + what + (modified ? " *" : "");
}

std::string FindCablePrompt(int seconds) {
    return TrN(VELMAR_WORDS("Velmar",
                            "Unplug the radio's programming cable now, or plug it in; if it was unplugged, plug it in "
                            "again. Velmar watches the serial ports for %Ln seconds.",
                            "Unplug the radio's programming cable now, or plug it in; if it was unplugged, plug it in "
                            "again. Velmar watches the serial ports for %Ln second."),
               seconds);
}

std::string UnlistedPort(std::string_view device, DeviceKind kind) {
    switch (kind) {
    case DeviceKind::Missing:
        return TrArg(VELMAR_WORD("Velmar", "%1 (not present now)"), {device});
    case DeviceKind::PseudoTerminal:
        return TrArg(VELMAR_WORD("Velmar", "%1 (a pseudo-terminal)"), {device});
    case DeviceKind::SimulatedRadio:
        return TrArg(VELMAR_WORD("Velmar", "%1 (the simulated radio)"), {device});
    case DeviceKind::Other:
        break;
    }
    return S(device);
}

std::string CableFound(std::string_view device) {
    return TrArg(VELMAR_WORD("Velmar", "Found the cable: COM1 is now %1"), {device});
}

std::string NothingChanged(int seconds, std::string_view com1) {
    return Arg(TrN(VELMAR_WORDS("Velmar",
                                "Nothing changed: no serial port appeared or came back in %Ln seconds. COM1 stays %1.",
                                "Nothing changed: no serial port appeared or came back in %Ln second. COM1 stays %1."),
                   seconds),
               {com1});
}

std::string CableGone(std::string_view gone, int seconds, std::string_view com1) {
    return Arg(TrN(VELMAR_WORDS("Velmar",
                                "%1 went away and did not come back in %Ln seconds. Plug the cable in and try again. "
                                "COM1 stays %2.",
                                "%1 went away and did not come back in %Ln second. Plug the cable in and try again. "
                                "COM1 stays %2."),
                   seconds),
               {gone, com1});
}

std::string PortsPresent(std::span<const std::string> ports) {
    if (ports.empty()) {
        return "\n\n" + Tr(VELMAR_WORD("Velmar", "No serial ports are present now."));
    }
    std::string text = "\n\n" + Tr(VELMAR_WORD("Velmar", "Serial ports present now:"));
    for (const std::string& port : ports) {
        text += "\n" + port;
    }
    return text;
}

std::string Sending(int bytes, int total, int msLeft) {
    return TrArg(VELMAR_WORD("Velmar", "%1 of %2 bytes, %3 s left"),
                 {N(bytes), N(total), Decimal(std::max(msLeft, 0) / 1000.0, 1)});
}

std::string Sent(int bytes, std::uint8_t checksum) {
    return TrArg(VELMAR_WORD("Velmar", "Sent %1 bytes, checksum %2"), {N(bytes), HexValue(checksum)});
}

std::string SentStalled(int bytes, std::uint8_t checksum, std::string_view why) {
    return TrArg(VELMAR_WORD("Velmar", "Sent %1 bytes, checksum %2, but %3"), {N(bytes), HexValue(checksum), why});
}

std::string SentPart(int bytes, int total, std::string_view why) {
    return TrArg(VELMAR_WORD("Velmar", "Sent %1 of %2 bytes: %3"), {N(bytes), N(total), why});
}

std::string Received(int count, std::string_view lastBytesHex) {
    return lastBytesHex.empty() ? TrArg(VELMAR_WORD("Velmar", "Received %1"), {N(count)})
                                : TrArg(VELMAR_WORD("Velmar", "Received %1: %2"), {N(count), lastBytesHex});
}

std::string LinkLine(std::string_view com1, const char* state) {
    return TrArg(VELMAR_WORD("Velmar", "%1, %2"), {com1, Tr(state)});
}

std::string Completed(int channel, std::string_view typed, std::string_view completed) {
    return TrArg(VELMAR_WORD("Velmar", "%1: %2 completed to %3"), {Ch(channel), typed, completed});
}

std::string Corrected(int channel, Correction correction, std::string_view entered, std::string_view shown) {
    switch (correction) {
    case Correction::OutOfRange:
        return TrArg(VELMAR_WORD("Velmar", "%1: %2 is outside 400 to 500 MHz, cleared"), {Ch(channel), entered});
    case Correction::MovedDown:
        return TrArg(VELMAR_WORD("Velmar", "%1: %2 moved down to %3 (6.25 kHz steps)"), {Ch(channel), entered, shown});
    case Correction::NotAFrequency:
        return TrArg(VELMAR_WORD("Velmar", "%1: %2 is not a frequency (three digits, a point, five digits), cleared"),
                     {Ch(channel), entered});
    case Correction::None:
        break;
    }
    return {};
}

std::string Unsettled(int group, int channel, std::string_view shown) {
    return TrArg(VELMAR_WORD("Velmar", "%1 %2 shows \"%3\", which is not a frequency that can be sent. Complete "
                                       "it (nine characters, such as 446.10000) or clear it, then try again."),
                 {GroupName(group), Ch(channel), shown});
}

std::string TooManyCharacters(int count) {
    return TrN(
        VELMAR_WORDS("Velmar", "Please enter no more than %Ln characters.", "Please enter no more than %Ln character."),
        count);
}

std::string FillAsk(int group, int filled, std::string_view plan) {
    return Arg(TrN(VELMAR_WORDS("Velmar", "%1 holds %Ln channels. Replace them with %2?",
                                "%1 holds %Ln channel. Replace it with %2?"),
                   filled),
               {GroupName(group), plan});
}

std::string Filled(int group, std::string_view plan) {
    return GroupName(group) + ": " + S(plan);
}

std::string SliceLabel(const PlanSlice& slice) {
    if (slice.count == 1) {
        return TrArg(VELMAR_WORD("Velmar", "%1 channel %2"), {slice.plan.name, std::to_string(slice.firstChannel)});
    }
    return TrArg(
        VELMAR_WORD("Velmar", "%1 channels %2\u2013%3"),
        {slice.plan.name, std::to_string(slice.firstChannel), std::to_string(slice.firstChannel + slice.count - 1)});
}

namespace {

// "CH1", "CH1 and CH3", "CH1, CH2 and CH3".
std::string ChannelList(const std::vector<int>& channels) {
    if (channels.empty()) {
        return {};
    }
    std::string text = Ch(channels.back());
    for (std::size_t k = channels.size() - 1; k-- > 0;) {
        text = k + 2 == channels.size() ? TrArg(VELMAR_WORD("Velmar", "%1 and %2"), {Ch(channels[k]), text})
                                        : TrArg(VELMAR_WORD("Velmar", "%1, %2"), {Ch(channels[k]), text});
    }
    return text;
}

// "CH1 and CH6 are both 446.00625", "CH1, CH2 and CH6 are all 446.00625".
std::string SameFrequency(const std::vector<int>& channels, std::string_view frequency) {
    return channels.size() == 2 ? TrArg(VELMAR_WORD("Velmar", "%1 are both %2"), {ChannelList(channels), frequency})
                                : TrArg(VELMAR_WORD("Velmar", "%1 are all %2"), {ChannelList(channels), frequency});
}

} // namespace

std::string DescribeDuplicates(int group, std::span<const DuplicateChannels> found) {
    if (group < 0 || group >= kGroupCount) {
        return {};
    }
    std::string said;
    for (const DuplicateChannels& same : found) {
        if (same.channels.size() >= 2) {
            const std::string one = SameFrequency(same.channels, same.text);
            said = said.empty() ? one : TrArg(VELMAR_WORD("Velmar", "%1; %2"), {said, one});
        }
    }
    return said.empty() ? std::string() : TrArg(VELMAR_WORD("Velmar", "%1: %2"), {GroupName(group), said});
}

std::string CheckFound(std::size_t count) {
    return TrN(VELMAR_WORDS("Velmar", "%Ln things to look at before a Send; they do not stop it:",
                            "%Ln thing to look at before a Send; it does not stop it:"),
               static_cast<long long>(count));
}

std::string DescribeSettingWarning(const SettingWarning& w) {
    const std::string group = GroupName(w.group);
    const std::string which = ChannelList(w.channels);
    const bool one = w.channels.size() == 1;
    switch (w.kind) {
    case SettingWarning::Kind::PlanInOtherSpacing: {
        // PMR446 channels belong in 12.5Khz groups, LPD433 channels in 25Khz ones: each case is a sentence of its own.
        const char* const pmr = one ? VELMAR_WORD("Velmar", "%1: %2 is a PMR446 channel, which are 12.5 kHz wide, in a "
                                                            "25Khz group: set %1 to 12.5Khz.")
                                    : VELMAR_WORD("Velmar", "%1: %2 are PMR446 channels, which are 12.5 kHz wide, in "
                                                            "a 25Khz group: set %1 to 12.5Khz.");
        const char* const lpd = one ? VELMAR_WORD("Velmar", "%1: %2 is an LPD433 channel, which are 25 kHz wide, in a "
                                                            "12.5Khz group: set %1 to 25Khz.")
                                    : VELMAR_WORD("Velmar", "%1: %2 are LPD433 channels, which are 25 kHz wide, in a "
                                                            "12.5Khz group: set %1 to 25Khz.");
        return TrArg(w.fixSpacing == 0 ? pmr : lpd, {group, which});
    }
    case SettingWarning::Kind::OutsideLicenceFree:
        return TrArg(one ? VELMAR_WORD("Velmar", "%1: %2 is outside the licence-free channels (PMR446: 446.00625 to "
                                                 "446.19375 MHz; LPD433: 433.07500 to 434.77500 MHz), for information.")
                         : VELMAR_WORD("Velmar",
                                       "%1: %2 are outside the licence-free channels (PMR446: 446.00625 to "
                                       "446.19375 MHz; LPD433: 433.07500 to 434.77500 MHz), for information."),
                     {group, which});
    case SettingWarning::Kind::SameFrequency:
        break;
    }
    return TrArg(VELMAR_WORD("Velmar", "%1: %2."), {group, SameFrequency(w.channels, w.frequency)});
}

std::string CheckLine(std::size_t count, const SettingWarning& first) {
    const std::string what = DescribeSettingWarning(first);
    return count == 1 ? TrArg(VELMAR_WORD("Velmar", "Before a Send: %1"), {what})
                      : TrArg(VELMAR_WORD("Velmar", "Before a Send (1 of %1, all in Edit > Check Setting): %2"),
                              {N(static_cast<long long>(count)), what});
}

std::string ChangeName(const SettingChange& c) {
    const std::string group = c.group >= 0 ? std::string(1, static_cast<char>('A' + c.group)) : std::string();
    switch (c.kind) {
    case SettingChange::Kind::Channel:
        return TrArg(VELMAR_WORD("Velmar", "%1 of %2"), {Ch(c.channel), GroupName(c.group)});
    case SettingChange::Kind::Spacing:
        return TrArg(VELMAR_WORD("Velmar", "Channel Spacing of %1"), {GroupName(c.group)});
    case SettingChange::Kind::Option:
        return c.option;
    case SettingChange::Kind::Name:
        return TrArg(VELMAR_WORD("Velmar", "Name of %1 of %2"), {Ch(c.channel), GroupName(c.group)});
    case SettingChange::Kind::Title:
        return Tr(VELMAR_WORD("Velmar", "Title"));
    case SettingChange::Kind::Notes:
        return Tr(VELMAR_WORD("Velmar", "Notes"));
    case SettingChange::Kind::Several:
        return Tr(VELMAR_WORD("Velmar", "Changes"));
    case SettingChange::Kind::Command:
        switch (c.command) {
        case SettingChange::Command::FillGroup:
            return TrArg(VELMAR_WORD("Velmar", "Fill Group %1"), {group});
        case SettingChange::Command::ClearGroup:
            return TrArg(VELMAR_WORD("Velmar", "Clear Group %1"), {group});
        case SettingChange::Command::ImportChannels:
            return Tr(VELMAR_WORD("Velmar", "Import Channels"));
        case SettingChange::Command::PasteGroup:
            return TrArg(VELMAR_WORD("Velmar", "Paste Group %1"), {group});
        case SettingChange::Command::PasteChannels:
            return Tr(VELMAR_WORD("Velmar", "Paste"));
        case SettingChange::Command::DeleteChannels:
            return Tr(VELMAR_WORD("Velmar", "Delete"));
        case SettingChange::Command::Properties:
            return Tr(VELMAR_WORD("Velmar", "Properties"));
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
    return name.empty() ? Tr(kMenuUndo) : TrArg(VELMAR_WORD("Velmar", "&Undo %1"), {name});
}

std::string RedoText(const SettingChange& change) {
    const std::string name = ChangeName(change);
    return name.empty() ? Tr(kMenuRedo) : TrArg(VELMAR_WORD("Velmar", "&Redo %1"), {name});
}

std::string TypedNote(int group, int channel, const TypedChannel& t) {
    const std::string g = GroupName(group), ch = Ch(channel);
    if (t.refused) {
        return t.correction == Correction::OutOfRange
                   ? TrArg(VELMAR_WORD("Velmar", "%1 %2: %3 is outside 400 to 500 MHz, not taken"), {g, ch, t.typed})
                   : TrArg(VELMAR_WORD("Velmar", "%1 %2: %3 is not a frequency, not taken"), {g, ch, t.typed});
    }
    if (t.correction == Correction::MovedDown) {
        return TrArg(VELMAR_WORD("Velmar", "%1 %2: %3 moved down to %4 (6.25 kHz steps)"),
                     {g, ch, t.typed, t.stored.text});
    }
    if (t.completed) {
        return TrArg(VELMAR_WORD("Velmar", "%1 %2: %3 completed to %4"), {g, ch, t.typed, t.stored.text});
    }
    return {};
}

std::string LabelRefused(const LabelRefusal& refusal) {
    if (refusal.problem == LabelProblem::TooLong) {
        const auto most = static_cast<long long>(refusal.most);
        return refusal.title
                   ? TrN(VELMAR_WORDS("Velmar", "The title has more than %Ln characters: shorten it to keep it.",
                                      "The title has more than %Ln character: shorten it to keep it."),
                         most)
                   : TrN(VELMAR_WORDS("Velmar", "The notes have more than %Ln characters: shorten them to keep them.",
                                      "The notes have more than %Ln character: shorten them to keep them."),
                         most);
    }
    return refusal.title ? Tr(VELMAR_WORD("Velmar", "The title holds a control character: take it out to keep it."))
                         : Tr(VELMAR_WORD("Velmar", "The notes hold a control character: take it out to keep them."));
}

std::string CardGroupHeading(int group, std::string_view spacing) {
    return GroupName(group) + "    " + S(spacing);
}

std::string CardMade(std::string_view date) {
    return TrArg(VELMAR_WORD("Velmar", "Made %1 with Velmar"), {date});
}

std::string CardWritten(std::string_view file) {
    return TrArg(VELMAR_WORD("Velmar", "Channel card written to %1"), {file});
}

std::string CardNoFont(std::string_view family) {
    return TrArg(VELMAR_WORD("Velmar", "there is no font to write it in: install %1 (the fonts-dejavu-core package)"),
                 {family});
}

std::string CardNotWritten(std::string_view why) {
    return TrArg(VELMAR_WORD("Velmar", "The channel card was not written: %1"), {why});
}

std::string CardNotPrinted(std::string_view why) {
    return TrArg(VELMAR_WORD("Velmar", "The channel card cannot be printed: %1"), {why});
}

std::string PortsNotListed(std::string_view why) {
    return TrArg(VELMAR_WORD("Velmar", "The serial ports present cannot be listed: %1"), {why});
}

std::string NameNote(int group, int channel, LabelProblem problem) {
    if (problem == LabelProblem::TooLong) {
        return Arg(TrN(VELMAR_WORDS("Velmar", "%1 %2: a name has up to %Ln characters, not taken",
                                    "%1 %2: a name has up to %Ln character, not taken"),
                       static_cast<long long>(kNameMaxCharacters)),
                   {GroupName(group), Ch(channel)});
    }
    return TrArg(VELMAR_WORD("Velmar", "%1 %2: a name holds no control characters, not taken"),
                 {GroupName(group), Ch(channel)});
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
            note = note.empty() ? said : TrArg(VELMAR_WORD("Velmar", "%1; %2"), {note, said});
        }
    }
    return note;
}

std::string SpacingChangeText(const ImportFacts::SpacingChange& c) {
    const auto spacing = [](int index) { return S(kSpacingItems[static_cast<std::size_t>(index == 1)]); };
    const std::string group = GroupName(c.group), from = spacing(c.from), to = spacing(c.to);
    if (c.nfm > 0 && c.fm > 0) {
        return TrArg(VELMAR_WORD("Velmar", "%1 changes from %2 to %3: %4 of its rows say FM, %5 say NFM."),
                     {group, from, to, N(c.fm), N(c.nfm)});
    }
    return c.to == 1 ? TrArg(VELMAR_WORD("Velmar", "%1 changes from %2 to %3: its rows say FM."), {group, from, to})
                     : TrArg(VELMAR_WORD("Velmar", "%1 changes from %2 to %3: its rows say NFM."), {group, from, to});
}

std::string ChannelLabel(int group, int channel) {
    return std::string(1, static_cast<char>('A' + group)) + std::to_string(channel + 1);
}

std::string PlanLabel(const PlanChannel& plan) {
    return S(plan.plan) + " " + std::to_string(plan.channel);
}

std::string Identical(std::string_view file, const std::optional<SentRecordName>& r) {
    if (r) {
        return TrArg(VELMAR_WORD("Velmar", "identical: this is what the radio got at %1"),
                     {DateTime(r->year, r->month, r->day, r->hour, r->minute)});
    }
    return TrArg(VELMAR_WORD("Velmar", "identical: the setting shown is %1"), {file});
}

std::string Differences(std::size_t count, std::string_view file) {
    return Arg(TrN(VELMAR_WORDS("Velmar", "%Ln differences from %1 to the setting shown: see the details.",
                                "%Ln difference from %1 to the setting shown: see the details."),
                   static_cast<long long>(count)),
               {file});
}

namespace {

// A label in a line of its own kind: quoted, on one line, long notes cut short (the file holds them whole).
std::string QuotedLabel(const std::string& text) {
    if (text.empty()) {
        return Tr(VELMAR_WORD("Velmar", "none"));
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

std::string Change(std::string_view what, std::string_view from, std::string_view to) {
    return TrArg(VELMAR_WORD("Velmar", "%1: %2 \u2192 %3"), {what, from, to});
}

} // namespace

std::string DescribeDifference(const SettingDifference& d) {
    const auto shown = [](const std::string& text) { return text.empty() ? Tr(VELMAR_WORD("Velmar", "empty")) : text; };
    switch (d.kind) {
    case SettingDifference::Kind::Channel:
        return Change(GroupName(d.group) + " " + Ch(d.channel), shown(d.from), shown(d.to));
    case SettingDifference::Kind::Spacing:
        return Change(GroupName(d.group) + " " + d.label, d.from, d.to);
    case SettingDifference::Kind::Option:
        break;
    case SettingDifference::Kind::Name:
        return Change(TrArg(VELMAR_WORD("Velmar", "%1 %2 name"), {GroupName(d.group), Ch(d.channel)}),
                      QuotedLabel(d.from), QuotedLabel(d.to));
    case SettingDifference::Kind::Title:
        return Change(Tr(VELMAR_WORD("Velmar", "Title")), QuotedLabel(d.from), QuotedLabel(d.to));
    case SettingDifference::Kind::Notes:
        return Change(Tr(VELMAR_WORD("Velmar", "Notes")), QuotedLabel(d.from), QuotedLabel(d.to));
    }
    return Change(d.label, d.from, d.to);
}

std::string Opened(std::string_view file) {
    return TrArg(VELMAR_WORD("Velmar", "Opened %1"), {file});
}

std::string OpenedRecord(std::string_view file) {
    return TrArg(VELMAR_WORD("Velmar", "Opened a copy of %1: Save asks for a new file"), {file});
}

std::string Saved(std::string_view file) {
    return TrArg(VELMAR_WORD("Velmar", "Saved %1"), {file});
}

std::string Exported(std::string_view file) {
    return TrArg(VELMAR_WORD("Velmar", "Channels exported to %1"), {file});
}

std::string Unsaved(std::string_view fileOrEmpty) {
    return fileOrEmpty.empty()
               ? Tr(VELMAR_WORD("Velmar", "The setting has changes that are not saved. Save them?"))
               : TrArg(VELMAR_WORD("Velmar", "%1 has changes that are not saved. Save them?"), {fileOrEmpty});
}

std::string ChangedOnDisk(std::string_view file) {
    return TrArg(VELMAR_WORD("Velmar", "%1 was changed by another program since Velmar opened or saved it. Overwrite "
                                       "those changes with the setting shown, or save it as another file?"),
                 {file});
}

std::string ChannelListOffer(std::string_view file) {
    return TrArg(
        VELMAR_WORD("Velmar",
                    "%1 is a channel list (CSV), not a setting file. Import its channels into the setting shown?"),
        {file});
}

std::string NotRemembered(const FileFailure& failure) {
    return TrArg(VELMAR_WORD("Velmar", "Not remembered: %1"), {DescribeFileFailure(failure)});
}

std::string NoRecentFiles(const FileFailure& failure) {
    return TrArg(VELMAR_WORD("Velmar", "No recent files: %1"), {DescribeFileFailure(failure)});
}

std::string NotInHistory(const FileFailure& failure) {
    return TrArg(VELMAR_WORD("Velmar", "Not kept in the history of sent settings: %1"), {DescribeFileFailure(failure)});
}

std::string NotKeptAgainstCrash(const FileFailure& failure) {
    return TrArg(VELMAR_WORD("Velmar", "Unsaved changes not kept against a crash: %1"), {DescribeFileFailure(failure)});
}

std::string RestoreOffer(std::string_view when, std::string_view fileOrEmpty, const RadioSettings& holds, int index,
                         int count) {
    int channels = 0, groups = 0;
    for (const auto& group : holds.m_strGroupChannel) {
        const auto filled = std::count_if(group.begin(), group.end(), [](const std::string& t) { return !t.empty(); });
        channels += static_cast<int>(filled);
        groups += filled > 0 ? 1 : 0;
    }
    const std::string holding =
        channels == 0 ? Tr(VELMAR_WORD("Velmar", "no channels"))
        : groups == 1
            ? TrN(VELMAR_WORDS("Velmar", "%Ln channels in 1 group", "%Ln channel in 1 group"), channels)
            : Arg(TrN(VELMAR_WORDS("Velmar", "%Ln channels in %1 groups", "%Ln channel in %1 groups"), channels),
                  {N(groups)});
    const std::string offer =
        fileOrEmpty.empty()
            ? TrArg(VELMAR_WORD("Velmar",
                                "Velmar ended at %1 without saving the changes to a setting (%2). Restore them?"),
                    {when, holding})
            : TrArg(VELMAR_WORD("Velmar", "Velmar ended at %1 without saving the changes to %2 (%3). Restore them?"),
                    {when, fileOrEmpty, holding});
    return count > 1 ? TrArg(VELMAR_WORD("Velmar", "(%1 of %2 windows) %3"), {N(index), N(count), offer}) : offer;
}

std::string Restored(std::string_view fileOrEmpty) {
    return fileOrEmpty.empty() ? Tr(VELMAR_WORD("Velmar", "Restored the unsaved changes to a setting"))
                               : TrArg(VELMAR_WORD("Velmar", "Restored the unsaved changes to %1"), {fileOrEmpty});
}

} // namespace velmar::res
