#include "SettingFile.h"

#include "ChannelEntry.h"
#include "CodeTables.h"
#include "ProgrammingFrame.h"
#include "SettingLabels.h"
#include "SettingOptions.h"
#include "TextFile.h"

#include <nlohmann/json.hpp>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <set>
#include <vector>

namespace velmar {

namespace {

using Json = nlohmann::json;

std::string Quoted(std::string_view text) {
    return Json(std::string(text)).dump(-1, ' ', false, Json::error_handler_t::replace);
}

std::string_view ItemText(const OptionList& list, int index) {
    const auto i = static_cast<std::size_t>(index);
    return i < list.items.size() ? list.items[i] : list.items[0];
}

std::string GroupLetter(int g) {
    return std::string(1, static_cast<char>('A' + g));
}

int FindItem(const OptionList& list, std::string_view text) {
    for (std::size_t i = 0; i < list.items.size(); ++i) {
        if (list.items[i] == text) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

// The legitimate file is four levels deep.
constexpr int kMaxNesting = 32;

// Where the text first opens more than `limit` arrays and objects at once; strings are passed over.
std::optional<std::size_t> TooDeep(std::string_view text, int limit) {
    int depth = 0;
    bool inString = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        if (inString) {
            if (ch == '\\') {
                ++i;
            } else if (ch == '"') {
                inString = false;
            }
        } else if (ch == '"') {
            inString = true;
        } else if (ch == '[' || ch == '{') {
            if (++depth > limit) {
                return i;
            }
        } else if (ch == ']' || ch == '}') {
            --depth;
        }
    }
    return std::nullopt;
}

// Follows the parse to refuse a key given twice in one object: the library would keep the last one silently,
// and a file must be read whole and as written. Throws Duplicate with the object's place.
class KeyWatch {
public:
    struct Duplicate {
        std::string place;
        std::string key;
    };

    bool operator()(int, Json::parse_event_t event, Json& parsed) {
        switch (event) {
        case Json::parse_event_t::object_start:
        case Json::parse_event_t::array_start:
            m_frames.push_back({event == Json::parse_event_t::array_start, 0, {}, {}});
            break;
        case Json::parse_event_t::key: {
            Frame& top = m_frames.back();
            top.key = parsed.get<std::string>();
            if (!top.keys.insert(top.key).second) {
                throw Duplicate{Place(m_frames.size() - 1), top.key};
            }
            break;
        }
        case Json::parse_event_t::object_end:
        case Json::parse_event_t::array_end:
            m_frames.pop_back();
            Next();
            break;
        case Json::parse_event_t::value:
            Next();
            break;
        }
        return true;
    }

private:
    struct Frame {
        bool array;
        std::size_t index;
        std::string key;
        std::set<std::string> keys;
    };
    // One element of the innermost array is complete.
    void Next() {
        if (!m_frames.empty() && m_frames.back().array) {
            ++m_frames.back().index;
        }
    }
    // The place of the first `count` frames' value, as the refusals name places: groups[2].channels.
    std::string Place(std::size_t count) const {
        std::string place;
        for (std::size_t i = 0; i < count; ++i) {
            const Frame& f = m_frames[i];
            place += f.array ? "[" + std::to_string(f.index) + "]" : (place.empty() ? "" : ".") + f.key;
        }
        return place;
    }

    std::vector<Frame> m_frames;
};

// Reads a parsed file into a record, keeping the first fault it meets.
class SettingReader {
public:
    using Found = SettingFault::Found;
    using Allowed = SettingFault::Allowed;

    bool Read(const Json& root, RadioSettings& s) {
        if (!root.is_object()) {
            return Refuse({}, root, Allowed::Setting);
        }
        return ReadHead(root) && ReadLabel(root, "title", kTitleMaxCharacters, false, s.m_strTitle) &&
               ReadLabel(root, "notes", kNotesMaxCharacters, true, s.m_strNotes) && ReadGroups(root, s) &&
               ReadOptions(root, s);
    }

    // A fault the reader meets before any value: `place` is where, `allowed` what would have been taken.
    bool Refuse(const std::string& place, Found found, Allowed allowed, std::size_t count = 0) {
        m_fault.place = place;
        m_fault.found = found;
        m_fault.allowed = allowed;
        m_fault.count = count;
        return false;
    }
    SettingFault& fault() { return m_fault; }

private:
    // What is at `place`, or that nothing is; the value is cut short, a refusal need not quote a whole file.
    bool Refuse(const std::string& place, const Json* value, Allowed allowed) {
        if (value == nullptr) {
            return Refuse(place, Found::Missing, allowed);
        }
        std::string found = value->dump(-1, ' ', false, Json::error_handler_t::replace);
        if (found.size() > 60) {
            found = found.substr(0, 57) + "...";
        }
        m_fault.value = std::move(found);
        return Refuse(place, Found::Value, allowed);
    }
    bool Refuse(const std::string& place, const Json& value, Allowed allowed) { return Refuse(place, &value, allowed); }

    static const Json* Member(const Json& object, const char* key) {
        const auto it = object.find(key);
        return it == object.end() ? nullptr : &*it;
    }

    bool ReadHead(const Json& root) {
        const Json* format = Member(root, "format");
        if (format == nullptr || *format != kSettingFormat) {
            return Refuse("format", format, Allowed::Format);
        }
        const Json* version = Member(root, "version");
        if (version == nullptr || !version->is_number_unsigned() || version->get<std::uint64_t>() == 0) {
            return Refuse("version", version, Allowed::Version);
        }
        if (version->get<std::uint64_t>() > static_cast<std::uint64_t>(kSettingVersion)) {
            m_fault.value = version->dump();
            return Refuse("version", Found::NewerVersion, Allowed::Version);
        }
        return true;
    }

    // An optional text of `object`: absent is "".
    bool ReadLabel(const Json& object, const char* key, std::size_t most, bool lineBreaks, std::string& out,
                   const std::string& place = {}) {
        const Json* value = Member(object, key);
        return value == nullptr || ReadLabelValue(*value, place.empty() ? key : place, most, lineBreaks, out);
    }
    bool ReadLabelValue(const Json& value, const std::string& place, std::size_t most, bool lineBreaks,
                        std::string& out) {
        m_fault.most = most;
        m_fault.lineBreaks = lineBreaks;
        if (!value.is_string()) {
            return Refuse(place, value, Allowed::Text);
        }
        const auto& text = value.get_ref<const std::string&>();
        switch (CheckLabel(text, most, lineBreaks)) {
        case LabelProblem::None:
            out = text;
            return true;
        case LabelProblem::TooLong:
            return Refuse(place, Found::Characters, Allowed::Text, CharacterCount(text));
        case LabelProblem::ControlCharacter:
        case LabelProblem::NotUtf8:
            break;
        }
        return Refuse(place, Found::ControlCharacter, Allowed::Text);
    }

    bool ReadGroups(const Json& root, RadioSettings& s) {
        const Json* groups = Member(root, "groups");
        if (groups == nullptr || !groups->is_array()) {
            return Refuse("groups", groups, Allowed::Groups);
        }
        if (groups->size() != kGroupCount) {
            return Refuse("groups", Found::Count, Allowed::Groups, groups->size());
        }
        for (int g = 0; g < kGroupCount; ++g) {
            if (!ReadGroup((*groups)[static_cast<std::size_t>(g)], g, s)) {
                return false;
            }
        }
        return true;
    }

    bool ReadGroup(const Json& group, int g, RadioSettings& s) {
        const std::string place = "groups[" + std::to_string(g) + "]";
        if (!group.is_object()) {
            return Refuse(place, group, Allowed::Group);
        }
        const Json* letter = Member(group, "group");
        if (letter == nullptr || *letter != GroupLetter(g)) {
            m_fault.group = g;
            return Refuse(place + ".group", letter, Allowed::GroupLetter);
        }
        const Json* spacing = Member(group, "spacing");
        const int spacingIndex = spacing != nullptr && spacing->is_string()
                                     ? FindItem(kSpacingList, spacing->get_ref<const std::string&>())
                                     : -1;
        if (spacingIndex < 0) {
            return Refuse(place + ".spacing", spacing, Allowed::Spacing);
        }
        s.m_nGroupSpacing[static_cast<std::size_t>(g)] = spacingIndex;

        const Json* channels = Member(group, "channels");
        if (channels == nullptr || !channels->is_array()) {
            return Refuse(place + ".channels", channels, Allowed::Channels);
        }
        if (channels->size() != kChannelCount) {
            return Refuse(place + ".channels", Found::Count, Allowed::Channels, channels->size());
        }
        for (int c = 0; c < kChannelCount; ++c) {
            const Json& channel = (*channels)[static_cast<std::size_t>(c)];
            const std::string channelPlace = place + ".channels[" + std::to_string(c) + "]";
            if (!channel.is_string()) {
                return Refuse(channelPlace, channel, Allowed::Channel);
            }
            const auto& text = channel.get_ref<const std::string&>();
            EnteredChannel entered = EnterWholeText(text);
            if (entered.text != text) {
                // Naming the grid point helps whoever typed a nearby frequency by hand.
                m_fault.gridPoint = entered.text;
                return Refuse(channelPlace, channel, Allowed::Channel);
            }
            s.m_strGroupChannel[static_cast<std::size_t>(g)][static_cast<std::size_t>(c)] = std::move(entered.text);
            s.m_strGroupCode[static_cast<std::size_t>(g)][static_cast<std::size_t>(c)] = std::move(entered.code);
        }
        return ReadNames(group, place, s.m_strGroupName[static_cast<std::size_t>(g)]);
    }

    bool ReadNames(const Json& group, const std::string& place, PerChannel<std::string>& names) {
        const Json* list = Member(group, "names");
        if (list == nullptr) {
            return true;
        }
        if (!list->is_array() || list->size() != kChannelCount) {
            return Refuse(place + ".names", list, Allowed::Names);
        }
        for (int c = 0; c < kChannelCount; ++c) {
            if (!ReadLabelValue((*list)[static_cast<std::size_t>(c)], place + ".names[" + std::to_string(c) + "]",
                                kNameMaxCharacters, false, names[static_cast<std::size_t>(c)])) {
                return false;
            }
        }
        return true;
    }

    bool ReadOptions(const Json& root, RadioSettings& s) {
        const Json* options = Member(root, "options");
        if (options == nullptr || !options->is_object()) {
            return Refuse("options", options, Allowed::Options);
        }
        for (const SettingOption& field : kSettingOptions) {
            const std::string label(field.list->label);
            const Json* value = Member(*options, label.c_str());
            const int index = value != nullptr && value->is_string()
                                  ? FindItem(*field.list, value->get_ref<const std::string&>())
                                  : -1;
            if (index < 0) {
                m_fault.option = label;
                return Refuse("options." + Quoted(label), value, Allowed::Option);
            }
            if (field.index == nullptr) {
                s.m_strBclo = std::string(field.list->items[static_cast<std::size_t>(index)]);
            } else {
                s.*field.index = index;
            }
        }
        return true;
    }

    SettingFault m_fault;
};

} // namespace

std::string SettingToJson(const RadioSettings& s) {
    // Laid out by hand so that each group stays on one line, as a person
    // reads and edits it; every value is still encoded by the JSON library.
    // Without labels the text is version 1's, byte for byte.
    const bool labels = HasLabels(s);
    std::string text =
        "{\n  \"format\": " + Quoted(kSettingFormat) + ",\n  \"version\": " + (labels ? "2" : "1") + ",\n";
    if (!s.m_strTitle.empty()) {
        text += "  \"title\": " + Quoted(s.m_strTitle) + ",\n";
    }
    if (!s.m_strNotes.empty()) {
        text += "  \"notes\": " + Quoted(s.m_strNotes) + ",\n";
    }
    text += "  \"groups\": [\n";
    const auto list = [](const PerChannel<std::string>& texts) {
        std::string line;
        for (int c = 0; c < kChannelCount; ++c) {
            line += (c == 0 ? "" : ", ") + Quoted(texts[static_cast<std::size_t>(c)]);
        }
        return line;
    };
    for (int g = 0; g < kGroupCount; ++g) {
        const auto gi = static_cast<std::size_t>(g);
        text += "    { \"group\": " + Quoted(GroupLetter(g)) +
                ", \"spacing\": " + Quoted(ItemText(kSpacingList, s.m_nGroupSpacing[gi])) + ", \"channels\": [" +
                list(s.m_strGroupChannel[gi]) + "]";
        if (s.m_strGroupName[gi] != PerChannel<std::string>{}) {
            text += ",\n      \"names\": [" + list(s.m_strGroupName[gi]) + "]";
        }
        text += g + 1 < kGroupCount ? " },\n" : " }\n";
    }
    text += "  ],\n  \"options\": {\n";
    for (std::size_t i = 0; i < kSettingOptions.size(); ++i) {
        const SettingOption& field = kSettingOptions[i];
        const OptionList& list = *field.list;
        const std::string_view item =
            field.index != nullptr ? ItemText(list, s.*field.index) : ItemText(list, FindItem(list, s.m_strBclo));
        text += "    " + Quoted(list.label) + ": " + Quoted(item) + (i + 1 < kSettingOptions.size() ? ",\n" : "\n");
    }
    text += "  }\n}\n";
    return text;
}

bool SettingFromJson(std::string_view json, const std::string& fileName, RadioSettings* out, FileFailure* error) {
    using Found = SettingFault::Found;
    SettingReader reader;
    const auto refused = [&] {
        *error = {};
        error->path = fileName;
        error->problem = FileProblem::NotSetting;
        error->setting = std::move(reader.fault());
        return false;
    };
    // Refused before the parser builds it: a value nested without end would cost the stack, and every later
    // step that walks it (a quote of the place, the value's end) would too.
    if (const std::optional<std::size_t> at = TooDeep(json, kMaxNesting)) {
        reader.fault().at = *at;
        reader.Refuse({}, Found::TooDeep, SettingReader::Allowed::Setting, kMaxNesting);
        return refused();
    }
    // The parser stops at a NUL as at the end of the text: what follows it would go unread.
    if (const auto nul = json.find('\0'); nul != std::string_view::npos) {
        reader.fault().at = nul;
        reader.Refuse({}, Found::Nul, SettingReader::Allowed::Setting);
        return refused();
    }
    Json root;
    KeyWatch keys;
    try {
        root = Json::parse(json.begin(), json.end(), std::ref(keys));
    } catch (const KeyWatch::Duplicate& d) {
        reader.fault().value = Quoted(d.key);
        reader.Refuse(d.place, Found::DuplicateKey, SettingReader::Allowed::Setting);
        return refused();
    } catch (const Json::exception& e) {
        // The library's text carries line and column after its own tag; a number beyond any range lands here too.
        std::string what = e.what();
        const auto tag = what.find("] ");
        reader.fault().value = tag == std::string::npos ? what : what.substr(tag + 2);
        reader.Refuse({}, Found::NotJson, SettingReader::Allowed::Setting);
        return refused();
    }
    RadioSettings s;
    if (!reader.Read(root, s)) {
        return refused();
    }
    s.m_nGroup = 0;
    s.m_strChannel = s.m_strGroupChannel[0];
    s.m_nSpacing = s.m_nGroupSpacing[0];
    *out = std::move(s);
    return true;
}

bool ReadSettingFile(const std::string& path, RadioSettings* out, FileFailure* error) {
    std::string text;
    return ReadTextFile(path, &text, error, kSettingFileMaxBytes) && SettingFromJson(text, path, out, error);
}

bool WriteSettingFile(const std::string& path, const RadioSettings& s, FileFailure* error) {
    return WriteTextFileAtomic(path, SettingToJson(s), error);
}

bool SameSetting(const RadioSettings& a, const RadioSettings& b) {
    // The frame is the definition of "same" for what the radio gets, checksum included. The labels travel with
    // the setting, so they count as well.
    return BuildProgrammingFrame(a).bytes == BuildProgrammingFrame(b).bytes && SameLabels(a, b);
}

} // namespace velmar
