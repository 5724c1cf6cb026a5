#include "Strings.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <utility>
#include <vector>

namespace {

// A user refused a device is told which group to join when that group is one serial devices belong to; for a
// group that gives far more (root, disk, tty, ...) the hint explains instead and never advises joining it.
TEST(FailureText, EachFailureNamesTheDeviceAndWhatToDo) {
    using velmar::res::DescribeSerialFailure;
    const std::pair<const char*, std::vector<const char*>> groups[] = {
        {"uucp", {"/dev/ttyUSB0: permission denied", "\"uucp\"", "usermod -aG uucp"}},
        {"plugdev", {"\"plugdev\"", "usermod -aG plugdev"}},
        {"", {"\"dialout\"", "usermod -aG dialout"}},
        {"root", {"Only root may open", "udev", "KERNEL==\"ttyUSB0\"", "GROUP=\"dialout\"", "usermod -aG dialout"}},
        {"disk", {"group \"disk\"", "do not join it", "GROUP=\"dialout\"", "usermod -aG dialout"}},
        {"tty", {"group \"tty\"", "do not join it", "usermod -aG dialout"}},
        {"wheel", {"group \"wheel\"", "do not join it"}},
    };
    for (const auto& [group, parts] : groups) {
        const std::string text = DescribeSerialFailure(
            {SerialFailureKind::PermissionDenied, "/dev/ttyUSB0", EACCES, "Permission denied", group, "ttyUSB0"});
        for (const char* part : parts) {
            EXPECT_NE(text.find(part), std::string::npos) << group << ": " << text;
        }
        for (const char* never : {"-aG root", "-aG disk", "-aG tty", "-aG wheel"}) {
            EXPECT_EQ(text.find(never), std::string::npos) << text;
        }
    }
    const std::pair<SerialFailure, const char*> others[] = {
        {{SerialFailureKind::NoDevice, "/dev/x", ENOENT, "No such file", {}, {}},
         "/dev/x: no such device (No such file)."},
        {{SerialFailureKind::Busy, "/dev/x", EBUSY, "another program holds it", {}, {}},
         "busy: another program holds it"},
        {{SerialFailureKind::SettingRefused, "/dev/x", 0, "one and a half", {}, {}}, "refused: one and a half"},
        {{SerialFailureKind::NotSerial, "/tmp/f", ENOTTY, "", {}, {}}, "/tmp/f is not a serial device"},
    };
    for (const auto& [failure, part] : others) {
        EXPECT_NE(DescribeSerialFailure(failure).find(part), std::string::npos) << part;
    }
    EXPECT_EQ(velmar::res::DescribeBuffFull(300, 4000, 4191),
              "300 received bytes were dropped: the receive queue held 4000 of 4191 bytes.");
}

} // namespace
