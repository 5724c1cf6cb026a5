#include "ChannelCsv.h"

#include "ChannelEntry.h"

#include <algorithm>
#include <cctype>
#include <cstdint>

namespace velmar {

namespace {

constexpr int kLocationCount = kGroupCount * kChannelCount;

struct Record {
    int line = 0; // where the record starts; a quoted field may span lines
    std::vector<std::string> fields;
};

// Splits CSV text into records: fields separated by commas, a field in
// double quotes may hold commas, line breaks and doubled quotes.
std::vector<Record> ParseCsv(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") {
        text.remove_prefix(3); // spreadsheets put a byte order mark first
    }
    std::vector<Record> records;
    Record record{1, {std::string()}};
    int line = 1;
    bool quoted = false;
    bool fieldStarted = false;
    const auto endRecord = [&] {
        records.push_back(std::move(record));
        record = Record{line, {std::string()}};
        fieldStarted = false;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        if (quoted) {
            if (ch == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                record.fields.back() += '"';
                ++i;
            } else if (ch == '"') {
                quoted = false;
            } else {
                line += ch == '\n' ? 1 : 0;
                record.fields.back() += ch;
            }
        } else if (ch == '"' && !fieldStarted) {
            quoted = true;
            fieldStarted = true;
        } else if (ch == ',') {
            record.fields.emplace_back();
            fieldStarted = false;
        } else if (ch == '\n' || ch == '\r') {
            if (ch == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            ++line;
            endRecord();
        } else {
            record.fields.back() += ch;
            fieldStarted = true;
        }
    }
    if (record.fields.size() > 1 || !record.fields[0].empty()) {
        records.push_back(std::move(record));
    }
    return records;
}

std::string Trimmed(std::string_view text) {
    const auto blank = [](char ch) { return ch == ' ' || ch == '\t'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return std::string(text);
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
    return text;
}

bool AllDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char ch) { return ch >= '0' && ch <= '9'; });
}

int ColumnOf(const std::vector<std::string>& header, std::string_view name) {
    for (std::size_t i = 0; i < header.size(); ++i) {
        if (Lower(Trimmed(header[i])) == Lower(std::string(name))) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

// The frequency in 10 Hz units, digits past the fifth decimal cut off;
// nullopt for anything but digits with an optional point.
std::optional<std::int64_t> FreqUnits(const std::string& text) {
    const auto point = text.find('.');
    const std::string whole = text.substr(0, point);
    std::string decimals = point == std::string::npos ? std::string() : text.substr(point + 1);
    if (!AllDigits(whole) || (!decimals.empty() && !AllDigits(decimals))) {
        return std::nullopt;
    }
    decimals.resize(5, '0');
    // Anything with more than six whole digits is far out of range; the cap
    // keeps the arithmetic from overflowing.
    const std::string wholeDigits = whole.substr(std::min(whole.find_first_not_of('0'), whole.size()));
    if (wholeDigits.size() > 6) {
        return std::int64_t{1} << 40;
    }
    return std::stoll(wholeDigits.empty() ? "0" : wholeDigits) * 100000 + std::stoll(decimals);
}

std::string NineCharacterText(std::int64_t units) {
    std::string digits = std::to_string(units);
    return digits.substr(0, 3) + "." + digits.substr(3);
}

const std::string& Field(const Record& r, int column) {
    static const std::string kNone;
    return static_cast<std::size_t>(column) < r.fields.size() ? r.fields[static_cast<std::size_t>(column)] : kNone;
}

// The channel index (0..63) and text of a row, or the reason it cannot be taken.
struct RowVerdict {
    int location = -1;
    std::string text;
    std::string why;
};

RowVerdict JudgeRow(const Record& r, int locationColumn, int freqColumn) {
    RowVerdict v;
    const std::string location = Trimmed(Field(r, locationColumn));
    const std::string freq = Trimmed(Field(r, freqColumn));
    if (location.empty()) {
        v.why = "no Location";
        return v;
    }
    if (!AllDigits(location)) {
        v.why = "Location \"" + location + "\" is not a number";
        return v;
    }
    const std::string locationDigits = location.substr(std::min(location.find_first_not_of('0'), location.size()));
    if (locationDigits.empty()) {
        v.why = "Location 0 is below 1";
        return v;
    }
    if (locationDigits.size() > 2 || std::stoi(locationDigits) > kLocationCount) {
        v.why = "Location " + locationDigits + " is above " + std::to_string(kLocationCount);
        return v;
    }
    if (freq.empty()) {
        v.why = "no frequency";
        return v;
    }
    const auto units = FreqUnits(freq);
    if (!units) {
        v.why = "Frequency \"" + freq + "\" is not a number";
        return v;
    }
    if (*units < kLowestFreq || *units > kHighestFreq) {
        v.why = freq + " MHz is outside 400 to 500 MHz";
        return v;
    }
    EnteredChannel entered = EnterWholeText(NineCharacterText(*units));
    if (entered.text.empty()) {
        v.why = freq + " MHz is refused by channel entry";
        return v;
    }
    v.location = std::stoi(locationDigits) - 1;
    v.text = std::move(entered.text);
    return v;
}

} // namespace

std::string ExportChannelsCsv(const RadioSettings& s) {
    std::string csv = std::string(kChannelCsvHeader) + "\n";
    for (int g = 0; g < kGroupCount; ++g) {
        const auto gi = static_cast<std::size_t>(g);
        for (int c = 0; c < kChannelCount; ++c) {
            const std::string& text = s.m_strGroupChannel[gi][static_cast<std::size_t>(c)];
            if (text.empty()) {
                continue;
            }
            // A stored text is nine characters with five decimals; the layout wants six.
            csv += std::to_string(g * kChannelCount + c + 1) + "," + static_cast<char>('A' + g) +
                   std::to_string(c + 1) + "," + text + "0,,0.000000,,88.5,88.5,023,NN," +
                   (s.m_nGroupSpacing[gi] == 1 ? "FM" : "NFM") + ",6.25,,,,,,\n";
        }
    }
    return csv;
}

bool ImportChannelsCsv(std::string_view csv, CsvImport* out, std::string* error) {
    const std::vector<Record> records = ParseCsv(csv);
    const auto blank = [](const Record& r) {
        return std::all_of(r.fields.begin(), r.fields.end(), [](const std::string& f) { return Trimmed(f).empty(); });
    };
    const auto header = std::find_if_not(records.begin(), records.end(), blank);
    const int locationColumn = header == records.end() ? -1 : ColumnOf(header->fields, "Location");
    const int freqColumn = header == records.end() ? -1 : ColumnOf(header->fields, "Frequency");
    if (locationColumn < 0 || freqColumn < 0) {
        *error = "not a channel list: no header line with the columns Location and Frequency";
        return false;
    }

    CsvImport result;
    for (auto it = header + 1; it != records.end(); ++it) {
        if (blank(*it)) {
            continue;
        }
        RowVerdict v = JudgeRow(*it, locationColumn, freqColumn);
        if (!v.why.empty()) {
            result.refused.push_back("line " + std::to_string(it->line) + ": " + v.why);
            continue;
        }
        result.channels[static_cast<std::size_t>(v.location / kChannelCount)]
                       [static_cast<std::size_t>(v.location % kChannelCount)] = std::move(v.text);
        ++result.taken;
    }
    *out = std::move(result);
    return true;
}

} // namespace velmar
