#include "Strings.h"

#include "ChannelEntry.h"
#include "SettingFile.h"
#include "SettingOptions.h"

#include <cstring>

namespace velmar::res {

namespace {

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

std::string OneOf(const OptionList& list) {
    std::string text = "one of ";
    for (std::size_t i = 0; i < list.items.size(); ++i) {
        text += (i == 0 ? "" : ", ") + Quoted(list.items[i]);
    }
    return text;
}

// What the place must hold.
std::string AllowedText(const SettingFault& f) {
    using Allowed = SettingFault::Allowed;
    switch (f.allowed) {
    case Allowed::Setting:
        break;
    case Allowed::Format:
        return Quoted(kSettingFormat) + " (a Velmar setting file)";
    case Allowed::Version:
        return "a whole number from 1 to " + std::to_string(kSettingVersion);
    case Allowed::Text:
        return "text of up to " + std::to_string(f.most) + " characters" +
               (f.lineBreaks ? ", line breaks and tabs its only control characters" : " without control characters");
    case Allowed::Groups:
        return "a list of exactly eight groups, \"A\" to \"H\" in order";
    case Allowed::Group:
        return "an object with \"group\", \"spacing\" and \"channels\"";
    case Allowed::GroupLetter:
        return Quoted(std::string(1, static_cast<char>('A' + f.group))) + " (the groups run \"A\" to \"H\" in order)";
    case Allowed::Spacing:
        return OneOf(kSpacingList);
    case Allowed::Channels:
        return "a list of exactly eight channels, CH1 to CH8";
    case Allowed::Channel:
        // Naming the grid point helps whoever typed a nearby frequency by hand.
        return "a frequency of nine characters from 400.00000 to 500.00000 MHz on the 6.25 kHz grid, such as "
               "446.00625, or \"\" for none" +
               (f.gridPoint.empty() ? std::string() : " (the grid point below is " + f.gridPoint + ")");
    case Allowed::Names:
        return "a list of exactly eight names, CH1 to CH8, \"\" for none";
    case Allowed::Options:
        return "an object with the 13 options, \"Scan Delay Time\" to \"Band Select\"";
    case Allowed::Option:
        for (const SettingOption& option : kSettingOptions) {
            if (option.list->label == f.option) {
                return OneOf(*option.list);
            }
        }
        break;
    }
    return "a JSON object with \"format\": \"velmar-setting\"";
}

std::string SettingFaultText(const SettingFault& f) {
    using Found = SettingFault::Found;
    const std::string notJson = "; a setting file is a JSON object with \"format\": \"velmar-setting\"";
    const std::string allowed = AllowedText(f);
    const std::string place = f.place.empty() ? "the whole file" : f.place;
    switch (f.found) {
    case Found::Missing:
        return place + ": missing, must be " + allowed;
    case Found::Value:
        return place + ": is " + f.value + ", must be " + allowed;
    case Found::Count:
        return place + ": has " + std::to_string(f.count) +
               (f.allowed == SettingFault::Allowed::Groups ? " groups" : " channels") + ", must be " + allowed;
    case Found::Characters:
        return place + ": has " + std::to_string(f.count) + " characters, must be " + allowed;
    case Found::ControlCharacter:
        return place + ": holds a control character, must be " + allowed;
    case Found::NewerVersion:
        return place + ": is " + f.value + ": made by a newer Velmar; this one reads versions up to " +
               std::to_string(kSettingVersion);
    case Found::TooDeep:
        return "not JSON: nested deeper than " + std::to_string(f.count) + " levels at byte " + std::to_string(f.at) +
               notJson;
    case Found::Nul:
        return "not JSON: a NUL character at byte " + std::to_string(f.at) + notJson;
    case Found::NotJson:
        return "not JSON: " + f.value + notJson;
    case Found::DuplicateKey:
        return place + ": has the key " + f.value + " twice; each key may appear once";
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
    return std::to_string(bytes) + " bytes";
}

} // namespace

std::string DescribeFileProblem(const FileFailure& f) {
    switch (f.problem) {
    case FileProblem::System:
        break;
    case FileProblem::TooLarge:
        return "larger than " + SizeText(f.limit);
    case FileProblem::NotRegular:
        return "not a regular file";
    case FileProblem::TooManyLinks:
        return "too many levels of symbolic links";
    case FileProblem::ReadOnly:
        return "the file is read-only";
    case FileProblem::NoTemporaryFile:
        return "cannot create a temporary file in " + f.folder + ": " + std::strerror(f.err);
    case FileProblem::NotSetting:
        return SettingFaultText(f.setting);
    case FileProblem::BadValue:
        return "the value of \"" + f.key + "\" is not one device";
    case FileProblem::IsTheSource:
        return "it is " + f.source + ", the setting file it is made from";
    }
    return std::strerror(f.err);
}

std::string DescribeFileFailure(const FileFailure& f) {
    if (f.step == FileStep::KeepSent) {
        return "cannot keep the sent setting in " + f.path + ": " + DescribeFileProblem(f);
    }
    if (f.problem == FileProblem::NotSetting) {
        return f.path + ": " + DescribeFileProblem(f);
    }
    return f.path + (f.step == FileStep::Read ? ": cannot read: " : ": cannot write: ") + DescribeFileProblem(f);
}

} // namespace velmar::res
