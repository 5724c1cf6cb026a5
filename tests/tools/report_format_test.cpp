#include "MiniJson.h"
#include "ReportFormat.h"
#include "TestFrames.h"

#include <gtest/gtest.h>

namespace velmar::radio {
namespace {

using std::chrono::microseconds;
using std::chrono::milliseconds;
using test::Json;
using test::JsonReader;

FrameReport Receive(const std::vector<std::uint8_t>& bytes, const std::vector<microseconds>& arrivals) {
    FrameReceiver rx;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        EXPECT_FALSE(rx.Feed(std::span(&bytes[i], 1), arrivals[i]).has_value());
    }
    auto r = rx.Finish();
    EXPECT_TRUE(r.has_value());
    return r ? std::move(*r) : FrameReport{};
}

FrameReport PacedGruop() {
    return Receive(test::GruopFrame(), test::PacedArrivals(microseconds(0), microseconds(250)));
}

// Group C CH8 came 3 ms early.
FrameReport RushedGruop() {
    auto arrivals = test::PacedArrivals(microseconds(0), microseconds(250));
    for (std::size_t i = 49; i < arrivals.size(); ++i) {
        arrivals[i] -= milliseconds(3);
    }
    return Receive(test::GruopFrame(), arrivals);
}

TEST(ReportJson, WholeFrameHasEveryField) {
    const std::string line = FormatJson(PacedGruop());
    EXPECT_EQ(line.find('\n'), std::string::npos);
    const auto parsed = JsonReader::Parse(line);
    ASSERT_TRUE(parsed.has_value()) << line;
    const Json& j = *parsed;
    EXPECT_EQ(j["frame"].number, 1);
    EXPECT_EQ(j["status"].text, "ok");
    EXPECT_EQ(j["errors"].kind, Json::Kind::Array);
    EXPECT_TRUE(j["errors"].items.empty());
    EXPECT_EQ(j["warnings"].kind, Json::Kind::Array);
    EXPECT_EQ(j["bytes_received"].number, 258);
    EXPECT_EQ(j["extra_count"].number, 0);
    EXPECT_EQ(j["extra"].text, "");
    EXPECT_EQ(j["skipped_count"].number, 0);

    const Json& groups = j["groups"];
    ASSERT_EQ(groups.items.size(), 8u);
    EXPECT_EQ(groups[0]["group"].text, "Group A");
    EXPECT_EQ(groups[0]["spacing"].text, "12.5Khz");
    ASSERT_EQ(groups[0]["channels"].items.size(), 8u);
    EXPECT_EQ(groups[0]["channels"][0].text, "446.00625");
    EXPECT_EQ(groups[0]["channels"][1].text, "-");
    EXPECT_EQ(groups[0]["codes"][0].text, "1cc1");
    EXPECT_EQ(groups[7]["group"].text, "Group H");

    const Json& options = j["options"];
    ASSERT_EQ(options.members.size(), 13u);
    EXPECT_EQ(options["Mode Select"].text, "GRUOP");
    EXPECT_EQ(options["Button long Time"].text, "0.5 Sec");
    EXPECT_EQ(j["option_bytes"]["Button long Time"].text, "08");
    EXPECT_EQ(j["checksum"]["expected"].number, 0x69);
    EXPECT_EQ(j["checksum"]["received"].number, 0x69);

    const Json& pacing = j["pacing"];
    ASSERT_EQ(pacing["gaps"].items.size(), 140u);
    const Json& first = pacing["gaps"][0];
    EXPECT_EQ(first["after"].text, "start byte");
    EXPECT_EQ(first["pause_ms"].number, 50);
    EXPECT_DOUBLE_EQ(first["gap_ms"].number, 50.25);
    EXPECT_TRUE(first["held"].boolean);
    EXPECT_EQ(pacing["gaps"][139]["after"].text, "zero fill 53");
    EXPECT_EQ(pacing["gaps"][139]["pause_ms"].number, 120);
    EXPECT_DOUBLE_EQ(pacing["total_ms"].number, 3700 + 140 * 0.25);
    EXPECT_EQ(pacing["pauses_ms"].number, 3700);
    EXPECT_DOUBLE_EQ(pacing["min_overshoot_ms"].number, 0.25);
    EXPECT_EQ(pacing["every_gap_held"].kind, Json::Kind::Bool);
    EXPECT_TRUE(pacing["every_gap_held"].boolean);
    EXPECT_EQ(pacing["jitter_allowance_ms"].number, 1);
    EXPECT_EQ(j["after_previous_frame"].kind, Json::Kind::Null);
}

TEST(ReportJson, ShortGapIsFlagged) {
    const auto parsed = JsonReader::Parse(FormatJson(RushedGruop()));
    ASSERT_TRUE(parsed.has_value());
    const Json& pacing = (*parsed)["pacing"];
    EXPECT_FALSE(pacing["every_gap_held"].boolean);
    EXPECT_EQ(pacing["short_gaps"].number, 1);
    EXPECT_DOUBLE_EQ(pacing["min_overshoot_ms"].number, -2.75);
    const Json& gap = pacing["gaps"][24];
    EXPECT_EQ(gap["after"].text, "Group C CH8");
    EXPECT_FALSE(gap["held"].boolean);
}

TEST(ReportJson, CutFrameHasNoSettingAndSaysWhy) {
    const std::vector<std::uint8_t> bytes{0x11, 0xF3, 0xFF, 0xFF, 0xFF};
    const auto parsed = JsonReader::Parse(FormatJson(Receive(bytes, std::vector<microseconds>(5))));
    ASSERT_TRUE(parsed.has_value());
    const Json& j = *parsed;
    EXPECT_EQ(j["status"].text, "bad");
    ASSERT_EQ(j["errors"].items.size(), 1u);
    EXPECT_EQ(j["errors"][0].text, "short: 4 of 258 bytes, stopped in Group A CH2, then the input ended");
    EXPECT_EQ(j["skipped"].text, "11");
    EXPECT_EQ(j["groups"].kind, Json::Kind::Null);
    EXPECT_EQ(j["options"].kind, Json::Kind::Null);
    EXPECT_EQ(j["checksum"].kind, Json::Kind::Null);
    EXPECT_EQ(j["pacing"]["gaps"].items.size(), 2u);
}

TEST(ReportJson, OptionWithoutItemIsNull) {
    std::vector<std::uint8_t> frame = test::DefaultsFrame();
    frame[149] = 0x0A;
    const auto parsed = JsonReader::Parse(FormatJson(Receive(frame, std::vector<microseconds>(258))));
    ASSERT_TRUE(parsed.has_value());
    EXPECT_EQ((*parsed)["options"]["Band Select"].kind, Json::Kind::Null);
    EXPECT_EQ((*parsed)["option_bytes"]["Band Select"].text, "0a");
    EXPECT_EQ((*parsed)["status"].text, "bad");
}

TEST(ReportText, SettingReadsAtAGlance) {
    const std::string text = FormatText(PacedGruop());
    EXPECT_NE(text.find("Frame 1: OK, 258 bytes, checksum 0x69\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\n  Group A  12.5Khz  446.00625 -         -"), std::string::npos) << text;
    EXPECT_NE(text.find("\n  Group H  12.5Khz  -         -"), std::string::npos) << text;
    EXPECT_NE(text.find("\n  Mode Select: GRUOP\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\n  Scan Delay Time: OFF\n"), std::string::npos) << text;
    EXPECT_NE(text.find("every gap held its pause, the closest by 0.250 ms (1 ms allowed for this program's "
                        "timing jitter)"),
              std::string::npos)
        << text;
}

TEST(ReportText, ShortGapsAreListed) {
    const std::string text = FormatText(RushedGruop());
    EXPECT_NE(text.find("1 gap shorter than its pause"), std::string::npos) << text;
    EXPECT_NE(text.find("    after Group C CH8: 97.250 ms < 100 ms\n"), std::string::npos) << text;
}

TEST(ReportText, ErrorsComeFirst) {
    std::vector<std::uint8_t> frame = test::ScanDelay60Frame();
    frame[257] = 0x98;
    const std::string text = FormatText(Receive(frame, std::vector<microseconds>(258)));
    EXPECT_EQ(text.rfind("Frame 1: BAD, 258 bytes, checksum 0x98\n  error: checksum 0x98, expected 0x92\n", 0), 0u)
        << text;
    EXPECT_NE(text.find("\n  Scan Delay Time: 60 Sec\n"), std::string::npos);
}

} // namespace
} // namespace velmar::radio
