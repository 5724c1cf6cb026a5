#include "FileFailurePrint.h"
#include "Preferences.h"
#include "TextFile.h"
#include "file_test_support.h"

namespace velmar {
namespace {

class PreferencesFile : public ScratchFolder {};

// What an earlier Velmar wrote through QSettings reads as it was meant; what we write keeps the rest of the file.
TEST_F(PreferencesFile, ReadsWhatQSettingsWroteAndKeepsTheOtherKeys) {
    const std::string path = dir + "/velmar/velmar.ini";
    FileFailure error;
    Preferences prefs;
    ASSERT_TRUE(ReadPreferences(path, &prefs, &error)) << "a missing file is nothing remembered";
    EXPECT_TRUE(prefs.port.empty() && prefs.recentFiles.empty());
    std::filesystem::create_directories(dir + "/velmar");
    ASSERT_TRUE(WriteTextFileAtomic(path,
                                    "[Other]\nport=/dev/elsewhere\n[General]\nother=3\n"
                                    "port=\"/dev/serial/by-id/usb-Prolific, Inc.-port0\"\n"
                                    "recentFiles=/home/u/club.velmar, \"/home/u/a, \\\"b\\\".velmar\", "
                                    "/home/\xC3\xBC/@x\\\\y.velmar, /home/u/\\tz, /\\x1f\\x30\n"
                                    "allChannelsPlace=10, 20, 0, 400\n",
                                    &error));
    ASSERT_TRUE(ReadPreferences(path, &prefs, &error)) << error;
    EXPECT_EQ(prefs.port, "/dev/serial/by-id/usb-Prolific, Inc.-port0");
    const std::vector<std::string> recent{"/home/u/club.velmar", "/home/u/a, \"b\".velmar",
                                          "/home/\xC3\xBC/@x\\y.velmar", "/home/u/\tz",
                                          "/\x1f"
                                          "0"};
    EXPECT_EQ(prefs.recentFiles, recent);
    EXPECT_EQ(prefs.allChannelsPlace, std::nullopt) << "a window without width is no place";

    // Odd names go out and come back unchanged; keys and sections that are not ours stay.
    prefs.port = "@odd \"port\"\n, name ";
    prefs.recentFiles = {"/a;b=c", "/d#e", "@@f"};
    prefs.allChannelsPlace = {{-1280, 0, 700, 640}};
    ASSERT_TRUE(WritePreferences(path, prefs, &error)) << error;
    Preferences back;
    ASSERT_TRUE(ReadPreferences(path, &back, &error)) << error;
    EXPECT_EQ(back.port, prefs.port);
    EXPECT_EQ(back.recentFiles, prefs.recentFiles);
    EXPECT_EQ(back.allChannelsPlace, prefs.allChannelsPlace);
    std::string text;
    ASSERT_TRUE(ReadTextFile(path, &text, &error, kPreferencesMaxBytes));
    EXPECT_NE(text.find("[General]\nport="), std::string::npos) << text;
    EXPECT_NE(text.find("other=3\n[Other]\nport=/dev/elsewhere\n"), std::string::npos) << text;
}

} // namespace
} // namespace velmar
