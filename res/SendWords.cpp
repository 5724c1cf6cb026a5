#include "SendWords.h"
#include "HexText.h"

#include "Preferences.h"
#include "ProgrammingFrame.h"
#include "Strings.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string_view>

namespace velmar::res {

const char* const kSendUsage = "Usage: velmar-send [--port DEV]... [--json] [--repeat] FILE.velmar\n"
                               "Try 'velmar-send --help' for more.\n";

const char* const kSendHelp =
    R"help(velmar-send - send a Velmar setting file to radios on one or more serial ports

Usage: velmar-send [--port DEV]... [--json] [--repeat] FILE.velmar

Reads a setting saved by Velmar (FILE.velmar) and writes it to the radio on
each port given, to all of them at once, exactly as Velmar's Send does: one
258-byte programming frame in 141 paced writes, at 4800 baud, 8 data bits, no
parity and two stop bits. Each port keeps its own pacing; a Send takes about
six seconds. Whatever a radio answers is shown after its Send.

On a terminal each port has a progress line, redrawn in place. At the end
each port gets one line:
  DEV: sent 258 bytes, checksum 0x57, reply 06
  DEV: failed after 17 of 258 bytes: the line hung up (...)

Each round in which a port got the whole frame leaves the setting in the
history of sent settings (see Files).

Ctrl+C (or SIGTERM) lets the frames on their way finish and then stops; a
second Ctrl+C stops at once and names the ports left with an incomplete
frame. The ports are released and their line settings restored in every case.

Options:
  --port DEV     a serial device (/dev/ttyUSB0) or a port name; once per
                 radio. Without it, COM1 as Velmar's window decides it:
                 $VELMAR_COM1, else the port chosen in the window's Port menu,
                 else /dev/ttyS0. Which device that is, and why, is said on
                 stderr: "COM1 = /dev/ttyUSB0 (remembered)".
  --json         one JSON object per port and Send on stdout instead of the
                 lines: {"port":"/dev/ttyUSB0","bytes":258,"checksum":"0x57",
                 "reply":"06","reply_bytes":1,"error":null,"stalled":false,
                 "seconds":5.71}; "reply" is null when nothing came, "error"
                 says why a Send failed, "stalled" is true when every byte
                 went out but the line stalled (exit status 3). With
                 --repeat each also has "round", and the end brings
                 {"port":...,"radios_programmed":N} per port.
  --repeat       for a batch of radios: after each Send wait for Enter (swap
                 the radios meanwhile) and send again; q then Enter, or the
                 end of input, ends it. The end tells how many radios each
                 port programmed.
  --help         show this text and exit
  --version      show the version and exit

A port given more than once (by name or through a link) is sent to once.
A long reply is shown by its first 16 bytes and its size.

Exit status:
  0              every port got all 258 bytes with every pause kept (in every
                 round)
  1              a port could not be opened, a Send ended early, or the
                 results could not be written (a full disk, a closed pipe)
  2              a bad command line, a setting file Velmar would refuse, or COM1
                 standing for no device (the port chosen last cannot be read)
  3              every port got all 258 bytes, but on one the line stalled (this
                 machine held the Send up longer than the radio waits, 500 ms
                 unless VELMAR_FRAME_TIMEOUT_MS says otherwise): that radio may
                 not have taken the frame; send again

Environment:
  VELMAR_COMn    the device behind COMn (default /dev/ttyS(n-1))
  VELMAR_FRAME_TIMEOUT_MS  how long the radio waits between two bytes of a
                 frame before it gives the frame up (150 to 10000, default 500);
                 a Send held up longer is reported as stalled
  XDG_CONFIG_HOME  where Velmar's window keeps what it remembers (default
                 ~/.config)
  XDG_DATA_HOME  where the history of sent settings is (default ~/.local/share)

Files:
  $XDG_CONFIG_HOME/velmar/)help" VELMAR_PREFERENCES_FILE_NAME R"help(  what Velmar's window remembers; the
                 "port" key of its [General] section is the port chosen last
  $XDG_DATA_HOME/velmar/sent/  the history of sent settings, one setting file
                 per Send

Examples:
  velmar-send --port /dev/ttyUSB0 group-a.velmar
                 program one radio
  velmar-send --port /dev/ttyUSB0 --port /dev/ttyUSB1 --repeat shop.velmar
                 program radios two at a time, pressing Enter between batches
  velmar-send --json --port /dev/ttyUSB0 shop.velmar | jq .error
                 the outcome for a script
)help";

namespace {

const std::string kProgram = "velmar-send: ";

std::string Radios(int n) {
    return std::to_string(n) + (n == 1 ? " radio" : " radios");
}

} // namespace

