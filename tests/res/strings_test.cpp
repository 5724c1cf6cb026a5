#include "Strings.h"
#include "Words.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <utility>
#include <vector>

namespace velmar::res {
namespace {

SerialFailure Failure(SerialFailureKind kind, const char* device, SerialProblem problem, std::uint32_t value = 0,
                      const char* reason = "", const char* group = "") {
    SerialFailure f;
    f.kind = kind, f.device = device, f.problem = problem, f.value = value, f.reason = reason, f.group = group;
    f.kernelName = "ttyUSB0";
    return f;
}

// A user refused a device is told which group to join when that group is one serial devices belong to; for a
// group that gives far more (root, disk, tty, ...) the hint explains instead and never advises joining it.
TEST(FailureText, EachFailureNamesTheDeviceAndWhatToDo) {
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
        const std::string text = DescribeSerialFailure(Failure(SerialFailureKind::PermissionDenied, "/dev/ttyUSB0",
                                                               SerialProblem::System, 0, "Permission denied", group));
        for (const char* part : parts) {
            EXPECT_NE(text.find(part), std::string::npos) << group << ": " << text;
        }
        for (const char* never : {"-aG root", "-aG disk", "-aG tty", "-aG wheel"}) {
            EXPECT_EQ(text.find(never), std::string::npos) << text;
        }
    }
    const std::pair<SerialFailure, const char*> others[] = {
        {Failure(SerialFailureKind::NoDevice, "/dev/x", SerialProblem::System, 0, "No such file"),
         "/dev/x: no such device (No such file)."},
        {Failure(SerialFailureKind::Busy, "/dev/x", SerialProblem::HeldElsewhere), "busy: another program holds it"},
        {Failure(SerialFailureKind::SettingRefused, "/dev/x", SerialProblem::BaudNotKept, 4800),
         "/dev/x: the line settings were refused: the driver did not keep 4800 baud."},
        {Failure(SerialFailureKind::NotSerial, "/tmp/f", SerialProblem::System), "/tmp/f is not a serial device"},
    };
    for (const auto& [failure, part] : others) {
        EXPECT_NE(DescribeSerialFailure(failure).find(part), std::string::npos) << part;
    }
    EXPECT_EQ(DescribeBuffFull(300, 4000, 4191),
              "300 received bytes were dropped: the receive queue held 4000 of 4191 bytes.");
}

TEST(WindowWords, DuplicatesAreSaidInOneSentencePerGroup) {
    const std::vector<DuplicateChannels> found{{"433.07500", {0, 5}}, {"433.10000", {1, 6, 7}}, {"x", {3}}};
    EXPECT_EQ(DescribeDuplicates(1, found),
              "Group B: CH1 and CH6 are both 433.07500; CH2, CH7 and CH8 are all 433.10000");
    EXPECT_EQ(DescribeDuplicates(1, std::vector<DuplicateChannels>{{"x", {3}}}), "");
}

} // namespace
} // namespace velmar::res
