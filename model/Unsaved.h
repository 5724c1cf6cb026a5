#pragma once
// Unsaved work kept against a crash, a kill or a power cut: while the window holds changes that no file has,
// they are written (atomically) to a file of this process under StateDir(); a clean end or a save removes it,
// and the next start finds what a process that ended otherwise left behind. Plain files, no shared state.

#include "FileFailure.h"
#include "RadioSettings.h"

#include <ctime>
#include <optional>
#include <string>
#include <vector>

namespace velmar {

// StateDir()/unsaved-ID.velmar for this process, ID its process ID and a random part. While the process runs it
// holds a lock on unsaved-ID.lock beside it: that, not the ID, tells a live writer from a dead one.
std::string UnsavedPath();

// Keeps `s` as this process's unsaved work, with what the edits of the group in view show when it is not what
// they store; `fromFile` is the setting file it was opened from (empty for none). False with *error when it
// cannot be written.
bool KeepUnsaved(const RadioSettings& s, const std::string& fromFile, FileFailure* error);
// Removes this process's unsaved work, if any.
void ForgetUnsaved();

struct UnsavedWork {
    std::string path; // the file it was kept in
    RadioSettings setting;
    std::string fromFile;
    std::time_t when = 0; // when it was last kept
};

// Every window's unsaved work that a process no longer running left behind, newest first. Files it cannot read
// are passed over (and said in *error when not null).
std::vector<UnsavedWork> FindLeftUnsaved(FileFailure* error = nullptr);
// Removes one such file once it is restored or discarded; a file whose writer still runs stays.
void ForgetLeftUnsaved(const std::string& path);

} // namespace velmar
