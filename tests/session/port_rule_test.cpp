#include "PortRule.h"
#include "Preferences.h"

#include <gtest/gtest.h>

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
            return std::string(c.remembered);
        });
        EXPECT_EQ(port.device, c.device);
        EXPECT_EQ(port.reason, c.why);
        EXPECT_EQ(asked, c.asked) << c.device;
    }
    EXPECT_TRUE(IsCom1("COM1") && IsCom1("com1") && !IsCom1("COM10") && !IsCom1("/dev/COM1"));
}

// A settings file that is a FIFO must not hold the program up: it counts as nothing remembered, and says why.
TEST(PortRule, AnUnreadableSettingsFileIsNoPortAndNoHang) {
    const std::string dir = testing::TempDir() + "velmar-port-rule-" + std::to_string(::getpid());
    ::setenv("XDG_CONFIG_HOME", dir.c_str(), 1);
    ::unsetenv("VELMAR_COM1");
    std::filesystem::create_directories(dir + "/velmar");
    ASSERT_EQ(::mkfifo(PreferencesPath().c_str(), 0600), 0);
    std::string warning;
    EXPECT_EQ(ResolveCom1("", &warning).device, kDefaultCom1Device);
    EXPECT_EQ(warning, PreferencesPath() + ": cannot read: not a regular file");
    std::filesystem::remove_all(dir);
}

} // namespace
} // namespace velmar
