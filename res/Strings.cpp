#include "Strings.h"

#include "ProgrammingFrame.h"
#include "SettingLabels.h"
#include "Words.h"

#include <algorithm>
#include <iterator>
#include <string_view>

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
        return dev + ": permission denied. Your user must be in the group that owns the device, \"" + join +
               "\" (for example: sudo usermod -aG " + join + " $USER), and log in again.";
    }
    // The device should belong to dialout instead; joining its group would hand the user far more.
    const std::string owner = group == "root" ? std::string("Only root may open this device.")
                                              : "The device belongs to the group \"" + group +
                                                    "\", which gives its members much more than this device: do "
                                                    "not join it.";
    return dev + ": permission denied. " + owner +
           " Ask the administrator for a udev rule that gives it to the group \"dialout\" (for example a file "
           "/etc/udev/rules.d/50-velmar.rules with the line SUBSYSTEM==\"tty\", KERNEL==\"" +
           failure.kernelName +
           "\", GROUP=\"dialout\", MODE=\"0660\"), join that group (sudo usermod -aG dialout $USER) and log in "
           "again.";
}

} // namespace

std::string DescribeSerialProblem(const SerialFailure& f) {
    const std::string value = std::to_string(f.value);
    switch (f.problem) {
    case SerialProblem::System:
        return f.reason;
    case SerialProblem::OpenHere:
        return "it is open in this program";
    case SerialProblem::HeldElsewhere:
        return "another program holds it";
    case SerialProblem::NotOpen:
        return "the port is not open";
    case SerialProblem::ZeroBaud:
        return "0 baud is not a speed";
    case SerialProblem::BaudUnavailable:
        return value + " baud is not a speed this system can set";
    case SerialProblem::ByteSizeImpossible:
        return value + " data bits are not possible (5 to 8 are)";
    case SerialProblem::OneAndAHalfStopBits:
        return "one and a half stop bits are not available on this system";
    case SerialProblem::UnknownStopBits:
        return "stop-bits code " + value + " is unknown (0 = one, 2 = two)";
    case SerialProblem::UnknownParity:
        return "parity code " + value + " is unknown (0 to 4 are)";
    case SerialProblem::BaudNotKept:
        return "the driver did not keep " + value + " baud";
    case SerialProblem::ByteSizeNotKept:
        return "the driver did not keep " + value + " data bits";
    case SerialProblem::StopBitsNotKept:
        return "the driver did not keep the stop bits";
    case SerialProblem::ParityNotKept:
        return "the driver did not keep parity code " + value;
    case SerialProblem::FlowControlNotOff:
        return "the driver did not turn flow control off";
    case SerialProblem::RawModeNotKept:
        return "the driver did not keep raw mode";
    case SerialProblem::NoWatchThread:
        return "no watch thread could be started";
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
        return dev + ": no such device (" + why + ").";
    case SerialFailureKind::Busy:
        return failure.problem == SerialProblem::OpenHere
                   ? dev + " is busy: " + why + "."
                   : dev + " is busy: another program holds it. Close that program and connect again.";
    case SerialFailureKind::PermissionDenied:
        return PermissionHint(failure);
    case SerialFailureKind::NotSerial:
        return dev + " is not a serial device.";
    case SerialFailureKind::SettingRefused:
        return dev + ": the line settings were refused: " + why + ".";
    case SerialFailureKind::Resources:
        return dev + " could not be opened: the system is out of resources (" + why + ").";
    case SerialFailureKind::Other:
        break;
    }
    return dev + " could not be opened: " + why + ".";
}

std::string DescribeSendEnd(SendEnd end, int bytes, SendStopper stopper, const SendStall& stall) {
    switch (end) {
    case SendEnd::Complete:
        return "the whole frame was sent";
    case SendEnd::HungUp:
        return "the line hung up (the cable or adapter was disconnected, or the other side closed)";
    case SendEnd::WriteFailed:
        return "a write did not get its bytes out in time (the line is held up or the device failed)";
    case SendEnd::Stalled:
        return "the line stalled for " + std::to_string(stall.quietMs) + " ms after byte " +
               std::to_string(stall.afterByte) +
               ", longer than the radio waits: it may not have taken the frame; "
               "send again";
    case SendEnd::Stopped:
        if (stopper == SendStopper::Disconnect) {
            return "stopped by Disconnect";
        }
        return bytes == kFrameSize ? "stopped after the whole frame was sent" : "stopped before the frame was complete";
    }
    return {};
}

