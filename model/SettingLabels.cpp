#include "SettingLabels.h"

namespace velmar {

namespace {

// The code point starting at text[i] and its length in bytes; a byte that starts no valid sequence is 1 long
// and has no code point (-1).
std::pair<long, std::size_t> Decode(std::string_view text, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    if (lead < 0x80) {
        return {lead, 1};
    }
    const std::size_t length = lead >= 0xf0 && lead <= 0xf4 ? 4 : lead >= 0xe0 ? 3 : lead >= 0xc2 ? 2 : 0;
    if (length == 0 || lead > 0xf4 || i + length > text.size()) {
        return {-1, 1};
    }
    long point = lead & (0x7f >> length);
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xc0) != 0x80) {
            return {-1, 1};
        }
        point = (point << 6) | (byte(i + k) & 0x3f);
    }
    const long least[] = {0, 0, 0x80, 0x800, 0x10000};
    if (point < least[length] || point > 0x10ffff || (point >= 0xd800 && point <= 0xdfff)) {
        return {-1, 1};
    }
    return {point, length};
}

} // namespace

std::size_t CharacterCount(std::string_view utf8) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < utf8.size(); i += Decode(utf8, i).second) {
        ++count;
    }
    return count;
}

std::string FirstCharacters(std::string_view utf8, std::size_t count) {
    std::size_t end = 0;
    for (std::size_t n = 0; end < utf8.size() && n < count; ++n) {
        end += Decode(utf8, end).second;
    }
    return std::string(utf8.substr(0, end));
}

LabelProblem CheckLabel(std::string_view text, std::size_t maxCharacters, bool lineBreaks) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++count) {
        const auto [point, length] = Decode(text, i);
        if (point < 0) {
            return LabelProblem::NotUtf8;
        }
        const bool control = point < 0x20 || (point >= 0x7f && point < 0xa0) || point == 0x2028 || point == 0x2029;
        if (control && !(lineBreaks && (point == '\n' || point == '\t'))) {
            return LabelProblem::ControlCharacter;
        }
        i += length;
    }
    return count > maxCharacters ? LabelProblem::TooLong : LabelProblem::None;
}

bool HasLabels(const RadioSettings& s) {
    return !SameLabels(s, RadioSettings{});
}

bool SameLabels(const RadioSettings& a, const RadioSettings& b) {
    return a.m_strTitle == b.m_strTitle && a.m_strNotes == b.m_strNotes && a.m_strGroupName == b.m_strGroupName;
}

std::string FileStemOfTitle(std::string_view title) {
    std::string stem;
    for (const char c : title) {
        const bool refused =
            std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos || static_cast<unsigned char>(c) < 0x20;
        stem += refused ? '-' : c;
    }
    const std::size_t first = stem.find_first_not_of(" .-");
    const std::size_t last = stem.find_last_not_of(" .");
    return first == std::string::npos ? std::string() : stem.substr(first, last - first + 1);
}

} // namespace velmar
