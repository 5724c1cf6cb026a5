#pragma once
// Why a serial port could not be opened or set up, as the serial layer reports it and the programs word it. Types
// only: the layers that report these and the words that tell them both depend on this, and on nothing else here.

#include <cstdint>
#include <string>

namespace velmar {

enum class SerialFailureKind {
    None,
    NoDevice,         // the path does not exist, or no device answers behind it
    Busy,             // held by another program (or by another link of this one)
    PermissionDenied, // the user may not open it
    NotSerial,        // it exists but is not a terminal device
    SettingRefused,   // a line setting cannot be expressed here or the driver did not keep it
    Resources,        // the process ran out of descriptors or the like
    Other,
};

// What exactly was refused, for the programs to word.
enum class SerialProblem {
    System,              // the system's error: `error`, with the system's own text in `reason`
    OpenHere,            // this program holds the port already
    HeldElsewhere,       // another program holds the port exclusively
    NotOpen,             // a setting was asked of a port that is not open
    ZeroBaud,            // 0 baud is no speed
    BaudUnavailable,     // `value` baud cannot be set on this system
    ByteSizeImpossible,  // `value` data bits (5 to 8 are possible)
    OneAndAHalfStopBits, // not available on this system
    UnknownStopBits,     // stop-bits code `value` (0 = one, 2 = two)
    UnknownParity,       // parity code `value` (0 to 4)
    BaudNotKept,         // the driver did not keep `value` baud
    ByteSizeNotKept,     // ... `value` data bits
    StopBitsNotKept,
    ParityNotKept, // ... parity code `value`
    FlowControlNotOff,
    RawModeNotKept,
    NoWatchThread, // the watch thread could not be started (`error`)
};

// Why an operation failed: the device path, errno (0 when the failure is not the system's), what was refused
// and the value concerned. The programs word it for their users.
struct SerialFailure {
    SerialFailureKind kind = SerialFailureKind::None;
    std::string device;
    int error = 0;
    SerialProblem problem = SerialProblem::System;
    std::uint32_t value = 0;
    std::string reason; // the system's text for `error`, with SerialProblem::System
    // For PermissionDenied: the group that owns the device (empty when unknown) and the device's own name in
    // /dev, so that the programs can say what to do without asking the system themselves.
    std::string group;
    std::string kernelName;
};

} // namespace velmar
