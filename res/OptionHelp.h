#pragma once
// What each of the radio's options is, for its controls' tooltips and Help > Radio Options. Only what is known
// of the radio is said: where what an option does is not known, the text gives its values and says so.

#include "Translate.h"

#include <span>

namespace velmar::res {

struct OptionHelp {
    const char* caption;      // the dialog's own label of the control, as it stands
    std::span<const int> ids; // the controls it explains (a combo, or each radio of a group)
    const char* text;
};

std::span<const OptionHelp> OptionHelpTable();

inline constexpr const char* kMenuRadioOptions = VELMAR_WORD("Velmar", "Radio &Options");
inline constexpr const char* kRadioOptionsTitle = VELMAR_WORD("Velmar", "Radio Options");
inline constexpr const char* kRadioOptionsIntro = VELMAR_WORD(
    "Velmar",
    "What each option of the radio is. The texts in quotes are the dialog's own; the radio stores each choice "
    "as one code.");

} // namespace velmar::res
