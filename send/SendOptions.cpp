#include "SendOptions.h"

#include "Preferences.h"

namespace velmar::send {

const char* const kUsage = "Usage: velmar-send [--port DEV]... [--json] [--repeat] FILE.velmar\n"
                           "Try 'velmar-send --help' for more.\n";

const char* const kHelp =
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
                 "reply":"06","reply_bytes":1,"error":null,"seconds":5.71};
                 "reply" is null when nothing came, "error" says why a Send
                 failed. With
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
  0              every port got all 258 bytes (in every round)
  1              a port could not be opened, a Send ended early, or the
                 results could not be written (a full disk, a closed pipe)
  2              a bad command line, or a setting file Velmar would refuse

Environment:
  VELMAR_COMn    the device behind COMn (default /dev/ttyS(n-1))
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

ParsedSendOptions ParseSendOptions(std::span<const std::string_view> args) {
    ParsedSendOptions p;
    std::vector<std::string> files;
    bool optionsEnd = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view a = args[i];
        if (optionsEnd || a.empty() || a[0] != '-' || a == "-") {
            files.emplace_back(a);
        } else if (a == "--") {
            optionsEnd = true;
        } else if (a == "--port" || a.starts_with("--port=")) {
            std::string_view device;
            if (a == "--port") {
                if (i + 1 >= args.size()) {
                    p.error = "--port needs a device";
                    return p;
                }
                device = args[++i];
            } else {
                device = a.substr(7);
            }
            if (device.empty()) {
                p.error = "--port needs a device";
                return p;
            }
            p.options.ports.emplace_back(device);
        } else if (a == "--json") {
            p.options.json = true;
        } else if (a == "--repeat") {
            p.options.repeat = true;
        } else if (a == "--help" || a == "-h") {
            p.options.help = true;
        } else if (a == "--version") {
            p.options.version = true;
        } else {
            p.error = "unknown option: " + std::string(a);
            return p;
        }
    }
    if (p.options.help || p.options.version) {
        return p;
    }
    if (files.size() != 1) {
        p.error =
            files.empty() ? "no setting file given" : "one setting file only, not " + std::to_string(files.size());
        return p;
    }
    p.options.file = files.front();
    return p;
}

} // namespace velmar::send
