#include "CodeTables.h"

#include <gtest/gtest.h>

namespace velmar {
namespace {

TEST(CodeTables, IndexCodesAreDecimalDigitsAndUnknownIndicesGiveZero) {
    const std::pair<int, const char*> cases[] = {
        {0, "00"},  {1, "01"},  {8, "08"},  {9, "09"},   {10, "10"},        {11, "11"},
        {12, "12"}, {13, "00"}, {-1, "00"}, {100, "00"}, {INT32_MIN, "00"},
    };
    for (const auto& [index, code] : cases) {
        EXPECT_EQ(CodeFromIndex(index), code) << "index " << index;
    }
}

TEST(CodeTables, ButtonLongAndBcloMatchTheirRowsOnly) {
    EXPECT_EQ(CodeFromButtonLong(0), "08");
    EXPECT_EQ(CodeFromButtonLong(1), "10");
    EXPECT_EQ(CodeFromButtonLong(2), "1f");
    EXPECT_EQ(CodeFromButtonLong(3), "");

    EXPECT_EQ(CodeFromBclo("OFF"), "00");
    EXPECT_EQ(CodeFromBclo("CA On"), "01");
    EXPECT_EQ(CodeFromBclo("CT On"), "02");
    EXPECT_EQ(CodeFromBclo("DT On"), "03");
    EXPECT_EQ(CodeFromBclo("ca on"), "");
    EXPECT_EQ(CodeFromBclo("CA On "), "");
}

} // namespace
} // namespace velmar
