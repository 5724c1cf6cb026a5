#pragma once
// The command line of velmar-send and the port it uses when none is given.

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmar::send {

struct SendOptions {
    std::vector<std::string> ports; // as given, in order; empty: the port Velmar would use
    std::string file;
    bool json = false;
    bool repeat = false;
    bool help = false;
    bool version = false;
};

struct ParsedSendOptions {
    SendOptions options;
    std::string error; // empty when the command line was understood
};

// The arguments after the program's name. --port takes its device as the next
// argument or after '='; "--" ends the options; exactly one FILE is needed
// unless --help or --version is given.
ParsedSendOptions ParseSendOptions(std::span<const std::string_view> args);

// The value of the `port` key in the [General] section of a QSettings INI
// text, without surrounding double quotes; empty when there is none.
std::string RememberedPort(std::string_view iniText);

// Where Velmar keeps its settings: $XDG_CONFIG_HOME/velmar/velmar.conf when
// XDG_CONFIG_HOME is set and absolute, else $HOME/.config/velmar/velmar.conf.
// Null stands for an unset variable.
std::string ConfigFilePath(const char* xdgConfigHome, const char* home);

// The port Velmar would use: `com1` (the value of VELMAR_COM1) when not empty,
// else the remembered port of `iniText` mapped through DevicePathForPort,
// else /dev/ttyS0.
std::string DefaultPort(const std::string& com1, std::string_view iniText);

extern const char* const kUsage; // the synopsis alone, for a bad command line
extern const char* const kHelp;  // the whole --help text

} // namespace velmar::send
