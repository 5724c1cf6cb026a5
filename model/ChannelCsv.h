#pragma once
// Channel lists as CSV in the column layout common to open-source radio
// programmers (Location, Name, Frequency, Duplex, ...), so that a list can go
// to and come from other tools. Only Location and Frequency carry anything
// for this radio; no shared state: any thread may call these.

#include "RadioSettings.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmar {

inline constexpr const char* kChannelCsvHeader = "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,"
                                                 "DtcsCode,DtcsPolarity,Mode,TStep,Skip,Comment,URCALL,RPT1CALL,"
                                                 "RPT2CALL,DVCODE";

// The stored channels of `s` (m_strGroupChannel) as CSV: the header line,
// then one line per non-empty channel, Location 1 (group A CH1) to 64
// (group H CH8), Name "A1".."H8", Frequency in MHz with six decimals, Mode NFM
// for a 12.5 kHz group and FM for a 25 kHz group. Lines end in "\n".
std::string ExportChannelsCsv(const RadioSettings& s);

struct CsvImport {
    // Texts to store by [group][channel] (canonical, as entry makes them); nullopt where the file says nothing.
    PerGroup<PerChannel<std::optional<std::string>>> channels{};
    int taken = 0;                    // rows taken
    std::vector<std::string> refused; // "line N: why", in line order
};

// Reads such a list, also one another programmer wrote: columns found by
// header name (any order, any case, extra columns ignored), quoted fields,
// "\n" or "\r\n" line ends, rows in any order, a later row for a Location
// winning. Location (1..64) picks the channel; Frequency (MHz, any number of
// decimals, cut after the fifth) goes through the entry rules, so an
// off-grid frequency moves down onto the grid. A row that cannot be taken is
// reported in out->refused with its line number and why, and sets nothing.
// Rows whose fields are all empty are skipped. False with *error, *out
// untouched, when the text has no header line with Location and Frequency.
bool ImportChannelsCsv(std::string_view csv, CsvImport* out, std::string* error);

} // namespace velmar
