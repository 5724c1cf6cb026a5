// velmar-send: sends a setting file to the radios on one or more serial ports at once. Here the command line
// is read and the parts are wired; the work is in Sender.

#include "Events.h"
#include "SendOptions.h"
#include "SendWords.h"
#include "Sender.h"
#include "SettingFile.h"
#include "Strings.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string_view>
#include <vector>

using namespace velmar;
using namespace velmar::send;

namespace {

// The results are what a script reads: output that could not be written is a failure, said where it can be.
int Finish(int status) {
    if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0 || std::fclose(stdout) != 0) {
        std::fprintf(stderr, "%s\n", res::SendCannotWriteResults(errno != 0 ? errno : EIO).c_str());
        return status == 0 ? 1 : status;
    }
    return status;
}

int Run(int argc, char** argv, Events& events) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    ParsedSendOptions parsed = ParseSendOptions(args);
    if (parsed.refusal.kind != CommandLineRefusal::Kind::None) {
        std::fputs(res::SendOptionsRefused(parsed.refusal).c_str(), stderr);
        return 2;
    }
    SendOptions& options = parsed.options;
    if (options.help) {
        std::fputs(res::kSendHelp, stdout);
        return 0;
    }
    if (options.version) {
        std::puts(res::SendVersion(VELMAR_VERSION).c_str());
        return 0;
    }
    RadioSettings settings;
    FileFailure error;
    if (!ReadSettingFile(options.file, &settings, &error)) {
        std::fprintf(stderr, "%s\n", res::DescribeFileFailure(error).c_str());
        return 2;
    }
    if (options.ports.empty()) {
        options.ports.emplace_back("COM1");
    }

    Sender sender(options, settings, events);
    if (!sender.Ready()) {
        return 2;
    }
    int status = Sender::kAllSent;
    int round = 1;
    for (;; ++round) {
        const int result = sender.Round(round);
        status = status == Sender::kSomeFailed || result == Sender::kSomeFailed ? Sender::kSomeFailed
                                                                                : std::max(status, result);
        if (!options.repeat || !sender.NextRound(round)) {
            break;
        }
    }
    if (options.repeat) {
        sender.PrintCounts();
    }
    sender.CloseAll();
    return status;
}

} // namespace

int main(int argc, char** argv) {
    Events events;
    if (!events.Init()) {
        std::fprintf(stderr, "%s\n", res::SendNoSignals(errno).c_str());
        return 1;
    }
    // A closed pipe shows as a failed write, told on stderr, instead of killing the program mid-Send.
    std::signal(SIGPIPE, SIG_IGN);
    return Finish(Run(argc, argv, events));
}
