#pragma once
// Everything the tool knows about the radio's setting while it runs. The
// window copies its controls into the first block and back; the channel entry
// and frame assembly work on the record alone, without any window.

#include <array>
#include <string>

namespace velmar {

inline constexpr int kGroupCount = 8;   // "Group A" .. "Group H"
inline constexpr int kChannelCount = 8; // CH1 .. CH8

inline constexpr int kGroupMode = 2; // m_nMode of "GRUOP", the mode in which the groups are programmed

template <typename T> using PerChannel = std::array<T, kChannelCount>;
template <typename T> using PerGroup = std::array<T, kGroupCount>;

struct RadioSettings {
    // Bound to the dialog's controls. Combo and radio fields hold the position
    // of the selected item; a radio group with nothing checked reads as -1.
    PerChannel<std::string> m_strChannel{}; // the eight edits of the current group
    std::string m_strBclo = "OFF";          // the BCLO combo's item text itself
    int m_nButtonLongTime = 0;
    int m_nPttFp = 0;
    int m_nGroup = 0;
    int m_nPowerSave = 0;
    int m_nScanDelay = 0;
    int m_nPttTot = 0;
    int m_nVoxAttack = 0;
    int m_nVoxRelease = 0;
    int m_nCtcss = 0;
    int m_nDcs = 0;
    int m_nSelfTone = 0;
    int m_nSpacing = 0; // 0 = 12.5 kHz, 1 = 25 kHz: what the radios show for the current group
    int m_nMode = 0;    // 0 PMR, 1 LPD, 2 GRUOP, 3 PMR + LPD
    int m_nBand = 0;

    // Work values: one step leaves its result here for the next one.
    int m_nDigit = 0;
    int m_nTextLength = 0;
    int m_nStepIndex = 0;
    int m_nChecksum = 0;
    int m_nHexDigit = 0;
    int m_nFirstByte = 0;
    int m_nSecondByte = 0;
    PerGroup<int> m_nGroupSpacing{}; // what Send sends; set only by a spacing click
    int m_bDecimalPoint = 0;
    int m_bFreqReady = 0;
    int m_bDigitValid = 1;
    int m_nFreq = 0; // 10 Hz units
    std::string m_strFreqText;
    std::string m_strFreqCode;
    std::string m_strCode;

    // [group][channel]: the stored text and the code Send will use.
    PerGroup<PerChannel<std::string>> m_strGroupChannel{};
    PerGroup<PerChannel<std::string>> m_strGroupCode{};

    // For the people who use the radios, never for the frame: a title, notes and a name per channel
    // (SettingLabels.h says what each may hold).
    std::string m_strTitle;
    std::string m_strNotes;
    PerGroup<PerChannel<std::string>> m_strGroupName{};

    // Code texts of the options while a frame is assembled.
    std::string m_strButtonLongCode;
    std::string m_strCtcssCode;
    std::string m_strDcsCode;
    std::string m_strPttFpCode;
    std::string m_strPowerSaveCode;
    std::string m_strScanDelayCode;
    std::string m_strSpacingCode;
    std::string m_strPttTotCode;
    std::string m_strVoxAttackCode;
    std::string m_strVoxReleaseCode;
    std::string m_strBcloCode;
    std::string m_strSelfToneCode;
    std::string m_strModeCode;
    std::string m_strBandCode;

    char m_chHexDigit = '0';
    char m_chDecDigit = '0';

    bool operator==(const RadioSettings&) const = default;
};

} // namespace velmar
