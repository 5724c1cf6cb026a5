#pragma once
// velmar-send's work: one session per port, a round sends the frame to every port at once and prints each
// port's outcome; between rounds of a batch it waits for the operator.

#include "Events.h"
#include "ProgrammingSession.h"
#include "SendOptions.h"
#include "SendReport.h"
#include "SendWords.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace velmar::send {

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

// The terminal's width in columns; 80 when stdout is no terminal.
int TerminalWidth();

struct Port {
    Port(std::string portName, std::string devicePath);
    std::string name;
    std::string device;
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
        m_checksum = BuildProgrammingFrame(settings).bytes[kChecksumOffset];
        std::vector<std::string> seen;
        for (const std::string& name : options.ports) {
            std::optional<FileFailure> unread;
            const PortInForce port = DeviceForPortName(name, &unread);
            if (port.reason == PortReason::Unreadable) {
                Say(res::SendPortUnreadable(unread.value_or(FileFailure{})));
                m_refused = true;
                continue;
            }
            if (IsCom1(name)) {
                // Which radio gets the frame must never be a guess: said as the window's status line says it.
                Say(res::SendCom1(port));
            }
            // One device, one Send: a second would find it held by the first.
            std::error_code ec;
            const std::filesystem::path real = std::filesystem::weakly_canonical(port.device, ec);
            const std::string identity = ec ? port.device : real.string();
            if (std::find(seen.begin(), seen.end(), identity) != seen.end()) {
                Say(res::SendGivenTwice(port.device));
                continue;
            }
            seen.push_back(identity);
            m_ports.push_back(std::make_unique<Port>(name, port.device));
        }
    }

    // False when a port named no device: nothing is sent then.
    [[nodiscard]] bool Ready() const { return !m_refused; }

    // Sends once to every port and prints the outcome: kAllSent, kSomeFailed when a port did not get the whole
    // frame, kSomeStalled when every port got it but a line stalled on one (the radio may not have taken it).
    static constexpr int kAllSent = 0, kSomeFailed = 1, kSomeStalled = 3;
    int Round(int round) {
        for (auto& p : m_ports) {
            p->started = false;
            if (!p->open && !(p->open = p->session.Open(p->device))) {
                continue;
            }
            if (p->session.StaleHoldCleared()) {
                Say(res::SendStaleHoldCleared(p->device));
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
        bool failed = false, stalled = false;
        std::optional<FileFailure> notRecorded;
        for (auto& p : m_ports) {
            const SendResult result = p->session.LastResult();
            PortOutcome o = p->started ? OutcomeOf(p->device, result, p->session.Replies(), p->session.ReplyCount())
                            : p->open  ? NotStarted(p->device, m_checksum)
                                       : NotOpened(p->device, m_checksum, p->session.LastFailure());
            if (o.Sent()) {
                ++p->programmed;
                notRecorded = result.notRecorded ? result.notRecorded : notRecorded;
            } else if (o.end == SendEnd::Stalled) {
                // The line is fine; the pause was this machine's. The history keeps the record marked.
                stalled = true;
                notRecorded = result.notRecorded ? result.notRecorded : notRecorded;
            } else {
                // A radio that hung up or failed may come back on the next round: open it afresh then.
                p->session.Close();
                p->open = false;
                failed = true;
            }
            const std::string text = m_options.json ? ResultJson(o, m_options.repeat ? round : 0) : res::ResultLine(o);
            std::printf("%s\n", text.c_str());
        }
        std::fflush(stdout);
        if (notRecorded) {
            Say(res::SendNotRecorded(*notRecorded));
        }
        return failed ? kSomeFailed : stalled ? kSomeStalled : kAllSent;
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
        Say(res::SendRoundDone(round, programmed));
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
                m_options.json ? CountJson(p->device, p->programmed) : res::CountLine(p->device, p->programmed);
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
            Say(res::kSendStopping);
            m_saidStopping = true;
        }
        if (m_signals < 2 || m_stoppedAtOnce) {
            return;
        }
        m_stoppedAtOnce = true;
        std::vector<std::pair<std::string, int>> partial;
        for (auto& p : m_ports) {
            if (!p->started) {
                continue;
            }
            p->session.Stop();
            const int bytes = p->session.LastResult().bytesWritten;
            if (bytes > 0 && bytes < kFrameSize) {
                partial.emplace_back(p->device, bytes);
            }
        }
        Say(res::SendStoppedAtOnce(partial));
    }

    void DrawProgress() {
        std::vector<std::string> lines;
        const int width = TerminalWidth() - 1;
        for (const auto& p : m_ports) {
            if (p->started) {
                const SendProgress progress = p->session.Progress();
                lines.push_back(res::ProgressLine(p->device, progress.bytesWritten, progress.msLeft, width));
            } else {
                lines.push_back(res::NotOpenLine(p->device));
            }
        }
        m_lines.Draw(lines);
    }

    const SendOptions& m_options;
    const RadioSettings& m_settings;
    Events& m_events;
    const bool m_live;
    LiveLines m_lines;
    std::uint8_t m_checksum = 0; // what a port that never opened is told its frame would have carried
    std::vector<std::unique_ptr<Port>> m_ports;
    bool m_refused = false;
    int m_signals = 0;
    bool m_saidStopping = false;
    bool m_stoppedAtOnce = false;
    std::string m_input;
};

} // namespace velmar::send
