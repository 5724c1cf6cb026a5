#include "FileFailurePrint.h"
#include "SentHistory.h"
#include "SettingFile.h"
#include "file_test_support.h"

#include <cstdio>
#include <ctime>
#include <fstream>

namespace velmar {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono;

class SentHistory : public ScratchFolder {};

TEST_F(SentHistory, NamesBySendTimeAndChecksumInANewFolder) {
    std::tm local{};
    local.tm_year = 2026 - 1900, local.tm_mon = 11, local.tm_mday = 7, local.tm_hour = 14, local.tm_min = 3;
    local.tm_sec = 22, local.tm_isdst = -1;
    const auto when = system_clock::from_time_t(std::mktime(&local)) + 517ms;
    const std::string sent = dir + "/a/sent";
    FileFailure error;
    std::string written;
    ASSERT_TRUE(RecordSentSetting(sent, RandomSetting(5), 0x57, when, &error, &written)) << error;
    EXPECT_EQ(written, sent + "/2026-12-07_14-03-22.517_checksum-57.velmar");
    RadioSettings back;
    ASSERT_TRUE(ReadSettingFile(written, &back, &error)) << error;
    EXPECT_TRUE(SameSetting(back, RandomSetting(5)));
    // Written once and read-only: the proof of what a radio got. A name taken already moves on by a millisecond.
    EXPECT_EQ(fs::status(written).permissions(), fs::perms(0444));
    const SentRecordName name = *ParseSentRecordName(fs::path(written).filename().string());
    EXPECT_TRUE(name.year == 2026 && name.month == 12 && name.day == 7 && name.hour == 14 && name.minute == 3 &&
                name.second == 22 && name.millisecond == 517 && name.checksum == 0x57);
    ASSERT_TRUE(RecordSentSetting(sent, RadioSettings{}, 0x57, when, &error, &written)) << error;
    EXPECT_EQ(written, sent + "/2026-12-07_14-03-22.518_checksum-57.velmar");
    for (const char* other :
         {"0-my-club.velmar", "2026-12-07_14-03-22.517_checksum-57.velmar.bak",
          "2026-12-07_14-03-22.517_checksum-5G.velmar", "x2026-12-07_14-03-22.517_checksum-57.velmar"}) {
        EXPECT_FALSE(ParseSentRecordName(other)) << other;
    }

    std::ofstream(dir + "/file") << "x";
    EXPECT_FALSE(RecordSentSetting(dir + "/file/sent", RadioSettings{}, 1, when, &error));
    EXPECT_TRUE(error.step == FileStep::KeepSent && error.path == dir + "/file/sent" && error.err == ENOTDIR) << error;
}

TEST_F(SentHistory, KeepsTheNewestAndListsThemNewestFirst) {
    // 502 older sends, made cheaply as empty files, and a file that is no send.
    std::vector<std::string> older;
    for (int i = 0; i < kSentHistoryKeep + 2; ++i) {
        char name[64];
        std::snprintf(name, sizeof name, "/2025-01-01_00-00-00.%03d_checksum-00.velmar", i);
        older.push_back(dir + name);
        std::ofstream(older.back()).flush();
    }
    std::ofstream(dir + "/notes.txt") << "mine";
    std::ofstream(dir + "/0-my-club.velmar") << "mine too";
    FileFailure error;
    std::string written;
    ASSERT_TRUE(RecordSentSetting(dir, RadioSettings{}, 1, sys_days{2026y / 1 / 1}, &error, &written)) << error;
    const std::vector<std::string> all = NewestSentFiles(dir, 1000);
    ASSERT_EQ(all.size(), static_cast<std::size_t>(kSentHistoryKeep));
    EXPECT_EQ(all.front(), written);
    EXPECT_EQ(all.back(), older[3]);
    EXPECT_EQ(NewestSentFiles(dir, 2), (std::vector<std::string>{written, older.back()}));
    EXPECT_TRUE(fs::exists(dir + "/notes.txt") && fs::exists(dir + "/0-my-club.velmar"));
    EXPECT_TRUE(NewestSentFiles(dir + "/none", 5).empty());

    // A clock set back: the new file sorts oldest, yet stays.
    ASSERT_TRUE(RecordSentSetting(dir, RadioSettings{}, 2, sys_days{2020y / 1 / 1}, &error, &written)) << error;
    EXPECT_EQ(NewestSentFiles(dir, 1000).back(), written);
    EXPECT_FALSE(fs::exists(older[3]));
}

// A clock that once ran years ahead left a full history dated 2030: the real Sends after it are neither pruned by
// it nor taken for older than it.
TEST_F(SentHistory, RecordsFromAClockAheadCountAsTheOldest) {
    for (int i = 0; i < kSentHistoryKeep; ++i) {
        char name[64];
        std::snprintf(name, sizeof name, "/2030-01-01_00-00-00.%03d_checksum-00.velmar", i);
        std::ofstream(dir + name).flush();
    }
    FileFailure error;
    std::string first, second;
    const auto now = std::chrono::system_clock::now();
    ASSERT_TRUE(RecordSentSetting(dir, RadioSettings{}, 1, now, &error, &first)) << error;
    ASSERT_TRUE(RecordSentSetting(dir, RadioSettings{}, 2, now + std::chrono::seconds(1), &error, &second)) << error;
    EXPECT_TRUE(fs::exists(first));
    EXPECT_EQ(NewestSentFiles(dir, 2), (std::vector<std::string>{second, first}));
    EXPECT_FALSE(fs::exists(dir + "/2030-01-01_00-00-00.000_checksum-00.velmar"));
    EXPECT_EQ(NewestSentFiles(dir, 1000).size(), static_cast<std::size_t>(kSentHistoryKeep));
}

} // namespace
} // namespace velmar
