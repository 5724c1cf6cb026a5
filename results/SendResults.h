#pragma once
// How a Send ended and which device COM1 stood for, as the session reports them and the programs word them. Types
// only.

#include <string>

namespace velmar {

// How a Send ended.
enum class SendEnd {
    Complete,    // every write of the frame went out and its last pause was kept
    HungUp,      // the line hung up (cable or adapter pulled, other side closed)
    WriteFailed, // a write did not get all its bytes out in time, the line still up
    Stopped,     // Stop (or Close, or the destructor) ended it
};

// Why a device is COM1.
enum class PortReason { CommandLine, Environment, Remembered, Default, Chosen };

struct PortInForce {
    std::string device;
    PortReason reason = PortReason::Default;
};

} // namespace velmar
