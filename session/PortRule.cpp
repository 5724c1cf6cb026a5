#include "PortRule.h"

#include "Preferences.h"

#include <cctype>
#include <cstdlib>

namespace velmar {

PortInForce ResolveCom1(const std::string& commandLine, const std::string& environment,
                        const std::function<std::string()>& remembered) {
    if (!commandLine.empty()) {
        return {commandLine, PortReason::CommandLine};
    }
    if (!environment.empty()) {
        return {environment, PortReason::Environment};
    }
    if (std::string port = remembered ? remembered() : std::string(); !port.empty()) {
        return {std::move(port), PortReason::Remembered};
    }
    return {kDefaultCom1Device, PortReason::Default};
}

PortInForce ResolveCom1(const std::string& commandLine, std::string* warning) {
    const char* environment = std::getenv("VELMAR_COM1");
    return ResolveCom1(commandLine, environment != nullptr ? environment : "", [warning] {
        Preferences prefs;
        std::string error;
        if (!ReadPreferences(PreferencesPath(), &prefs, &error) && warning != nullptr) {
            *warning = error;
        }
        return prefs.port;
    });
}

bool IsCom1(const std::string& portName) {
    return portName.size() == 4 && std::toupper(static_cast<unsigned char>(portName[0])) == 'C' &&
           std::toupper(static_cast<unsigned char>(portName[1])) == 'O' &&
           std::toupper(static_cast<unsigned char>(portName[2])) == 'M' && portName[3] == '1';
}

} // namespace velmar
