#include "ChannelEntry.h"

#include <algorithm>
#include <cassert>

namespace velmar {

namespace {

constexpr int kPointIndex = 3;

bool IsDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

std::string& GroupEntry(PerGroup<PerChannel<std::string>>& table, const RadioSettings& s, int channel) {
    assert(s.m_nGroup >= 0 && s.m_nGroup < kGroupCount);
    assert(channel >= 0 && channel < kChannelCount);
    return table[static_cast<std::size_t>(s.m_nGroup)][static_cast<std::size_t>(channel)];
}

// The steps of the entry, each leaving its result in the record's work values.
void ParseFreqText(RadioSettings& s, std::string text);
void CheckFreqChar(RadioSettings& s, char ch, int index);
void CheckDecimalPoint(RadioSettings& s, char ch);
void DigitValue(RadioSettings& s, char ch);
void EncodeFreq(RadioSettings& s, int frequency);
void DecDigitChar(RadioSettings& s, int d);
void HexDigitChar(RadioSettings& s, int d);
void ClearChannelCode(RadioSettings& s, int channelNumber); // counts channels from 1
void StoreChannelText(RadioSettings& s, std::string text, int channel);

} // namespace

ChannelChange EnterChannelText(RadioSettings& s, int channel) {
    ChannelChange change;
    std::string& text = s.m_strChannel[static_cast<std::size_t>(channel)];

    ParseFreqText(s, text);
    change.invalidCharacter = s.m_bDigitValid == 0;
    if (text.empty()) {
        ClearChannelCode(s, channel + 1);
        StoreChannelText(s, std::string(), channel);
    }
    if (s.m_bFreqReady != 1) {
        // A partial text that passes so far: the channel keeps what it had.
        return change;
    }

    const bool complete = !change.invalidCharacter && text.size() == kFreqTextLength;
    change.entered = text;
    EncodeFreq(s, s.m_nFreq);
    text = s.m_bDigitValid == 0 ? std::string() : s.m_strFreqText;
    if (s.m_strFreqCode == kRejectedCode) {
        text.clear();
        if (complete) {
            change.correction = s.m_bDecimalPoint ? Correction::OutOfRange : Correction::NotAFrequency;
        }
    } else if (complete && text != change.entered) {
        change.correction = Correction::MovedDown;
    }
    StoreChannelText(s, text, channel);
    GroupEntry(s.m_strGroupCode, s, channel) = s.m_strFreqCode;
    change.writeBack = true;
    return change;
}

EnteredChannel EnterWholeText(std::string_view text) {
    RadioSettings scratch;
    scratch.m_strChannel[0] = std::string(text);
    EnterChannelText(scratch, 0);
    if (text.empty()) {
        return {};
    }
    return {scratch.m_strGroupChannel[0][0], scratch.m_strGroupCode[0][0]};
}

std::optional<std::string> CompleteFreqBeginning(std::string_view text) {
    const auto digits = [](std::string_view part) {
        return std::all_of(part.begin(), part.end(), [](char ch) { return IsDigit(ch); });
    };
    if (text.size() < kPointIndex || text.size() >= kFreqTextLength || !digits(text.substr(0, kPointIndex))) {
        return std::nullopt;
    }
    if (text.size() > kPointIndex && (text[kPointIndex] != '.' || !digits(text.substr(kPointIndex + 1)))) {
        return std::nullopt;
    }
    std::string completed(text);
    if (completed.size() == kPointIndex) {
        completed += '.';
    }
    completed.resize(kFreqTextLength, '0');
    return completed;
}

TypedChannel EnterTypedText(std::string_view text) {
    TypedChannel t;
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) {
        text.remove_suffix(1);
    }
    t.typed = std::string(text);
    if (text.empty()) {
        return t;
    }
    std::string whole = t.typed;
    if (const std::optional<std::string> completed = CompleteFreqBeginning(whole)) {
        whole = *completed;
        t.completed = true;
    }
    bool cut = false;
    const bool digitsAfterPoint = whole.size() > kFreqTextLength && whole[kPointIndex] == '.' &&
                                  std::all_of(whole.begin() + kPointIndex + 1, whole.end(), IsDigit);
    if (digitsAfterPoint) {
        cut = whole.find_first_not_of('0', kFreqTextLength) != std::string::npos;
        whole.resize(kFreqTextLength);
    }
    t.stored = EnterWholeText(whole);
    if (t.stored.text.empty()) {
        t.refused = true;
        const bool shaped = whole.size() == kFreqTextLength && whole[kPointIndex] == '.' &&
                            std::all_of(whole.begin(), whole.begin() + kPointIndex, IsDigit) &&
                            std::all_of(whole.begin() + kPointIndex + 1, whole.end(), IsDigit);
        t.correction = shaped ? Correction::OutOfRange : Correction::NotAFrequency;
        t.stored = {};
    } else if (cut || t.stored.text != whole) {
        t.correction = Correction::MovedDown;
    }
    return t;
}

