// velmar-send as a program: pseudo-terminals stand in for the radios' ports,
// read by the test; every run but the refused ones is a real six-second Send.

#include "ChannelEntry.h"
#include "ChildProcess.h"
#include "FileFailurePrint.h"
#include "PosixSerial.h"
#include "ProgrammingFrame.h"
#include "PtyRadio.h"
#include "SentHistory.h"
#include "SettingFile.h"
#include "Strings.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>

namespace velmar {
namespace {

using test::PtyRadio;

using Bytes = std::vector<std::uint8_t>;
namespace fs = std::filesystem;

// velmar-send with nothing but `env` for its environment.
struct SendProcess : test::ChildProcess {
    SendProcess(std::vector<std::string> args, const std::vector<std::string>& env)
        : ChildProcess(WithProgram(std::move(args)), &env) {}
    static std::vector<std::string> WithProgram(std::vector<std::string> args) {
        args.insert(args.begin(), VELMAR_SEND_EXE);
        return args;
    }
};

// A folder for the setting file, the history and Velmar's (absent) settings: the program's home.
class SendProgram : public testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(dir);
        RadioSettings s;
        s.m_nMode = 2;
        const EnteredChannel channel = EnterWholeText("446.00625");
        s.m_strGroupChannel[0][0] = channel.text;
        s.m_strGroupCode[0][0] = channel.code;
        s.m_strGroupName[0][0] = "Gate"; // a version 2 file: the names go nowhere near the frame
        FileFailure error;
        ASSERT_TRUE(WriteSettingFile(file, s, &error)) << error;
        ASSERT_TRUE(ReadSettingFile(file, &s, &error)) << error;
        const auto bytes = BuildProgrammingFrame(s).bytes;
        frame.assign(bytes.begin(), bytes.end());
    }
    void TearDown() override { fs::remove_all(dir); }
    [[nodiscard]] std::vector<std::string> Env(const std::string& com1 = {}) const {
        std::vector<std::string> env{"HOME=" + dir, "XDG_DATA_HOME=" + dir};
        if (!com1.empty()) {
            env.push_back("VELMAR_COM1=" + com1);
        }
        return env;
    }
    const std::string dir = testing::TempDir() + "velmar-send-test-" + std::to_string(::getpid()) + "/";
    const std::string file = dir + "radio.velmar";
    Bytes frame;
};

// A bad command line, a refused file and every hostile file: exit 2 at once with the file,
// the place and the reason, in bounded time and memory, and no port touched.
TEST_F(SendProgram, BadCommandLineAndHostileFilesExitTwoWithTheirMessage) {
    const std::string valid = SettingToJson(RadioSettings{});
    const std::pair<std::string, std::string> kFiles[] = {
        {"bad.velmar", "{ \"format\": "},
        {"overflow.velmar", R"({"format": "velmar-setting", "version": 1e999})"},
        {"deep.velmar", std::string(100000, '[')},
        {"twice.velmar", R"({"format": "velmar-setting", "format": "velmar-setting"})"},
        {"nul.velmar", valid + std::string(1, '\0') + "garbage"},
        {"huge.velmar", std::string(2 << 20, '[')},
    };
    std::vector<std::pair<std::vector<std::string>, std::string>> cases{
        {{"--port", "/dev/null", "--bogus", file}, "velmar-send: unknown option: --bogus\nUsage: velmar-send"}};
    for (const auto& [name, text] : kFiles) {
        std::ofstream(dir + name, std::ios::binary) << text;
        RadioSettings unused;
        FileFailure refused;
        ASSERT_FALSE(ReadSettingFile(dir + name, &unused, &refused));
        cases.push_back({{"--port", "/dev/null", dir + name}, res::DescribeFileFailure(refused) + "\n"});
    }
    ASSERT_EQ(::mkfifo((dir + "fifo.velmar").c_str(), 0600), 0);
    cases.push_back(
        {{"--port", "/dev/null", dir + "fifo.velmar"}, dir + "fifo.velmar: cannot read: not a regular file"});
    // COM1 when the port chosen last cannot be read: no device, never the default.
    fs::create_directories(dir + ".config/velmar");
    std::ofstream(dir + ".config/velmar/velmar.ini") << "[General]\nport=/dev/ttyUSB0, /dev/ttyUSB1\n";
    cases.push_back({{file},
                     "velmar-send: COM1 stands for no device: the port chosen last cannot be read (" + dir +
                         "/.config/velmar/velmar.ini: cannot read: the value of \"port\" is not one device)"});
    for (const auto& [args, message] : cases) {
        const auto start = std::chrono::steady_clock::now();
        SendProcess send(args, Env());
        EXPECT_EQ(send.Wait(), 2);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2)) << args.back();
        EXPECT_LT(send.peakKiB, 256 * 1024) << args.back();
        EXPECT_TRUE(send.err.starts_with(message)) << send.err.substr(0, 300);
        EXPECT_EQ(send.out, "");
    }
    // Results that cannot be written are a failure, told on stderr.
    const std::string full = std::string(VELMAR_SEND_EXE) + " --help >/dev/full 2>" + dir + "err";
    EXPECT_EQ(WEXITSTATUS(std::system(full.c_str())), 1);
    std::ifstream err(dir + "err");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(err), {}),
              "velmar-send: cannot write the results: No space left on device\n");
}

