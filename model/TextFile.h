#pragma once
// Whole-file reads and atomic replacement of a text file, shared by the setting
// files, the channel lists and the history of sent settings. Every error message
// begins with the path concerned. No shared state: any thread may call these.

#include <string>
#include <string_view>

namespace velmar {

// Reads the whole regular file at `path` into *text. False with *error
// ("<path>: cannot read: <why>") when it cannot; *text is then untouched.
bool ReadTextFile(const std::string& path, std::string* text, std::string* error);

// Replaces the file at `path` by `text` atomically: a fresh temporary file of the
// same folder is written, flushed to the disk and renamed over `path`. The old
// file's permission bits are kept; a new file gets 0644 less the umask. On
// failure the temporary file is removed, the old file is left as it was, and
// *error is "<path>: cannot write: <why>".
bool WriteTextFileAtomic(const std::string& path, std::string_view text, std::string* error);

} // namespace velmar
