// The dialog templates, the string table and the icon of the program.

#include "DialogTemplate.h"
#include "Resource.h"

#include "CodeTables.h"

#include <array>

namespace velmar::res {
namespace {

// Statics in the main template that label a control.
constexpr ControlTemplate Label(std::string_view text, Rect r, int labelFor = kNoId, int id = kNoId) {
    return {.id = id, .kind = Kind::Static, .text = text, .rect = r, .style = 0, .labelFor = labelFor};
}

constexpr ControlTemplate Radio(int id, std::string_view text, Rect r, std::uint32_t style = 0) {
    return {.id = id, .kind = Kind::RadioButton, .text = text, .rect = r, .style = style};
}

constexpr ControlTemplate Combo(int id, Rect r, std::span<const std::string_view> items, std::uint32_t style = 0) {
    return {
        .id = id, .kind = Kind::ComboBox, .text = {}, .rect = r, .style = style | kVScroll | kTabStop, .items = items};
}

constexpr ControlTemplate Edit(int id, int x, int y) {
    return {.id = id,
            .kind = Kind::Edit,
            .text = {},
            .rect = {x, y, 69, 14},
            .style = kBorder | kRightAlign | kAutoHScroll | kTabStop};
}

constexpr ControlTemplate Box(std::string_view title, Rect r) {
    return {.id = kNoId, .kind = Kind::GroupBox, .text = title, .rect = r};
}

constexpr std::array kOrvControls{
    ControlTemplate{.id = IDC_CONNECT,
                    .kind = Kind::PushButton,
                    .text = "Connect",
                    .rect = {137, 279, 50, 14},
                    .style = kDefaultButton | kTabStop},
    ControlTemplate{.id = IDC_DISCONNECT,
                    .kind = Kind::PushButton,
                    .text = "Disconnect",
                    .rect = {192, 279, 50, 14},
                    .style = kTabStop},
    ControlTemplate{
        .id = IDC_SEND, .kind = Kind::PushButton, .text = "Send", .rect = {246, 279, 50, 14}, .style = kTabStop},
    Radio(IDC_SPACING_12K5, kSpacingItems[0], {23, 65, 51, 12}, kGroup),
    Radio(IDC_SPACING_25K, kSpacingItems[1], {23, 81, 51, 12}),
    Combo(IDC_GROUP, {40, 31, 53, 99}, kGroupItems, kSorted),
    Edit(IDC_CH1 + 0, 125, 31),
    Edit(IDC_CH1 + 1, 225, 31),
    Edit(IDC_CH1 + 2, 125, 49),
    Edit(IDC_CH1 + 3, 225, 49),
    Edit(IDC_CH1 + 4, 125, 67),
    Edit(IDC_CH1 + 5, 225, 67),
    Edit(IDC_CH1 + 6, 125, 86),
    Edit(IDC_CH1 + 7, 225, 86),
    Combo(IDC_SCAN_DELAY, {21, 127, 57, 97}, kScanDelayItems),
    Combo(IDC_PTT_FP, {92, 127, 57, 103}, kPttFpItems),
    Combo(IDC_BCLO, {164, 127, 57, 103}, kBcloItems),
    Combo(IDC_PTT_TOT, {235, 127, 57, 103}, kPttTotItems),
    Combo(IDC_VOX_ATTACK, {21, 167, 57, 63}, kVoxAttackItems),
    Combo(IDC_VOX_RELEASE, {92, 167, 57, 71}, kVoxReleaseItems, kSorted),
    Combo(IDC_BUTTON_LONG, {164, 167, 57, 72}, kButtonLongItems, kSorted),
    Combo(IDC_POWER_SAVE, {235, 167, 57, 71}, kPowerSaveItems, kSorted),
    Radio(IDC_CTCSS_DISABLE, kCtcssItems[0], {23, 207, 37, 12}, kGroup),
    Radio(IDC_CTCSS_38, kCtcssItems[1], {66, 207, 37, 12}),
    Radio(IDC_CTCSS_50, kCtcssItems[2], {109, 207, 37, 12}),
    Radio(IDC_DCS_DISABLE, kDcsItems[0], {170, 207, 37, 12}, kGroup),
    Radio(IDC_DCS_83, kDcsItems[1], {213, 207, 37, 12}),
    Radio(IDC_DCS_104, kDcsItems[2], {256, 207, 37, 12}),
    Radio(IDC_SELF_TONE_ON, kSelfToneItems[0], {29, 251, 31, 11}, kGroup),
    Radio(IDC_SELF_TONE_OFF, kSelfToneItems[1], {74, 251, 31, 11}),
    Radio(IDC_MODE_PMR, kModeItems[0], {125, 251, 31, 11}, kGroup),
    Radio(IDC_MODE_LPD, kModeItems[1], {162, 251, 31, 11}),
    Radio(IDC_MODE_GROUP, kModeItems[2], {200, 251, 35, 11}),
    Radio(IDC_MODE_PMR_LPD, kModeItems[3], {241, 251, 49, 11}),
    Combo(IDC_BAND, {67, 279, 57, 63}, kBandItems),

    Label("Program Channel Frequency Setting", {16, 13, 118, 9}),
    Label("6.25Khz Step", {138, 13, 48, 10}),
    Label("400.00000Mhz - 500.00000Mhz", {193, 13, 97, 9}),
    Box(kSpacingList.label, {16, 51, 77, 46}),
    Label(kGroupList.label, {14, 33, 25, 8}, IDC_GROUP, IDC_GROUP_LABEL),
    Label("CH1", {100, 35, 20, 8}, IDC_CH1 + 0, IDC_CH1_LABEL),
    Label("CH2", {202, 33, 20, 8}, IDC_CH1 + 1, IDC_CH2_LABEL),
    Label("CH3", {100, 53, 20, 8}, IDC_CH1 + 2, IDC_CH3_LABEL),
    Label("CH4", {202, 51, 20, 8}, IDC_CH1 + 3, IDC_CH4_LABEL),
    Label("CH5", {100, 71, 20, 8}, IDC_CH1 + 4, IDC_CH5_LABEL),
    Label("CH6", {202, 69, 20, 8}, IDC_CH1 + 5, IDC_CH6_LABEL),
    Label("CH7", {100, 90, 20, 8}, IDC_CH1 + 6, IDC_CH7_LABEL),
    Label("CH8", {202, 88, 20, 8}, IDC_CH1 + 7, IDC_CH8_LABEL),
    Label(kScanDelayList.label, {20, 113, 57, 10}, IDC_SCAN_DELAY),
    Label(kPttFpList.label, {91, 113, 57, 10}, IDC_PTT_FP),
    Label(kBcloList.label, {165, 111, 57, 10}, IDC_BCLO),
    Label(kPttTotList.label, {235, 113, 57, 10}, IDC_PTT_TOT),
    Label(kVoxAttackList.label, {20, 153, 57, 10}, IDC_VOX_ATTACK),
    Label(kVoxReleaseList.label, {91, 153, 60, 10}, IDC_VOX_RELEASE),
    Label(kButtonLongList.label, {163, 153, 57, 10}, IDC_BUTTON_LONG),
    Label(kPowerSaveList.label, {235, 153, 57, 10}, IDC_POWER_SAVE),
    Box(kCtcssList.label, {20, 191, 135, 38}),
    Box(kDcsList.label, {164, 191, 133, 38}),
    Box(kSelfToneList.label, {20, 236, 96, 33}),
    Box(kModeList.label, {119, 236, 178, 33}),
    Label(kBandList.label, {20, 281, 43, 10}, IDC_BAND, IDC_BAND_LABEL),
};

constexpr DialogTemplate kOrvDialog{
    .id = IDD_ORV_DIALOG,
    .caption = "Velmar",
    .rect = {0, 0, 315, 310},
    .style = kPopup | kVisible | kCaption | kSysMenu | kModalFrame | kSetFont | kAppWindow,
    .fontFace = "Gulim",
    .pointSize = 9,
    .controls = kOrvControls,
};

constexpr std::array kAboutControls{
    ControlTemplate{.id = IDC_STATIC,
                    .kind = Kind::Icon,
                    .text = {},
                    .rect = {11, 17, 20, 20},
                    .style = 0,
                    .items = {},
                    .labelFor = kNoId,
                    .image = IDR_MAINFRAME},
    ControlTemplate{.id = IDC_STATIC,
                    .kind = Kind::Static,
                    .text = "Velmar Program Version 2.2",
                    .rect = {40, 10, 119, 8},
                    .style = kNoPrefix | kGroup},
    ControlTemplate{.id = IDOK,
                    .kind = Kind::PushButton,
                    .text = "확인",
                    .rect = {178, 7, 50, 14},
                    .style = kDefaultButton | kGroup | kTabStop},
};

constexpr DialogTemplate kAboutDialog{
    .id = IDD_ABOUTBOX,
    .caption = "Velmar Program About",
    .rect = {0, 0, 235, 55},
    .style = kPopup | kCaption | kSysMenu | kModalFrame | kSetFont,
    .fontFace = "굴림",
    .pointSize = 9,
    .controls = kAboutControls,
};

// A hand-held radio: antenna, dark body, green display, speaker slots, keys.
constexpr std::array<PaletteEntry, 8> kIconPalette{{
    {'.', 0x00000000}, // transparent
    {'k', 0xff000000}, // black
    {'d', 0xff808080}, // dark grey
    {'s', 0xffc0c0c0}, // light grey
    {'g', 0xff00ff00}, // green
    {'G', 0xff008000}, // dark green
    {'r', 0xffff0000}, // red
    {'w', 0xffffffff}, // white
}};

constexpr std::array<std::string_view, 32> kIcon32{
    ".........kk.....................", //
    ".........kk.....................", //
    ".........kk.....................", //
    ".........kk.....................", //
    ".........kk.....................", //
    ".........kk.....................", //
    ".........kk.....................", //
    ".........kk......rr.............", //
    ".......kkkkkkkkkkkkkkkkkk.......", //
    "......kddddddddddddddddddk......", //
    "......kdssssssssssssssssdk......", //
    "......kdskkkkkkkkkkkkkksdk......", //
    "......kdskgggggggggggGksdk......", //
    "......kdskgGGgGGgggggGksdk......", //
    "......kdskgggggggggggGksdk......", //
    "......kdskkkkkkkkkkkkkksdk......", //
    "......kdssssssssssssssssdk......", //
    "......kdskkkkkkkkkkkkkksdk......", //
    "......kdssssssssssssssssdk......", //
    "......kdskkkkkkkkkkkkkksdk......", //
    "......kdssssssssssssssssdk......", //
    "......kdswwkswwkswwkswwkdk......", //
    "......kdsddksddksddksddkdk......", //
    "......kdssssssssssssssssdk......", //
    "......kdswwkswwkswwkswwkdk......", //
    "......kdsddksddksddksddkdk......", //
    "......kdssssssssssssssssdk......", //
    "......kdswwkswwkswwkswwkdk......", //
    "......kdsddksddksddksddkdk......", //
    "......kdssssssssssssssssdk......", //
    "......kddddddddddddddddddk......", //
    ".......kkkkkkkkkkkkkkkkkk.......", //
};

constexpr std::array<std::string_view, 16> kIcon16{
    "....k...........", //
    "....k...........", //
    "....k.....r.....", //
    "...kkkkkkkkkk...", //
    "...kddddddddk...", //
    "...kdkkkkkkdk...", //
    "...kdkgggGkdk...", //
    "...kdkkkkkkdk...", //
    "...kdssssssdk...", //
    "...kdkkkkkkdk...", //
    "...kdssssssdk...", //
    "...kdwkwkwkdk...", //
    "...kdssssssdk...", //
    "...kdwkwkwkdk...", //
    "...kddddddddk...", //
    "...kkkkkkkkkk...", //
};

constexpr std::array kIconImages{IconImage{32, kIcon32}, IconImage{16, kIcon16}};

constexpr IconResource kMainIcon{.id = IDR_MAINFRAME, .palette = kIconPalette, .images = kIconImages};

} // namespace

const DialogTemplate* FindDialog(int id) {
    switch (id) {
    case IDD_ORV_DIALOG:
        return &kOrvDialog;
    case IDD_ABOUTBOX:
        return &kAboutDialog;
    default:
        return nullptr;
    }
}

std::string_view LoadString(int id) {
    switch (id) {
    case IDS_ABOUTBOX:
        return "Velmar Program About(&A)...";
    case IDS_PORT_OFEN_FAIL:
        return "Port Ofen Fail";
    case IDS_BUFF_FULL:
        return "buff full";
    case IDS_WATCH_NOT_STARTED:
        return "Error while creating ThreadWatchComm, ";
    case IDS_PLEASE_INPUT_INTEGER:
        return "Please Input Integer";
    case IDS_ALREADY_PORT_OPEN:
        return "Already Port open";
    case IDS_COM1_PORT_OPEN:
        return "COM1 Port Open";
    case IDS_COM1_PORT_CLOSE:
        return "COM1 Port Close";
    default:
        return {};
    }
}

const IconResource* FindIcon(int id) {
    return id == IDR_MAINFRAME ? &kMainIcon : nullptr;
}

} // namespace velmar::res
