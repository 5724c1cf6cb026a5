#include "Unsaved.h"

#include "ChannelEntry.h"
#include "SettingFile.h"
#include "TextFile.h"
#include "UserDirs.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <signal.h>
#include <sys/file.h>
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

// This process's name for its files: the process ID and a random part, since in a PID namespace every window may
// be process 1, and after a reboot another program may have a dead writer's ID.
const std::string& OwnId() {
    static const std::string id = [] {
        char text[32];
        std::snprintf(text, sizeof text, "%d-%08x", static_cast<int>(::getpid()),
                      static_cast<unsigned>(std::random_device{}()));
        return std::string(text);
    }();
    return id;
}

std::string LockPathOf(const std::string& unsavedPath) {
    return unsavedPath.substr(0, unsavedPath.size() - std::string_view(kSettingFileSuffix).size()) + ".lock";
}

// The writer holds a lock on its file's companion for as long as it runs; the kernel lets it go when the writer
// ends, however it ends, and no reboot keeps it. Opened once, never closed: closing would let the lock go.
void HoldOwnLock() {
    static const int fd = [] {
        std::error_code ec;
        fs::create_directories(StateDir(), ec);
        const int opened = ::open(LockPathOf(UnsavedPath()).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (opened >= 0) {
            ::flock(opened, LOCK_EX | LOCK_NB);
        }
        return opened;
    }();
    (void)fd;
}

// True when the writer of `path` no longer runs. A file with a lock companion: the lock is free. A file of an
// earlier Velmar, "unsaved-PID.velmar": that process is gone.
bool WriterGone(const std::string& path, const std::string& name) {
    const std::string_view suffix = kSettingFileSuffix;
    if (!name.starts_with(kPrefix) || !name.ends_with(suffix) || path == UnsavedPath()) {
        return false;
    }
    const std::string id = name.substr(kPrefix.size(), name.size() - kPrefix.size() - suffix.size());
    const int fd = ::open(LockPathOf(path).c_str(), O_RDWR | O_CLOEXEC);
    if (fd >= 0) {
        const bool free = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
        ::close(fd);
        return free;
    }
    if (id.empty() || id.size() > 9 || id.find_first_not_of("0123456789") != std::string::npos) {
        return false;
    }
    const auto pid = static_cast<pid_t>(std::stol(id));
    return pid > 0 && pid != ::getpid() && ::kill(pid, 0) != 0 && errno == ESRCH;
}

// Files of unsaved work whose writer is gone.
std::vector<std::string> LeftBehind() {
    std::vector<std::string> paths;
    std::error_code ec;
    for (fs::directory_iterator it(StateDir(), ec); !ec && it != fs::directory_iterator(); it.increment(ec)) {
        const std::string path = it->path().string();
        if (WriterGone(path, it->path().filename().string())) {
            paths.push_back(path);
        } else if (path.ends_with(".lock") && it->path().filename().string().starts_with(kPrefix)) {
            // The lock of a window that ended cleanly, its work saved: nothing to offer, nothing to keep.
            const std::string work = path.substr(0, path.size() - 5) + kSettingFileSuffix;
            const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
            if (fd >= 0 && !fs::exists(work, ec) && ::flock(fd, LOCK_EX | LOCK_NB) == 0) {
                ::unlink(path.c_str());
            }
            if (fd >= 0) {
                ::close(fd);
            }
        }
    }
    return paths;
}

} // namespace

std::string UnsavedPath() {
    return StateDir() + "/" + std::string(kPrefix) + OwnId() + kSettingFileSuffix;
}

bool KeepUnsaved(const RadioSettings& s, const std::string& fromFile, FileFailure* error) {
    std::error_code ec;
    fs::create_directories(StateDir(), ec);
    const std::string from = nlohmann::json(fromFile).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
    // The setting file's own text, with where it came from and what was being typed as its first keys.
    const std::string text =
        "{\n  \"" + std::string(kFromKey) + "\": " + from + ",\n" + TypingJson(s) + SettingToJson(s).substr(2);
    HoldOwnLock();
    return WriteTextFileAtomic(UnsavedPath(), text, error);
}

void ForgetUnsaved() {
    ::unlink(UnsavedPath().c_str());
}

void ForgetLeftUnsaved(const std::string& path) {
    // Only a file some writer left, never another running window's.
    if (WriterGone(path, fs::path(path).filename().string())) {
        ::unlink(path.c_str());
        ::unlink(LockPathOf(path).c_str());
    }
}

std::vector<UnsavedWork> FindLeftUnsaved(FileFailure* error) {
    std::vector<UnsavedWork> found;
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
        found.push_back(std::move(work));
    }
    std::sort(found.begin(), found.end(), [](const UnsavedWork& a, const UnsavedWork& b) { return a.when > b.when; });
    return found;
}

} // namespace velmar
