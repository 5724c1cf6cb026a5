#pragma once
// Just enough of a JSON reader to check the shape of velmar-radio's output:
// a malformed text yields no value, so a test also catches broken syntax.

#include <cctype>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace velmar::radio::test {

struct Json {
    enum class Kind { Null, Bool, Number, String, Array, Object };
    Kind kind = Kind::Null;
    bool boolean = false;
    double number = 0;
    std::string text;
    std::vector<Json> items;
    std::vector<std::pair<std::string, Json>> members;

    [[nodiscard]] const Json* Find(std::string_view key) const {
        for (const auto& [k, v] : members) {
            if (k == key) {
                return &v;
            }
        }
        return nullptr;
    }
    // The member, or a null value when there is none.
    [[nodiscard]] const Json& operator[](std::string_view key) const {
        static const Json kNone;
        const Json* v = Find(key);
        return v != nullptr ? *v : kNone;
    }
    [[nodiscard]] const Json& operator[](std::size_t i) const { return items.at(i); }
};

class JsonReader {
public:
    static std::optional<Json> Parse(std::string_view text) {
        JsonReader r(text);
        std::optional<Json> v = r.Value();
        r.Blanks();
        if (!v || r.m_pos != text.size()) {
            return std::nullopt;
        }
        return v;
    }

private:
    explicit JsonReader(std::string_view text) : m_text(text) {}

    void Blanks() {
        while (m_pos < m_text.size() && std::isspace(static_cast<unsigned char>(m_text[m_pos])) != 0) {
            ++m_pos;
        }
    }
    bool Eat(char ch) {
        Blanks();
        if (m_pos < m_text.size() && m_text[m_pos] == ch) {
            ++m_pos;
            return true;
        }
        return false;
    }
    bool Word(std::string_view w) {
        if (m_text.substr(m_pos, w.size()) == w) {
            m_pos += w.size();
            return true;
        }
        return false;
    }
    std::optional<std::string> String() {
        if (!Eat('"')) {
            return std::nullopt;
        }
        std::string s;
        while (m_pos < m_text.size()) {
            const char ch = m_text[m_pos++];
            if (ch == '"') {
                return s;
            }
            if (static_cast<unsigned char>(ch) < 0x20) {
                return std::nullopt;
            }
            if (ch != '\\') {
                s += ch;
                continue;
            }
            if (m_pos >= m_text.size()) {
                return std::nullopt;
            }
            const char esc = m_text[m_pos++];
            if (esc == 'u') {
                if (m_pos + 4 > m_text.size()) {
                    return std::nullopt;
                }
                s += static_cast<char>(std::strtol(std::string(m_text.substr(m_pos, 4)).c_str(), nullptr, 16));
                m_pos += 4;
            } else if (esc == '"' || esc == '\\' || esc == '/') {
                s += esc;
            } else if (esc == 'n') {
                s += '\n';
            } else {
                return std::nullopt;
            }
        }
        return std::nullopt;
    }
    std::optional<Json> Value() {
        Blanks();
        if (m_pos >= m_text.size()) {
            return std::nullopt;
        }
        Json v;
        const char ch = m_text[m_pos];
        if (ch == '{') {
            v.kind = Json::Kind::Object;
            ++m_pos;
            if (Eat('}')) {
                return v;
            }
            do {
                auto key = String();
                if (!key || !Eat(':')) {
                    return std::nullopt;
                }
                auto member = Value();
                if (!member) {
                    return std::nullopt;
                }
                v.members.emplace_back(std::move(*key), std::move(*member));
            } while (Eat(','));
            return Eat('}') ? std::optional<Json>(v) : std::nullopt;
        }
        if (ch == '[') {
            v.kind = Json::Kind::Array;
            ++m_pos;
            if (Eat(']')) {
                return v;
            }
            do {
                auto item = Value();
                if (!item) {
                    return std::nullopt;
                }
                v.items.push_back(std::move(*item));
            } while (Eat(','));
            return Eat(']') ? std::optional<Json>(v) : std::nullopt;
        }
        if (ch == '"') {
            auto s = String();
            if (!s) {
                return std::nullopt;
            }
            v.kind = Json::Kind::String;
            v.text = std::move(*s);
            return v;
        }
        if (Word("null")) {
            return v;
        }
        if (Word("true") || Word("false")) {
            v.kind = Json::Kind::Bool;
            v.boolean = m_text[m_pos - 1] == 'e' && m_text[m_pos - 2] == 'u'; // "true", not "false"
            return v;
        }
        char* end = nullptr;
        const std::string rest(m_text.substr(m_pos, 32));
        v.number = std::strtod(rest.c_str(), &end);
        const auto used = static_cast<std::size_t>(end - rest.c_str());
        if (used == 0 || (ch != '-' && std::isdigit(static_cast<unsigned char>(ch)) == 0)) {
            return std::nullopt;
        }
        v.kind = Json::Kind::Number;
        m_pos += used;
        return v;
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
};

} // namespace velmar::radio::test
