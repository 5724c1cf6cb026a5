#include "Unsaved.h"

#include "ChannelEntry.h"
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

// An edit holds nine characters; what it holds is kept as typed, a character each (up to 4 bytes once written).
constexpr std::size_t kChannelTextMaxBytes = 4 * kFreqTextLength;

constexpr std::string_view kPrefix = "unsaved-";
// Extra keys of the setting file: readers of setting files pass over keys they do not know.
const char* const kFromKey = "unsaved_from";
// What the edits of the group in view showed, typed and not yet settled: {"group": 1, "channels": [8 texts]}.
const char* const kTypingKey = "unsaved_typing";

// The texts being typed, when they differ from what is stored: they come back as texts to settle.
std::string TypingJson(const RadioSettings& s) {
    if (s.m_nGroup < 0 || s.m_nGroup >= kGroupCount ||
        s.m_strChannel == s.m_strGroupChannel[static_cast<std::size_t>(s.m_nGroup)]) {
        return {};
    }
    nlohmann::json typing = {{"group", s.m_nGroup}, {"channels", s.m_strChannel}};
    return "  \"" + std::string(kTypingKey) +
           "\": " + typing.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) + ",\n";
}

void ReadTyping(const nlohmann::json& j, RadioSettings& s) {
    const auto it = j.find(kTypingKey);
    if (it == j.end() || !it->is_object() || !it->contains("group") || !(*it)["group"].is_number_integer() ||
        !it->contains("channels") || !(*it)["channels"].is_array() || (*it)["channels"].size() != kChannelCount) {
        return;
    }
    const int group = (*it)["group"].get<int>();
    PerChannel<std::string> typed;
    for (std::size_t c = 0; c < typed.size(); ++c) {
        const nlohmann::json& text = (*it)["channels"][c];
        if (!text.is_string() || text.get_ref<const std::string&>().size() > kChannelTextMaxBytes) {
            return;
        }
        typed[c] = text.get<std::string>();
    }
    if (group >= 0 && group < kGroupCount) {
        s.m_nGroup = group;
        s.m_strChannel = typed;
    }
}

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

bool KeepUnsaved(const RadioSettings& s, const std::string& fromFile, FileFailure* error) {
    std::error_code ec;
    fs::create_directories(StateDir(), ec);
    const std::string from = nlohmann::json(fromFile).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
    // The setting file's own text, with where it came from and what was being typed as its first keys.
    const std::string text =
        "{\n  \"" + std::string(kFromKey) + "\": " + from + ",\n" + TypingJson(s) + SettingToJson(s).substr(2);
    return WriteTextFileAtomic(UnsavedPath(), text, error);
}

void ForgetUnsaved() {
    ::unlink(UnsavedPath().c_str());
}

std::optional<UnsavedWork> FindLeftUnsaved(FileFailure* error) {
    std::optional<UnsavedWork> newest;
    for (const std::string& path : LeftBehind()) {
        struct stat st {};
        UnsavedWork work;
        std::string text;
        FileFailure why;
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
        if (j.is_object()) {
            ReadTyping(j, work.setting);
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
