#include "ProgrammingFrame.h"

#include "ChannelEntry.h"
#include "CodeTables.h"

#include <algorithm>

namespace velmar {

namespace {

// Checksum steps, leaving their results in the record's work values.
void AddCodeToChecksum(RadioSettings& s, std::string_view code);
void ParseHexDigit(RadioSettings& s, char ch);
char HexCharValue(char ch);

// Collects the writes of a Send and the pause that follows each of them.
// Two pauses with no write between them add up: the radio only ever sees
// the silence after the last write.
class WriteSequence {
public:
    explicit WriteSequence(std::vector<PacedWrite>& writes) : m_writes(writes) {}

    void WriteHexText(std::string_view text) {
        for (auto& block : SplitIntoWriteBlocks(HexTextToBytes(text))) {
            m_writes.push_back({std::move(block), 0});
        }
    }
    void Pause(int ms) {
        if (!m_writes.empty()) {
            m_writes.back().pauseAfterMs += ms;
        }
    }

private:
    std::vector<PacedWrite>& m_writes;
};

// A lookup that finds no row leaves the previous code in m_strCode.
void Lookup(RadioSettings& s, std::string code, std::string& member) {
    if (!code.empty()) {
        s.m_strCode = std::move(code);
    }
    member = s.m_strCode;
}

} // namespace

ProgrammingFrame BuildProgrammingFrame(const RadioSettings& setting) {
    // The steps leave their results in work values, as entry does; they work on a copy, so that building a frame
    // never changes the setting it shows (an empty code stays empty, and a group stays empty).
    RadioSettings s = setting;
    ProgrammingFrame frame;
    WriteSequence out(frame.writes);

    // The radio expects the indices themselves here, not their codes: for
    // "60 Sec" (index 10, code byte 0x10) it counts 10.
    s.m_nChecksum = s.m_nVoxAttack + s.m_nVoxRelease + s.m_nCtcss + s.m_nDcs + s.m_nPttFp + s.m_nPttTot +
                    s.m_nScanDelay + s.m_nPowerSave + s.m_nSelfTone + s.m_nMode + s.m_nBand;

    Lookup(s, CodeFromIndex(s.m_nVoxAttack), s.m_strVoxAttackCode);
    Lookup(s, CodeFromIndex(s.m_nVoxRelease), s.m_strVoxReleaseCode);
    Lookup(s, CodeFromIndex(s.m_nCtcss), s.m_strCtcssCode);
    Lookup(s, CodeFromIndex(s.m_nDcs), s.m_strDcsCode);
    Lookup(s, CodeFromButtonLong(s.m_nButtonLongTime), s.m_strButtonLongCode);
    Lookup(s, CodeFromIndex(s.m_nPowerSave), s.m_strPowerSaveCode);
    Lookup(s, CodeFromIndex(s.m_nSelfTone), s.m_strSelfToneCode);
    Lookup(s, CodeFromIndex(s.m_nPttFp), s.m_strPttFpCode);
    Lookup(s, CodeFromIndex(s.m_nPttTot), s.m_strPttTotCode);
    Lookup(s, CodeFromIndex(s.m_nScanDelay), s.m_strScanDelayCode);
    Lookup(s, CodeFromIndex(s.m_nMode), s.m_strModeCode);
    Lookup(s, CodeFromIndex(s.m_nBand), s.m_strBandCode);
    Lookup(s, CodeFromBclo(s.m_strBclo), s.m_strBcloCode);

    for (auto& group : s.m_strGroupCode) {
        for (auto& code : group) {
            if (code.empty()) {
                code = kRejectedCode;
            }
        }
    }
    for (const auto& group : s.m_strGroupCode) {
        for (const auto& code : group) {
            AddCodeToChecksum(s, code);
        }
    }

    out.WriteHexText("f3");
    out.Pause(50);

    for (const auto& group : s.m_strGroupCode) {
        for (int c = 0; c < kChannelCount; ++c) {
            out.WriteHexText(group[static_cast<std::size_t>(c)]);
            out.Pause(c < kChannelCount - 1 ? 20 : 100);
        }
    }

    for (int g = 0; g < kGroupCount; ++g) {
        Lookup(s, CodeFromIndex(s.m_nGroupSpacing[static_cast<std::size_t>(g)]), s.m_strSpacingCode);
        AddCodeToChecksum(s, s.m_strSpacingCode);
        out.WriteHexText(s.m_strSpacingCode);
        out.Pause(g < kGroupCount - 1 ? 20 : 50);
    }

    for (const std::string* code :
         {&s.m_strVoxReleaseCode, &s.m_strVoxAttackCode, &s.m_strDcsCode, &s.m_strCtcssCode, &s.m_strPowerSaveCode,
          &s.m_strButtonLongCode, &s.m_strPttFpCode, &s.m_strPttTotCode, &s.m_strScanDelayCode, &s.m_strBcloCode,
          &s.m_strSelfToneCode, &s.m_strModeCode, &s.m_strBandCode}) {
        out.WriteHexText(*code);
        out.Pause(20);
    }

    out.WriteHexText("00");
    out.Pause(20);

    AddCodeToChecksum(s, s.m_strBcloCode);
    AddCodeToChecksum(s, s.m_strButtonLongCode);
    out.Pause(100);

    for (int i = 0; i < 53; ++i) {
        out.WriteHexText("0000");
        out.Pause(20);
    }
    out.Pause(100);

    MakeHexByteText(s, s.m_nChecksum);
    out.WriteHexText(s.m_strFreqCode);
    out.Pause(2000);

    frame.checksum = s.m_nChecksum;
    std::size_t at = 0;
    for (const auto& write : frame.writes) {
        const std::size_t n = std::min(write.bytes.size(), frame.bytes.size() - at);
        std::copy_n(write.bytes.begin(), n, frame.bytes.begin() + static_cast<std::ptrdiff_t>(at));
        at += n;
    }
    return frame;
}

std::vector<std::uint8_t> HexTextToBytes(std::string_view text) {
    std::string digits;
    for (const char ch : text.empty() ? std::string_view("0000") : text) {
        if (ch != ' ') {
            digits += ch;
        }
    }
    for (auto at = digits.find("\r\n"); at != std::string::npos; at = digits.find("\r\n", at)) {
        digits.erase(at, 2);
    }

    std::vector<std::uint8_t> bytes;
    bytes.reserve((digits.size() + 1) / 2);
    std::size_t p = 0;
    for (; p + 1 < digits.size(); p += 2) {
        bytes.push_back(static_cast<std::uint8_t>(HexCharValue(digits[p]) * 16 + HexCharValue(digits[p + 1])));
    }
    if (p < digits.size()) {
        bytes.push_back(static_cast<std::uint8_t>(HexCharValue(digits[p])));
    }
    return bytes;
}

std::vector<std::vector<std::uint8_t>> SplitIntoWriteBlocks(const std::vector<std::uint8_t>& bytes) {
    std::vector<std::vector<std::uint8_t>> blocks;
    for (std::size_t at = 0; at < bytes.size(); at += 8) {
        const auto end = bytes.begin() + static_cast<std::ptrdiff_t>(std::min(at + 8, bytes.size()));
        blocks.emplace_back(bytes.begin() + static_cast<std::ptrdiff_t>(at), end);
    }
    return blocks;
}

namespace {

void AddCodeToChecksum(RadioSettings& s, std::string_view code) {
    s.m_nTextLength = static_cast<int>(code.size());
    s.m_nHexDigit = 0;
    s.m_nFirstByte = 0;
    s.m_nSecondByte = 0;
    for (std::size_t p = 0; p < 2 && p < code.size(); ++p) {
        ParseHexDigit(s, code[p]);
        s.m_nFirstByte = s.m_nFirstByte * 16 + s.m_nHexDigit;
    }
    if (s.m_nTextLength == 4) {
        for (std::size_t p = 2; p < 4; ++p) {
            ParseHexDigit(s, code[p]);
            s.m_nSecondByte = s.m_nSecondByte * 16 + s.m_nHexDigit;
        }
        s.m_nFirstByte += s.m_nSecondByte;
    }
    s.m_nChecksum += s.m_nFirstByte;
}

void ParseHexDigit(RadioSettings& s, char ch) {
    if (ch >= '0' && ch <= '9') {
        s.m_nHexDigit = ch - '0';
    } else if (ch >= 'a' && ch <= 'f') {
        s.m_nHexDigit = ch - 'a' + 10;
    }
}

char HexCharValue(char ch) {
    if (ch >= '0' && ch <= '9') {
        return static_cast<char>(ch - '0');
    }
    if (ch >= 'a' && ch <= 'f') {
        return static_cast<char>(ch - 'a' + 10);
    }
    if (ch >= 'A' && ch <= 'F') {
        return static_cast<char>(ch - 'A' + 10);
    }
    return 0;
}
} // namespace

} // namespace velmar
