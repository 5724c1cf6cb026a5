#include "CodeTables.h"

namespace velmar {

int HexDigitValue(char ch) {
    if (ch >= '0' && ch <= '9') {
        return ch - '0';
    }
    if (ch >= 'a' && ch <= 'f') {
        return ch - 'a' + 10;
    }
    if (ch >= 'A' && ch <= 'F') {
        return ch - 'A' + 10;
    }
    return -1;
}

std::string CodeFromIndex(int index) {
    // Decimal digits, not hex: the radio reads index 10 as the byte 0x10.
    static constexpr std::array<const char*, 13> kCodes{"00", "01", "02", "03", "04", "05", "06",
                                                        "07", "08", "09", "10", "11", "12"};
    const auto i = static_cast<unsigned>(index);
    return i < kCodes.size() ? kCodes[i] : "00";
}

std::string CodeFromButtonLong(int index) {
    switch (index) {
    case 0:
        return "08";
    case 1:
        return "10";
    case 2:
        return "1f";
    default:
        return {};
    }
}

std::string CodeFromBclo(std::string_view text) {
    static constexpr std::array<const char*, 4> kCodes{"00", "01", "02", "03"};
    for (std::size_t i = 0; i < kBcloItems.size(); ++i) {
        if (text == kBcloItems[i]) {
            return kCodes[i];
        }
    }
    return {};
}

} // namespace velmar
