#include "RadioOptions.h"

#include <gtest/gtest.h>

namespace velmar::radio {
namespace {

ParsedOptions Parse(std::vector<std::string_view> args) {
    return ParseOptions(args);
}

TEST(RadioOptions, ReplyBytes) {
    EXPECT_EQ(ParseHexBytes("06"), (std::vector<std::uint8_t>{0x06}));
    EXPECT_EQ(ParseHexBytes("4F 4B"), (std::vector<std::uint8_t>{0x4F, 0x4B}));
    EXPECT_EQ(ParseHexBytes("4f4b"), (std::vector<std::uint8_t>{0x4F, 0x4B}));
    EXPECT_EQ(ParseHexBytes(" ff\t00 "), (std::vector<std::uint8_t>{0xFF, 0x00}));
    for (const char* bad : {"", "  ", "6", "4F4", "4 F", "0x06", "zz"}) {
        EXPECT_FALSE(ParseHexBytes(bad).has_value()) << '"' << bad << '"';
    }
}

TEST(RadioOptions, CommandLine) {
    const ParsedOptions p =
        Parse({"--json", "--link", "/tmp/com1", "--reply", "06", "--count", "3", "--silence", "300"});
    ASSERT_TRUE(p.error.empty()) << p.error;
    EXPECT_TRUE(p.options.json);
    EXPECT_EQ(p.options.link, "/tmp/com1");
    EXPECT_EQ(p.options.reply, std::vector<std::uint8_t>{0x06});
    EXPECT_EQ(p.options.count, 3);
    EXPECT_EQ(p.options.silence, std::chrono::milliseconds(300));

    const ParsedOptions none = Parse({});
    EXPECT_TRUE(none.error.empty());
    EXPECT_FALSE(none.options.json);
    EXPECT_EQ(none.options.count, 0);
    EXPECT_EQ(none.options.silence, kDefaultSilence);

    EXPECT_TRUE(Parse({"--help"}).options.help);
    // A silence no longer than the 120 ms pause inside a frame would cut every frame.
    for (const std::vector<std::string_view>& bad : std::vector<std::vector<std::string_view>>{{"--count", "0"},
                                                                                               {"--count", "x"},
                                                                                               {"--count"},
                                                                                               {"--silence", "120"},
                                                                                               {"--silence", "2000"},
                                                                                               {"--reply", "4"},
                                                                                               {"--link", ""},
                                                                                               {"--verbose"}}) {
        EXPECT_FALSE(Parse(bad).error.empty()) << bad.front();
    }
}

} // namespace
} // namespace velmar::radio
