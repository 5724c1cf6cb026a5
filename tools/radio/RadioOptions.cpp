#include "RadioOptions.h"

#include "CodeTables.h"

#include <charconv>

namespace velmar::radio {

const char* const kUsage =
    R"(Usage: velmar-radio [--link PATH] [--reply HEX] [--json] [--count N] [--silence MS]

Plays the radio's end of Velmar's serial line on a pseudo-terminal: prints the
device to give Velmar (VELMAR_COM1=...), then checks and decodes every
programming frame it receives and measures its pacing.

  --link PATH    also make PATH a symlink to the device (removed at exit)
  --reply HEX    bytes to send back after each frame, e.g. "06" or "4F 4B"
  --json         one JSON object per frame on stdout; other messages go to stderr
  --count N      exit after N frames
  --silence MS   a pause this long ends a frame, the radio's frame time-out
                 (150..1999, default 500: what the senders assume, so a Send
                 they report as stalled is one this radio gave up)
  --help         this text

Stops cleanly on Ctrl-C (SIGINT), SIGTERM or SIGHUP.
)";

namespace {

std::optional<int> Number(std::string_view text) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

} // namespace

std::optional<std::vector<std::uint8_t>> ParseHexBytes(std::string_view text) {
    std::vector<std::uint8_t> bytes;
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] == ' ' || text[i] == '\t') {
            ++i;
            continue;
        }
        if (i + 1 >= text.size()) {
            return std::nullopt;
        }
        const int high = HexDigitValue(text[i]);
        const int low = HexDigitValue(text[i + 1]);
        if (high < 0 || low < 0) {
            return std::nullopt;
        }
        bytes.push_back(static_cast<std::uint8_t>(high << 4 | low));
        i += 2;
    }
    if (bytes.empty()) {
        return std::nullopt;
    }
    return bytes;
}

ParsedOptions ParseOptions(std::span<const std::string_view> args) {
    ParsedOptions p;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view a = args[i];
        const bool takesValue = a == "--link" || a == "--reply" || a == "--count" || a == "--silence";
        if (takesValue && i + 1 >= args.size()) {
            p.error = std::string(a) + " needs a value";
            return p;
        }
        if (a == "--help" || a == "-h") {
            p.options.help = true;
        } else if (a == "--json") {
            p.options.json = true;
        } else if (a == "--link") {
            p.options.link = args[++i];
            if (p.options.link.empty()) {
                p.error = "--link needs a path";
                return p;
            }
        } else if (a == "--reply") {
            const auto bytes = ParseHexBytes(args[++i]);
            if (!bytes) {
                p.error = "--reply takes pairs of hex digits, e.g. \"06\" or \"4F 4B\"";
                return p;
            }
            p.options.reply = *bytes;
        } else if (a == "--count") {
            const auto n = Number(args[++i]);
            if (!n || *n < 1) {
                p.error = "--count takes a number of frames, 1 or more";
                return p;
            }
            p.options.count = *n;
        } else if (a == "--silence") {
            const auto ms = Number(args[++i]);
            if (!ms || *ms < 150 || *ms > 1999) {
                p.error = "--silence takes milliseconds from 150 to 1999";
                return p;
            }
            p.options.silence = std::chrono::milliseconds(*ms);
        } else {
            p.error = "unknown argument: " + std::string(a);
            return p;
        }
    }
    return p;
}

} // namespace velmar::radio
