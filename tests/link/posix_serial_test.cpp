#include "SerialLink.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <grp.h>
#include <unistd.h>
#include <vector>

namespace {

TEST(PortNames, ComNamesMapToDevicesUnlessTheEnvironmentNamesOne) {
    ::unsetenv("VELMAR_COM1");
    ::setenv("VELMAR_COM2", "", 1); // empty counts as not set
    ::setenv("VELMAR_COM3", "/dev/ttyUSB0", 1);
    for (const auto& [name, device] : {std::pair{"COM1", "/dev/ttyS0"},
                                       {"com12", "/dev/ttyS11"},
                                       {"COM2", "/dev/ttyS1"},
                                       {"COM3", "/dev/ttyUSB0"},
                                       {"/dev/ttyACM0", "/dev/ttyACM0"},
                                       {"COM0", "COM0"},
                                       {"COM", "COM"},
                                       {"COM1x", "COM1x"}}) {
        EXPECT_EQ(DevicePathForPort(name), device) << name;
    }
    ::unsetenv("VELMAR_COM2");
    ::unsetenv("VELMAR_COM3");
}

// A user refused a device is told which group owns it, so that they can join it; never to join root.
TEST(FailureText, PermissionDeniedNamesTheGroupToJoin) {
    char path[] = "/tmp/velmar-link-groupXXXXXX";
    ::close(::mkstemp(path));
    EXPECT_EQ(DeviceGroupName(path), ::getgrgid(::getegid())->gr_name);
    const SerialFailure denied{SerialFailureKind::PermissionDenied, path, EACCES, "Permission denied"};
    const std::pair<const char*, std::vector<const char*>> cases[] = {
        {"uucp", {": permission denied", "\"uucp\"", "usermod -aG uucp"}},
        {"", {"\"dialout\"", "usermod -aG dialout"}},
        {"root", {"Only root may open", "udev", "GROUP=\"dialout\"", "usermod -aG dialout"}},
    };
    for (const auto& [group, parts] : cases) {
        const std::string text = DescribeSerialFailure(denied, group);
        for (const char* part : parts) {
            EXPECT_NE(text.find(part), std::string::npos) << group << ": " << text;
        }
        EXPECT_EQ(text.find("-aG root"), std::string::npos) << text;
    }
    ::unlink(path);
    EXPECT_EQ(DeviceGroupName(path), "");
}

} // namespace
