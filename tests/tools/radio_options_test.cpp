#include "RadioOptions.h"

#include <gtest/gtest.h>

namespace velmar::radio {
namespace {

using Args = std::vector<std::string_view>;

// What the program does with a well-formed command line is shown by running it.
TEST(RadioOptions, ReplyBytesAndMistakes) {
    EXPECT_EQ(ParseHexBytes("4f4B"), (std::vector<std::uint8_t>{0x4F, 0x4B}));
    EXPECT_EQ(ParseHexBytes(" ff\t00 "), (std::vector<std::uint8_t>{0xFF, 0x00}));
    for (const char* bad : {"", "  ", "6", "4F4", "4 F", "0x06", "zz"}) {
        EXPECT_FALSE(ParseHexBytes(bad).has_value()) << '"' << bad << '"';
    }
    EXPECT_TRUE(ParseOptions(Args{"--silence", "150", "--count", "1"}).error.empty());
    // A silence no longer than the 120 ms pause inside a frame would cut every frame.
    for (const Args& bad : {Args{"--count", "0"}, Args{"--count", "x"}, Args{"--count"}, Args{"--silence", "120"},
                            Args{"--silence", "2000"}, Args{"--reply", "4"}, Args{"--link", ""}, Args{"--verbose"}}) {
        EXPECT_FALSE(ParseOptions(bad).error.empty()) << bad.front();
    }
}

} // namespace
} // namespace velmar::radio
