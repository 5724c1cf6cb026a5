#include "Preferences.h"

#include "CodeTables.h"
#include "TextFile.h"
#include "UserDirs.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <sys/stat.h>

namespace velmar {

namespace {

const char* const kSection = "General";
const char* const kPortKey = "port";
const char* const kRecentKey = "recentFiles";
const char* const kAllChannelsKey = "allChannelsPlace";

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) {
        s.remove_prefix(1);
    }
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) {
        s.remove_suffix(1);
    }
    return s;
}

void AppendUtf8(std::string* out, unsigned code) {
    if (code < 0x80) {
        *out += static_cast<char>(code);
    } else if (code < 0x800) {
        *out += static_cast<char>(0xC0 | code >> 6);
        *out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        *out += static_cast<char>(0xE0 | code >> 12);
        *out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        *out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// A value as QSettings writes a string or a string list: items split at commas outside quotes, spaces around
// them dropped, quotes and backslash escapes undone, a leading "@@" standing for "@".
std::vector<std::string> DecodeValue(std::string_view value) {
    std::vector<std::string> items;
    std::string item;
    std::size_t kept = 0; // characters of `item` that trailing-space trimming must not touch
    bool quoted = false;
    const auto push = [&] {
        while (item.size() > kept && (item.back() == ' ' || item.back() == '\t')) {
            item.pop_back();
        }
        if (item.starts_with("@@")) {
            item.erase(0, 1);
        } else if (item == "@Invalid()") {
            item.clear();
            kept = 0;
            return; // QSettings' empty list
        } else if (item.starts_with("@ByteArray(") && item.ends_with(')')) {
            item = item.substr(11, item.size() - 12);
        }
        items.push_back(std::move(item));
        item.clear();
        kept = 0;
    };
    std::size_t i = 0;
    const auto skipBlanks = [&] {
        while (i < value.size() && (value[i] == ' ' || value[i] == '\t')) {
            ++i;
        }
    };
    skipBlanks();
    while (i < value.size()) {
        const char ch = value[i++];
        if (ch == '"') {
            quoted = !quoted;
            kept = item.size();
        } else if (ch == ',' && !quoted) {
            push();
            skipBlanks();
        } else if (ch == '\\' && i < value.size()) {
            const char e = value[i++];
            static constexpr std::string_view kFrom = "abfnrtv";
            static constexpr std::string_view kTo = "\a\b\f\n\r\t\v";
            if (const auto k = kFrom.find(e); k != std::string_view::npos) {
                item += kTo[k];
            } else if (e == 'x') {
                unsigned code = 0;
                for (int n = 0; n < 4 && i < value.size() && HexDigitValue(value[i]) >= 0; ++n) {
                    code = code * 16 + static_cast<unsigned>(HexDigitValue(value[i++]));
                }
                AppendUtf8(&item, code);
            } else if (e >= '0' && e <= '7') {
                unsigned code = static_cast<unsigned>(e - '0');
                for (int n = 0; n < 2 && i < value.size() && value[i] >= '0' && value[i] <= '7'; ++n) {
                    code = code * 8 + static_cast<unsigned>(value[i++] - '0');
                }
                AppendUtf8(&item, code);
            } else {
                item += e;
            }
            kept = item.size();
        } else {
            item += ch;
            if (quoted) {
                kept = item.size();
            }
        }
    }
    if (!item.empty() || !items.empty() || kept > 0) {
        push();
    }
    return items;
}

std::string EncodeItem(std::string_view item) {
    std::string out;
    bool afterHex = false; // a hex digit right after a \x escape would be read as part of it
    for (const char ch : item) {
        const auto byte = static_cast<unsigned char>(ch);
        if (ch == '\\' || ch == '"') {
            out += '\\';
            out += ch;
            afterHex = false;
        } else if (ch == '\n' || ch == '\r' || ch == '\t') {
            out += ch == '\n' ? "\\n" : ch == '\r' ? "\\r" : "\\t";
            afterHex = false;
        } else if (byte < 0x20 || byte == 0x7F || (afterHex && HexDigitValue(ch) >= 0)) {
            static constexpr char kDigits[] = "0123456789abcdef";
            out += "\\x";
            if (byte >= 16) {
                out += kDigits[byte >> 4];
            }
            out += kDigits[byte & 15];
            afterHex = true;
        } else {
            out += ch;
            afterHex = false;
        }
    }
    if (item.starts_with('@')) {
        out.insert(out.begin(), '@');
    }
    const bool needsQuotes =
        out.empty() || out.find_first_of(",;=#") != std::string::npos || out.front() == ' ' || out.back() == ' ';
    if (needsQuotes) {
        out.insert(out.begin(), '"');
        out.push_back('"');
    }
    return out;
}

std::string EncodeValue(const std::vector<std::string>& items) {
    if (items.empty()) {
        return "@Invalid()";
    }
    std::string out;
    for (const std::string& item : items) {
        out += out.empty() ? "" : ", ";
        out += EncodeItem(item);
    }
    return out;
}

struct IniLine {
    std::string_view section; // the section the line is in
    std::string_view key;     // empty for no key=value line
    std::string_view value;
};

IniLine ParseLine(std::string_view line, std::string_view section) {
    const std::string_view t = Trim(line);
    if (t.starts_with('[') && t.ends_with(']')) {
        return {t.substr(1, t.size() - 2), {}, {}};
    }
    const auto eq = t.find('=');
    if (t.empty() || t.front() == ';' || t.front() == '#' || eq == std::string_view::npos) {
        return {section, {}, {}};
    }
    return {section, Trim(t.substr(0, eq)), Trim(t.substr(eq + 1))};
}

template <typename Fn> void ForEachLine(std::string_view text, Fn fn) {
    std::string_view section;
    while (!text.empty()) {
        const auto end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        const IniLine parsed = ParseLine(line, section);
        section = parsed.section;
        fn(line, parsed);
    }
}

bool Missing(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) != 0 && errno == ENOENT;
}

} // namespace

