#include "PortRule.h"
#include "PosixSerial.h"
#include "Preferences.h"
#include "PseudoTerminal.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace velmar {
namespace {

TEST(PortRule, TheFirstOfCommandLineEnvironmentRememberedDefault) {
    const struct {
        const char *line, *env, *remembered, *device;
        PortReason why;
        bool asked; // the remembered port is read only when it decides
    } kCases[] = {{"/dev/a", "/dev/b", "/dev/c", "/dev/a", PortReason::CommandLine, false},
                  {"", "/dev/b", "/dev/c", "/dev/b", PortReason::Environment, false},
                  {"", "", "/dev/c", "/dev/c", PortReason::Remembered, true},
                  {"", "", "", "/dev/ttyS0", PortReason::Default, true}};
    for (const auto& c : kCases) {
        bool asked = false;
        const PortInForce port = ResolveCom1(c.line, c.env, [&] {
            asked = true;
            return std::optional<std::string>(c.remembered);
        });
        EXPECT_EQ(port.device, c.device);
        EXPECT_EQ(port.reason, c.why);
        EXPECT_EQ(asked, c.asked) << c.device;
    }
}

// Every program names ports by this one rule: each name of COM1 reaches the device the rule above decides.
TEST(PortRule, PortNamesMapToDevicesTheSameWayEverywhere) {
    ::setenv("VELMAR_COM1", "/dev/ttyUSB7", 1);
    ::setenv("VELMAR_COM2", "", 1); // empty counts as not set
    ::setenv("VELMAR_COM3", "/dev/ttyUSB0", 1);
    for (const auto& [name, device] : {std::pair{"COM1", "/dev/ttyUSB7"},
                                       {"com1", "/dev/ttyUSB7"},
                                       {"COM01", "/dev/ttyUSB7"},
                                       {"com12", "/dev/ttyS11"},
                                       {"COM2", "/dev/ttyS1"},
                                       {"COM3", "/dev/ttyUSB0"},
                                       {"/dev/ttyACM0", "/dev/ttyACM0"},
                                       {"COM0", "COM0"},
                                       {"COM", "COM"},
                                       {"COM1x", "COM1x"},
                                       {"COM99999", "COM99999"}}) {
        EXPECT_EQ(DeviceForPortName(name).device, device) << name;
        EXPECT_EQ(IsCom1(name), std::string(device) == "/dev/ttyUSB7") << name;
    }
    for (const char* variable : {"VELMAR_COM1", "VELMAR_COM2", "VELMAR_COM3"}) {
        ::unsetenv(variable);
    }
}

// A remembered port that cannot be read is no port: never the default in its place, and the file and the reason
// are told. A FIFO put there must not hold the program up either.
TEST(PortRule, AnUnreadableRememberedPortIsNoDevice) {
    const std::string dir = testing::TempDir() + "velmar-port-rule-" + std::to_string(::getpid());
    ::setenv("XDG_CONFIG_HOME", dir.c_str(), 1);
    ::unsetenv("VELMAR_COM1");
    std::filesystem::create_directories(dir + "/velmar");
    const std::pair<std::string, FileProblem> kCases[] = {
        {"[General]\nport=/dev/ttyUSB0, /dev/ttyUSB1\n", FileProblem::BadValue},
        {std::string("[General]\nport=/dev/tty\0USB0\n", 29), FileProblem::BadValue},
        {"[General]\nport=/dev/ttyUSB0\n" + std::string(70000, '#'), FileProblem::TooLarge},
        {"fifo", FileProblem::NotRegular},
    };
    for (const auto& [text, problem] : kCases) {
        std::filesystem::remove(PreferencesPath());
        if (text == "fifo") {
            ASSERT_EQ(::mkfifo(PreferencesPath().c_str(), 0600), 0);
        } else {
            std::ofstream(PreferencesPath(), std::ios::binary) << text;
        }
        std::optional<FileFailure> warning;
        const PortInForce port = ResolveCom1("", &warning);
        EXPECT_EQ(port.reason, PortReason::Unreadable) << text.substr(0, 30);
        EXPECT_EQ(port.device, "");
        EXPECT_TRUE(warning && warning->path == PreferencesPath() && warning->problem == problem) << text.substr(0, 30);
    }
    // Writing anything else (a recent file) keeps it as it is: still no device until one is chosen. Choosing a
    // port mends it.
    std::filesystem::remove(PreferencesPath());
    std::ofstream(PreferencesPath()) << "[General]\nport=/dev/ttyUSB0, /dev/ttyUSB1\n";
    FileFailure error;
    ASSERT_TRUE(UpdatePreferences([](Preferences& p) { p.recentFiles = {"/tmp/a.velmar"}; }, &error));
    EXPECT_EQ(ResolveCom1("", nullptr).reason, PortReason::Unreadable);
    ASSERT_TRUE(UpdatePreferences([](Preferences& p) { p.port = "/dev/ttyUSB3"; }, &error));
    EXPECT_EQ(ResolveCom1("", nullptr).device, "/dev/ttyUSB3");
    std::filesystem::remove_all(dir);
}

// A port in force is named by what it is: gone, a pseudo-terminal (through a link too) whose far end is this
// test, or something else that is there.
TEST(PortRule, APortIsKnownForWhatItIs) {
    CPseudoTerminal pty;
    std::string error;
    ASSERT_TRUE(pty.Open({}, &error)) << error;
    const std::string link = std::filesystem::temp_directory_path() / ("velmar-kind-" + std::to_string(::getpid()));
    std::filesystem::remove(link);
    std::filesystem::create_symlink(pty.SlavePath(), link);
    EXPECT_EQ(KindOfDevice(pty.SlavePath()), DeviceKind::PseudoTerminal);
    EXPECT_EQ(KindOfDevice(link), DeviceKind::PseudoTerminal);
    EXPECT_EQ(FarEndProgram(link), std::string(program_invocation_short_name).substr(0, 15));
    EXPECT_EQ(KindOfDevice("/dev/null"), DeviceKind::Other);
    std::filesystem::remove(link);
    EXPECT_EQ(KindOfDevice(link), DeviceKind::Missing);
}

} // namespace
} // namespace velmar