TEST_F(SendProgram, TwoPortsGetTheFrameAtOnceWhileAMissingOneFails) {
    PtyRadio first, second;
    const auto start = std::chrono::steady_clock::now();
    // The first port twice: it is sent to once.
    SendProcess send({"--json", "--port", first.Device(), "--port", "/nonexistent", "--port", second.Device(), "--port",
                      first.Device(), file},
                     Env());
    Bytes got[2];
    std::thread other([&] { got[1] = second.Receive(kFrameSize); });
    got[0] = first.Receive(kFrameSize);
    first.Send({0x06});
    other.join();
    EXPECT_EQ(send.Wait(), 1) << send.err;
    // Side by side, not one after the other (which would take twice the pauses).
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(kFramePauseTotalMs * 19 / 10));
    EXPECT_EQ(got[0], frame);
    EXPECT_EQ(got[1], frame);

    std::vector<nlohmann::json> lines;
    std::istringstream out(send.out);
    for (std::string line; std::getline(out, line);) {
        lines.push_back(nlohmann::json::parse(line));
    }
    ASSERT_EQ(lines.size(), 3u) << send.out;
    char checksum[8];
    std::snprintf(checksum, sizeof checksum, "0x%02x", frame.back());
    const std::tuple<std::string, int, nlohmann::json> kExpected[] = {
        {first.Device(), kFrameSize, "06"}, {"/nonexistent", 0, nullptr}, {second.Device(), kFrameSize, nullptr}};
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto& [port, bytes, reply] = kExpected[i];
        const nlohmann::json& j = lines[i];
        EXPECT_TRUE(j["port"] == port && j["bytes"] == bytes && j["checksum"] == checksum && j["reply"] == reply) << j;
        EXPECT_EQ(j["error"].is_null(), bytes == kFrameSize) << j;
        EXPECT_EQ(j["seconds"].get<double>() >= kFramePauseTotalMs / 1000.0, bytes == kFrameSize) << j;
    }
    EXPECT_NE(lines[1]["error"].get<std::string>().find("/nonexistent"), std::string::npos);
    EXPECT_NE(send.err.find(first.Device() + " is given more than once: it is sent to once"), std::string::npos)
        << send.err;
    EXPECT_EQ(NewestSentFiles(dir + "velmar/sent", 5).size(), 2u) << "each radio programmed leaves its record";
}

// The default port, a second round after Enter, and a Ctrl+C that lets the frame in flight finish.
TEST_F(SendProgram, RepeatSendsAgainAfterEnterAndCtrlCWaitsForTheFrame) {
    PtyRadio radio;
    SendProcess send({"--repeat", file}, Env(radio.Device()));
    send.Input("\n");
    EXPECT_EQ(radio.Receive(kFrameSize), frame);
    Bytes second = radio.Receive(20);
    send.Signal(SIGINT);
    const Bytes rest = radio.Receive(kFrameSize - second.size());
    second.insert(second.end(), rest.begin(), rest.end());
    EXPECT_EQ(send.Wait(), 0) << send.err;
    EXPECT_EQ(second, frame);
    EXPECT_NE(send.err.find("stopping after the frames in flight…"), std::string::npos) << send.err;
    EXPECT_TRUE(send.out.ends_with("\n" + radio.Device() + ": 2 radios programmed\n")) << send.out;
}

TEST_F(SendProgram, SecondCtrlCStopsAtOnceNamesThePartialFrameAndRestoresTheLine) {
    PtyRadio radio;
    LineSettings before, after;
    ASSERT_TRUE(ReadLineSettings(radio.Master(), &before));
    SendProcess send({"--port", radio.Device(), file}, Env());
    const Bytes got = radio.Receive(20);
    // Read on at once: closing the port discards what the radio has not read yet.
    Bytes rest;
    std::thread reader([&] { rest = radio.Receive(kFrameSize, std::chrono::milliseconds(500)); });
    // Signals of one kind that come together count once: the second waits for the first to be seen.
    send.Signal(SIGINT);
    EXPECT_TRUE(send.ReadUntil("stopping after the frames in flight")) << send.err;
    send.Signal(SIGINT);
    EXPECT_EQ(send.Wait(), 1);
    reader.join();
    const std::string count = std::to_string(got.size() + rest.size()) + " of 258 bytes";
    EXPECT_NE(send.err.find(radio.Device() + " got a partial frame (" + count + ")"), std::string::npos) << send.err;
    EXPECT_EQ(send.out, radio.Device() + ": failed after " + count + ": stopped before the frame was complete\n");
    ASSERT_TRUE(ReadLineSettings(radio.Master(), &after));
    EXPECT_EQ(after, before);
}

// velmar-send stopped in mid-frame for longer than the radio waits (SIGSTOP, as a suspend or a swapping machine
// does): every byte goes out, but the port is told stalled, in the line and the JSON, and the exit status is 3.
TEST_F(SendProgram, AStalledSendIsToldAndExitsThree) {
    PtyRadio radio;
    SendProcess send({"--json", "--port", radio.Device(), file}, Env());
    Bytes got = radio.Receive(60);
    ASSERT_EQ(got.size(), 60u);
    send.Signal(SIGSTOP);
    std::this_thread::sleep_for(std::chrono::milliseconds(kRadioFrameTimeoutMs + 400));
    send.Signal(SIGCONT);
    const Bytes rest = radio.Receive(kFrameSize - got.size(), std::chrono::seconds(20));
    EXPECT_EQ(send.Wait(), 3) << send.out << send.err;
    EXPECT_EQ(got.size() + rest.size(), std::size_t(kFrameSize));
    const nlohmann::json j = nlohmann::json::parse(send.out);
    EXPECT_EQ(j["bytes"], kFrameSize);
    EXPECT_EQ(j["stalled"], true);
    EXPECT_TRUE(j["error"].get<std::string>().starts_with("the line stalled for ")) << send.out;
}

} // namespace
} // namespace velmar
