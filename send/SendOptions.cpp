#include "SendOptions.h"

namespace velmar::send {

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
                    p.refusal = {CommandLineRefusal::Kind::NeedsValue, "--port", 0};
                    return p;
                }
                device = args[++i];
            } else {
                device = a.substr(7);
            }
            if (device.empty()) {
                p.refusal = {CommandLineRefusal::Kind::NeedsValue, "--port", 0};
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
            p.refusal = {CommandLineRefusal::Kind::UnknownOption, std::string(a), 0};
            return p;
        }
    }
    if (p.options.help || p.options.version) {
        return p;
    }
    if (files.size() != 1) {
        p.refusal = {files.empty() ? CommandLineRefusal::Kind::NoFile : CommandLineRefusal::Kind::TooManyFiles,
                     {},
                     files.size()};
        return p;
    }
    p.options.file = files.front();
    return p;
}

} // namespace velmar::send
