// Runs the real velmar-radio over its pseudo-terminal, as Velmar would use it.

#include "MiniJson.h"
#include "TestFrames.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace velmar::radio {
namespace {

using test::Json;
using test::JsonReader;

constexpr int kWaitMs = 10'000; // only a hung program takes this long

class RadioProcess {
public:
    explicit RadioProcess(const std::vector<std::string>& args) {
        int out[2];
        int err[2];
        if (::pipe2(out, O_CLOEXEC) != 0 || ::pipe2(err, O_CLOEXEC) != 0) {
            ADD_FAILURE() << "pipe failed";
            return;
        }
        posix_spawn_file_actions_t fa;
        posix_spawn_file_actions_init(&fa);
        posix_spawn_file_actions_adddup2(&fa, out[1], STDOUT_FILENO);
        posix_spawn_file_actions_adddup2(&fa, err[1], STDERR_FILENO);
        std::vector<std::string> all{VELMAR_RADIO_EXE};
        all.insert(all.end(), args.begin(), args.end());
        std::vector<char*> argv;
        for (std::string& a : all) {
            argv.push_back(a.data());
        }
        argv.push_back(nullptr);
        if (posix_spawn(&m_pid, VELMAR_RADIO_EXE, &fa, nullptr, argv.data(), environ) != 0) {
            ADD_FAILURE() << "cannot start " << VELMAR_RADIO_EXE;
            m_pid = -1;
        }
        posix_spawn_file_actions_destroy(&fa);
        ::close(out[1]);
        ::close(err[1]);
        m_out = out[0];
        m_err = err[0];
    }
    ~RadioProcess() {
        if (m_pid > 0) {
            ::kill(m_pid, SIGKILL);
            ::waitpid(m_pid, nullptr, 0);
        }
        ::close(m_out);
        ::close(m_err);
    }
    RadioProcess(const RadioProcess&) = delete;
    RadioProcess& operator=(const RadioProcess&) = delete;

    // Reads the program's stdout (or stderr) until `text` has come; false on a timeout or its end.
    bool WaitFor(bool fromStdout, const std::string& text) {
        std::string& seen = fromStdout ? m_outText : m_errText;
        const int fd = fromStdout ? m_out : m_err;
        const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(kWaitMs);
        while (seen.find(text) == std::string::npos) {
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(until - std::chrono::steady_clock::now());
            pollfd p{fd, POLLIN, 0};
            if (left.count() <= 0 || ::poll(&p, 1, static_cast<int>(left.count())) <= 0) {
                return false;
            }
            char buf[4096];
            const ssize_t n = ::read(fd, buf, sizeof buf);
            if (n <= 0) {
                return false;
            }
            seen.append(buf, static_cast<std::size_t>(n));
        }
        return true;
    }
    [[nodiscard]] const std::string& Out() const { return m_outText; }
    [[nodiscard]] const std::string& Err() const { return m_errText; }

    // The exit status, or -1 when it did not end normally.
    int Wait() {
        int status = 0;
        const pid_t pid = m_pid;
        m_pid = -1;
        if (::waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) {
            return -1;
        }
        return WEXITSTATUS(status);
    }
    void Signal(int sig) const { ::kill(m_pid, sig); }

private:
    pid_t m_pid = -1;
    int m_out = -1;
    int m_err = -1;
    std::string m_outText;
    std::string m_errText;
};

// A directory of this test's own for the link, removed with everything in it.
class TempDir {
public:
    TempDir() : m_path(testing::TempDir() + "velmar-radio-test-" + std::to_string(::getpid())) {
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    [[nodiscard]] std::string File(const char* name) const { return m_path + "/" + name; }

private:
    std::string m_path;
};

bool Exists(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

// Opens the device the way a serial program does: raw, no controlling terminal.
int OpenDevice(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (fd >= 0) {
        termios t{};
        ::tcgetattr(fd, &t);
        cfmakeraw(&t);
        ::tcsetattr(fd, TCSANOW, &t);
    }
    return fd;
}

bool WriteAll(int fd, const std::vector<std::uint8_t>& bytes) {
    return ::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
}

std::vector<std::uint8_t> ReadBytes(int fd, std::size_t count) {
    std::vector<std::uint8_t> got;
    while (got.size() < count) {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, kWaitMs) <= 0) {
            break;
        }
        std::uint8_t buf[64];
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n <= 0) {
            break;
        }
        got.insert(got.end(), buf, buf + n);
    }
    return got;
}

