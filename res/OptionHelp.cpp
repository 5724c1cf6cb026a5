#include "OptionHelp.h"

#include "Resource.h"

#include <array>

namespace velmar::res {

namespace {

constexpr int kScanDelay[] = {IDC_SCAN_DELAY};
constexpr int kPttFp[] = {IDC_PTT_FP};
constexpr int kBclo[] = {IDC_BCLO};
constexpr int kPttTot[] = {IDC_PTT_TOT};
constexpr int kVoxAttack[] = {IDC_VOX_ATTACK};
constexpr int kVoxRelease[] = {IDC_VOX_RELEASE};
constexpr int kButtonLong[] = {IDC_BUTTON_LONG};
constexpr int kPowerSave[] = {IDC_POWER_SAVE};
constexpr int kCtcss[] = {IDC_CTCSS_DISABLE, IDC_CTCSS_38, IDC_CTCSS_50};
constexpr int kDcs[] = {IDC_DCS_DISABLE, IDC_DCS_83, IDC_DCS_104};
constexpr int kSelfTone[] = {IDC_SELF_TONE_ON, IDC_SELF_TONE_OFF};
constexpr int kMode[] = {IDC_MODE_PMR, IDC_MODE_LPD, IDC_MODE_GROUP, IDC_MODE_PMR_LPD};
constexpr int kBand[] = {IDC_BAND};
constexpr int kGroup[] = {IDC_GROUP};
constexpr int kSpacing[] = {IDC_SPACING_12K5, IDC_SPACING_25K};

constexpr std::array kTable{
    OptionHelp{
        "Mode Select", kMode,
        VELMAR_WORD("Velmar",
                    "Which channels the radio uses. \"PMR\", \"LPD\" and \"PMR + LPD\" use the radio's own PMR446 "
                    "channels, LPD433 channels or both; \"GRUOP\" (group) uses the eight groups of eight channels "
                    "programmed here, and only it opens the channel edits.")},
    OptionHelp{"Group", kGroup,
               VELMAR_WORD(
                   "Velmar",
                   "The group shown in CH1 to CH8. The radio holds eight groups, A to H, of eight channels each; every "
                   "group is sent, not only the one shown.")},
    OptionHelp{"Channel Spacing", kSpacing,
               VELMAR_WORD("Velmar",
                           "The channel spacing of the group shown, each group its own: \"12.5Khz\" (narrow, as PMR446 "
                           "channels are) or \"25Khz\" (wide, as LPD433 channels are spaced).")},
    OptionHelp{
        "Scan Delay Time", kScanDelay,
        VELMAR_WORD("Velmar",
                    "Scan delay: in the usual radio term, how long a scan stays on a busy channel before it goes on. "
                    "\"OFF\", or 1 to 60 seconds.")},
    OptionHelp{
        "PTT FP", kPttFp,
        VELMAR_WORD("Velmar",
                    "A time for the PTT (push-to-talk) key: \"OFF\", or 5 to 60 seconds. What the radio times with it "
                    "is not documented.")},
    OptionHelp{
        "BCLO", kBclo,
        VELMAR_WORD(
            "Velmar",
            "Busy channel lock-out, in the usual radio term: the radio does not transmit on a channel in use. "
            "\"OFF\", \"CA On\", \"CT On\" or \"DT On\"; what each of the last three judges a channel busy by is "
            "not documented.")},
    OptionHelp{
        "PTT TOT", kPttTot,
        VELMAR_WORD("Velmar",
                    "Transmit time-out timer (TOT): the longest the radio transmits for one press of the PTT key. "
                    "\"OFF\", or 15 to 240 seconds.")},
    OptionHelp{"Vox Attack Time", kVoxAttack,
               VELMAR_WORD(
                   "Velmar",
                   "VOX (voice-operated transmit): how long a voice must be heard before the radio starts to transmit. "
                   "0 to 200 milliseconds.")},
    OptionHelp{
        "Vox Release Time", kVoxRelease,
        VELMAR_WORD(
            "Velmar",
            "VOX (voice-operated transmit): how long the radio goes on transmitting after the voice stops. 0.5 to "
            "2.0 seconds.")},
    OptionHelp{"Button long Time", kButtonLong,
               VELMAR_WORD("Velmar", "How long a key is held to count as a long press: 0.5, 1.0 or 2.0 seconds.")},
    OptionHelp{
        "Power Save Ratio", kPowerSave,
        VELMAR_WORD(
            "Velmar",
            "Battery saving (power save): while the channel is quiet the radio listens only part of the time. "
            "The values are the ratios \"0.0 : 0.0\", \"1.0 : 1.0\", \"1.5 : 1.0\" and \"2.0 : 1.0\"; which side "
            "of a ratio is the sleep is not documented.")},
    OptionHelp{
        "CTCSS Select", kCtcss,
        VELMAR_WORD("Velmar",
                    "CTCSS, the sub-audible tones PMR446 radios call privacy codes: the set of tones the radio offers. "
                    "\"Disable\", codes \"1 - 38\" or codes \"1 - 50\".")},
    OptionHelp{
        "DCS Select", kDcs,
        VELMAR_WORD("Velmar",
                    "DCS (digital coded squelch): the set of codes the radio offers. \"Disable\", codes \"1 - 83\" or "
                    "codes \"1 - 104\".")},
    OptionHelp{"Self Tone Test", kSelfTone,
               VELMAR_WORD("Velmar", "\"On\" or \"Off\". What the radio does with it is not documented.")},
    OptionHelp{
        "Band Select", kBand,
        VELMAR_WORD("Velmar",
                    "\"410Mhz\" to \"490Mhz\", in steps of 10 MHz. What the radio does with this choice is not "
                    "documented, so Velmar does not judge the channels by it; the channels themselves may be anywhere "
                    "from 400 to 500 MHz.")},
};

} // namespace

std::span<const OptionHelp> OptionHelpTable() {
    return kTable;
}

} // namespace velmar::res
