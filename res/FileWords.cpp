#include "Strings.h"

#include "ChannelEntry.h"
#include "SettingFile.h"
#include "SettingOptions.h"

#include <cstring>

#include "Translate.h"

namespace velmar::res {

namespace {

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

std::string OneOf(const OptionList& list) {
    std::string items;
    for (std::size_t i = 0; i < list.items.size(); ++i) {
        items += (i == 0 ? "" : ", ") + Quoted(list.items[i]);
    }
    return TrArg(VELMAR_WORD("Velmar", "one of %1"), {items});
}

// What the place must hold.
std::string AllowedText(const SettingFault& f) {
    using Allowed = SettingFault::Allowed;
    switch (f.allowed) {
    case Allowed::Setting:
        break;
    case Allowed::Format:
        return TrArg(VELMAR_WORD("Velmar", "%1 (a Velmar setting file)"), {Quoted(kSettingFormat)});
    case Allowed::Version:
        return TrArg(VELMAR_WORD("Velmar", "a whole number from 1 to %1"), {std::to_string(kSettingVersion)});
    case Allowed::Text:
        return f.lineBreaks
                   ? TrArg(VELMAR_WORD("Velmar", "text of up to %1 characters, line breaks and tabs its only control "
                                                 "characters"),
                           {std::to_string(f.most)})
                   : TrArg(VELMAR_WORD("Velmar", "text of up to %1 characters without control characters"),
                           {std::to_string(f.most)});
    case Allowed::Groups:
        return Tr(VELMAR_WORD("Velmar", "a list of exactly eight groups, \"A\" to \"H\" in order"));
    case Allowed::Group:
        return Tr(VELMAR_WORD("Velmar", "an object with \"group\", \"spacing\" and \"channels\""));
    case Allowed::GroupLetter:
        return TrArg(VELMAR_WORD("Velmar", "%1 (the groups run \"A\" to \"H\" in order)"),
                     {Quoted(std::string(1, static_cast<char>('A' + f.group)))});
    case Allowed::Spacing:
        return OneOf(kSpacingList);
    case Allowed::Channels:
        return Tr(VELMAR_WORD("Velmar", "a list of exactly eight channels, CH1 to CH8"));
    case Allowed::Channel:
        // Naming the grid point helps whoever typed a nearby frequency by hand.
        return f.gridPoint.empty()
                   ? Tr(VELMAR_WORD("Velmar", "a frequency of nine characters from 400.00000 to 500.00000 MHz on the "
                                              "6.25 kHz grid, such as 446.00625, or \"\" for none"))
                   : TrArg(VELMAR_WORD("Velmar",
                                       "a frequency of nine characters from 400.00000 to 500.00000 MHz on the "
                                       "6.25 kHz grid, such as 446.00625, or \"\" for none (the grid point below "
                                       "is %1)"),
                           {f.gridPoint});
    case Allowed::Names:
        return Tr(VELMAR_WORD("Velmar", "a list of exactly eight names, CH1 to CH8, \"\" for none"));
    case Allowed::Options:
        return Tr(VELMAR_WORD("Velmar", "an object with the 13 options, \"Scan Delay Time\" to \"Band Select\""));
    case Allowed::Option:
        for (const SettingOption& option : kSettingOptions) {
            if (option.list->label == f.option) {
                return OneOf(*option.list);
            }
        }
        break;
    }
    return Tr(VELMAR_WORD("Velmar", "a JSON object with \"format\": \"velmar-setting\""));
}

std::string SettingFaultText(const SettingFault& f) {
    using Found = SettingFault::Found;
    const std::string allowed = AllowedText(f);
    const std::string place = f.place.empty() ? Tr(VELMAR_WORD("Velmar", "the whole file")) : f.place;
    const std::string count = std::to_string(f.count);
    switch (f.found) {
    case Found::Missing:
        return TrArg(VELMAR_WORD("Velmar", "%1: missing, must be %2"), {place, allowed});
    case Found::Value:
        return TrArg(VELMAR_WORD("Velmar", "%1: is %2, must be %3"), {place, f.value, allowed});
    case Found::Count:
        return f.allowed == SettingFault::Allowed::Groups
                   ? TrArg(VELMAR_WORD("Velmar", "%1: has %2 groups, must be %3"), {place, count, allowed})
                   : TrArg(VELMAR_WORD("Velmar", "%1: has %2 channels, must be %3"), {place, count, allowed});
    case Found::Characters:
        return TrArg(VELMAR_WORD("Velmar", "%1: has %2 characters, must be %3"), {place, count, allowed});
    case Found::ControlCharacter:
        return TrArg(VELMAR_WORD("Velmar", "%1: holds a control character, must be %2"), {place, allowed});
    case Found::NewerVersion:
        return TrArg(VELMAR_WORD("Velmar", "%1: is %2: made by a newer Velmar; this one reads versions up to %3"),
                     {place, f.value, std::to_string(kSettingVersion)});
    case Found::TooDeep:
        return TrArg(VELMAR_WORD("Velmar",
                                 "not JSON: nested deeper than %1 levels at byte %2; a setting file is a JSON "
                                 "object with \"format\": \"velmar-setting\""),
                     {count, std::to_string(f.at)});
    case Found::Nul:
        return TrArg(VELMAR_WORD("Velmar", "not JSON: a NUL character at byte %1; a setting file is a JSON object with "
                                           "\"format\": \"velmar-setting\""),
                     {std::to_string(f.at)});
    case Found::NotJson:
        return TrArg(
            VELMAR_WORD("Velmar", "not JSON: %1; a setting file is a JSON object with \"format\": \"velmar-setting\""),
            {f.value});
    case Found::DuplicateKey:
        return TrArg(VELMAR_WORD("Velmar", "%1: has the key %2 twice; each key may appear once"), {place, f.value});
    }
    return place;
}

std::string SizeText(std::size_t bytes) {
    if (bytes % (1024 * 1024) == 0) {
        return std::to_string(bytes / (1024 * 1024)) + " MiB";
    }
    if (bytes % 1024 == 0) {
        return std::to_string(bytes / 1024) + " KiB";
    }
    return TrArg(VELMAR_WORD("Velmar", "%1 bytes"), {std::to_string(bytes)});
}

} // namespace

std::string DescribeFileProblem(const FileFailure& f) {
    switch (f.problem) {
    case FileProblem::System:
        break;
    case FileProblem::TooLarge:
        return TrArg(VELMAR_WORD("Velmar", "larger than %1"), {SizeText(f.limit)});
    case FileProblem::NotRegular:
        return Tr(VELMAR_WORD("Velmar", "not a regular file"));
    case FileProblem::TooManyLinks:
        return Tr(VELMAR_WORD("Velmar", "too many levels of symbolic links"));
    case FileProblem::ReadOnly:
        return Tr(VELMAR_WORD("Velmar", "the file is read-only"));
    case FileProblem::NoTemporaryFile:
        return TrArg(VELMAR_WORD("Velmar", "cannot create a temporary file in %1: %2"),
                     {f.folder, std::strerror(f.err)});
    case FileProblem::NotSetting:
        return SettingFaultText(f.setting);
    case FileProblem::BadValue:
        return TrArg(VELMAR_WORD("Velmar", "the value of \"%1\" is not one device"), {f.key});
    case FileProblem::IsTheSource:
        return TrArg(VELMAR_WORD("Velmar", "it is %1, the setting file it is made from"), {f.source});
    }
    return std::strerror(f.err);
}

std::string DescribeFileFailure(const FileFailure& f) {
    if (f.step == FileStep::KeepSent) {
        return TrArg(VELMAR_WORD("Velmar", "cannot keep the sent setting in %1: %2"), {f.path, DescribeFileProblem(f)});
    }
    if (f.problem == FileProblem::NotSetting) {
        return TrArg(VELMAR_WORD("Velmar", "%1: %2"), {f.path, DescribeFileProblem(f)});
    }
    return f.step == FileStep::Read
               ? TrArg(VELMAR_WORD("Velmar", "%1: cannot read: %2"), {f.path, DescribeFileProblem(f)})
               : TrArg(VELMAR_WORD("Velmar", "%1: cannot write: %2"), {f.path, DescribeFileProblem(f)});
}

} // namespace velmar::res
