#include "FileFailurePrint.h"
#include "ProgrammingFrame.h"
#include "SettingFile.h"
#include "SettingLabels.h"
#include "TextFile.h"
#include "file_test_support.h"

#include <nlohmann/json.hpp>

#include <functional>

namespace velmar {
namespace {

using Json = nlohmann::ordered_json;

std::array<std::uint8_t, kFrameSize> Frame(RadioSettings s) {
    return BuildProgrammingFrame(s).bytes;
}

// Labels included; they never change the frame.
TEST(SettingFile, RandomSettingsComeBackWithTheSameFrame) {
    for (unsigned seed = 1; seed <= 300; ++seed) {
        const RadioSettings s = RandomLabelledSetting(seed);
        RadioSettings back;
        FileFailure error;
        ASSERT_TRUE(SettingFromJson(SettingToJson(s), "r.velmar", &back, &error)) << error;
        ASSERT_EQ(Frame(back), Frame(RandomSetting(seed))) << "seed " << seed;
        ASSERT_TRUE(SameSetting(back, s)) << "seed " << seed;
        EXPECT_EQ(back.m_strGroupChannel, s.m_strGroupChannel);
        EXPECT_EQ(back.m_strChannel, s.m_strGroupChannel[0]);
        EXPECT_EQ(back.m_nSpacing, s.m_nGroupSpacing[0]);
    }
}

// Without labels a setting is written as version 1, byte for byte as an earlier Velmar wrote it.
TEST(SettingFile, VersionOneStaysVersionOneAndLabelsMakeVersionTwo) {
    std::string v1;
    FileFailure error;
    ASSERT_TRUE(ReadTextFile(VELMAR_TEST_DATA "/camp-v1.velmar", &v1, &error, kSettingFileMaxBytes)) << error;
    RadioSettings s;
    ASSERT_TRUE(SettingFromJson(v1, "camp-v1.velmar", &s, &error)) << error;
    EXPECT_EQ(SettingToJson(s), v1);
    s.m_strGroupName[2][1] = "Gate";
    s.m_strTitle = "Camp";
    const std::string v2 = SettingToJson(s);
    EXPECT_NE(v2.find("\"version\": 2,\n  \"title\": \"Camp\",\n  \"groups\""), std::string::npos) << v2;
    EXPECT_NE(v2.find("\"channels\": [\"446.00625\", \"446.10000\", \"\", \"\", \"\", \"\", \"\", \"\"],\n      "
                      "\"names\": [\"\", \"Gate\", \"\", \"\", \"\", \"\", \"\", \"\"] },"),
              std::string::npos)
        << v2;
    s.m_strGroupName[2][1].clear();
    s.m_strTitle.clear();
    EXPECT_EQ(SettingToJson(s), v1);
}

// A title offered as a file name: what no file name may hold, or other systems refuse, becomes "-".
TEST(SettingFile, ATitleMakesAFileNameOnEverySystem) {
    const std::pair<const char*, const char*> kCases[] = {
        {"Camp 2026", "Camp 2026"},         {"Club/Hall", "Club-Hall"},
        {"a:b?<c>|\"d\\", "a-b--c---d-"},   {"../up", "up"},
        {" .hidden. ", "hidden"},           {"...", ""},
        {"Zelt \xC3\x9C", "Zelt \xC3\x9C"},
    };
    for (const auto& [title, stem] : kCases) {
        EXPECT_EQ(FileStemOfTitle(title), stem) << title;
    }
}

class SettingFileOnDisk : public ScratchFolder {};

TEST_F(SettingFileOnDisk, WritesOverAnOldFileAndReadsItBack) {
    const std::string path = dir + "/a.velmar";
    FileFailure error;
    ASSERT_TRUE(WriteSettingFile(path, RandomSetting(1), &error)) << error;
    ASSERT_TRUE(WriteSettingFile(path, RandomSetting(2), &error)) << error;
    RadioSettings back;
    ASSERT_TRUE(ReadSettingFile(path, &back, &error)) << error;
    EXPECT_TRUE(SameSetting(back, RandomSetting(2)));
    EXPECT_FALSE(ReadSettingFile(dir + "/none.velmar", &back, &error));
    EXPECT_TRUE(error.path == dir + "/none.velmar" && error.err == ENOENT) << error;
}

} // namespace
} // namespace velmar
