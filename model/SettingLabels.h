#pragma once
// What the radio does not store but its users need: a title and notes for the setting and a name per channel
// ("Kitchen", "Gate"). They travel with the setting (its file, its CSV, the record of a Send, the channel card)
// and never reach the frame. One rule for every way in: a length in characters and no control characters.
// Plain C++, no shared state.

#include "RadioSettings.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace velmar {

inline constexpr std::size_t kTitleMaxCharacters = 60;
inline constexpr std::size_t kNotesMaxCharacters = 2000;
inline constexpr std::size_t kNameMaxCharacters = 16;

enum class LabelProblem {
    None,
    NotUtf8,
    ControlCharacter, // other than a line break or a tab in notes
    TooLong,
};

// Characters (Unicode code points) of UTF-8 text; invalid sequences count a byte each.
std::size_t CharacterCount(std::string_view utf8);

// The first `count` characters of UTF-8 text.
std::string FirstCharacters(std::string_view utf8, std::size_t count);

// Whether `text` may be a label of at most `maxCharacters`; `lineBreaks` lets line breaks and tabs through, as
// notes need them.
LabelProblem CheckLabel(std::string_view text, std::size_t maxCharacters, bool lineBreaks = false);
inline LabelProblem CheckName(std::string_view name) {
    return CheckLabel(name, kNameMaxCharacters);
}

// A setting's title as the start of a file name offered for it ("Camp 2026" for "Camp 2026", "Club-Hall" for
// "Club/Hall"): characters no file name may hold, or that other systems refuse, become "-"; a leading dot or
// blank goes. Empty when nothing is left.
std::string FileStemOfTitle(std::string_view title);

// True when `s` has a title, notes or any channel name.
bool HasLabels(const RadioSettings& s);
bool SameLabels(const RadioSettings& a, const RadioSettings& b);

} // namespace velmar
