// velmar-send: sends a setting file to the radios on one or more serial ports at once.

#include "ProgrammingSession.h"
#include "SendOptions.h"
#include "SendReport.h"
#include "SentHistory.h"
#include "SettingFile.h"
#include "Strings.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <memory>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/signalfd.h>
#include <unistd.h>

using namespace velmar;
using namespace velmar::send;

namespace {

// Signals arrive as readable data and the sessions' ends as bytes in a pipe, so
// one poll in the main thread sees both, and no handler can interrupt a write
// or a pause of a session's thread.
class Events {
public:
    enum : unsigned { kSignal = 1, kWoken = 2, kInput = 4 };

    // Blocks the stop signals for this thread and every thread started after it.
    bool Init() {
        sigset_t set;
        sigemptyset(&set);
        for (const int sig : {SIGINT, SIGTERM, SIGHUP}) {
            sigaddset(&set, sig);
        }
        int fds[2];
        if (pthread_sigmask(SIG_BLOCK, &set, nullptr) != 0 || ::pipe2(fds, O_NONBLOCK | O_CLOEXEC) != 0) {
            return false;
        }
        m_wakeRead = fds[0];
        m_wakeWrite = fds[1];
        m_signalFd = ::signalfd(-1, &set, SFD_NONBLOCK | SFD_CLOEXEC);
        return m_signalFd >= 0;
    }
    // Any thread.
    void Wake() const { [[maybe_unused]] const ssize_t n = ::write(m_wakeWrite, "", 1); }

    // Waits up to `timeoutMs` (-1: no limit) for a signal, a Wake or, with
    // `input`, something to read on stdin. Adds the signals to *signals.
    unsigned Wait(int timeoutMs, bool input, int* signals) const {
        pollfd fds[3] = {{m_signalFd, POLLIN, 0}, {m_wakeRead, POLLIN, 0}, {STDIN_FILENO, POLLIN, 0}};
        if (::poll(fds, input ? 3 : 2, timeoutMs) <= 0) {
            return 0;
        }
        unsigned seen = 0;
        signalfd_siginfo info;
        while (::read(m_signalFd, &info, sizeof info) == static_cast<ssize_t>(sizeof info)) {
            ++*signals;
            seen |= kSignal;
        }
        char drain[64];
        while (::read(m_wakeRead, drain, sizeof drain) > 0) {
            seen |= kWoken;
        }
        if (input && fds[2].revents != 0) {
            seen |= kInput;
        }
        return seen;
    }

private:
    int m_signalFd = -1;
    int m_wakeRead = -1;
    int m_wakeWrite = -1;
};

// The progress lines on a terminal, redrawn in place.
class LiveLines {
public:
    void Draw(const std::vector<std::string>& lines) {
        std::string out = Up();
        for (const std::string& line : lines) {
            out += "\r\x1b[2K" + line + "\n";
        }
        m_shown = static_cast<int>(lines.size());
        std::fputs(out.c_str(), stdout);
        std::fflush(stdout);
    }
    void Clear() {
        if (m_shown > 0) {
            std::fputs((Up() + "\x1b[J").c_str(), stdout);
            std::fflush(stdout);
            m_shown = 0;
        }
    }

private:
    [[nodiscard]] std::string Up() const { return m_shown > 0 ? "\x1b[" + std::to_string(m_shown) + "A" : ""; }
    int m_shown = 0;
};

int TerminalWidth() {
    winsize size{};
    return ::ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0 ? size.ws_col : 80;
}

struct Port {
    Port(std::string portName, std::string devicePath)
        : name(std::move(portName)), device(std::move(devicePath)), session(link) {
        session.CollectReplies();
    }
    std::string name;
    std::string device;
    CSerialLink link; // before the session, which uses it until its end
    CProgrammingSession session;
    bool open = false;
    bool started = false; // in the current round
    int programmed = 0;
};

class Sender {
public:
    Sender(const SendOptions& options, const RadioSettings& settings, Events& events)
        : m_options(options), m_settings(settings), m_events(events),
          m_live(!options.json && ::isatty(STDOUT_FILENO) != 0) {
        RadioSettings copy = settings;
        m_checksum = BuildProgrammingFrame(copy).bytes[kChecksumOffset];
        std::vector<std::string> seen;
        for (const std::string& name : options.ports) {
            std::string unread;
            const PortInForce port = DeviceForPort(name, &unread);
            if (!unread.empty()) {
                Say("velmar-send: warning: no port remembered: " + unread);
            }
            if (IsCom1(name)) {
                // Which radio gets the frame must never be a guess: said as the window's status line says it.
                Say("velmar-send: " + res::Com1Text(port));
            }
            // One device, one Send: a second would find it held by the first.
            std::error_code ec;
            const std::filesystem::path real = std::filesystem::weakly_canonical(port.device, ec);
            const std::string identity = ec ? port.device : real.string();
            if (std::find(seen.begin(), seen.end(), identity) != seen.end()) {
                Say("velmar-send: " + port.device + " is given more than once: it is sent to once");
                continue;
            }
            seen.push_back(identity);
            m_ports.push_back(std::make_unique<Port>(name, port.device));
        }
    }

