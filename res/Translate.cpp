#include "Translate.h"

#include <cstdio>

namespace velmar::res {

namespace {

Language& Current() {
    static Language language;
    return language;
}

std::string Replace(std::string text, std::string_view mark, const std::string& with) {
    for (std::size_t at = text.find(mark); at != std::string::npos; at = text.find(mark, at + with.size())) {
        text.replace(at, mark.size(), with);
    }
    return text;
}

} // namespace

void SetLanguage(const Language& language) {
    Current() = language;
}

std::string Tr(const char* source) {
    if (Current().translate != nullptr) {
        if (std::string t = Current().translate(source, nullptr, -1); !t.empty()) {
            return t;
        }
    }
    return source;
}

std::string TrArg(const char* source, std::initializer_list<std::string_view> args) {
    return Arg(Tr(source), args);
}

std::string TrN(const char* plural, const char* singular, long long n) {
    if (Current().translate != nullptr) {
        if (std::string t = Current().translate(plural, singular, static_cast<int>(n)); !t.empty()) {
            return t;
        }
    }
    const std::string count = Number(n);
    return Replace(Replace(n == 1 ? singular : plural, "%Ln", count), "%n", std::to_string(n));
}

std::string Arg(std::string_view text, std::initializer_list<std::string_view> args) {
    return ArgList(text, std::vector<std::string>(args.begin(), args.end()));
}

std::string ArgList(std::string_view text, const std::vector<std::string>& values) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        if (text[i] == '%' && next >= '1' && next <= '9' && static_cast<std::size_t>(next - '1') < values.size()) {
            out += values[static_cast<std::size_t>(next - '1')];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string Number(long long value) {
    return Current().number != nullptr ? Current().number(value) : std::to_string(value);
}

std::string Decimal(double value, int decimals) {
    if (Current().decimal != nullptr) {
        return Current().decimal(value, decimals);
    }
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::string DateTime(int year, int month, int day, int hour, int minute) {
    if (Current().dateTime != nullptr) {
        if (std::string t = Current().dateTime(year, month, day, hour, minute); !t.empty()) {
            return t;
        }
    }
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", year, month, day, hour, minute);
    return text;
}

} // namespace velmar::res
