#include "ChannelCsv.h"

#include "ChannelEntry.h"
#include "CodeTables.h"
#include "SettingLabels.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <functional>

namespace velmar {

namespace {

constexpr int kLocationCount = kGroupCount * kChannelCount;

struct Record {
    int line = 0; // where the record starts; a quoted field may span lines
    std::vector<std::string> fields;
};

// A record of more fields than this is no channel list; the common layout has about 20 columns.
constexpr std::size_t kMaxFields = 256;

bool Blank(const Record& r);

// Splits CSV text into records, fields separated by commas; a field in double quotes may hold commas, line
// breaks and doubled quotes. Each record that is not blank goes to `take` as it ends, so that a file of nothing
// but line breaks costs no memory; `take` returns false to stop. The refusal of a record with too many fields
// or of a quote that is never closed, with the line it is on.
CsvRefusal ParseCsv(std::string_view text, const std::function<bool(Record&)>& take, int* refusedLine) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") {
        text.remove_prefix(3); // spreadsheets put a byte order mark first
    }
    Record record{1, {std::string()}};
    int line = 1;
    int quoteLine = 0; // where the open quote is; 0 outside quotes
    bool fieldStarted = false;
    bool more = true;
    const auto endRecord = [&] {
        if (!Blank(record)) {
            more = take(record);
        }
        // Emptied, not made anew: a file of line breaks then costs no allocation per line.
        record.line = line;
        record.fields.resize(1);
        record.fields[0].clear();
        fieldStarted = false;
    };
    for (std::size_t i = 0; i < text.size() && more; ++i) {
        const char ch = text[i];
        if (quoteLine != 0) {
            if (ch == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                record.fields.back() += '"';
                ++i;
            } else if (ch == '"') {
                quoteLine = 0;
            } else {
                // Up to the next quote at once: a long quoted field costs one copy, not one per character.
                const std::size_t end = std::min(text.find('"', i), text.size());
                const std::string_view run = text.substr(i, end - i);
                line += static_cast<int>(std::count(run.begin(), run.end(), '\n'));
                record.fields.back() += run;
                i = end - 1;
            }
        } else if (ch == '"' && !fieldStarted) {
            quoteLine = line;
            fieldStarted = true;
        } else if (ch == ',') {
            if (record.fields.size() == kMaxFields) {
                *refusedLine = record.line;
                return CsvRefusal::TooManyColumns;
            }
            record.fields.emplace_back();
            fieldStarted = false;
        } else if (ch == '\n' || ch == '\r') {
            if (ch == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            ++line;
            if (record.fields.size() == 1 && record.fields[0].empty()) {
                record.line = line; // an empty line: nothing to take, nothing to empty
            } else {
                endRecord();
            }
        } else {
            record.fields.back() += ch;
            fieldStarted = true;
        }
    }
    if (quoteLine != 0 && more) {
        // Everything after it would be one field: the rest of the list would go unread without a word.
        *refusedLine = quoteLine;
        return CsvRefusal::UnclosedQuote;
    }
    if (more) {
        endRecord();
    }
    return CsvRefusal::None;
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

bool Blank(const Record& r) {
    return std::all_of(r.fields.begin(), r.fields.end(), [](const std::string& f) { return Trimmed(f).empty(); });
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

// The frequency in 10 Hz units, digits past the fifth decimal cut off (*cut
// tells whether any of them was not 0); nullopt for anything but digits with
// an optional point.
std::optional<std::int64_t> FreqUnits(const std::string& text, bool* cut = nullptr) {
    const auto point = text.find('.');
    const std::string whole = text.substr(0, point);
    std::string decimals = point == std::string::npos ? std::string() : text.substr(point + 1);
    if (!AllDigits(whole) || (!decimals.empty() && !AllDigits(decimals))) {
        return std::nullopt;
    }
    if (cut != nullptr) {
        *cut = decimals.size() > 5 && decimals.find_first_not_of('0', 5) != std::string::npos;
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

CsvNote Note(CsvNoteKind kind, int line = 0, int group = -1, int channel = -1) {
    CsvNote n;
    n.kind = kind;
    n.line = line;
    n.group = group;
    n.channel = channel;
    return n;
}

std::string ChannelLabel(int index) {
    return std::string(1, static_cast<char>('A' + index / kChannelCount)) + std::to_string(index % kChannelCount + 1);
}

// What one row says, judged on its own.
struct Row {
    int line = 0;
    int location = -1;   // as written, before the list's numbering is known
    std::string written; // the Frequency as written
    std::string text;    // as entry stores it
    bool moved = false;  // entry moved it onto the grid, or digits past the fifth decimal were cut
    int spacing = -1;    // from Mode: 0 NFM, 1 FM, -1 none
    std::string notKept;
    std::optional<std::string> name; // as written, trimmed; nullopt without a Name column
};

struct Columns {
    int location = -1, frequency = -1, mode = -1, duplex = -1, offset = -1, tone = -1, name = -1;
};

// Duplex, an offset and tones: the common layout has them, this radio keeps none.
std::string NotKeptColumns(const Record& r, const Columns& c) {
    std::string said;
    const auto add = [&](const char* name, const std::string& value) {
        said += (said.empty() ? "" : ", ") + std::string(name) + " " + value;
    };
    const std::string duplex = Trimmed(Field(r, c.duplex));
    if (!duplex.empty() && Lower(duplex) != "off") {
        add("Duplex", duplex);
    }
    const std::string offset = Trimmed(Field(r, c.offset));
    if (offset.find_first_not_of("0.") != std::string::npos) {
        add("Offset", offset);
    }
    if (const std::string tone = Trimmed(Field(r, c.tone)); !tone.empty()) {
        add("Tone", tone);
    }
    return said;
}

// The row's verdict: a Row, or the note that refuses it.
std::optional<CsvNote> JudgeRow(const Record& r, const Columns& c, std::size_t headerFields, Row* row) {
    const std::string location = Trimmed(Field(r, c.location));
    const std::string freq = Trimmed(Field(r, c.frequency));
    CsvNote refusal;
    refusal.line = r.line;
    const auto refuse = [&](CsvNoteKind kind, std::string value = {}) {
        refusal.kind = kind;
        refusal.value = std::move(value);
        return refusal;
    };
    if (location.empty()) {
        return refuse(CsvNoteKind::NoLocation);
    }
    if (!AllDigits(location)) {
        return refuse(CsvNoteKind::LocationNotANumber, location);
    }
    const std::string locationDigits = location.substr(std::min(location.find_first_not_of('0'), location.size()));
    if (locationDigits.size() > 2 || (!locationDigits.empty() && std::stoi(locationDigits) > kLocationCount)) {
        return refuse(CsvNoteKind::LocationOutOfRange, location);
    }
    if (freq.empty()) {
        return refuse(CsvNoteKind::NoFrequency);
    }
    // "446,00625" unquoted, with a decimal comma: the comma split it, and 446.00000 must not be taken for it.
    const std::string next = Trimmed(Field(r, c.frequency + 1));
    if (r.fields.size() > headerFields && freq.find('.') == std::string::npos && AllDigits(next)) {
        return refuse(CsvNoteKind::FrequencyDecimalComma, freq + "," + next);
    }
    bool cut = false;
    const auto units = FreqUnits(freq, &cut);
    if (!units) {
        return refuse(CsvNoteKind::FrequencyNotANumber, freq);
    }
    EnteredChannel entered =
        *units < kLowestFreq || *units > kHighestFreq ? EnteredChannel{} : EnterWholeText(NineCharacterText(*units));
    if (entered.text.empty()) {
        return refuse(CsvNoteKind::FrequencyOutOfRange, freq);
    }
    row->line = r.line;
    row->location = locationDigits.empty() ? 0 : std::stoi(locationDigits);
    row->written = freq;
    row->moved = cut || *FreqUnits(entered.text) != *units;
    row->text = std::move(entered.text);
    const std::string mode = Lower(Trimmed(Field(r, c.mode)));
    row->spacing = mode == "nfm" ? 0 : mode == "fm" ? 1 : -1;
    row->notKept = NotKeptColumns(r, c);
    if (c.name >= 0) {
        row->name = Trimmed(Field(r, c.name));
    }
    return std::nullopt;
}

// A field as the layout quotes it: in double quotes, its own doubled, when it holds a comma, a quote, a line
// break or blanks at either end that a reader would trim.
std::string CsvField(const std::string& text) {
    const bool quote = text.find_first_of(",\"\r\n") != std::string::npos ||
                       (!text.empty() && (text.front() == ' ' || text.back() == ' '));
    if (!quote) {
        return text;
    }
    std::string field = "\"";
    for (const char ch : text) {
        field += ch == '"' ? "\"\"" : std::string(1, ch);
    }
    return field + "\"";
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
            const std::string& name = s.m_strGroupName[gi][static_cast<std::size_t>(c)];
            csv += std::to_string(g * kChannelCount + c + 1) + "," +
                   (name.empty() ? ChannelLabel(g * kChannelCount + c) : CsvField(name)) + "," + text +
                   "0,,0.000000,,88.5,88.5,023,NN," + (s.m_nGroupSpacing[gi] == 1 ? "FM" : "NFM") + ",6.25,,,,,,\n";
        }
    }
    return csv;
}

CsvRefusal ImportChannelsCsv(std::string_view csv, CsvImport* out, int* refusedLine) {
    int unused = 0;
    refusedLine = refusedLine != nullptr ? refusedLine : &unused;
    std::optional<Columns> columns;
    CsvRefusal refusal = CsvRefusal::None;
    int rowCount = 0;
    std::size_t headerFields = 0;
    CsvImport result;
    std::vector<CsvNote> rowNotes;
    std::vector<Row> rows;
    const CsvRefusal parsed = ParseCsv(
        csv,
        [&](Record& r) {
            if (!columns) {
                const Columns c{ColumnOf(r.fields, "Location"), ColumnOf(r.fields, "Frequency"),
                                ColumnOf(r.fields, "Mode"),     ColumnOf(r.fields, "Duplex"),
                                ColumnOf(r.fields, "Offset"),   ColumnOf(r.fields, "Tone"),
                                ColumnOf(r.fields, "Name")};
                if (c.location < 0 || c.frequency < 0) {
                    // A list saved with semicolons is one column wide: say so rather than "no header".
                    const std::string first = Lower(r.fields[0]);
                    refusal = r.fields.size() == 1 && first.find(';') != std::string::npos &&
                                      first.find("location") != std::string::npos
                                  ? CsvRefusal::Semicolons
                                  : CsvRefusal::NoHeader;
                    return false;
                }
                columns = c;
                headerFields = r.fields.size();
                return true;
            }
            if (++rowCount > kChannelCsvMaxRows) {
                refusal = CsvRefusal::TooManyRows;
                return false;
            }
            Row row;
            if (std::optional<CsvNote> note = JudgeRow(r, *columns, headerFields, &row)) {
                rowNotes.push_back(std::move(*note));
                ++result.refused;
            } else {
                rows.push_back(std::move(row));
            }
            return true;
        },
        refusedLine);
    if (parsed != CsvRefusal::None) {
        return parsed;
    }
    if (refusal != CsvRefusal::None || !columns) {
        return refusal != CsvRefusal::None ? refusal : CsvRefusal::NoHeader;
    }
    // Lists of some programmers count from 0: then Location 0 is the first channel, and so on in order.
    const bool fromZero = std::any_of(rows.begin(), rows.end(), [](const Row& r) { return r.location == 0; });
    if (fromZero) {
        result.notes.push_back(Note(CsvNoteKind::FromZero));
    }
    std::array<const Row*, kLocationCount> winner{};
    for (const Row& row : rows) {
        const int index = fromZero ? row.location : row.location - 1;
        CsvNote note = Note(CsvNoteKind::NoLocation, row.line, index / kChannelCount, index % kChannelCount);
        if (index >= kLocationCount) {
            note.kind = CsvNoteKind::LocationOutOfRange;
            note.value = std::to_string(row.location);
            note.group = note.channel = -1;
            rowNotes.push_back(std::move(note));
            ++result.refused;
            continue;
        }
        const auto said = [&](CsvNoteKind kind, std::string value = {}, std::string other = {}) {
            CsvNote n = note;
            n.kind = kind;
            n.value = std::move(value);
            n.other = std::move(other);
            rowNotes.push_back(std::move(n));
        };
        if (const Row* earlier = winner[static_cast<std::size_t>(index)]) {
            note.otherLine = earlier->line;
            said(CsvNoteKind::LocationTwice);
            note.otherLine = 0;
            --result.taken; // the earlier row is replaced, not added to
        }
        winner[static_cast<std::size_t>(index)] = &row;
        ++result.taken;
        if (row.moved) {
            said(CsvNoteKind::MovedToGrid, row.written, row.text);
        }
        if (!row.notKept.empty()) {
            said(CsvNoteKind::NotKept, row.notKept);
        }
        if (row.name) {
            // Export writes "A1".."H8" for a channel without a name: back, they are none again.
            std::string name = *row.name == ChannelLabel(index) ? std::string() : *row.name;
            switch (CheckName(name)) {
            case LabelProblem::None:
                break;
            case LabelProblem::TooLong:
                name = FirstCharacters(name, kNameMaxCharacters);
                said(CsvNoteKind::NameCut, *row.name, name);
                break;
            case LabelProblem::ControlCharacter:
            case LabelProblem::NotUtf8:
                said(CsvNoteKind::NameRefused, *row.name);
                name.clear();
                break;
            }
            result.names[static_cast<std::size_t>(index / kChannelCount)]
                        [static_cast<std::size_t>(index % kChannelCount)] = std::move(name);
        }
    }
    for (int g = 0; g < kGroupCount; ++g) {
        int votes[2] = {0, 0};
        int first = -1;
        for (int c = 0; c < kChannelCount; ++c) {
            const Row* row = winner[static_cast<std::size_t>(g * kChannelCount + c)];
            if (row == nullptr) {
                continue;
            }
            result.channels[static_cast<std::size_t>(g)][static_cast<std::size_t>(c)] = row->text;
            if (row->spacing >= 0) {
                ++votes[row->spacing];
                first = first < 0 ? row->spacing : first;
            }
            // Said once, at the later channel of each pair.
            for (int e = 0; e < c; ++e) {
                const Row* earlier = winner[static_cast<std::size_t>(g * kChannelCount + e)];
                if (earlier != nullptr && earlier->text == row->text) {
                    CsvNote same = Note(CsvNoteKind::SameFrequency, row->line, g, c);
                    same.value = row->text;
                    same.otherChannel = e;
                    rowNotes.push_back(std::move(same));
                    break;
                }
            }
        }
        if (first < 0) {
            continue;
        }
        // The majority decides; a tie goes to the group's first channel that says.
        const int spacing = votes[0] == votes[1] ? first : votes[1] > votes[0] ? 1 : 0;
        result.spacing[static_cast<std::size_t>(g)] = spacing;
        if (votes[0] > 0 && votes[1] > 0) {
            CsvNote majority = Note(CsvNoteKind::SpacingMajority, 0, g);
            majority.value = std::string(kSpacingItems[static_cast<std::size_t>(spacing)]);
            majority.nfm = votes[0];
            majority.fm = votes[1];
            result.notes.push_back(std::move(majority));
        }
    }
    std::stable_sort(rowNotes.begin(), rowNotes.end(),
                     [](const CsvNote& a, const CsvNote& b) { return a.line < b.line; });
    result.notes.insert(result.notes.end(), rowNotes.begin(), rowNotes.end());
    *out = std::move(result);
    return CsvRefusal::None;
}

void ApplyCsvImport(RadioSettings& s, const CsvImport& in) {
    for (std::size_t g = 0; g < kGroupCount; ++g) {
        for (std::size_t c = 0; c < kChannelCount; ++c) {
            if (const auto& channel = in.channels[g][c]) {
                const EnteredChannel entered = EnterWholeText(*channel);
                s.m_strGroupChannel[g][c] = entered.text;
                s.m_strGroupCode[g][c] = entered.code;
            }
            if (const auto& name = in.names[g][c]) {
                s.m_strGroupName[g][c] = *name;
            }
        }
        if (in.spacing[g]) {
            s.m_nGroupSpacing[g] = *in.spacing[g];
        }
    }
}

} // namespace velmar
