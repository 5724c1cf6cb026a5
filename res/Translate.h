#pragma once
// Velmar's own words are written in English in the code and shown in the person's language: each is marked
// here for Qt's lupdate (scripts/update-translations gathers them into translations/velmar_LANG.ts), and the
// window looks each up in the translation loaded for the user's locale. The texts the original dialog fixes
// (its captions, "Port Ofen Fail") are not marked: they stay as the radio's users know them.

// A word of context `scope`, as lupdate's QT_TRANSLATE_NOOP: the text itself, looked up where it is shown.
#define VELMAR_WORD(scope, text) text

namespace velmar::res {

// The context of every marked word.
inline constexpr const char* kWordContext = "Velmar";

} // namespace velmar::res
