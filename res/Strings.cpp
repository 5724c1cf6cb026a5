#include "Strings.h"

namespace velmar::res {

std::string DescribeSerialFailure(const SerialFailure& failure, const std::string& deviceGroup) {
    const std::string& dev = failure.device;
    switch (failure.kind) {
    case SerialFailureKind::None:
        return {};
    case SerialFailureKind::NoDevice:
        return dev + ": no such device (" + failure.reason + ").";
    case SerialFailureKind::Busy:
        return dev + " is busy: another program holds it. Close that program and connect again.";
    case SerialFailureKind::PermissionDenied: {
        if (deviceGroup == "root") {
            // Joining "root" would hand the user the whole system: the device should belong to dialout instead.
            return dev +
                   ": permission denied. Only root may open this device. Ask the administrator for a udev "
                   "rule that gives it to the group \"dialout\" (for example a file "
                   "/etc/udev/rules.d/50-velmar.rules with the line SUBSYSTEM==\"tty\", KERNEL==\"" +
                   DeviceKernelName(dev) +
                   "\", GROUP=\"dialout\", MODE=\"0660\"), join that group (sudo usermod -aG dialout $USER) and "
                   "log in again.";
        }
        const std::string group = deviceGroup.empty() ? std::string("dialout") : deviceGroup;
        return dev + ": permission denied. Your user must be in the group that owns the device, \"" + group +
               "\" (for example: sudo usermod -aG " + group + " $USER), and log in again.";
    }
    case SerialFailureKind::NotSerial:
        return dev + " is not a serial device.";
    case SerialFailureKind::SettingRefused:
        return dev + ": the line settings were refused: " + failure.reason + ".";
    case SerialFailureKind::Resources:
        return dev + " could not be opened: the system is out of resources (" + failure.reason + ").";
    case SerialFailureKind::Other:
        break;
    }
    return dev + " could not be opened: " + failure.reason + ".";
}

std::string DescribeSerialFailure(const SerialFailure& failure) {
    return DescribeSerialFailure(
        failure, failure.kind == SerialFailureKind::PermissionDenied ? DeviceGroupName(failure.device) : std::string());
}

std::string DescribeBuffFull(std::uint32_t dropped, int held, int capacity) {
    return std::to_string(dropped) + " received bytes were dropped: the receive queue held " + std::to_string(held) +
           " of " + std::to_string(capacity) + " bytes.";
}

} // namespace velmar::res