    // Sends once to every port and prints the outcome; false when a port did not get the whole frame.
    bool Round(int round) {
        for (auto& p : m_ports) {
            p->started = false;
            if (!p->open && !(p->open = p->session.Open(p->name, p->device))) {
                continue;
            }
            p->started = p->session.StartSend(m_settings, {}, [this](const SendResult&) { m_events.Wake(); });
        }
        auto lastDraw = std::chrono::steady_clock::now() - std::chrono::seconds(1);
        while (AnySending()) {
            if ((m_events.Wait(m_live ? 100 : -1, false, &m_signals) & Events::kSignal) != 0) {
                OnSignals();
            }
            if (m_live && std::chrono::steady_clock::now() - lastDraw >= std::chrono::milliseconds(100)) {
                lastDraw = std::chrono::steady_clock::now();
                DrawProgress();
            }
        }
        m_lines.Clear();
        bool allSent = true;
        bool anySent = false;
        for (auto& p : m_ports) {
            PortOutcome o = p->started ? OutcomeOf(p->device, p->session.LastResult(), p->session.Replies(),
                                                   p->session.ReplyCount())
                                       : NotOpened(p->device, m_checksum,
                                                   p->open ? "the Send could not be started"
                                                           : res::DescribeSerialFailure(p->link.LastFailure()));
            if (o.Sent()) {
                ++p->programmed;
                anySent = true;
            } else {
                // A radio that hung up or failed may come back on the next round: open it afresh then.
                p->session.Close();
                p->open = false;
                allSent = false;
            }
            const std::string text = m_options.json ? ResultJson(o, m_options.repeat ? round : 0) : ResultLine(o);
            std::printf("%s\n", text.c_str());
        }
        std::fflush(stdout);
        if (anySent) {
            std::string error;
            if (!RecordSentSetting(SentHistoryDir(), m_settings, m_checksum, std::chrono::system_clock::now(),
                                   &error)) {
                Say("velmar-send: warning: the Send is not in the history of sent settings: " + error);
            }
        }
        return allSent;
    }

    // Asks for the next round; false when the operator ends the batch.
    bool NextRound(int round) {
        if (m_signals > 0) {
            return false;
        }
        int programmed = 0;
        for (const auto& p : m_ports) {
            programmed += p->programmed;
        }
        Say("velmar-send: round " + std::to_string(round) + " done, " + std::to_string(programmed) +
            (programmed == 1 ? " radio" : " radios") +
            " programmed so far. Connect the next radios and press Enter to send again, or q and Enter to "
            "end.");
        for (;;) {
            if (const auto newline = m_input.find('\n'); newline != std::string::npos) {
                std::string line = m_input.substr(0, newline);
                m_input.erase(0, newline + 1);
                std::erase_if(line, [](char ch) { return ch == ' ' || ch == '\t' || ch == '\r'; });
                return line != "q" && line != "Q";
            }
            const unsigned seen = m_events.Wait(-1, true, &m_signals);
            if ((seen & Events::kSignal) != 0) {
                return false;
            }
            if ((seen & Events::kInput) != 0) {
                char buffer[256];
                const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
                if (n == 0 || (n < 0 && errno != EINTR && errno != EAGAIN)) {
                    return false; // the end of input ends the batch
                }
                m_input.append(buffer, static_cast<std::size_t>(std::max<ssize_t>(n, 0)));
            }
        }
    }

