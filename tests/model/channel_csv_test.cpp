#include "ChannelCsv.h"
#include "ProgrammingFrame.h"
#include "SettingFile.h"
#include "file_test_support.h"

#include <gtest/gtest.h>

#include <tuple>

namespace velmar {
namespace {

// A note as "line kind value other", for comparing whole reports at once.
std::vector<std::string> Said(const CsvImport& in) {
    std::vector<std::string> said;
    for (const CsvNote& n : in.notes) {
        said.push_back(std::to_string(n.line) + " " + std::to_string(static_cast<int>(n.kind)) + " " + n.value + " " +
                       n.other + (n.otherLine > 0 ? std::to_string(n.otherLine) : "") +
                       (n.otherChannel >= 0 ? std::to_string(n.otherChannel) : ""));
    }
    return said;
}

std::string K(CsvNoteKind kind) {
    return std::to_string(static_cast<int>(kind));
}

TEST(ChannelCsv, ExportThenImportIntoABlankSettingGivesTheSameFrame) {
    RadioSettings s;
    s.m_strGroupChannel[0][0] = "446.00625";
    s.m_strGroupChannel[7][7] = "500.00000";
    s.m_nGroupSpacing[7] = 1;
    s.m_strGroupName[0][0] = "Gate, \"north\"";
    EXPECT_EQ(ExportChannelsCsv(s), "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,"
                                    "DtcsPolarity,Mode,TStep,Skip,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\n"
                                    "1,\"Gate, \"\"north\"\"\",446.006250,,0.000000,,88.5,88.5,023,NN,NFM,6.25,,,,,,\n"
                                    "64,H8,500.000000,,0.000000,,88.5,88.5,023,NN,FM,6.25,,,,,,\n");
    // The list carries channels, their names and spacings, no options; a group without channels has no row to
    // carry its spacing.
    for (unsigned seed = 1; seed <= 60; ++seed) {
        RadioSettings random = RandomLabelledSetting(seed);
        RadioSettings channelsOnly;
        channelsOnly.m_strGroupChannel = random.m_strGroupChannel;
        channelsOnly.m_strGroupCode = random.m_strGroupCode;
        channelsOnly.m_strGroupName = random.m_strGroupName;
        for (std::size_t g = 0; g < kGroupCount; ++g) {
            const bool any = std::any_of(random.m_strGroupChannel[g].begin(), random.m_strGroupChannel[g].end(),
                                         [](const std::string& t) { return !t.empty(); });
            channelsOnly.m_nGroupSpacing[g] = any ? random.m_nGroupSpacing[g] : 0;
        }
        CsvImport in;
        ASSERT_EQ(ImportChannelsCsv(ExportChannelsCsv(channelsOnly), &in), CsvRefusal::None);
        RadioSettings back;
        ApplyCsvImport(back, in);
        ASSERT_TRUE(SameSetting(back, channelsOnly)) << "seed " << seed;
    }
}

TEST(ChannelCsv, AForeignListIsTakenWithEveryChangeAndRefusalTold) {
    const std::string csv = "\xEF\xBB\xBF"
                            "Name,Frequency,Comment,LOCATION,Mode,Duplex,Offset,Tone\r\n"         // 1
                            "\"Hill, north\",446.006250,\"said \"\"hi\"\"\",3,NFM,,0.000000,\r\n" // 2
                            "B2,446.1,,10,FM,+,0.600000,TSQL\r\n"                                 // 3
                            "bad,abc,,4,,,,\r\n"                                                  // 4
                            "far,520.000000,,5,,,,\r\n"                                           // 5
                            "\"two\r\nlines\",446.00630,,6,NFM,,,\r\n"                            // 6 and 7
                            "big,446.0,,70,,,,\r\n"                                               // 8
                            ",,,,,,,\r\n"                                                         // 9
                            "empty,,,7,,,,\r\n"                                                   // 10
                            "Gate at the north road,446.10000,,3,FM,,,\r\n"                       // 11
                            "cut,446.00626999,,1,FM,,,\r\n"                                       // 12
                            "H8,500,,64,,,,";                                                     // 13
    CsvImport in;
    ASSERT_EQ(ImportChannelsCsv(csv, &in), CsvRefusal::None);
    decltype(in.channels) expected{};
    expected[0][0] = expected[0][5] = "446.00625";
    expected[0][2] = expected[1][1] = "446.10000";
    expected[7][7] = "500.00000";
    EXPECT_EQ(in.channels, expected);
    // "B2" and "H8" are the names export writes for none; a name with a line break is not kept.
    decltype(in.names) names{};
    names[0][0] = "cut";
    names[0][2] = "Gate at the nort";
    names[0][5] = names[1][1] = names[7][7] = "";
    EXPECT_EQ(in.names, names);
    // Group A keeps FM from lines 11 and 12 against NFM from line 6 (line 2 lost to line 11).
    EXPECT_EQ(in.spacing[0], 1);
    EXPECT_EQ(in.spacing[1], 1);
    EXPECT_EQ(in.spacing[7], std::nullopt);
    EXPECT_EQ(in.taken, 5);
    EXPECT_EQ(in.refused, 4);
    EXPECT_EQ(Said(in), (std::vector<std::string>{
                            "0 " + K(CsvNoteKind::SpacingMajority) + " 25Khz ",
                            "3 " + K(CsvNoteKind::NotKept) + " Duplex +, Offset 0.600000, Tone TSQL ",
                            "4 " + K(CsvNoteKind::FrequencyNotANumber) + " abc ",
                            "5 " + K(CsvNoteKind::FrequencyOutOfRange) + " 520.000000 ",
                            "6 " + K(CsvNoteKind::MovedToGrid) + " 446.00630 446.00625",
                            "6 " + K(CsvNoteKind::NameRefused) + " two\r\nlines ",
                            "6 " + K(CsvNoteKind::SameFrequency) + " 446.00625 0",
                            "8 " + K(CsvNoteKind::LocationOutOfRange) + " 70 ",
                            "10 " + K(CsvNoteKind::NoFrequency) + "  ",
                            "11 " + K(CsvNoteKind::LocationTwice) + "  2",
                            "11 " + K(CsvNoteKind::NameCut) + " Gate at the north road Gate at the nort",
                            "12 " + K(CsvNoteKind::MovedToGrid) + " 446.00626999 446.00625",
                        }));
    for (const char* notCsv : {"", "Name,Freq\nA1,446.0\n", "Location,Name\n1,A1\n"}) {
        EXPECT_EQ(ImportChannelsCsv(notCsv, &in), CsvRefusal::NoHeader) << notCsv;
        EXPECT_EQ(in.taken, 5);
    }
    std::string many = "Location,Frequency\n";
    for (int i = 0; i <= kChannelCsvMaxRows; ++i) {
        many += "1,446.00625\n";
    }
    EXPECT_EQ(ImportChannelsCsv(many, &in), CsvRefusal::TooManyRows);
    // Lists that would be misread are refused with the line concerned.
    const std::tuple<std::string, CsvRefusal, int> kRefused[] = {
        {"Location,Frequency\n1,446.1\n2,\"446.2\n3,446.3\n", CsvRefusal::UnclosedQuote, 3},
        {"Location;Name;Frequency\n1;A1;446.1\n", CsvRefusal::Semicolons, 0},
        {"Location,Frequency\n\n1,446.1" + std::string(300, ','), CsvRefusal::TooManyColumns, 3},
    };
    for (const auto& [text, refusal, line] : kRefused) {
        int at = 0;
        EXPECT_EQ(ImportChannelsCsv(text, &in, &at), refusal) << text.substr(0, 40);
        EXPECT_EQ(at, refusal == CsvRefusal::Semicolons ? 0 : line);
    }
    // A decimal comma splits the frequency: the row is refused, never taken as 446.00000.
    ASSERT_EQ(ImportChannelsCsv("Location,Frequency,Name\n1,446,00625,A\n2,446.1,B\n", &in), CsvRefusal::None);
    EXPECT_EQ(in.taken, 1);
    ASSERT_EQ(in.notes.size(), 1u);
    EXPECT_EQ(in.notes[0].kind, CsvNoteKind::FrequencyDecimalComma);
    EXPECT_EQ(in.notes[0].value, "446,00625");
}

TEST(ChannelCsv, AListCountingFromZeroIsTakenInOrder) {
    CsvImport in;
    ASSERT_EQ(ImportChannelsCsv("Location,Frequency\n0,446.00625\n1,446.01875\n63,433.07500\n64,433.1\n", &in),
              CsvRefusal::None);
    EXPECT_EQ(in.channels[0][0], "446.00625");
    EXPECT_EQ(in.channels[0][1], "446.01875");
    EXPECT_EQ(in.channels[7][7], "433.07500");
    EXPECT_EQ(Said(in), (std::vector<std::string>{"0 " + K(CsvNoteKind::FromZero) + "  ",
                                                  "5 " + K(CsvNoteKind::LocationOutOfRange) + " 64 "}));
}

} // namespace
} // namespace velmar
