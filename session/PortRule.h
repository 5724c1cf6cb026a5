#pragma once
// Which device COM1 stands for. One rule, used by the window and by velmar-send alike, so that a port chosen in
// the window is the port velmar-send programs.

#include <functional>
#include <string>

namespace velmar {

enum class PortReason { CommandLine, Environment, Remembered, Default, Chosen };

struct PortInForce {
    std::string device;
    PortReason reason = PortReason::Default;
};

inline constexpr const char* kDefaultCom1Device = "/dev/ttyS0";

// The first that is set of: `commandLine` (--port DEV), `environment` (VELMAR_COM1), `remembered()` (the port
// chosen in the window's Port menu); else /dev/ttyS0. `remembered` is asked only when the first two are empty.
PortInForce ResolveCom1(const std::string& commandLine, const std::string& environment,
                        const std::function<std::string()>& remembered);

// The same for this process: VELMAR_COM1 from the environment, the remembered port from the preferences file
// (read only when it decides). A preferences file that cannot be read counts as nothing remembered; *warning,
// when not null, then says why.
PortInForce ResolveCom1(const std::string& commandLine, std::string* warning = nullptr);

// True for "COM1" in any letter case: the port name the rule above decides.
bool IsCom1(const std::string& portName);

} // namespace velmar