TEST(RadioProgram, FrameWrittenAtOnceIsDecodedAndItsPacingFlagged) {
    const TempDir dir;
    const std::string link = dir.File("com1");
    RadioProcess radio({"--json", "--count", "1", "--reply", "4F 4B", "--silence", "200", "--link", link});
    ASSERT_TRUE(radio.WaitFor(false, "VELMAR_COM1=" + link + "\n")) << radio.Err();
    ASSERT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(std::filesystem::read_symlink(link).string().rfind("/dev/pts/", 0), 0u);

    // Connect and Disconnect a few times first: the radio must keep listening.
    for (int i = 0; i < 3; ++i) {
        const int fd = OpenDevice(link);
        ASSERT_GE(fd, 0);
        ::close(fd);
    }
    const int fd = OpenDevice(link);
    ASSERT_GE(fd, 0);
    ASSERT_TRUE(WriteAll(fd, test::GruopFrame()));

    ASSERT_TRUE(radio.WaitFor(true, "\n")) << radio.Err();
    const auto parsed = JsonReader::Parse(radio.Out());
    ASSERT_TRUE(parsed.has_value()) << radio.Out();
    const Json& j = *parsed;
    EXPECT_EQ(j["status"].text, "ok");
    EXPECT_EQ(j["groups"][0]["channels"][0].text, "446.00625");
    EXPECT_EQ(j["options"]["Mode Select"].text, "GRUOP");
    EXPECT_EQ(j["checksum"]["received"].number, 0x69);
    // Written in one go, not one write per field with its pause.
    EXPECT_FALSE(j["pacing"]["every_gap_held"].boolean);
    EXPECT_EQ(j["pacing"]["short_gaps"].number, 140);

    EXPECT_EQ(ReadBytes(fd, 2), (std::vector<std::uint8_t>{0x4F, 0x4B}));
    ::close(fd);
    EXPECT_EQ(radio.Wait(), 0);
    EXPECT_FALSE(Exists(link)) << "the link outlived the program";
}

TEST(RadioProgram, ShortFrameThenGoodOneThenStopBySignal) {
    const TempDir dir;
    const std::string link = dir.File("com1");
    RadioProcess radio({"--silence", "200", "--reply", "06", "--link", link});
    ASSERT_TRUE(radio.WaitFor(true, "VELMAR_COM1=" + link + "\n")) << radio.Err();
    const int fd = OpenDevice(link);
    ASSERT_GE(fd, 0);

    const std::vector<std::uint8_t> frame = test::DefaultsFrame();
    ASSERT_TRUE(WriteAll(fd, std::vector<std::uint8_t>(frame.begin(), frame.begin() + 200)));
    ASSERT_TRUE(radio.WaitFor(true, "then a silence of 200 ms\n")) << radio.Out();
    EXPECT_NE(radio.Out().find("Frame 1: BAD, 200 bytes\n  error: short: 200 of 258 bytes"), std::string::npos)
        << radio.Out();

    ASSERT_TRUE(WriteAll(fd, frame));
    ASSERT_TRUE(radio.WaitFor(true, "    and 135 more\n  Replied: 06\n")) << radio.Out();
    EXPECT_NE(radio.Out().find("Frame 2: OK, 258 bytes, checksum 0x88\n"), std::string::npos) << radio.Out();
    EXPECT_NE(radio.Out().find("  Button long Time: 0.5 Sec\n"), std::string::npos);
    ::close(fd);

    radio.Signal(SIGTERM);
    EXPECT_EQ(radio.Wait(), 0);
    EXPECT_FALSE(Exists(link));
}

TEST(RadioProgram, CommandLineMistakesAreRefused) {
    RadioProcess bad({"--count", "0"});
    EXPECT_EQ(bad.Wait(), 2);
    bad.WaitFor(false, "Usage:");
    EXPECT_NE(bad.Err().find("--count takes a number of frames"), std::string::npos) << bad.Err();

    RadioProcess help({"--help"});
    EXPECT_TRUE(help.WaitFor(true, "--reply HEX"));
    EXPECT_EQ(help.Wait(), 0);

    // An existing file is never replaced by the link.
    const TempDir dir;
    const std::string file = dir.File("not-a-link");
    {
        std::FILE* f = std::fopen(file.c_str(), "w");
        ASSERT_NE(f, nullptr);
        std::fclose(f);
    }
    RadioProcess clash({"--link", file});
    EXPECT_EQ(clash.Wait(), 1);
    EXPECT_TRUE(std::filesystem::is_regular_file(file));
}

} // namespace
} // namespace velmar::radio
