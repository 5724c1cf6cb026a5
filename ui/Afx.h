#pragma once
// The handful of platform words the dialog code speaks: message and
// notification codes, message-box types and answers.

#include <cstdint>

namespace velmar {

using UINT = unsigned int;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

// Notifications a control sends to its dialog.
inline constexpr UINT BN_CLICKED = 0;        // a button or radio was clicked (also when already checked)
inline constexpr UINT CBN_SELCHANGE = 1;     // the operator chose a combo item
inline constexpr UINT EN_CHANGE = 0x0300;    // an edit's text changed; the dialog's own changes come during an exchange
inline constexpr UINT EN_KILLFOCUS = 0x0200; // the operator left an edit whose text changed (Tab, a click, Enter)
inline constexpr UINT WM_USER = 0x0400;      // first message number of the program's own
inline constexpr UINT SC_CLOSE = 0xF060;     // window menu: Close
inline constexpr UINT MF_STRING = 0x0000;    // window menu entry kinds
inline constexpr UINT MF_SEPARATOR = 0x0800;

// Message-box types (buttons) and answers.
inline constexpr UINT MB_OK = 0x00;
inline constexpr UINT MB_OKCANCEL = 0x01;
inline constexpr UINT MB_SAVEDISCARDCANCEL = 0x08; // Save (IDYES), Discard (IDNO), Cancel (IDCANCEL)
inline constexpr UINT MB_REPLACECANCEL = 0x09;     // Replace (IDOK), Cancel (IDCANCEL)
inline constexpr UINT MB_IMPORTCANCEL = 0x0A;      // Import (IDOK), Cancel (IDCANCEL)
inline constexpr UINT MB_RESTOREDISCARD = 0x0B;    // Restore (IDYES), Discard (IDNO), Later (IDCANCEL)
inline constexpr UINT MB_OVERWRITESAVEAS = 0x0C;   // Overwrite (IDYES), Save As (IDNO), Cancel (IDCANCEL)
inline constexpr UINT MB_IMPORTWAY = 0x0D;         // Merge (IDYES), Replace all channels (IDNO), Cancel (IDCANCEL)
// With any of the above: the text sends the reader to its detail, which stays behind "Show Details".
inline constexpr UINT MB_DETAILS = 0x1000;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

} // namespace velmar
