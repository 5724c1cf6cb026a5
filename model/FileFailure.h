#pragma once
// Why a file could not be read, written or taken as a setting: the facts only. The programs word them, so that a
// refusal reads the same in the window, in velmar-send and in a translation.

#include <cstddef>
#include <string>

namespace velmar {

// Where a setting file's content was refused and what was found there.
struct SettingFault {
    enum class Found {
        Missing,          // no value at `place`
        Value,            // `value` (JSON, cut short) is not what is allowed
        Count,            // a list of `count` items
        Characters,       // a text of `count` characters
        ControlCharacter, // a text holding a control character it may not
        NewerVersion,     // `value` is a version newer than this Velmar reads
        TooDeep,          // nested deeper than `count` levels, at byte `at`
        Nul,              // a NUL character at byte `at`
        NotJson,          // the parser's own account is `value`
        DuplicateKey,     // the object at `place` has the key `value` twice
    };
    // What `place` must hold.
    enum class Allowed {
        Setting,
        Format,
        Version,
        Text,
        Groups,
        Group,
        GroupLetter,
        Spacing,
        Channels,
        Channel,
        Names,
        Options,
        Option
    };
    std::string place; // "groups[1].channels[4]", "options.\"BCLO\""; empty for the whole file
    Found found = Found::Missing;
    std::string value;
    std::size_t count = 0;
    std::size_t at = 0;
    Allowed allowed = Allowed::Setting;
    std::size_t most = 0;    // Text: at most this many characters
    bool lineBreaks = false; // Text: line breaks and tabs allowed
    int group = 0;           // GroupLetter: the group that belongs there
    std::string gridPoint;   // Channel: the 6.25 kHz grid point below the value, when it has one
    std::string option;      // Option: the option's label
};

enum class FileStep { Read, Write, KeepSent };

enum class FileProblem {
    System,          // the system's error `err`
    TooLarge,        // larger than `limit` bytes
    NotRegular,      // a FIFO, a device or another thing that is no file
    TooManyLinks,    // symbolic links without end
    ReadOnly,        // the file allows no one to write it
    NoTemporaryFile, // none could be made in `folder` (`err`)
    NotSetting,      // read, but `setting` says why it is no setting
    IsTheSource,     // the file is `source`, what the content was made from
    BadValue,        // the value of `key` cannot be read
};

struct FileFailure {
    std::string path; // the file; for KeepSent, the history's folder
    FileStep step = FileStep::Read;
    FileProblem problem = FileProblem::System;
    int err = 0;
    std::size_t limit = 0;
    std::string folder;
    std::string source;
    std::string key;
    SettingFault setting;
};

} // namespace velmar
