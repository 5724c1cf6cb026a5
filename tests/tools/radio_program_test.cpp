// Runs the real velmar-radio over its pseudo-terminal, as Velmar would use it.

#include "ChildProcess.h"
#include "TestFrames.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace velmar::radio {
namespace {

constexpr int kWaitMs = 10'000; // only a hung program takes this long

// velmar-radio with its arguments, in this process's environment.
struct RadioProcess : velmar::test::ChildProcess {
    explicit RadioProcess(std::vector<std::string> args) : ChildProcess(WithProgram(std::move(args))) {}
    static std::vector<std::string> WithProgram(std::vector<std::string> args) {
        args.insert(args.begin(), VELMAR_RADIO_EXE);
        return args;
    }
    bool WaitFor(const std::string& text) { return ReadUntil(text); }
    [[nodiscard]] std::string Text() const { return out + err; }
};

std::string TempPath(const char* name) {
    return testing::TempDir() + "velmar-radio-test-" + std::to_string(::getpid()) + "-" + name;
}

// Opened as it is, not set to raw: the line settings are the radio's to make, or its own
// reply would come back to it as an echo.
int OpenDevice(const std::string& path) {
    return ::open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
}

std::vector<std::uint8_t> ReadBytes(int fd, std::size_t count) {
    std::vector<std::uint8_t> got;
    std::uint8_t buf[64];
    pollfd p{fd, POLLIN, 0};
    while (got.size() < count && ::poll(&p, 1, kWaitMs) > 0) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n <= 0) {
            break;
        }
        got.insert(got.end(), buf, buf + n);
    }
    return got;
}

// The window's end-to-end test runs it with --json.
TEST(RadioProgram, ShortFrameThenGoodOneEachAnswered) {
    const std::string link = TempPath("com1");
    RadioProcess radio({"--count", "2", "--silence", "200", "--reply", "4F 4B", "--link", link});
    ASSERT_TRUE(radio.WaitFor("VELMAR_COM1=" + link + "\n")) << radio.Text();
    // Connect and Disconnect a few times first: the radio must keep listening.
    for (int i = 0; i < 3; ++i) {
        ::close(OpenDevice(link));
    }
    const int fd = OpenDevice(link);
    ASSERT_GE(fd, 0);

    const std::vector<std::uint8_t> frame = test::GruopFrame();
    ASSERT_EQ(::write(fd, frame.data(), 200), 200);
    ASSERT_TRUE(radio.WaitFor("Frame 1: BAD, 200 bytes\n  error: short: 200 of 258 bytes, stopped in zero fill 25, "
                              "then a silence of 200 ms\n"))
        << radio.Text();
    // Written in one go, not one write per field with its pause.
    ASSERT_EQ(::write(fd, frame.data(), frame.size()), 258);
    // The gaps up to 500 ms of pauses after the start byte could be a start byte handed over late: unproven.
    ASSERT_TRUE(radio.WaitFor("    and 119 more\n    16 short gaps right after the start byte cannot be judged (the "
                              "start byte itself may have come late): unproven\n  Replied: 4F 4B\n"))
        << radio.Text();
    for (const char* part :
         {"Frame 2: OK, 258 bytes, checksum 0x69\n", "\n  Group A  12.5Khz  446.00625 -", "\n  Mode Select: GRUOP\n",
          "124 writes came early, their gaps shorter than their pause"}) {
        EXPECT_NE(radio.Text().find(part), std::string::npos) << part << " in " << radio.Text();
    }
    // One reply after each frame, the short one too; the last one outlives the program's --count exit.
    EXPECT_EQ(ReadBytes(fd, 4), (std::vector<std::uint8_t>{0x4F, 0x4B, 0x4F, 0x4B}));
    EXPECT_EQ(radio.Wait(), 0);
    ::close(fd);
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(link))) << "the link outlived the program";
}

TEST(RadioProgram, LinkIsMadeOnlyInPlaceOfALinkAndGoesAtASignal) {
    const std::string file = TempPath("not-a-link");
    std::ofstream(file) << "keep";
    RadioProcess clash({"--link", file});
    EXPECT_EQ(clash.Wait(), 1);
    std::string kept;
    std::ifstream(file) >> kept;
    EXPECT_EQ(kept, "keep");
    std::filesystem::remove(file);

    // A link left over from a run that was killed is replaced.
    std::filesystem::create_symlink("/nonexistent", file);
    RadioProcess radio({"--link", file});
    ASSERT_TRUE(radio.WaitFor("VELMAR_COM1=" + file + "\n")) << radio.Text();
    // The link of a radio that runs is its own: a second radio is refused and the first keeps it.
    RadioProcess second({"--link", file});
    EXPECT_EQ(second.Wait(), 1);
    EXPECT_TRUE(std::filesystem::is_character_file(file));
    radio.Signal(SIGTERM);
    EXPECT_EQ(radio.Wait(), 0);
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(file)));
}

} // namespace
} // namespace velmar::radio