std::string SendOptionsRefused(const CommandLineRefusal& r) {
    return kProgram + CommandLineRefused(r) + "\n" + kSendUsage;
}

std::string SendVersion(const char* version) {
    return std::string("velmar-send ") + version;
}

std::string SendNoSignals(int err) {
    return kProgram + "cannot set up signal handling: " + std::strerror(err);
}

std::string SendCannotWriteResults(int err) {
    return kProgram + "cannot write the results: " + std::strerror(err);
}

std::string SendStaleHoldCleared(const std::string& device) {
    return kProgram + StaleHoldCleared(device);
}

std::string SendPortUnreadable(const FileFailure& failure) {
    return kProgram + PortUnreadable(failure);
}

std::string SendCom1(const PortInForce& port) {
    return kProgram + Com1Text(port);
}

std::string SendGivenTwice(const std::string& device) {
    return kProgram + device + " is given more than once: it is sent to once";
}

std::string SendNotRecorded(const FileFailure& failure) {
    return kProgram + "warning: the Send is not in the history of sent settings: " + DescribeFileFailure(failure);
}

std::string SendRoundDone(int round, int programmed) {
    return kProgram + "round " + std::to_string(round) + " done, " + Radios(programmed) +
           " programmed so far. Connect the next radios and press Enter to send again, or q and Enter to end.";
}

const char* const kSendStopping = "velmar-send: stopping after the frames in flight\u2026 (Ctrl+C again stops at once)";

std::string SendStoppedAtOnce(const std::vector<std::pair<std::string, int>>& partial) {
    if (partial.empty()) {
        return kProgram + "stopped at once; no port got a partial frame";
    }
    std::string text = kProgram + "stopped at once:";
    for (const auto& [device, bytes] : partial) {
        text += "\n  " + device + " got a partial frame (" + std::to_string(bytes) + " of " +
                std::to_string(kFrameSize) + " bytes)";
    }
    return text;
}

std::string PortOutcomeError(const PortOutcome& o) {
    switch (o.failed) {
    case PortOutcome::Failed::No:
        break;
    case PortOutcome::Failed::NotOpened:
        return o.openFailure.kind == SerialFailureKind::None ? "the port could not be opened"
                                                             : DescribeSerialFailure(o.openFailure);
    case PortOutcome::Failed::NotStarted:
        return "the Send could not be started";
    case PortOutcome::Failed::SendEnded:
        return DescribeSendEnd(o.end, o.bytes, SendStopper::Interrupt, o.stall);
    }
    return {};
}

std::string HexBytes(const std::vector<std::uint8_t>& bytes) {
    std::string text;
    return HexRun(std::span(bytes).first(std::min(bytes.size(), kShownReplyBytes)));
}

std::string ResultLine(const PortOutcome& o) {
    if (o.end == SendEnd::Stalled) {
        return o.port + ": sent " + std::to_string(o.bytes) + " bytes, checksum " + HexValue(o.checksum) + ", but " +
               PortOutcomeError(o);
    }
    if (!o.Sent()) {
        return o.port + ": failed after " + std::to_string(o.bytes) + " of " + std::to_string(kFrameSize) +
               " bytes: " + PortOutcomeError(o);
    }
    return o.port + ": sent " + std::to_string(o.bytes) + " bytes, checksum " + HexValue(o.checksum) + ", " +
           (o.reply.empty()
                ? "no reply"
                : "reply " + HexBytes(o.reply) +
                      (o.replyBytes > kShownReplyBytes ? " ... (" + std::to_string(o.replyBytes) + " bytes)" : ""));
}

std::string CountLine(const std::string& port, int programmed) {
    return port + ": " + Radios(programmed) + " programmed";
}

std::string ProgressLine(const std::string& port, int bytesWritten, int msLeft, int width) {
    char figures[64];
    std::snprintf(figures, sizeof figures, "  %3d/%d bytes  %4.1f s left", bytesWritten, kFrameSize, msLeft / 1000.0);
    const int room = width - static_cast<int>(port.size() + std::string_view(figures).size()) - 4;
    std::string line = port;
    if (room >= 10) {
        const int bar = std::min(room, 40);
        const int filled = bar * bytesWritten / kFrameSize;
        line += "  [" + std::string(static_cast<std::size_t>(filled), '#') +
                std::string(static_cast<std::size_t>(bar - filled), '.') + "]";
    }
    line += figures;
    if (static_cast<int>(line.size()) > width && width > 0) {
        line.resize(static_cast<std::size_t>(width));
    }
    return line;
}

std::string NotOpenLine(const std::string& port) {
    return port + ": not open";
}

} // namespace velmar::res
