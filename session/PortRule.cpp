#include "PortRule.h"

#include "PosixSerial.h"
#include "Preferences.h"

#include <cctype>
#include <cstdlib>
#include <sys/stat.h>

namespace velmar {

PortInForce ResolveCom1(const std::string& commandLine, const std::string& environment,
                        const std::function<std::optional<std::string>()>& remembered) {
    if (!commandLine.empty()) {
        return {commandLine, PortReason::CommandLine};
    }
    if (!environment.empty()) {
        return {environment, PortReason::Environment};
    }
    const std::optional<std::string> port = remembered ? remembered() : std::string();
    if (!port) {
        return {{}, PortReason::Unreadable};
    }
    if (!port->empty()) {
        return {*port, PortReason::Remembered};
    }
    return {kDefaultCom1Device, PortReason::Default};
}

PortInForce ResolveCom1(const std::string& commandLine, std::optional<FileFailure>* warning) {
    const char* environment = std::getenv("VELMAR_COM1");
    return ResolveCom1(commandLine, environment != nullptr ? environment : "", [warning] {
        Preferences prefs;
        FileFailure error;
        if (!ReadPreferences(PreferencesPath(), &prefs, &error) || prefs.portUnreadable) {
            if (prefs.portUnreadable) {
                error = {};
                error.path = PreferencesPath();
                error.problem = FileProblem::BadValue;
                error.key = "port";
            }
            if (warning != nullptr) {
                *warning = error;
            }
            return std::optional<std::string>();
        }
        return std::optional<std::string>(prefs.port);
    });
}

unsigned ComPortNumber(const std::string& portName) {
    constexpr unsigned kHighest = 9999;
    if (portName.size() < 4 || std::toupper(static_cast<unsigned char>(portName[0])) != 'C' ||
        std::toupper(static_cast<unsigned char>(portName[1])) != 'O' ||
        std::toupper(static_cast<unsigned char>(portName[2])) != 'M') {
        return 0;
    }
    unsigned n = 0;
    for (std::size_t i = 3; i < portName.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(portName[i]))) {
            return 0;
        }
        n = n * 10 + static_cast<unsigned>(portName[i] - '0');
        if (n > kHighest) {
            return 0;
        }
    }
    return n;
}

bool IsCom1(const std::string& portName) {
    return ComPortNumber(portName) == 1;
}

PortInForce DeviceForPortName(const std::string& portName, std::optional<FileFailure>* warning) {
    const unsigned n = ComPortNumber(portName);
    if (n == 1) {
        return ResolveCom1("", warning);
    }
    if (n == 0) {
        return {portName, PortReason::CommandLine};
    }
    const std::string variable = "VELMAR_COM" + std::to_string(n);
    if (const char* value = std::getenv(variable.c_str()); value != nullptr && *value != '\0') {
        return {value, PortReason::Environment};
    }
    return {"/dev/ttyS" + std::to_string(n - 1), PortReason::Default};
}

DeviceKind KindOfDevice(const std::string& device) {
    struct stat st {};
    if (::stat(device.c_str(), &st) != 0) {
        return DeviceKind::Missing;
    }
    if (!IsPseudoTerminal(device)) {
        return DeviceKind::Other;
    }
    return FarEndProgram(device) == kSimulatedRadioProgram ? DeviceKind::SimulatedRadio : DeviceKind::PseudoTerminal;
}

} // namespace velmar
