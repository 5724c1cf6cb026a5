#pragma once
// Which device COM1 stands for. One rule, used by the window and by velmar-send alike, so that a port chosen in
// the window is the port velmar-send programs.

#include "FileFailure.h"
#include "SendResults.h"

#include <functional>
#include <optional>
#include <string>

namespace velmar {

inline constexpr const char* kDefaultCom1Device = "/dev/ttyS0";
// The simulated radio's program, as the system names its process.
inline constexpr const char* kSimulatedRadioProgram = "velmar-radio";

// The first that is set of: `commandLine` (--port DEV), `environment` (VELMAR_COM1), `remembered()` (the port
// chosen in the window's Port menu); else /dev/ttyS0. `remembered` is asked only when the first two are empty;
// nullopt from it is a remembered port that cannot be read, and then COM1 is no device (PortReason::Unreadable):
// the frame must not go to a default nobody chose.
PortInForce ResolveCom1(const std::string& commandLine, const std::string& environment,
                        const std::function<std::optional<std::string>()>& remembered);

// The same for this process: VELMAR_COM1 from the environment, the remembered port from the preferences file
// (read only when it decides). A preferences file that cannot be read, or a port in it that cannot, is
// Unreadable; *warning, when not null, then says which file and why.
PortInForce ResolveCom1(const std::string& commandLine, std::optional<FileFailure>* warning = nullptr);

// What `device` is now: gone, a pseudo-terminal, the simulated radio's, or something else.
DeviceKind KindOfDevice(const std::string& device);

// The n of a port name "COMn": any letter case, n from 1 to 9999, leading zeros allowed ("COM01" is COM1); 0 for
// any other name.
unsigned ComPortNumber(const std::string& portName);
// True for every name of COM1: the port the rule above decides.
bool IsCom1(const std::string& portName);
// The device a port name stands for, for every program: COM1 as ResolveCom1 decides it (with *warning as
// there); COMn for n >= 2 the device in VELMAR_COMn when that is set and not empty, else /dev/ttyS(n-1); any
// other name is a path, taken as given.
PortInForce DeviceForPortName(const std::string& portName, std::optional<FileFailure>* warning = nullptr);

} // namespace velmar
