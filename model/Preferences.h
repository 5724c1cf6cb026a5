#pragma once
// What the window remembers across runs: the port chosen in its Port menu and the files opened or saved last.
// One file holds it, and every program of ours reads it from here: velmar-send takes the remembered port from the
// very file the window writes. The file is an INI file in the layout Qt's QSettings uses ([General], values
// escaped and quoted as it does), so a file written by an earlier Velmar is read as it stands.

#include "FileFailure.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace velmar {

// A literal, so that help texts can name the file without writing its name again.
#define VELMAR_PREFERENCES_FILE_NAME "velmar.ini"
inline constexpr const char* kPreferencesFileName = VELMAR_PREFERENCES_FILE_NAME;
inline constexpr std::size_t kPreferencesMaxBytes = 64 * 1024;

struct Preferences {
    std::string port;                     // the device chosen last; empty for none
    bool portUnreadable = false;          // a "port" is there, but no one device (a list, a NUL); written back as it
                                          // was while `port` is empty
    std::vector<std::string> recentFiles; // absolute paths, newest first
    // Where View > All Channels was last: x, y, width, height on the screen; nullopt for nowhere yet.
    std::optional<std::array<int, 4>> allChannelsPlace;
};

// ConfigDir()/velmar.ini.
std::string PreferencesPath();

// Reads the file at `path`. A missing file is no error: *out gets empty preferences. Only a regular file of at
// most kPreferencesMaxBytes is read, opened without waiting (a FIFO or a device put there is refused, never
// waited on). False with *error (names the file and why) otherwise; *out is then untouched.
bool ReadPreferences(const std::string& path, Preferences* out, FileFailure* error);

// Writes `prefs` to `path` atomically, creating its folder; the file's other keys and sections stay as they
// were. False with *error when it cannot.
bool WritePreferences(const std::string& path, const Preferences& prefs, FileFailure* error);

// Reads the preferences file, lets `change` change what it holds and writes it back; false with *error when it
// cannot be read or written (then nothing is written).
bool UpdatePreferences(const std::function<void(Preferences&)>& change, FileFailure* error);

} // namespace velmar
