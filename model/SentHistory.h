#pragma once
// The history of sent settings: every Send that put the whole frame on the
// line leaves its setting as a setting file in one folder, named so that the
// names sort by time. Only the newest kSentHistoryKeep are kept.

#include "RadioSettings.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace velmar {

inline constexpr int kSentHistoryKeep = 500;

// $XDG_DATA_HOME/velmar/sent when XDG_DATA_HOME is set and absolute, else
// $HOME/.local/share/velmar/sent (HOME from the password database when unset).
// Reads the environment: call it from any thread, but not while another
// thread changes the environment.
std::string SentHistoryDir();

// Keeps the setting of a Send that put all 258 bytes on the line as a setting
// file named by its local time and checksum byte (two lower-case hex digits),
// e.g. "2026-12-07_14-03-22.517_checksum-57.velmar", creating the folder (and
// parents) as needed, atomically; then removes the oldest *.velmar files of
// the folder beyond the newest kSentHistoryKeep (a removal that fails is let
// be: the setting itself was kept). False with *error (names the folder and
// why) when it cannot be written; *written gets the file's path on success
// when not null. Any thread may call it; two threads recording into one
// folder at once may prune each other's view but lose no new file.
bool RecordSentSetting(const std::string& dir, const RadioSettings& s, std::uint8_t checksum,
                       std::chrono::system_clock::time_point when, std::string* error, std::string* written = nullptr);

// Paths of the newest `count` *.velmar files in `dir`, newest first (by
// name); empty when none or no folder. Any thread may call it.
std::vector<std::string> NewestSentFiles(const std::string& dir, std::size_t count);

} // namespace velmar
