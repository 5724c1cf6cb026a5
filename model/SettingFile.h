#pragma once
// The setting file (".velmar"): a whole setting as UTF-8 JSON that a person
// can read and edit, holding the dialog's own texts:
//
//   { "format": "velmar-setting", "version": 1,
//     "groups": [ { "group": "A", "spacing": "12.5Khz",
//                   "channels": ["446.00625", "", "", "", "", "", "", ""] }, ... eight, "A" to "H" ],
//     "options": { "Scan Delay Time": "OFF", ... the 13 option labels of CodeTables.h } }
//
// Version 2 adds, each optional, a "title" and "notes" after "version" and a group's "names" after its
// channels (eight, "" for none): what SettingLabels.h allows. A setting without them is written as version
// 1, so a Velmar that knows only version 1 reads it.
//
// A channel is its nine-character text as channel entry stores it, or "" for
// none. Reading is strict: a file is taken whole or not at all. Extra keys are
// ignored. No shared state: any thread may call these.

#include "FileFailure.h"
#include "RadioSettings.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace velmar {

inline constexpr const char* kSettingFormat = "velmar-setting";
inline constexpr int kSettingVersion = 2; // the newest this Velmar reads and writes
inline constexpr const char* kSettingFileSuffix = ".velmar";
// A setting is a few kilobytes; anything far larger is no setting file.
inline constexpr std::size_t kSettingFileMaxBytes = 1024 * 1024;

// The setting of `s` as the file holds it: the groups from m_nGroupSpacing and
// m_strGroupChannel, the options by their item texts. A spacing or option
// index outside its list (a radio group with nothing checked reads -1) and a
// BCLO text not in its list are written as the list's first item, since the
// file can only hold item texts. Pretty-printed, keys in the order above.
std::string SettingToJson(const RadioSettings& s);

// Parses a setting file's text. On success *out becomes a fresh RadioSettings
// (defaults) carrying every group's spacing, stored texts and their codes (as
// EnterWholeText makes them), every option; m_nGroup 0, m_strChannel = group
// A's texts, m_nSpacing = group A's spacing. On failure returns false, *error
// names `fileName`, the place (e.g. groups[1].channels[4], options."BCLO"),
// what was found there and what is allowed; *out is untouched.
bool SettingFromJson(std::string_view json, const std::string& fileName, RadioSettings* out, FileFailure* error);

// Reads and parses the file at `path`; *error names the file. *out is touched
// only on success.
bool ReadSettingFile(const std::string& path, RadioSettings* out, FileFailure* error);

// Writes SettingToJson(s) to `path` atomically (see WriteTextFileAtomic):
// on failure the old file stays as it was and *error says which file and why.
bool WriteSettingFile(const std::string& path, const RadioSettings& s, FileFailure* error);

// True when the two records would give the same programming frame (every
// group's codes and spacing, every option) and have the same title, notes and
// names; texts in the edits, the current group and work values do not count.
bool SameSetting(const RadioSettings& a, const RadioSettings& b);

} // namespace velmar
