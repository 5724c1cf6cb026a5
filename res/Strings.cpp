#include "Strings.h"

#include "ProgrammingFrame.h"
#include "SettingLabels.h"
#include "Translate.h"
#include "Words.h"

#include <algorithm>
#include <iterator>
#include <string_view>
#include <vector>

namespace velmar::res {

namespace {

// Groups whose members may do far more than use a serial port: a hint never sends anyone to join them.
bool Privileged(const std::string& group) {
    static constexpr std::string_view kPrivileged[] = {"root", "adm", "admin",  "disk",  "docker",
                                                       "kmem", "lxd", "shadow", "staff", "sudo",
                                                       "sys",  "tty", "wheel",  "video", "systemd-journal"};
    return std::find(std::begin(kPrivileged), std::end(kPrivileged), group) != std::end(kPrivileged);
}

std::string PermissionHint(const SerialFailure& failure) {
    const std::string& dev = failure.device;
    const std::string& group = failure.group;
    if (group.empty() || group == "dialout" || group == "uucp" || !Privileged(group)) {
        const std::string join = group.empty() ? std::string("dialout") : group;
        return TrArg(VELMAR_WORD("Velmar",
                                 "%1: permission denied. Your user must be in the group that owns the device, "
                                 "\"%2\" (for example: sudo usermod -aG %2 $USER), and log in again."),
                     {dev, join});
    }
    // The device should belong to dialout instead; joining its group would hand the user far more.
    const std::string rule =
        "SUBSYSTEM==\"tty\", KERNEL==\"" + failure.kernelName + "\", GROUP=\"dialout\", MODE=\"0660\"";
    return group == "root"
               ? TrArg(VELMAR_WORD("Velmar",
                                   "%1: permission denied. Only root may open this device. Ask the administrator for a "
                                   "udev rule that gives it to the group \"dialout\" (for example a file "
                                   "/etc/udev/rules.d/50-velmar.rules with the line %2), join that group (sudo usermod "
                                   "-aG dialout $USER) and log in again."),
                       {dev, rule})
               : TrArg(
                     VELMAR_WORD("Velmar",
                                 "%1: permission denied. The device belongs to the group \"%2\", which gives its "
                                 "members much more than this device: do not join it. Ask the administrator for a udev "
                                 "rule that gives it to the group \"dialout\" (for example a file "
                                 "/etc/udev/rules.d/50-velmar.rules with the line %3), join that group (sudo usermod "
                                 "-aG dialout $USER) and log in again."),
                     {dev, group, rule});
}

} // namespace

std::string DescribeSerialProblem(const SerialFailure& f) {
    const std::string value = std::to_string(f.value);
    switch (f.problem) {
    case SerialProblem::System:
        return f.reason;
    case SerialProblem::OpenHere:
        return Tr(VELMAR_WORD("Velmar", "it is open in this program"));
    case SerialProblem::HeldElsewhere:
        return Tr(VELMAR_WORD("Velmar", "another program holds it"));
    case SerialProblem::NotOpen:
        return Tr(VELMAR_WORD("Velmar", "the port is not open"));
    case SerialProblem::ZeroBaud:
        return Tr(VELMAR_WORD("Velmar", "0 baud is not a speed"));
    case SerialProblem::BaudUnavailable:
        return TrArg(VELMAR_WORD("Velmar", "%1 baud is not a speed this system can set"), {value});
    case SerialProblem::ByteSizeImpossible:
        return TrArg(VELMAR_WORD("Velmar", "%1 data bits are not possible (5 to 8 are)"), {value});
    case SerialProblem::OneAndAHalfStopBits:
        return Tr(VELMAR_WORD("Velmar", "one and a half stop bits are not available on this system"));
    case SerialProblem::UnknownStopBits:
        return TrArg(VELMAR_WORD("Velmar", "stop-bits code %1 is unknown (0 = one, 2 = two)"), {value});
    case SerialProblem::UnknownParity:
        return TrArg(VELMAR_WORD("Velmar", "parity code %1 is unknown (0 to 4 are)"), {value});
    case SerialProblem::BaudNotKept:
        return TrArg(VELMAR_WORD("Velmar", "the driver did not keep %1 baud"), {value});
    case SerialProblem::ByteSizeNotKept:
        return TrArg(VELMAR_WORD("Velmar", "the driver did not keep %1 data bits"), {value});
    case SerialProblem::StopBitsNotKept:
        return Tr(VELMAR_WORD("Velmar", "the driver did not keep the stop bits"));
    case SerialProblem::ParityNotKept:
        return TrArg(VELMAR_WORD("Velmar", "the driver did not keep parity code %1"), {value});
    case SerialProblem::FlowControlNotOff:
        return Tr(VELMAR_WORD("Velmar", "the driver did not turn flow control off"));
    case SerialProblem::RawModeNotKept:
        return Tr(VELMAR_WORD("Velmar", "the driver did not keep raw mode"));
    case SerialProblem::NoWatchThread:
        return Tr(VELMAR_WORD("Velmar", "no watch thread could be started"));
    }
    return f.reason;
}

std::string DescribeSerialFailure(const SerialFailure& failure) {
    const std::string& dev = failure.device;
    const std::string why = DescribeSerialProblem(failure);
    switch (failure.kind) {
    case SerialFailureKind::None:
        return {};
    case SerialFailureKind::NoDevice:
        return TrArg(VELMAR_WORD("Velmar", "%1: no such device (%2)."), {dev, why});
    case SerialFailureKind::Busy:
        return failure.problem == SerialProblem::OpenHere
                   ? TrArg(VELMAR_WORD("Velmar", "%1 is busy: %2."), {dev, why})
                   : TrArg(VELMAR_WORD("Velmar", "%1 is busy: another program holds it. Close that program and connect "
                                                 "again."),
                           {dev});
    case SerialFailureKind::PermissionDenied:
        return PermissionHint(failure);
    case SerialFailureKind::NotSerial:
        return TrArg(VELMAR_WORD("Velmar", "%1 is not a serial device."), {dev});
    case SerialFailureKind::SettingRefused:
        return TrArg(VELMAR_WORD("Velmar", "%1: the line settings were refused: %2."), {dev, why});
    case SerialFailureKind::Resources:
        return TrArg(VELMAR_WORD("Velmar", "%1 could not be opened: the system is out of resources (%2)."), {dev, why});
    case SerialFailureKind::Other:
        break;
    }
    return TrArg(VELMAR_WORD("Velmar", "%1 could not be opened: %2."), {dev, why});
}

std::string DescribeSendEnd(SendEnd end, int bytes, SendStopper stopper, const SendStall& stall) {
    switch (end) {
    case SendEnd::Complete:
        return Tr(VELMAR_WORD("Velmar", "the whole frame was sent"));
    case SendEnd::HungUp:
        return Tr(VELMAR_WORD("Velmar",
                              "the line hung up (the cable or adapter was disconnected, or the other side closed)"));
    case SendEnd::WriteFailed:
        return Tr(VELMAR_WORD("Velmar",
                              "a write did not get its bytes out in time (the line is held up or the device failed)"));
    case SendEnd::Stalled:
        return TrArg(VELMAR_WORD("Velmar",
                                 "the line stalled for %1 ms after byte %2, longer than the radio waits: it may "
                                 "not have taken the frame; send again"),
                     {Number(stall.quietMs), Number(stall.afterByte)});
    case SendEnd::Stopped:
        if (stopper == SendStopper::Disconnect) {
            return Tr(VELMAR_WORD("Velmar", "stopped by Disconnect"));
        }
        return bytes == kFrameSize ? Tr(VELMAR_WORD("Velmar", "stopped after the whole frame was sent"))
                                   : Tr(VELMAR_WORD("Velmar", "stopped before the frame was complete"));
    }
    return {};
}

std::string PortReasonText(PortReason reason) {
    switch (reason) {
    case PortReason::CommandLine:
        return Tr(VELMAR_WORD("Velmar", "command line"));
    case PortReason::Environment:
        return "VELMAR_COM1";
    case PortReason::Remembered:
        return Tr(VELMAR_WORD("Velmar", "remembered"));
    case PortReason::Chosen:
        return Tr(VELMAR_WORD("Velmar", "chosen"));
    case PortReason::Unreadable:
        return Tr(VELMAR_WORD("Velmar", "remembered port unreadable"));
    case PortReason::Default:
        break;
    }
    return Tr(VELMAR_WORD("Velmar", "default"));
}

std::string Com1Text(const PortInForce& port) {
    if (port.reason == PortReason::Unreadable) {
        return TrArg(VELMAR_WORD("Velmar", "COM1 = no device (%1)"), {PortReasonText(port.reason)});
    }
    return TrArg(VELMAR_WORD("Velmar", "COM1 = %1 (%2)"), {port.device, PortReasonText(port.reason)});
}

std::string StaleHoldCleared(const std::string& device) {
    return TrArg(
        VELMAR_WORD("Velmar", "%1 was still marked as held by a program that had ended; the mark was cleared."),
        {device});
}

std::string PortUnreadable(const FileFailure& why) {
    return TrArg(VELMAR_WORD("Velmar",
                             "COM1 stands for no device: the port chosen last cannot be read (%1). Give the port "
                             "with --port DEV, or choose one in the Port menu of Velmar's window."),
                 {DescribeFileFailure(why)});
}

namespace {

std::string ChannelName(int group, int channel) {
    return "Group " + std::string(1, static_cast<char>('A' + group)) + " CH" + std::to_string(channel + 1);
}

std::string Rows(int n) {
    return TrN(VELMAR_WORDS("Velmar", "%Ln rows say", "%Ln row says"), n);
}

} // namespace

std::string DescribeCsvNote(const CsvNote& n) {
    const std::string line = std::to_string(n.line);
    const std::string ch = n.group >= 0 && n.channel >= 0 ? ChannelName(n.group, n.channel) : std::string();
    // A note of a channel names it after the line; the same sentence without a channel has a form of its own.
    const auto at = [&](const char* withChannel, const char* without, const std::vector<std::string>& rest) {
        std::vector<std::string> args{line};
        if (!ch.empty()) {
            args.push_back(ch);
        }
        args.insert(args.end(), rest.begin(), rest.end());
        return ArgList(Tr(ch.empty() ? without : withChannel), args);
    };
    switch (n.kind) {
    case CsvNoteKind::NoLocation:
        return TrArg(VELMAR_WORD("Velmar", "line %1: no Location, not taken"), {line});
    case CsvNoteKind::LocationNotANumber:
        return TrArg(VELMAR_WORD("Velmar", "line %1: Location \"%2\" is not a number, not taken"), {line, n.value});
    case CsvNoteKind::LocationOutOfRange:
        return TrArg(VELMAR_WORD("Velmar", "line %1: Location %2 is beyond the 64 channels, not taken"),
                     {line, n.value});
    case CsvNoteKind::NoFrequency:
        return TrArg(VELMAR_WORD("Velmar", "line %1: no frequency, not taken"), {line});
    case CsvNoteKind::FrequencyNotANumber:
        return TrArg(VELMAR_WORD("Velmar", "line %1: Frequency \"%2\" is not a number, not taken"), {line, n.value});
    case CsvNoteKind::FrequencyOutOfRange:
        return TrArg(VELMAR_WORD("Velmar", "line %1: %2 MHz is outside 400 to 500 MHz, not taken"), {line, n.value});
    case CsvNoteKind::FrequencyDecimalComma:
        return TrArg(VELMAR_WORD("Velmar",
                                 "line %1: Frequency %2 has a decimal comma that splits it in two, not taken: "
                                 "write it with a point, or in quotes"),
                     {line, n.value});
    case CsvNoteKind::MovedToGrid:
        return at(VELMAR_WORD("Velmar", "line %1: %2: %3 moved to %4 (6.25 kHz steps)"),
                  VELMAR_WORD("Velmar", "line %1: %2 moved to %3 (6.25 kHz steps)"), {n.value, n.other});
    case CsvNoteKind::LocationTwice:
        return at(VELMAR_WORD("Velmar", "line %1: %2: given on line %3 too; this later row is taken"),
                  VELMAR_WORD("Velmar", "line %1: given on line %2 too; this later row is taken"),
                  {std::to_string(n.otherLine)});
    case CsvNoteKind::NotKept:
        return at(VELMAR_WORD("Velmar", "line %1: %2: %3 not kept: this radio has no such setting"),
                  VELMAR_WORD("Velmar", "line %1: %2 not kept: this radio has no such setting"), {n.value});
    case CsvNoteKind::SameFrequency:
        return at(VELMAR_WORD("Velmar", "line %1: %2: %3 is the frequency of %4 too"),
                  VELMAR_WORD("Velmar", "line %1: %2 is the frequency of %3 too"),
                  {n.value, ChannelName(n.group, n.otherChannel)});
    case CsvNoteKind::NameCut:
        return at(VELMAR_WORD("Velmar", "line %1: %2: the Name \"%3\" has more than %4 characters: \"%5\" kept"),
                  VELMAR_WORD("Velmar", "line %1: the Name \"%2\" has more than %3 characters: \"%4\" kept"),
                  {n.value, std::to_string(kNameMaxCharacters), n.other});
    case CsvNoteKind::NameRefused:
        // The Name itself is not repeated: what it holds may not print.
        return at(
            VELMAR_WORD("Velmar", "line %1: %2: the Name holds a control character or is not UTF-8 text, not kept"),
            VELMAR_WORD("Velmar", "line %1: the Name holds a control character or is not UTF-8 text, not kept"), {});
    case CsvNoteKind::FromZero:
        return Tr(VELMAR_WORD("Velmar", "The Locations start at 0: taken in order, Location 0 as Group A CH1"));
    case CsvNoteKind::SpacingMajority:
        return TrArg(VELMAR_WORD("Velmar", "Group %1: %2 NFM (12.5 kHz), %3 FM (25 kHz): %4 taken"),
                     {std::string(1, static_cast<char>('A' + n.group)), Rows(n.nfm), Rows(n.fm), n.value});
    }
    return TrArg(VELMAR_WORD("Velmar", "line %1: "), {line});
}

std::string DescribeCsvRefusal(CsvRefusal refusal, int line) {
    switch (refusal) {
    case CsvRefusal::NoHeader:
        return Tr(VELMAR_WORD("Velmar", "not a channel list: no header line with the columns Location and Frequency"));
    case CsvRefusal::Semicolons:
        return Tr(VELMAR_WORD("Velmar", "not a channel list: its columns are separated by semicolons; save it with "
                                        "commas (CSV) and import it again"));
    case CsvRefusal::TooManyColumns:
        return TrArg(VELMAR_WORD("Velmar", "not a channel list: line %1 has more than 256 columns"),
                     {std::to_string(line)});
    case CsvRefusal::UnclosedQuote:
        return TrArg(VELMAR_WORD("Velmar",
                                 "not a channel list: the quote opened on line %1 is never closed, so the rest "
                                 "of the file would be one field"),
                     {std::to_string(line)});
    case CsvRefusal::TooManyRows:
        return TrArg(VELMAR_WORD("Velmar", "not a channel list for this radio: more than %1 rows (it has 64 channels)"),
                     {std::to_string(kChannelCsvMaxRows)});
    case CsvRefusal::None:
        break;
    }
    return {};
}

namespace {

std::string ShownChannel(const std::string& text, const std::string& name) {
    const std::string frequency = text.empty() ? Tr(VELMAR_WORD("Velmar", "empty")) : text;
    return name.empty() ? frequency : TrArg(VELMAR_WORD("Velmar", "%1 \u201c%2\u201d"), {frequency, name});
}

std::string ChannelChangeText(const ImportFacts::ChannelChange& c) {
    return TrArg(VELMAR_WORD("Velmar", "%1: %2 \u2192 %3"),
                 {ChannelName(c.group, c.channel), ShownChannel(c.from, c.fromName), ShownChannel(c.to, c.toName)});
}

} // namespace

std::string ImportPreview(const CsvImport& in, const std::string& fileName, const ImportFacts& facts) {
    const auto merged = static_cast<long long>(facts.changed.size());
    const long long all = merged + static_cast<long long>(facts.emptied.size());
    std::string text =
        Arg(TrN(VELMAR_WORDS("Velmar", "The rows of %1 name %Ln channels.", "The rows of %1 name %Ln channel."),
                facts.replaced),
            {fileName});
    if (in.refused > 0) {
        text += " " + TrN(VELMAR_WORDS("Velmar", "%Ln rows are not taken.", "%Ln row is not taken."), in.refused);
    }
    text += "\n" + TrN(VELMAR_WORDS("Velmar",
                                    "Merge into the file's Locations: %Ln channels change; the channels the rows do "
                                    "not name stay as they are.",
                                    "Merge into the file's Locations: %Ln channel changes; the channels the rows do "
                                    "not name stay as they are."),
                       merged);
    text += "\n" + TrN(VELMAR_WORDS("Velmar",
                                    "Replace all channels: %Ln channels change; the channels the rows do not name are "
                                    "emptied.",
                                    "Replace all channels: %Ln channel changes; the channels the rows do not name are "
                                    "emptied."),
                       all);
    for (const ImportFacts::SpacingChange& change : facts.spacing) {
        text += "\n" + SpacingChangeText(change);
    }
    return text;
}

std::string ImportPreviewDetail(const CsvImport& in, const ImportFacts& facts) {
    std::string text;
    const auto section = [&text](const std::string& heading, const std::vector<ImportFacts::ChannelChange>& changes) {
        if (!changes.empty()) {
            text += (text.empty() ? "" : "\n\n") + heading;
            for (const ImportFacts::ChannelChange& c : changes) {
                text += "\n" + ChannelChangeText(c);
            }
        }
    };
    section(Tr(VELMAR_WORD("Velmar", "Channels the rows change:")), facts.changed);
    section(Tr(VELMAR_WORD("Velmar", "Replace all channels also changes:")), facts.emptied);
    if (!in.notes.empty()) {
        text += (text.empty() ? "" : "\n\n") + Tr(VELMAR_WORD("Velmar", "Rows not taken, and what the entry made of "
                                                                        "others:"));
        for (const CsvNote& note : in.notes) {
            text += "\n" + DescribeCsvNote(note);
        }
    }
    return text;
}

std::string Imported(const std::string& fileName, ImportWay way, std::size_t changes) {
    const auto n = static_cast<long long>(changes);
    return way == ImportWay::Merge
               ? Arg(TrN(VELMAR_WORDS("Velmar", "Merged %1 into its Locations: %Ln channels changed.",
                                      "Merged %1 into its Locations: %Ln channel changed."),
                         n),
                     {fileName})
               : Arg(TrN(VELMAR_WORDS("Velmar", "Replaced all channels with %1: %Ln channels changed.",
                                      "Replaced all channels with %1: %Ln channel changed."),
                         n),
                     {fileName});
}

std::string DescribeBuffFull(std::uint32_t dropped, int held, int capacity) {
    return TrArg(VELMAR_WORD("Velmar", "%1 received bytes were dropped: the receive queue held %2 of %3 bytes."),
                 {Number(dropped), Number(held), Number(capacity)});
}

std::string CommandLineRefused(const CommandLineRefusal& r) {
    switch (r.kind) {
    case CommandLineRefusal::Kind::None:
        break;
    case CommandLineRefusal::Kind::NeedsValue:
        return r.option == "--card" ? TrArg(VELMAR_WORD("Velmar", "%1 needs the PDF file to write"), {r.option})
                                    : TrArg(VELMAR_WORD("Velmar", "%1 needs a device"), {r.option});
    case CommandLineRefusal::Kind::UnknownOption:
        return TrArg(VELMAR_WORD("Velmar", "unknown option: %1"), {r.option});
    case CommandLineRefusal::Kind::NoFile:
        return Tr(VELMAR_WORD("Velmar", "no setting file given"));
    case CommandLineRefusal::Kind::TooManyFiles:
        return TrArg(VELMAR_WORD("Velmar", "one setting file only, not %1"), {Number(r.files)});
    case CommandLineRefusal::Kind::CardWithoutFile:
        return Tr(VELMAR_WORD("Velmar", "--card needs a FILE.velmar to make the card of"));
    }
    return {};
}

} // namespace velmar::res
