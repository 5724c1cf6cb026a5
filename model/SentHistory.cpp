#include "SentHistory.h"

#include "SettingFile.h"
#include "TextFile.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <pwd.h>
#include <unistd.h>

namespace velmar {

namespace {

namespace fs = std::filesystem;

bool IsSentFileName(const std::string& name) {
    const std::string suffix = kSettingFileSuffix;
    // A leading dot marks the temporary files of an atomic write and other hidden leftovers.
    return name.size() > suffix.size() && name.front() != '.' &&
           name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// Every *.velmar regular file of `dir` by name, oldest first.
std::vector<std::string> SentFileNames(const std::string& dir) {
    std::vector<std::string> names;
    std::error_code ec;
    fs::directory_iterator it(dir, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        std::error_code typeError;
        const std::string name = it->path().filename().string();
        if (IsSentFileName(name) && it->is_regular_file(typeError)) {
            names.push_back(name);
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string SentFileName(std::uint8_t checksum, std::chrono::system_clock::time_point when) {
    const auto seconds = std::chrono::floor<std::chrono::seconds>(when);
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(when - seconds).count();
    const std::time_t t = std::chrono::system_clock::to_time_t(seconds);
    std::tm local{};
    localtime_r(&t, &local);
    char name[80];
    std::snprintf(name, sizeof name, "%04d-%02d-%02d_%02d-%02d-%02d.%03d_checksum-%02x%s", local.tm_year + 1900,
                  local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec, static_cast<int>(ms),
                  static_cast<unsigned>(checksum), kSettingFileSuffix);
    return name;
}

} // namespace

std::string SentHistoryDir() {
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome != nullptr && dataHome[0] == '/') {
        return std::string(dataHome) + "/velmar/sent";
    }
    std::string home;
    if (const char* env = std::getenv("HOME"); env != nullptr && env[0] != '\0') {
        home = env;
    } else {
        passwd entry{};
        passwd* found = nullptr;
        char buffer[4096];
        if (getpwuid_r(getuid(), &entry, buffer, sizeof buffer, &found) == 0 && found != nullptr) {
            home = found->pw_dir;
        }
    }
    return home + "/.local/share/velmar/sent";
}

bool RecordSentSetting(const std::string& dir, const RadioSettings& s, std::uint8_t checksum,
                       std::chrono::system_clock::time_point when, std::string* error, std::string* written) {
    const std::string prefix = "cannot keep the sent setting in " + dir + ": ";
    std::error_code ec;
    fs::create_directories(dir, ec);
    if (ec) {
        *error = prefix + ec.message();
        return false;
    }
    const std::string path = dir + "/" + SentFileName(checksum, when);
    std::string why;
    if (!WriteSettingFile(path, s, &why)) {
        *error = prefix + why;
        return false;
    }

    // The file just written stays even when its name sorts oldest (a clock
    // set back): it is the one the caller was promised.
    const std::string own = path.substr(dir.size() + 1);
    const std::vector<std::string> names = SentFileNames(dir);
    std::size_t left = names.size();
    for (std::size_t i = 0; i < names.size() && left > static_cast<std::size_t>(kSentHistoryKeep); ++i) {
        if (names[i] != own) {
            fs::remove(dir + "/" + names[i], ec);
            --left;
        }
    }
    if (written != nullptr) {
        *written = path;
    }
    return true;
}

std::vector<std::string> NewestSentFiles(const std::string& dir, std::size_t count) {
    const std::vector<std::string> names = SentFileNames(dir);
    std::vector<std::string> paths;
    for (auto it = names.rbegin(); it != names.rend() && paths.size() < count; ++it) {
        paths.push_back(dir + "/" + *it);
    }
    return paths;
}

} // namespace velmar
