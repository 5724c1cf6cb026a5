#include "ChannelCsv.h"

#include <gtest/gtest.h>

namespace velmar {
namespace {

TEST(ChannelCsv, ExportsTheCommonLayoutAndReadsItBack) {
    RadioSettings s;
    s.m_strGroupChannel[0][0] = "446.00625";
    s.m_strGroupChannel[7][7] = "500.00000";
    s.m_nGroupSpacing[7] = 1;
    const std::string csv = ExportChannelsCsv(s);
    EXPECT_EQ(csv, "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,"
                   "DtcsPolarity,Mode,TStep,Skip,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\n"
                   "1,A1,446.006250,,0.000000,,88.5,88.5,023,NN,NFM,6.25,,,,,,\n"
                   "64,H8,500.000000,,0.000000,,88.5,88.5,023,NN,FM,6.25,,,,,,\n");
    CsvImport in;
    std::string error;
    ASSERT_TRUE(ImportChannelsCsv(csv, &in, &error)) << error;
    decltype(in.channels) expected{};
    expected[0][0] = "446.00625";
    expected[7][7] = "500.00000";
    EXPECT_EQ(in.channels, expected);
    EXPECT_EQ(in.taken, 2);
}

TEST(ChannelCsv, ImportsAForeignListAndReportsWhatItRefuses) {
    const std::string csv = "\xEF\xBB\xBF"
                            "Name,Frequency,Comment,LOCATION,Mode,Extra\r\n"             // 1
                            "\"Hill, north\",446.006250,\"said \"\"hi\"\"\",3,NFM,x\r\n" // 2
                            "B2,446.1,,10,FM,\r\n"                                       // 3
                            "bad,abc,,4,,\r\n"                                           // 4
                            "far,520.000000,,5,,\r\n"                                    // 5
                            "\"two\r\nlines\",446.00630,,6,,\r\n"                        // 6 and 7
                            "big,446.0,,70,,\r\n"                                        // 8
                            ",,,,,\r\n"                                                  // 9
                            "empty,,,7,,\r\n"                                            // 10
                            "again,446.10000,,3,,\r\n"                                   // 11
                            "cut,446.00626999,,1,,\r\n"                                  // 12
                            "H8,500,,64,,";                                              // 13
    CsvImport in;
    std::string error;
    ASSERT_TRUE(ImportChannelsCsv(csv, &in, &error)) << error;
    decltype(in.channels) expected{};
    expected[0][0] = expected[0][5] = "446.00625";
    expected[0][2] = expected[1][1] = "446.10000";
    expected[7][7] = "500.00000";
    EXPECT_EQ(in.channels, expected);
    EXPECT_EQ(in.taken, 6);
    EXPECT_EQ(in.refused, (std::vector<std::string>{"line 4: Frequency \"abc\" is not a number",
                                                    "line 5: 520.000000 MHz is outside 400 to 500 MHz",
                                                    "line 8: Location 70 is above 64", "line 10: no frequency"}));
    for (const char* notCsv : {"", "Name,Freq\nA1,446.0\n", "Location,Name\n1,A1\n"}) {
        EXPECT_FALSE(ImportChannelsCsv(notCsv, &in, &error)) << notCsv;
        EXPECT_EQ(error, "not a channel list: no header line with the columns Location and Frequency");
        EXPECT_EQ(in.taken, 6);
    }
}

} // namespace
} // namespace velmar
