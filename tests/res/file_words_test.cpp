// The refusals of a setting file as a person reads them: the place, what is there and what is allowed.
#include "ProgrammingFrame.h"
#include "SettingFile.h"
#include "Strings.h"
#include "file_test_support.h"

#include <nlohmann/json.hpp>

#include <functional>

namespace velmar::res {
namespace {

using Json = nlohmann::ordered_json;

std::array<std::uint8_t, kFrameSize> Frame(RadioSettings s) {
    return BuildProgrammingFrame(s).bytes;
}

TEST(SettingFileWords, TakesAFileWholeOrRefusesItWithOneMessage) {
    const std::string kChannel = "must be a frequency of nine characters from 400.00000 to 500.00000 MHz on the "
                                 "6.25 kHz grid, such as 446.00625, or \"\" for none";
    const auto channel = [](const char* text) { return [=](Json& j) { j["groups"][1]["channels"][4] = text; }; };
    const auto name = [](const char* text) {
        return [=](Json& j) { j["groups"][2]["names"] = Json::array({"", "", "", "", "", text, "", ""}); };
    };
    const struct {
        std::function<void(Json&)> spoil; // none: the text "{ \"format\": " instead
        std::string message;              // after "bad.velmar: "; empty: taken
    } kCases[] = {
        {[](Json& j) { j["x"] = 1, j["groups"][3]["name"] = "hills", j["options"]["Squelch"] = "9"; }, ""},
        {nullptr, "not JSON: parse error at line 1, column 13"},
        {[](Json& j) { j["format"] = "other"; }, "format: is \"other\", must be \"velmar-setting\""},
        {[](Json& j) { j["version"] = 3; }, "version: is 3: made by a newer Velmar"},
        {[](Json& j) { j["version"] = 0; }, "version: is 0, must be a whole number from 1 to 2"},
        {[](Json& j) { j["groups"].erase(7); },
         "groups: has 7 groups, must be a list of exactly eight groups, \"A\" to \"H\" in order"},
        {[](Json& j) { j["groups"][1]["group"] = "C"; }, "groups[1].group: is \"C\", must be \"B\""},
        {[](Json& j) { j["groups"][2]["channels"].erase(7); },
         "groups[2].channels: has 7 channels, must be a list of exactly eight channels"},
        {[](Json& j) { j["groups"][0]["spacing"] = "25kHz"; },
         "groups[0].spacing: is \"25kHz\", must be one of \"12.5Khz\", \"25Khz\""},
        {[](Json& j) { j["options"]["BCLO"] = "On"; },
         "options.\"BCLO\": is \"On\", must be one of \"OFF\", \"CA On\", \"CT On\", \"DT On\""},
        {[](Json& j) { j["options"].erase("Mode Select"); },
         "options.\"Mode Select\": missing, must be one of \"PMR\", \"LPD\", \"GRUOP\", \"PMR + LPD\""},
        {channel("446.0062"), "groups[1].channels[4]: is \"446.0062\", " + kChannel},
        {channel("446.00630"),
         "groups[1].channels[4]: is \"446.00630\", " + kChannel + " (the grid point below is 446.00625)"},
        {channel("520.00000"), "groups[1].channels[4]: is \"520.00000\", " + kChannel},
        {name("a\u0085b"), "groups[2].names[5]: holds a control character, must be text of up to 16 characters "
                           "without control characters"},
        {name("\u00e4bcdefghijklmnopq"), "groups[2].names[5]: has 17 characters, must be text of up to 16"},
        {[](Json& j) { j["groups"][2]["names"] = Json::array({"x"}); },
         "groups[2].names: is [\"x\"], must be a list of exactly eight names"},
        {[](Json& j) { j["title"] = std::string(61, 't'); }, "title: has 61 characters, must be text of up to 60"},
        {[](Json& j) { j["notes"] = "one\ntwo\r"; }, "notes: holds a control character, must be text of up to 2000 "
                                                     "characters, line breaks and tabs its only control characters"},
    };
    const RadioSettings s = RandomSetting(7);
    for (const auto& c : kCases) {
        Json j = Json::parse(SettingToJson(s));
        if (c.spoil) {
            c.spoil(j);
        }
        RadioSettings out = RandomSetting(8);
        FileFailure failure;
        const bool taken = SettingFromJson(c.spoil ? j.dump(2) : "{ \"format\": ", "bad.velmar", &out, &failure);
        const std::string error = taken ? std::string() : DescribeFileFailure(failure);
        EXPECT_EQ(taken, c.message.empty()) << c.message;
        EXPECT_EQ(error.rfind("bad.velmar: " + c.message, 0), taken ? std::string::npos : 0u) << error;
        EXPECT_EQ(Frame(out), Frame(taken ? s : RandomSetting(8))) << c.message;
    }
}

// Texts made to hurt a reader: each is refused with the place and the reason, quickly, and the message stays short.
TEST(SettingFileWords, HostileTextsAreRefusedNeverObeyed) {
    const std::string valid = SettingToJson(RandomSetting(3));
    std::string dupe = valid;
    dupe.replace(dupe.find("\"BCLO\""), 6, "\"PTT FP\"");
    std::string huge = valid;
    huge.replace(huge.find("\"options\""), 0, "\"note\": \"" + std::string(500000, 'x') + "\", ");
    const std::pair<std::string, std::string> kCases[] = {
        {R"({"format": "velmar-setting", "version": 1e999})", "not JSON: number overflow parsing '1e999'"},
        {std::string(100000, '['), "not JSON: nested deeper than 32 levels at byte 32"},
        {R"({"format": "velmar-setting", "format": "velmar-setting"})", "the whole file: has the key \"format\" twice"},
        {dupe, "options: has the key \"PTT FP\" twice"},
        {valid + std::string(1, '\0') + "garbage", "not JSON: a NUL character at byte " + std::to_string(valid.size())},
        {valid + "{}", "not JSON: parse error at line 30, column 1"},
    };
    for (const auto& [text, message] : kCases) {
        RadioSettings out;
        FileFailure failure;
        EXPECT_FALSE(SettingFromJson(text, "bad.velmar", &out, &failure)) << message;
        const std::string error = DescribeFileFailure(failure);
        EXPECT_EQ(error.rfind("bad.velmar: " + message, 0), 0u) << error.substr(0, 300);
        EXPECT_LT(error.size(), 400u);
    }
    // Keys it does not know are let be, however long.
    RadioSettings out;
    FileFailure failure;
    EXPECT_TRUE(SettingFromJson(huge, "big.velmar", &out, &failure)) << DescribeFileFailure(failure).substr(0, 300);
}

} // namespace
} // namespace velmar::res
