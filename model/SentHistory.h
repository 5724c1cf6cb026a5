#pragma once
// The history of sent settings: every Send that put the whole frame on the
// line leaves its setting as a setting file in one folder, named so that the
// names sort by time. Only the newest kSentHistoryKeep are kept.

#include "FileFailure.h"
#include "RadioSettings.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmar {

inline constexpr int kSentHistoryKeep = 500;

// DataDir()/sent.
std::string SentHistoryDir();

// What a record's file name tells: when the Send was (local time, as written)
// and the frame's checksum byte.
struct SentRecordName {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, millisecond = 0;
    std::uint8_t checksum = 0;
    bool stalled = false; // the line stalled during the Send: the radio may not have the setting
};

// The file name (no folder) of a record as RecordSentSetting writes it,
// "2026-12-07_14-03-22.517_checksum-57.velmar" (or "..._checksum-57_stalled.velmar" for a Send whose line
// stalled), read back; nullopt for any
// other name. The one rule for what is a record: pruning removes only such
// files, and the window opens only such files as records.
std::optional<SentRecordName> ParseSentRecordName(std::string_view fileName);

// Keeps the setting of a Send that put all 258 bytes on the line as a setting
// file named by its local time and checksum byte (two lower-case hex digits),
// e.g. "2026-12-07_14-03-22.517_checksum-57.velmar", creating the folder (and
// parents) as needed. The record is written once and read-only: it is the
// proof of what a radio got, so an existing record is never replaced (a name
// taken already moves on by a millisecond). Then removes the oldest records
// of the folder beyond the newest kSentHistoryKeep (a removal that fails is
// let be: the setting itself was kept); files of other names stay. False with
// *error (names the folder and why) when it cannot be written; *written gets
// the file's path on success when not null. Any thread may call it; two
// threads recording into one folder at once may prune each other's view but
// lose no new file.
bool RecordSentSetting(const std::string& dir, const RadioSettings& s, std::uint8_t checksum,
                       std::chrono::system_clock::time_point when, FileFailure* error, std::string* written = nullptr,
                       bool stalled = false);

// Paths of the newest `count` records in `dir`, newest first (by name); with `takenOnly`, only Sends whose
// line did not stall, what the radio could have taken. Empty when none or no folder. Any thread may call it.
std::vector<std::string> NewestSentFiles(const std::string& dir, std::size_t count, bool takenOnly = false);

} // namespace velmar