namespace {

void ParseFreqText(RadioSettings& s, std::string text) {
    const int length = static_cast<int>(text.size());
    s.m_nTextLength = length;
    s.m_bFreqReady = 0;
    // The verdict belongs to this text alone: a failure typed into another
    // edit must not reject a good frequency entered here.
    s.m_bDigitValid = 1;
    if (length > kFreqTextLength) {
        return;
    }

    // Every character is checked, the one that completes nine included, so a
    // stray character can never be read as a digit by its character code.
    for (int p = 0; p < length; ++p) {
        CheckFreqChar(s, text[static_cast<std::size_t>(p)], p);
        if (s.m_bDigitValid == 0) {
            s.m_strFreqText.clear();
            s.m_bFreqReady = 1;
            return;
        }
    }
    if (length < kFreqTextLength) {
        return;
    }

    int sum = 0;
    for (int p = 0; p < kFreqTextLength; ++p) {
        const char ch = text[static_cast<std::size_t>(p)];
        if (p == kPointIndex) {
            CheckDecimalPoint(s, ch);
            if (s.m_bDecimalPoint == 0) {
                // Leaves the first three digits in the sum, far below the range.
                text.clear();
                break;
            }
        }
        DigitValue(s, ch);
        if (p == 0) {
            sum = s.m_nDigit;
        } else if (p != kPointIndex) {
            sum = sum * 10 + s.m_nDigit;
        }
    }
    s.m_nFreq = sum;
    s.m_strFreqText = text;
    s.m_bFreqReady = 1;
}

void CheckFreqChar(RadioSettings& s, char ch, int index) {
    s.m_bDigitValid = (IsDigit(ch) || (ch == '.' && index == kPointIndex)) ? 1 : 0;
}

void CheckDecimalPoint(RadioSettings& s, char ch) {
    s.m_bDecimalPoint = ch == '.' ? 1 : 0;
}

void DigitValue(RadioSettings& s, char ch) {
    s.m_nDigit = IsDigit(ch) ? ch - '0' : static_cast<signed char>(ch);
}

void EncodeFreq(RadioSettings& s, int frequency) {
    int q = 0;
    if (s.m_bDigitValid == 0) {
        frequency = 0;
    } else {
        q = frequency / kGridStep;
    }
    if (frequency < kLowestFreq || frequency > kHighestFreq) {
        s.m_strFreqCode = kRejectedCode;
        return;
    }

    // Down onto the grid, never up to a nearer point.
    s.m_nFreq = q * kGridStep;
    s.m_nStepIndex = (s.m_nFreq - kLowestFreq) / kGridStep;
    MakeFreqCode(s, s.m_nStepIndex);

    std::string canonical;
    int rest = s.m_nFreq;
    for (int power = 10000000; power >= 1; power /= 10) {
        const int d = rest / power;
        rest -= d * power;
        DecDigitChar(s, d);
        if (power == 10000) {
            canonical += '.';
        }
        canonical += s.m_chDecDigit;
    }
    s.m_strFreqText = canonical;
}
} // namespace

void MakeFreqCode(RadioSettings& s, int step) {
    if (step < 0 || step >= 0x10000) {
        step = 0;
    }
    std::string code(4, '0');
    for (int i = 3; i >= 0; --i) {
        HexDigitChar(s, step % 16);
        code[static_cast<std::size_t>(i)] = s.m_chHexDigit;
        step /= 16;
    }
    s.m_strFreqCode = code;
}

void MakeHexByteText(RadioSettings& s, int value) {
    std::string text;
    HexDigitChar(s, (value >> 4) & 0x0F);
    text += s.m_chHexDigit;
    HexDigitChar(s, value & 0x0F);
    text += s.m_chHexDigit;
    s.m_strFreqCode = text;
}

namespace {

void DecDigitChar(RadioSettings& s, int d) {
    if (d >= 0 && d <= 9) {
        s.m_chDecDigit = static_cast<char>('0' + d);
    }
}

void HexDigitChar(RadioSettings& s, int d) {
    if (d >= 0 && d <= 9) {
        s.m_chHexDigit = static_cast<char>('0' + d);
    } else if (d >= 10 && d <= 15) {
        s.m_chHexDigit = static_cast<char>('a' + d - 10);
    }
}

void ClearChannelCode(RadioSettings& s, int channelNumber) {
    GroupEntry(s.m_strGroupCode, s, channelNumber - 1).clear();
}

void StoreChannelText(RadioSettings& s, std::string text, int channel) {
    GroupEntry(s.m_strGroupChannel, s, channel) = std::move(text);
}
} // namespace

} // namespace velmar