std::string PreferencesPath() {
    return ConfigDir() + "/" + kPreferencesFileName;
}

namespace {

// A place is four whole numbers, of a size some screen could have; anything else is no place.
std::optional<std::array<int, 4>> ReadPlace(const std::vector<std::string>& items) {
    constexpr long kMost = 100000;
    if (items.size() != 4) {
        return std::nullopt;
    }
    std::array<int, 4> place{};
    for (std::size_t i = 0; i < 4; ++i) {
        const std::string t(Trim(items[i]));
        char* end = nullptr;
        errno = 0;
        const long v = std::strtol(t.c_str(), &end, 10);
        if (t.empty() || *end != '\0' || errno != 0 || v < -kMost || v > kMost || (i >= 2 && v <= 0)) {
            return std::nullopt;
        }
        place[i] = static_cast<int>(v);
    }
    return place;
}

} // namespace

bool ReadPreferences(const std::string& path, Preferences* out, FileFailure* error) {
    if (Missing(path)) {
        *out = {};
        return true;
    }
    std::string text;
    if (!ReadTextFile(path, &text, error, kPreferencesMaxBytes)) {
        return false;
    }
    Preferences prefs;
    ForEachLine(text, [&](std::string_view, const IniLine& l) {
        if (l.section != kSection) {
            return;
        }
        if (l.key == kPortKey) {
            // A device path holds no NUL, and a port is one device: anything else is a port nobody chose.
            const std::vector<std::string> items = DecodeValue(l.value);
            const bool one = items.size() == 1 && items.front().find('\0') == std::string::npos;
            prefs.port = one ? items.front() : std::string();
            prefs.portUnreadable = !one && !Trim(l.value).empty();
        } else if (l.key == kRecentKey) {
            prefs.recentFiles = DecodeValue(l.value);
            std::erase(prefs.recentFiles, std::string());
        } else if (l.key == kAllChannelsKey) {
            prefs.allChannelsPlace = ReadPlace(DecodeValue(l.value));
        }
    });
    *out = std::move(prefs);
    return true;
}

bool WritePreferences(const std::string& path, const Preferences& prefs, FileFailure* error) {
    std::string old;
    if (!Missing(path) && !ReadTextFile(path, &old, error, kPreferencesMaxBytes)) {
        return false;
    }
    std::string ours = "[" + std::string(kSection) + "]\n";
    if (!prefs.port.empty()) {
        ours += std::string(kPortKey) + "=" + EncodeValue({prefs.port}) + "\n";
    }
    // A port that cannot be read stays as it is until one is chosen: dropping it would make the default the
    // port in force without anyone choosing it.
    const bool keepPort = prefs.port.empty() && prefs.portUnreadable;
    if (!prefs.recentFiles.empty()) {
        ours += std::string(kRecentKey) + "=" + EncodeValue(prefs.recentFiles) + "\n";
    }
    if (const auto& p = prefs.allChannelsPlace) {
        ours += std::string(kAllChannelsKey) + "=" +
                EncodeValue({std::to_string((*p)[0]), std::to_string((*p)[1]), std::to_string((*p)[2]),
                             std::to_string((*p)[3])}) +
                "\n";
    }
    // Our section first, with its other keys as they were, then every other section as it was.
    std::string others;
    ForEachLine(old, [&](std::string_view line, const IniLine& l) {
        if (l.section != kSection) {
            others += std::string(line) + "\n";
        } else if (!Trim(line).starts_with('[') && (l.key != kPortKey || keepPort) && l.key != kRecentKey &&
                   l.key != kAllChannelsKey && !Trim(line).empty()) {
            ours += std::string(line) + "\n";
        }
    });
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
    return WriteTextFileAtomic(path, ours + others, error);
}

bool UpdatePreferences(const std::function<void(Preferences&)>& change, FileFailure* error) {
    const std::string path = PreferencesPath();
    Preferences prefs;
    if (!ReadPreferences(path, &prefs, error)) {
        return false;
    }
    change(prefs);
    return WritePreferences(path, prefs, error);
}

} // namespace velmar
