#include "SerialLink.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <grp.h>
#include <unistd.h>

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

// A user refused a device is told which group owns it, so that they can join it.
TEST(FailureText, PermissionDeniedNamesTheDevicesGroup) {
    char path[] = "/tmp/velmar-link-groupXXXXXX";
    ::close(::mkstemp(path));
    const std::string group = ::getgrgid(::getegid())->gr_name;
    EXPECT_EQ(DeviceGroupName(path), group);
    const SerialFailure denied{SerialFailureKind::PermissionDenied, path, EACCES, "Permission denied"};
    EXPECT_NE(DescribeSerialFailure(denied, group).find(std::string(path) + ": permission denied"), std::string::npos);
    EXPECT_NE(DescribeSerialFailure(denied, group).find('"' + group + '"'), std::string::npos);
    EXPECT_NE(DescribeSerialFailure(denied, "").find("\"dialout\""), std::string::npos) << "the usual group";
    ::unlink(path);
    EXPECT_EQ(DeviceGroupName(path), "");
}

} // namespace
