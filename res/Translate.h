#pragma once
// Velmar's own words are written in English in the code and shown in the person's language: each is marked
// here for Qt's lupdate (scripts/update-translations gathers them into translations/velmar_LANG.ts), and the
// window puts in a translator that looks each up in the translation loaded for the user's locale. The texts the
// original dialog fixes (its captions, "Port Ofen Fail") are not marked: they stay as the radio's users know them.
// Sentences are whole, with numbered placeholders (%1, %2) that a translation may put in any order.

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// A word of context `scope`, as lupdate's QT_TRANSLATE_NOOP: the text itself, looked up where it is shown.
#define VELMAR_WORD(scope, text) text
// A sentence with a count, as lupdate's QT_TRANSLATE_N_NOOP3: `plural` holds %n (or %Ln) and is the text looked
// up, `singular` is its English form for one (and tells the two apart).
#define VELMAR_WORDS(scope, plural, singular) plural, singular

namespace velmar::res {

// The context of every marked word.
inline constexpr const char* kWordContext = "Velmar";

// What the window puts in: the translation of `source` (with %n made from n when n >= 0), or "" when the
// loaded translation has none. Numbers and dates in the locale's form.
struct Language {
    std::string (*translate)(const char* source, const char* disambiguation, int n) = nullptr;
    std::string (*number)(long long value) = nullptr;
    // A decimal with `decimals` digits after the locale's own separator.
    std::string (*decimal)(double value, int decimals) = nullptr;
    // A local date and time as the locale writes it short; "" to keep 2026-12-07 14:02.
    std::string (*dateTime)(int year, int month, int day, int hour, int minute) = nullptr;
};
void SetLanguage(const Language& language);

// A marked word or sentence in the person's language; English as written when there is no translation.
std::string Tr(const char* source);
// A marked sentence in the person's language with its placeholders filled: Arg(Tr(source), args).
std::string TrArg(const char* source, std::initializer_list<std::string_view> args);
// A sentence with a count: VELMAR_WORDS("Velmar", "%Ln channels", "%Ln channel") passed as its two texts.
std::string TrN(const char* plural, const char* singular, long long n);
// `text` with %1 to %9 replaced by `args`, in the order of their numbers wherever the translation puts them.
std::string Arg(std::string_view text, std::initializer_list<std::string_view> args);
std::string ArgList(std::string_view text, const std::vector<std::string>& args);
// A count in the locale's form ("1.234" in German), a decimal ("2,5") and a date with its time.
std::string Number(long long value);
std::string Decimal(double value, int decimals);
std::string DateTime(int year, int month, int day, int hour, int minute);

} // namespace velmar::res
