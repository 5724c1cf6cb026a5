#pragma once
// How a Send ended and which device COM1 stood for, as the session reports them and the programs word them. Types
// only.

#include "SerialResults.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace velmar {

// How a Send ended.
enum class SendEnd {
    Complete,    // every write of the frame went out and its last pause was kept
    HungUp,      // the line hung up (cable or adapter pulled, other side closed)
    WriteFailed, // a write did not get all its bytes out in time, the line still up
    Stopped,     // Stop (or Close, or the destructor) ended it
    Stalled,     // every byte went out, but the line was quiet past the radio's frame time-out: `SendStall` says
                 // where; the radio may not have taken the frame
};

// Where a Send's line stalled: quiet for `quietMs` after byte `afterByte` of the frame.
struct SendStall {
    int quietMs = 0;
    int afterByte = 0;
};

// Who stops a Send: the window's Disconnect, or a signal to velmar-send.
enum class SendStopper { Disconnect, Interrupt };

// Why a device is COM1.
// Unreadable: a port is remembered but cannot be read, so COM1 stands for no device until one is given or chosen.
enum class PortReason { CommandLine, Environment, Remembered, Default, Chosen, Unreadable };

// What a device path is now, to name it as such in the Port menu.
enum class DeviceKind {
    Missing,        // nothing there (an unplugged cable, a link left behind)
    PseudoTerminal, // a pseudo-terminal, with some program at its far end
    SimulatedRadio, // a pseudo-terminal whose far end is the simulated radio, velmar-radio
    Other,          // something else that is there
};

struct PortInForce {
    std::string device;
    PortReason reason = PortReason::Default;
};

// How one port's Send went in velmar-send, also for a port that could not be opened.
struct PortOutcome {
    enum class Failed {
        No,         // all kFrameSize bytes left
        NotOpened,  // `openFailure` says why
        NotStarted, // open, but no Send could be started
        SendEnded,  // `end` says how it ended short, or that the line stalled (all bytes sent, maybe not taken)
    };
    std::string port; // the device
    int bytes = 0;    // of kFrameSize, bytes that really left
    std::uint8_t checksum = 0;
    std::vector<std::uint8_t> reply; // its first bytes, as the session kept them
    std::uint64_t replyBytes = 0;    // all that came
    Failed failed = Failed::No;
    SendEnd end = SendEnd::Complete;
    SendStall stall; // with SendEnd::Stalled
    SerialFailure openFailure;
    double seconds = 0;
    [[nodiscard]] bool Sent() const { return failed == Failed::No; }
};

// A command line, velmar's or velmar-send's, that was not understood.
struct CommandLineRefusal {
    enum class Kind {
        None,
        NeedsValue,      // `option` was given without its value
        UnknownOption,   // `option` as given
        NoFile,          // no setting file
        TooManyFiles,    // `files` setting files
        CardWithoutFile, // --card and no setting file to make the card of
    };
    Kind kind = Kind::None;
    std::string option;
    std::size_t files = 0;
};

} // namespace velmar