std::string PortReasonText(PortReason reason) {
    switch (reason) {
    case PortReason::CommandLine:
        return "command line";
    case PortReason::Environment:
        return "VELMAR_COM1";
    case PortReason::Remembered:
        return "remembered";
    case PortReason::Chosen:
        return "chosen";
    case PortReason::Unreadable:
        return "remembered port unreadable";
    case PortReason::Default:
        break;
    }
    return "default";
}

std::string Com1Text(const PortInForce& port) {
    if (port.reason == PortReason::Unreadable) {
        return "COM1 = no device (" + PortReasonText(port.reason) + ")";
    }
    return "COM1 = " + port.device + " (" + PortReasonText(port.reason) + ")";
}

std::string StaleHoldCleared(const std::string& device) {
    return device + " was still marked as held by a program that had ended; the mark was cleared.";
}

std::string PortUnreadable(const FileFailure& why) {
    return "COM1 stands for no device: the port chosen last cannot be read (" + DescribeFileFailure(why) +
           "). Give the port with --port DEV, or choose one in the Port menu of Velmar's window.";
}

namespace {

std::string ChannelName(int group, int channel) {
    return "Group " + std::string(1, static_cast<char>('A' + group)) + " CH" + std::to_string(channel + 1);
}

std::string Plural(int n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

} // namespace

std::string DescribeCsvNote(const CsvNote& n) {
    const std::string line = "line " + std::to_string(n.line) + ": ";
    const std::string at = n.group >= 0 && n.channel >= 0 ? line + ChannelName(n.group, n.channel) + ": " : line;
    switch (n.kind) {
    case CsvNoteKind::NoLocation:
        return line + "no Location, not taken";
    case CsvNoteKind::LocationNotANumber:
        return line + "Location \"" + n.value + "\" is not a number, not taken";
    case CsvNoteKind::LocationOutOfRange:
        return line + "Location " + n.value + " is beyond the 64 channels, not taken";
    case CsvNoteKind::NoFrequency:
        return line + "no frequency, not taken";
    case CsvNoteKind::FrequencyNotANumber:
        return line + "Frequency \"" + n.value + "\" is not a number, not taken";
    case CsvNoteKind::FrequencyOutOfRange:
        return line + n.value + " MHz is outside 400 to 500 MHz, not taken";
    case CsvNoteKind::FrequencyDecimalComma:
        return line + "Frequency " + n.value +
               " has a decimal comma that splits it in two, not taken: write it with a point, or in quotes";
    case CsvNoteKind::MovedToGrid:
        return at + n.value + " moved to " + n.other + " (6.25 kHz steps)";
    case CsvNoteKind::LocationTwice:
        return at + "given on line " + std::to_string(n.otherLine) + " too; this later row is taken";
    case CsvNoteKind::NotKept:
        return at + n.value + " not kept: this radio has no such setting";
    case CsvNoteKind::SameFrequency:
        return at + n.value + " is the frequency of " + ChannelName(n.group, n.otherChannel) + " too";
    case CsvNoteKind::NameCut:
        return at + "the Name \"" + n.value + "\" has more than " + std::to_string(kNameMaxCharacters) +
               " characters: \"" + n.other + "\" kept";
    case CsvNoteKind::NameRefused:
        // The Name itself is not repeated: what it holds may not print.
        return at + "the Name holds a control character or is not UTF-8 text, not kept";
    case CsvNoteKind::FromZero:
        return "The Locations start at 0: taken in order, Location 0 as Group A CH1";
    case CsvNoteKind::SpacingMajority:
        return "Group " + std::string(1, static_cast<char>('A' + n.group)) + ": " +
               Plural(n.nfm, "row says", "rows say") + " NFM (12.5 kHz), " + Plural(n.fm, "row says", "rows say") +
               " FM (25 kHz): " + n.value + " taken";
    }
    return line;
}

std::string DescribeCsvRefusal(CsvRefusal refusal, int line) {
    switch (refusal) {
    case CsvRefusal::NoHeader:
        return "not a channel list: no header line with the columns Location and Frequency";
    case CsvRefusal::Semicolons:
        return "not a channel list: its columns are separated by semicolons; save it with commas (CSV) and import "
               "it again";
    case CsvRefusal::TooManyColumns:
        return "not a channel list: line " + std::to_string(line) + " has more than 256 columns";
    case CsvRefusal::UnclosedQuote:
        return "not a channel list: the quote opened on line " + std::to_string(line) +
               " is never closed, so the rest of the file would be one field";
    case CsvRefusal::TooManyRows:
        return "not a channel list for this radio: more than " + std::to_string(kChannelCsvMaxRows) +
               " rows (it has 64 channels)";
    case CsvRefusal::None:
        break;
    }
    return {};
}

namespace {

std::string ShownChannel(const std::string& text, const std::string& name) {
    return (text.empty() ? std::string("empty") : text) + (name.empty() ? "" : " \u201c" + name + "\u201d");
}

std::string ChannelChangeText(const ImportFacts::ChannelChange& c) {
    return ChannelName(c.group, c.channel) + ": " + ShownChannel(c.from, c.fromName) + " \u2192 " +
           ShownChannel(c.to, c.toName);
}

} // namespace

std::string ImportPreview(const CsvImport& in, const std::string& fileName, const ImportFacts& facts) {
    const int merged = static_cast<int>(facts.changed.size());
    const int all = merged + static_cast<int>(facts.emptied.size());
    std::string text = "The rows of " + fileName + " name " + Plural(facts.replaced, "channel", "channels") + ".";
    if (in.refused > 0) {
        text += " " + Plural(in.refused, "row is", "rows are") + " not taken.";
    }
    text += "\nMerge into the file's Locations: " + Plural(merged, "channel changes", "channels change") +
            "; the channels the rows do not name stay as they are.";
    text += "\nReplace all channels: " + Plural(all, "channel changes", "channels change") +
            "; the channels the rows do not name are emptied.";
    for (const ImportFacts::SpacingChange& change : facts.spacing) {
        text += "\n" + SpacingChangeText(change);
    }
    return text;
}

std::string ImportPreviewDetail(const CsvImport& in, const ImportFacts& facts) {
    std::string text;
    const auto section = [&text](const char* heading, const std::vector<ImportFacts::ChannelChange>& changes) {
        if (!changes.empty()) {
            text += (text.empty() ? "" : "\n\n") + std::string(heading);
            for (const ImportFacts::ChannelChange& c : changes) {
                text += "\n" + ChannelChangeText(c);
            }
        }
    };
    section("Channels the rows change:", facts.changed);
    section("Replace all channels also changes:", facts.emptied);
    if (!in.notes.empty()) {
        text += (text.empty() ? "" : "\n\n") + std::string("Rows not taken, and what the entry made of others:");
        for (const CsvNote& note : in.notes) {
            text += "\n" + DescribeCsvNote(note);
        }
    }
    return text;
}

std::string Imported(const std::string& fileName, ImportWay way, std::size_t changes) {
    const int n = static_cast<int>(changes);
    return way == ImportWay::Merge
               ? "Merged " + fileName + " into its Locations: " + Plural(n, "channel", "channels") + " changed."
               : "Replaced all channels with " + fileName + ": " + Plural(n, "channel", "channels") + " changed.";
}

std::string DescribeBuffFull(std::uint32_t dropped, int held, int capacity) {
    return std::to_string(dropped) + " received bytes were dropped: the receive queue held " + std::to_string(held) +
           " of " + std::to_string(capacity) + " bytes.";
}

std::string CommandLineRefused(const CommandLineRefusal& r) {
    switch (r.kind) {
    case CommandLineRefusal::Kind::None:
        break;
    case CommandLineRefusal::Kind::NeedsValue:
        return r.option + (r.option == "--card" ? " needs the PDF file to write" : " needs a device");
    case CommandLineRefusal::Kind::UnknownOption:
        return "unknown option: " + r.option;
    case CommandLineRefusal::Kind::NoFile:
        return "no setting file given";
    case CommandLineRefusal::Kind::TooManyFiles:
        return "one setting file only, not " + std::to_string(r.files);
    case CommandLineRefusal::Kind::CardWithoutFile:
        return "--card needs a FILE.velmar to make the card of";
    }
    return {};
}

} // namespace velmar::res
