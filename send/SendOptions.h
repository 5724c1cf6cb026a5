#pragma once
// The command line of velmar-send and the port it uses when none is given.

#include "PortRule.h"
#include "SendResults.h"

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
    CommandLineRefusal refusal; // Kind::None when the command line was understood
};

// The arguments after the program's name. --port takes its device as the next
// argument or after '='; "--" ends the options; exactly one FILE is needed
// unless --help or --version is given.
ParsedSendOptions ParseSendOptions(std::span<const std::string_view> args);

} // namespace velmar::send
