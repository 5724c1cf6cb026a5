#include "Unsaved.h"

#include "SettingFile.h"
#include "TextFile.h"
#include "UserDirs.h"

#include <nlohmann/json.hpp>

#include <cerrno>
#include <filesystem>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace velmar {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kPrefix = "unsaved-";
// An extra key of the setting file: readers of setting files pass over keys they do not know.
const char* const kFromKey = "unsaved_from";

// The process that wrote a file of unsaved work, from its name; 0 for any other name.
pid_t WriterOf(const std::string& name) {
    const std::string_view suffix = kSettingFileSuffix;
    if (!name.starts_with(kPrefix) || !name.ends_with(suffix)) {
        return 0;
    }
    const std::string digits = name.substr(kPrefix.size(), name.size() - kPrefix.size() - suffix.size());
    if (digits.empty() || digits.size() > 9 || digits.find_first_not_of("0123456789") != std::string::npos) {
        return 0;
    }
    return static_cast<pid_t>(std::stol(digits));
}

bool Gone(pid_t pid) {
    return pid > 0 && pid != ::getpid() && ::kill(pid, 0) != 0 && errno == ESRCH;
}

// Files of unsaved work whose writer is gone.
std::vector<std::string> LeftBehind() {
    std::vector<std::string> paths;
    std::error_code ec;
    for (fs::directory_iterator it(StateDir(), ec); !ec && it != fs::directory_iterator(); it.increment(ec)) {
        if (Gone(WriterOf(it->path().filename().string()))) {
            paths.push_back(it->path().string());
        }
    }
    return paths;
}

} // namespace

std::string UnsavedPath() {
    return StateDir() + "/" + std::string(kPrefix) + std::to_string(::getpid()) + kSettingFileSuffix;
}

bool KeepUnsaved(const RadioSettings& s, const std::string& fromFile, std::string* error) {
    std::error_code ec;
    fs::create_directories(StateDir(), ec);
    const std::string from = nlohmann::json(fromFile).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
    // The setting file's own text, with where it came from as its first key.
    const std::string text = "{\n  \"" + std::string(kFromKey) + "\": " + from + "," + SettingToJson(s).substr(1);
    return WriteTextFileAtomic(UnsavedPath(), text, error);
}

void ForgetUnsaved() {
    ::unlink(UnsavedPath().c_str());
}

std::optional<UnsavedWork> FindLeftUnsaved(std::string* error) {
    std::optional<UnsavedWork> newest;
    for (const std::string& path : LeftBehind()) {
        struct stat st {};
        UnsavedWork work;
        std::string text, why;
        if (::stat(path.c_str(), &st) != 0 || !ReadTextFile(path, &text, &why, kSettingFileMaxBytes) ||
            !SettingFromJson(text, path, &work.setting, &why)) {
            if (error != nullptr) {
                *error = why;
            }
            continue;
        }
        const nlohmann::json j = nlohmann::json::parse(text, nullptr, false);
        if (j.is_object() && j.contains(kFromKey) && j[kFromKey].is_string()) {
            work.fromFile = j[kFromKey].get<std::string>();
        }
        work.path = path;
        work.when = st.st_mtime;
        if (!newest || work.when > newest->when) {
            newest = std::move(work);
        }
    }
    return newest;
}

void ForgetLeftUnsaved() {
    for (const std::string& path : LeftBehind()) {
        ::unlink(path.c_str());
    }
}

} // namespace velmar
