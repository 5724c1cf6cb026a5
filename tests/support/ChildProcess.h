#pragma once
// A program of ours run as its user runs it, for the tests of whole programs: pipes for its stdin, stdout and
// stderr, signals, its exit status and its peak memory.

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>
#include <vector>

extern char** environ;

namespace velmar::test {

class ChildProcess {
public:
    // `args` starts with the program; `env` is all of its environment, or this process's when not given.
    explicit ChildProcess(std::vector<std::string> args, const std::vector<std::string>* env = nullptr) {
        std::vector<char*> argv;
        for (std::string& text : args) {
            argv.push_back(text.data());
        }
        argv.push_back(nullptr);
        std::vector<std::string> own = env != nullptr ? *env : std::vector<std::string>();
        std::vector<char*> envp;
        for (std::string& text : own) {
            envp.push_back(text.data());
        }
        envp.push_back(nullptr);
        int in[2], out[2], err[2];
        if (::pipe2(in, O_CLOEXEC) != 0 || ::pipe2(out, O_CLOEXEC) != 0 || ::pipe2(err, O_CLOEXEC) != 0) {
            throw std::runtime_error("no pipes");
        }
        if ((m_pid = ::fork()) == 0) {
            ::dup2(in[0], 0), ::dup2(out[1], 1), ::dup2(err[1], 2);
            ::execve(argv[0], argv.data(), env != nullptr ? envp.data() : environ);
            ::_exit(127);
        }
        ::close(in[0]), ::close(out[1]), ::close(err[1]);
        m_in = in[1], m_fds[0] = {out[0], POLLIN, 0}, m_fds[1] = {err[0], POLLIN, 0};
    }
    ~ChildProcess() {
        if (!m_reaped) {
            ::kill(m_pid, SIGKILL);
            ::waitpid(m_pid, nullptr, 0);
        }
        ::close(m_in), ::close(m_fds[0].fd), ::close(m_fds[1].fd); // -1 for one at its end
    }
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    void Input(const std::string& text) const { ASSERT_GT(::write(m_in, text.data(), text.size()), 0); }
    void Signal(int sig) const { ::kill(m_pid, sig); }

    // Collects the output until stdout or stderr holds `text` or the program's output ends, 30 s at most.
    bool ReadUntil(const std::string& text) {
        const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (!Ended() && !Holds(text) && std::chrono::steady_clock::now() < limit && ::poll(m_fds, 2, 1000) >= 0) {
            for (int i = 0; i < 2; ++i) {
                char buffer[4096];
                const ssize_t n = m_fds[i].revents != 0 ? ::read(m_fds[i].fd, buffer, sizeof buffer) : -1;
                if (n > 0) {
                    (i == 0 ? out : err).append(buffer, std::size_t(n));
                } else if (n == 0) {
                    ::close(std::exchange(m_fds[i].fd, -1)); // poll passes over it from now on
                }
            }
        }
        return Holds(text);
    }
    // Its exit status once its output has ended; -1 when it did not exit by itself within 30 s.
    int Wait() {
        ReadUntil(std::string(1, '\0'));
        const bool ended = Ended();
        ::kill(m_pid, ended ? 0 : SIGKILL);
        int status = 0;
        rusage usage{};
        ::wait4(m_pid, &status, 0, &usage);
        m_reaped = true;
        peakKiB = usage.ru_maxrss;
        return ended && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string out, err;
    long peakKiB = 0;

private:
    [[nodiscard]] bool Holds(const std::string& text) const {
        return out.find(text) != std::string::npos || err.find(text) != std::string::npos;
    }
    [[nodiscard]] bool Ended() const { return m_fds[0].fd < 0 && m_fds[1].fd < 0; }
    pid_t m_pid = -1;
    bool m_reaped = false;
    int m_in = -1;
    pollfd m_fds[2] = {};
};

} // namespace velmar::test
