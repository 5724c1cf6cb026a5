#pragma once
// Channel frequency entry: what happens when the operator changes the text of
// one of the eight channel edits. A frequency is nine characters, three
// digits, '.', five digits, from 400.00000 to 500.00000 MHz. An accepted text
// moves down onto the 6.25 kHz grid and is coded as the number of steps above
// 400 MHz in four lower-case hex digits; a rejected one is erased and coded
// "ffff". Text and code are stored under the current group.

#include "RadioSettings.h"

#include <optional>
#include <string>
#include <string_view>

namespace velmar {

inline constexpr int kFreqTextLength = 9;
inline constexpr int kLowestFreq = 40000000;  // 400.00000 MHz in 10 Hz units
inline constexpr int kHighestFreq = 50000000; // 500.00000 MHz
inline constexpr int kGridStep = 625;         // 6.25 kHz
inline constexpr const char* kRejectedCode = "ffff";

// How the entry rules changed a complete text without a message box.
enum class Correction {
    None,
    NotAFrequency, // nine characters without the point in fourth place: cleared
    OutOfRange,    // below 400.00000 or above 500.00000 MHz: cleared
    MovedDown,     // off the 6.25 kHz grid: moved down onto it
};

// What the window has to do after a change of channel edit `channel`.
struct ChannelChange {
    // A character failed its check: the window says so now ("Please Input Integer"), while the failing text
    // still stands in the edit.
    bool invalidCharacter = false;
    // Show the record in the controls again; the edit then reads s.m_strChannel[channel].
    // When false the edit keeps the operator's text and nothing is written back.
    bool writeBack = false;
    // Said to the operator, so that no typed frequency changes or goes without a word.
    Correction correction = Correction::None;
    std::string entered; // the complete text as it arrived, for the word about it
};

// Runs the change of edit `channel` (0..7), whose new text the window has
// already read into s.m_strChannel[channel]. Every character of the text is
// checked, also when it arrives whole, and the verdict belongs to this text
// alone. An emptied edit empties both the stored text and the code, so that
// the group shows on its return what Send will send.
ChannelChange EnterChannelText(RadioSettings& s, int channel);

// What channel entry makes of a whole text arriving in an edit: the text the
// edit shows afterwards and the code stored (both empty for an empty text).
struct EnteredChannel {
    std::string text;
    std::string code;
};
EnteredChannel EnterWholeText(std::string_view text);

// The beginning of a frequency (three digits, or three digits, the point and
// up to four digits) completed with zeros to nine characters: "446" and
// "446." give "446.00000", "446.1" gives "446.10000". Anything else, a
// complete text included, is no beginning: nullopt.
std::optional<std::string> CompleteFreqBeginning(std::string_view text);

// A text that arrives whole from elsewhere than the keys (a paste, a cell of
// the channel table), entered as if typed and left: spaces around it are
// dropped, a beginning is completed with zeros, decimals past the fifth are
// cut (spreadsheets write six), and the entry rules do the rest. A text that
// is no frequency this radio takes is refused: nothing is to be stored.
struct TypedChannel {
    EnteredChannel stored;                    // what to store; empty for an empty text
    std::string typed;                        // as it arrived, without the spaces around it
    bool refused = false;                     // out of range or no frequency: the channel keeps what it had
    bool completed = false;                   // a beginning completed with zeros
    Correction correction = Correction::None; // MovedDown (onto the grid, or decimals cut), or why refused
};
TypedChannel EnterTypedText(std::string_view text);

// Number-to-text steps the frame shares, each leaving its result in the record's work values: the step index as
// four lower-case hex digits (m_strFreqCode; "0000" for 0x10000 and above), a value's low byte as two.
void MakeFreqCode(RadioSettings& s, int step);
void MakeHexByteText(RadioSettings& s, int value);

} // namespace velmar