    void PrintCounts() const {
        for (const auto& p : m_ports) {
            const std::string text =
                m_options.json ? CountJson(p->device, p->programmed) : CountLine(p->device, p->programmed);
            std::printf("%s\n", text.c_str());
        }
        std::fflush(stdout);
    }

    void CloseAll() {
        for (auto& p : m_ports) {
            p->session.Close();
        }
    }

private:
    [[nodiscard]] bool AnySending() const {
        for (const auto& p : m_ports) {
            if (p->started && p->session.Sending()) {
                return true;
            }
        }
        return false;
    }

    // A message on stderr, never torn through the progress lines.
    void Say(const std::string& text) {
        m_lines.Clear();
        std::fprintf(stderr, "%s\n", text.c_str());
    }

    void OnSignals() {
        if (!m_saidStopping) {
            Say("velmar-send: stopping after the frames in flight… (Ctrl+C again stops at once)");
            m_saidStopping = true;
        }
        if (m_signals < 2 || m_stoppedAtOnce) {
            return;
        }
        m_stoppedAtOnce = true;
        std::string partial;
        for (auto& p : m_ports) {
            if (!p->started) {
                continue;
            }
            p->session.Stop();
            const int bytes = p->session.LastResult().bytesWritten;
            if (bytes > 0 && bytes < kFrameSize) {
                partial += "\n  " + p->device + " got a partial frame (" + std::to_string(bytes) + " of " +
                           std::to_string(kFrameSize) + " bytes)";
            }
        }
        Say("velmar-send: stopped at once" +
            (partial.empty() ? std::string("; no port got a partial frame") : std::string(":") + partial));
    }

    void DrawProgress() {
        std::vector<std::string> lines;
        const int width = TerminalWidth() - 1;
        for (const auto& p : m_ports) {
            if (p->started) {
                lines.push_back(ProgressLine(p->device, p->session.Progress(), width));
            } else {
                lines.push_back(p->device + ": not open");
            }
        }
        m_lines.Draw(lines);
    }

    const SendOptions& m_options;
    const RadioSettings& m_settings;
    Events& m_events;
    const bool m_live;
    LiveLines m_lines;
    std::uint8_t m_checksum = 0;
    std::vector<std::unique_ptr<Port>> m_ports;
    int m_signals = 0;
    bool m_saidStopping = false;
    bool m_stoppedAtOnce = false;
    std::string m_input;
};

// The results are what a script reads: output that could not be written is a failure, said where it can be.
int Finish(int status) {
    if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0 || std::fclose(stdout) != 0) {
        std::fprintf(stderr, "velmar-send: cannot write the results: %s\n", std::strerror(errno != 0 ? errno : EIO));
        return status == 0 ? 1 : status;
    }
    return status;
}

int Run(int argc, char** argv, Events& events) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    ParsedSendOptions parsed = ParseSendOptions(args);
    if (!parsed.error.empty()) {
        std::fprintf(stderr, "velmar-send: %s\n%s", parsed.error.c_str(), kUsage);
        return 2;
    }
    SendOptions& options = parsed.options;
    if (options.help) {
        std::fputs(kHelp, stdout);
        return 0;
    }
    if (options.version) {
        std::puts("velmar-send " VELMAR_VERSION);
        return 0;
    }
    RadioSettings settings;
    std::string error;
    if (!ReadSettingFile(options.file, &settings, &error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 2;
    }
    if (options.ports.empty()) {
        options.ports.emplace_back("COM1");
    }

    Sender sender(options, settings, events);
    bool allSent = true;
    int round = 1;
    for (;; ++round) {
        allSent = sender.Round(round) && allSent;
        if (!options.repeat || !sender.NextRound(round)) {
            break;
        }
    }
    if (options.repeat) {
        sender.PrintCounts();
    }
    sender.CloseAll();
    return allSent ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    Events events;
    if (!events.Init()) {
        std::perror("velmar-send: cannot set up signal handling");
        return 1;
    }
    // A closed pipe shows as a failed write, told on stderr, instead of killing the program mid-Send.
    std::signal(SIGPIPE, SIG_IGN);
    return Finish(Run(argc, argv, events));
}
