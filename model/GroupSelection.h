#pragma once
// The group, spacing and mode handling of the settings, on the record alone: which group the eight edits show,
// which spacing the radios show, and what a spacing click does to the group.

#include "RadioSettings.h"

namespace velmar {

// The current group's codes become empty.
void ClearGroupCodes(RadioSettings& s);
// The current group's stored texts become empty.
void ClearGroupChannels(RadioSettings& s);
// The edits take the current group's stored texts.
void LoadGroupChannels(RadioSettings& s);
// The current group's stored spacing, 0 (12.5 kHz) for anything but 0 or 1.
int GroupSpacing(const RadioSettings& s);

// A click on either spacing radio (m_nSpacing is the one now checked): the current group's edits, stored texts
// and codes go together, so the group never shows a frequency that Send would send as none, and the group
// keeps the spacing clicked.
void ClickSpacing(RadioSettings& s);

} // namespace velmar
