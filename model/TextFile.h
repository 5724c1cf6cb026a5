#pragma once
// Whole-file reads and safe replacement of a text file, shared by the setting
// files, the channel lists, the history of sent settings and what the window
// remembers. A failure names the path concerned and why. No shared state: any
// thread may call these.

#include "FileFailure.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace velmar {

// Reads the whole regular file at `path` into *text, at most `maxBytes`: a
// larger file is refused before any of it is read, so a huge or endless file
// costs neither time nor memory. It is opened without waiting, so a FIFO or a
// device is refused, never waited on. False with *error when it cannot;
// *text is then untouched.
bool ReadTextFile(const std::string& path, std::string* text, FileFailure* error, std::size_t maxBytes);

// What tells that another program wrote a file: which file it is, when it was last written and its size.
struct FileStamp {
    dev_t device = 0;
    ino_t inode = 0;
    std::int64_t modifiedNs = 0;
    std::int64_t size = 0;
    bool operator==(const FileStamp&) const = default;
};
// The stamp of the file `path` leads to; nullopt when there is none.
std::optional<FileStamp> StampOf(const std::string& path);

// Replaces the file at `path` by `text` so that a crash or a power cut leaves
// either the old or the new content: a temporary file of the same folder is
// written, flushed to the disk and renamed over the file.
//  - A symbolic link stays: the file it leads to is replaced.
//  - The old file's owner and permission bits are kept; a new file gets
//    0644 less the umask. When the owner cannot be kept (the file belongs to
//    another user who lets us write it) or no temporary file can be made in
//    the folder, the file is rewritten in place instead.
//  - A file the user may not write is refused, and so is a file without any
//    write permission (read-only on purpose), also for root.
//  - Temporary files that an earlier save of the same file left behind when
//    it was killed are removed.
// On failure the old file is left as it was, no temporary file stays, and
// *error says why. A file `source` names (the setting a card or a list is made
// from), through links or another name, is never replaced.
bool WriteTextFileAtomic(const std::string& path, std::string_view text, FileFailure* error,
                         const std::string& source = {});

// Writes a file that must not exist yet, whole or not at all, with the
// permission bits `mode` (the umask does not apply). False with *error when
// it cannot; *exists tells when the reason was a file of that name.
bool WriteNewTextFile(const std::string& path, std::string_view text, mode_t mode, FileFailure* error, bool* exists);

} // namespace velmar
