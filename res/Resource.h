#pragma once
// Identifiers of the dialog templates, their controls, the icon and the
// strings. The numbers are the program's own and stay fixed: the window code
// finds every control by its id.

namespace velmar {

// Dialog results and the ids the platform gives them.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDC_STATIC = -1; // a label or group box nobody needs to find

inline constexpr int IDD_ABOUTBOX = 100;
inline constexpr int IDS_ABOUTBOX = 101;
inline constexpr int IDD_ORV_DIALOG = 102;
inline constexpr int IDR_MAINFRAME = 128;

// The fixed texts of the program's messages, exactly as the radio's operators know them.
inline constexpr int IDS_PORT_OFEN_FAIL = 200;
inline constexpr int IDS_BUFF_FULL = 201;
inline constexpr int IDS_WATCH_NOT_STARTED = 202; // followed by the port's name
inline constexpr int IDS_PLEASE_INPUT_INTEGER = 203;
inline constexpr int IDS_ALREADY_PORT_OPEN = 204;
inline constexpr int IDS_COM1_PORT_OPEN = 205;
inline constexpr int IDS_COM1_PORT_CLOSE = 206;
// Added to the window menu; low four bits clear and below 0xF000 like every
// application command of a system menu.
inline constexpr int IDM_ABOUTBOX = 0x0010;

inline constexpr int IDC_SEND = 1002;
inline constexpr int IDC_CONNECT = 1003;
inline constexpr int IDC_DISCONNECT = 1004;
inline constexpr int IDC_CH1 = 1019; // CH1..CH8 are 1019..1026
inline constexpr int IDC_CH8 = 1026;
inline constexpr int IDC_GROUP = 1027;
inline constexpr int IDC_SPACING_12K5 = 1029;
inline constexpr int IDC_SPACING_25K = 1030;
inline constexpr int IDC_SCAN_DELAY = 1033;
inline constexpr int IDC_PTT_FP = 1034;
inline constexpr int IDC_BCLO = 1035;
inline constexpr int IDC_PTT_TOT = 1036;
inline constexpr int IDC_VOX_ATTACK = 1038;
inline constexpr int IDC_BAND = 1039;
inline constexpr int IDC_VOX_RELEASE = 1040;
inline constexpr int IDC_BUTTON_LONG = 1041;
inline constexpr int IDC_POWER_SAVE = 1042;
inline constexpr int IDC_CTCSS_DISABLE = 1043;
inline constexpr int IDC_SELF_TONE_ON = 1044;
inline constexpr int IDC_SELF_TONE_OFF = 1045;
inline constexpr int IDC_MODE_PMR = 1046;
inline constexpr int IDC_MODE_LPD = 1047;
inline constexpr int IDC_MODE_GROUP = 1048;
inline constexpr int IDC_MODE_PMR_LPD = 1049;
inline constexpr int IDC_GROUP_LABEL = 1050;
inline constexpr int IDC_CH1_LABEL = 1051;
inline constexpr int IDC_CH2_LABEL = 1052;
inline constexpr int IDC_CTCSS_38 = 1053;
inline constexpr int IDC_CH3_LABEL = 1054;
inline constexpr int IDC_CTCSS_50 = 1055;
inline constexpr int IDC_DCS_DISABLE = 1056;
inline constexpr int IDC_DCS_83 = 1057;
inline constexpr int IDC_DCS_104 = 1058;
inline constexpr int IDC_CH4_LABEL = 1059;
inline constexpr int IDC_CH5_LABEL = 1060;
inline constexpr int IDC_CH6_LABEL = 1061;
inline constexpr int IDC_CH7_LABEL = 1062;
inline constexpr int IDC_CH8_LABEL = 1063;
inline constexpr int IDC_BAND_LABEL = 1064;

// The channel labels are not numbered in a row; index c is CH(c+1).
inline constexpr int kChannelLabelIds[8] = {IDC_CH1_LABEL, IDC_CH2_LABEL, IDC_CH3_LABEL, IDC_CH4_LABEL,
                                            IDC_CH5_LABEL, IDC_CH6_LABEL, IDC_CH7_LABEL, IDC_CH8_LABEL};

} // namespace velmar
