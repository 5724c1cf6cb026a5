#pragma once
// Channel lists as CSV in the column layout common to open-source radio
// programmers (Location, Name, Frequency, Duplex, ...), so that a list can go
// to and come from other tools. Location, Frequency and Mode (the channel
// spacing) carry what this radio keeps; no shared state: any thread may call
// these.

#include "RadioSettings.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmar {

inline constexpr const char* kChannelCsvHeader = "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,"
                                                 "DtcsCode,DtcsPolarity,Mode,TStep,Skip,Comment,URCALL,RPT1CALL,"
                                                 "RPT2CALL,DVCODE";
inline constexpr const char* kChannelCsvSuffix = ".csv";
// A list for 64 channels is a few kilobytes; these bound what a wrong file can cost.
inline constexpr std::size_t kChannelCsvMaxBytes = 10 * 1024 * 1024;
inline constexpr int kChannelCsvMaxRows = 10000;

// The stored channels of `s` (m_strGroupChannel) as CSV: the header line,
// then one line per non-empty channel, Location 1 (group A CH1) to 64
// (group H CH8), Name the channel's name or, without one, "A1".."H8",
// Frequency in MHz with six decimals, Mode NFM
// for a 12.5 kHz group and FM for a 25 kHz group. Lines end in "\n".
std::string ExportChannelsCsv(const RadioSettings& s);

// What import did to a row, or learnt of the list: every refusal and every
// change is told, never only the refusals.
enum class CsvNoteKind {
    // The row is not taken.
    NoLocation,
    LocationNotANumber, // value: the Location as written
    LocationOutOfRange, // value: the Location as written
    NoFrequency,
    FrequencyNotANumber,   // value: the Frequency as written
    FrequencyOutOfRange,   // value: the Frequency as written
    FrequencyDecimalComma, // value: "446,00625", a frequency split by its decimal comma
    // The row is taken, changed.
    MovedToGrid,   // value: the Frequency as written; other: the frequency kept
    LocationTwice, // otherLine: the earlier row of the same Location, which this one replaces
    NotKept,       // value: the columns this radio cannot keep, "Duplex +, Tone TSQL"
    SameFrequency, // value: the frequency; otherChannel: the channel of the group that has it too
    NameCut,       // value: the Name as written; other: its first kNameMaxCharacters characters, kept
    NameRefused,   // value: the Name as written, which holds a control character or is not UTF-8
    // The list as a whole.
    FromZero,        // Locations start at 0: taken in order, Location 0 as group A CH1
    SpacingMajority, // group: its rows' Modes disagree; nfm and fm count them, spacing is what was taken
};

struct CsvNote {
    int line = 0; // of the row; 0 for a note on the list
    CsvNoteKind kind = CsvNoteKind::NoLocation;
    int group = -1;   // the channel the row went to, or the group a note is about
    int channel = -1; // (0-based)
    std::string value;
    std::string other;
    int otherLine = 0;
    int otherChannel = -1;
    int nfm = 0, fm = 0;
    [[nodiscard]] bool Refused() const { return kind <= CsvNoteKind::FrequencyDecimalComma; }
};

struct CsvImport {
    // Texts to store by [group][channel] (canonical, as entry makes them); nullopt where the file says nothing.
    PerGroup<PerChannel<std::optional<std::string>>> channels{};
    // Names by [group][channel] where the list has a Name column and a row for the channel; "" for none (and
    // for the "A1".."H8" that stand for none).
    PerGroup<PerChannel<std::optional<std::string>>> names{};
    // A group's spacing (0 12.5 kHz, 1 25 kHz) from its rows' Mode (NFM, FM); nullopt where no row says.
    PerGroup<std::optional<int>> spacing{};
    int taken = 0;              // rows taken
    int refused = 0;            // rows not taken
    std::vector<CsvNote> notes; // the list's notes first, then by line
};

enum class CsvRefusal {
    None,
    NoHeader,       // no header line with the columns Location and Frequency
    TooManyRows,    // more than kChannelCsvMaxRows rows
    TooManyColumns, // a line of more fields than any channel list has
    UnclosedQuote,  // a quote opened and never closed
    Semicolons,     // the columns are separated by semicolons
};

// Reads such a list, also one another programmer wrote: columns found by
// header name (any order, any case, extra columns ignored), quoted fields,
// "\n" or "\r\n" line ends, rows in any order, a later row for a Location
// winning. Location (1..64, or 0..63 when the list starts at 0) picks the
// channel; Frequency (MHz, any number of decimals, cut after the fifth) goes
// through the entry rules, so an off-grid frequency moves down onto the grid;
// the rows' Mode sets their group's spacing, the majority winning. Rows whose
// fields are all empty are skipped. A whole list that cannot be read returns
// its refusal, *out untouched.
// *refusedLine, when not null, gets the line a refusal is about (the quote left open, the overlong line).
CsvRefusal ImportChannelsCsv(std::string_view csv, CsvImport* out, int* refusedLine = nullptr);

// What the import brings, put into `s` as entry would store it: each channel's
// text, code and name, each group's spacing.
void ApplyCsvImport(RadioSettings& s, const CsvImport& in);

} // namespace velmar
