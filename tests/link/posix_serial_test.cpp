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

TEST(FailureFacts, TheDevicesGroupIsFound) {
    char path[] = "/tmp/velmar-link-groupXXXXXX";
    ::close(::mkstemp(path));
    EXPECT_EQ(DeviceGroupName(path), ::getgrgid(::getegid())->gr_name);
    ::unlink(path);
    EXPECT_EQ(DeviceGroupName(path), "");
}

} // namespace
