#include "HexText.h"

namespace velmar {

std::string HexDigits(std::uint8_t byte) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    return {kDigits[byte >> 4], kDigits[byte & 0x0F]};
}

std::string HexValue(std::uint8_t byte) {
    return "0x" + HexDigits(byte);
}

std::string HexRun(std::span<const std::uint8_t> bytes) {
    std::string text;
    text.reserve(3 * bytes.size());
    for (const std::uint8_t b : bytes) {
        text += (text.empty() ? "" : " ") + HexDigits(b);
    }
    return text;
}

} // namespace velmar
