#include "UserDirs.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace velmar {

namespace {

std::string XdgDir(const char* variable, const char* underHome) {
    if (const char* value = std::getenv(variable); value != nullptr && value[0] == '/') {
        return std::string(value) + "/velmar";
    }
    return HomeDir() + "/" + underHome + "/velmar";
}

} // namespace

std::string HomeDir() {
    if (const char* env = std::getenv("HOME"); env != nullptr && env[0] != '\0') {
        return env;
    }
    passwd entry{};
    passwd* found = nullptr;
    char buffer[4096];
    if (getpwuid_r(getuid(), &entry, buffer, sizeof buffer, &found) == 0 && found != nullptr) {
        return found->pw_dir;
    }
    return {};
}

std::string ConfigDir() {
    return XdgDir("XDG_CONFIG_HOME", ".config");
}

std::string DataDir() {
    return XdgDir("XDG_DATA_HOME", ".local/share");
}

std::string StateDir() {
    return XdgDir("XDG_STATE_HOME", ".local/state");
}

} // namespace velmar
