#include "SentHistory.h"

#include "SettingFile.h"
#include "TextFile.h"
#include "UserDirs.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <filesystem>

namespace velmar {

namespace {

namespace fs = std::filesystem;

constexpr const char* kStalledMark = "_stalled";

std::string SentFileName(std::uint8_t checksum, std::chrono::system_clock::time_point when, bool stalled = false);

// Every record of `dir`, oldest first: by name, which is by time, except that a record dated after `now` was
// written by a clock that ran ahead and counts as older than every other. Pruning and "last sent" both go by
// this order, so a year of records from a wrong clock can neither push out nor stand for the real ones.
std::vector<std::string> SentFileNames(const std::string& dir, std::chrono::system_clock::time_point now) {
    std::vector<std::string> names;
    std::error_code ec;
    fs::directory_iterator it(dir, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        std::error_code typeError;
        const std::string name = it->path().filename().string();
        if (ParseSentRecordName(name) && it->is_regular_file(typeError)) {
            names.push_back(name);
        }
    }
    // Only the time part counts, "YYYY-MM-DD_HH-MM-SS.mmm"; a minute's leeway for clocks set by hand.
    const std::string latest = SentFileName(0, now + std::chrono::minutes(1)).substr(0, 23);
    const auto ahead = [&](const std::string& name) { return name.compare(0, 23, latest) > 0; };
    std::sort(names.begin(), names.end(), [&](const std::string& a, const std::string& b) {
        const bool aheadA = ahead(a), aheadB = ahead(b);
        return aheadA != aheadB ? aheadA : a < b;
    });
    return names;
}

std::string SentFileName(std::uint8_t checksum, std::chrono::system_clock::time_point when, bool stalled) {
    const auto seconds = std::chrono::floor<std::chrono::seconds>(when);
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(when - seconds).count();
    const std::time_t t = std::chrono::system_clock::to_time_t(seconds);
    std::tm local{};
    localtime_r(&t, &local);
    char name[80];
    std::snprintf(name, sizeof name, "%04d-%02d-%02d_%02d-%02d-%02d.%03d_checksum-%02x%s%s", local.tm_year + 1900,
                  local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec, static_cast<int>(ms),
                  static_cast<unsigned>(checksum), stalled ? kStalledMark : "", kSettingFileSuffix);
    return name;
}

} // namespace

std::string SentHistoryDir() {
    return DataDir() + "/sent";
}

std::optional<SentRecordName> ParseSentRecordName(std::string_view name) {
    // "YYYY-MM-DD_HH-MM-SS.mmm_checksum-hh.velmar": every character in its place.
    constexpr std::string_view kShape = "dddd-dd-dd_dd-dd-dd.ddd_checksum-xx";
    const std::string_view suffix = kSettingFileSuffix;
    const bool stalled = name.size() == kShape.size() + std::string_view(kStalledMark).size() + suffix.size() &&
                         name.substr(kShape.size()).starts_with(kStalledMark);
    if ((!stalled && name.size() != kShape.size() + suffix.size()) || !name.ends_with(suffix)) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < kShape.size(); ++i) {
        const char ch = name[i];
        const bool fits = kShape[i] == 'd'   ? ch >= '0' && ch <= '9'
                          : kShape[i] == 'x' ? (ch >= '0' && ch <= '9') || (ch >= 'a' && ch <= 'f')
                                             : ch == kShape[i];
        if (!fits) {
            return std::nullopt;
        }
    }
    const auto number = [&](std::size_t at, std::size_t length) {
        return std::stoi(std::string(name.substr(at, length)));
    };
    SentRecordName r{number(0, 4),  number(5, 2),  number(8, 2),  number(11, 2),
                     number(14, 2), number(17, 2), number(20, 3), 0};
    r.checksum = static_cast<std::uint8_t>(std::stoi(std::string(name.substr(33, 2)), nullptr, 16));
    r.stalled = stalled;
    return r;
}

bool RecordSentSetting(const std::string& dir, const RadioSettings& s, std::uint8_t checksum,
                       std::chrono::system_clock::time_point when, FileFailure* error, std::string* written,
                       bool stalled) {
    // The folder is what the record could not be kept in, whichever file the write stopped at.
    const auto fail = [&](FileFailure why) {
        *error = std::move(why);
        error->path = dir;
        error->step = FileStep::KeepSent;
        return false;
    };
    std::error_code ec;
    fs::create_directories(dir, ec);
    if (ec) {
        FileFailure why;
        why.err = ec.value();
        return fail(why);
    }
    const std::string text = SettingToJson(s);
    std::string path;
    FileFailure why;
    bool exists = true;
    // Two Sends in one millisecond (two programs, one folder) each keep their own record.
    for (int ms = 0; exists && ms < 1000; ++ms) {
        path = dir + "/" + SentFileName(checksum, when + std::chrono::milliseconds(ms), stalled);
        if (!WriteNewTextFile(path, text, 0444, &why, &exists) && !exists) {
            return fail(why);
        }
    }
    if (exists) {
        return fail(why);
    }

    // The file just written stays even when its name sorts oldest (a clock
    // set back): it is the one the caller was promised.
    const std::string own = path.substr(dir.size() + 1);
    const std::vector<std::string> names = SentFileNames(dir, std::max(when, std::chrono::system_clock::now()));
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

std::vector<std::string> NewestSentFiles(const std::string& dir, std::size_t count, bool takenOnly) {
    const std::vector<std::string> names = SentFileNames(dir, std::chrono::system_clock::now());
    std::vector<std::string> paths;
    for (auto it = names.rbegin(); it != names.rend() && paths.size() < count; ++it) {
        if (!takenOnly || !ParseSentRecordName(*it)->stalled) {
            paths.push_back(dir + "/" + *it);
        }
    }
    return paths;
}

} // namespace velmar
