// The JSON is read with a real parser by the window's end-to-end test; here
// exact pieces of it pin down the fields and their values.

#include "ReportFormat.h"
#include "TestFrames.h"

#include <gtest/gtest.h>

namespace velmar::radio {
namespace {

using std::chrono::microseconds;
using std::chrono::milliseconds;

FrameReport Receive(const std::vector<std::uint8_t>& bytes, const std::vector<microseconds>& arrivals) {
    FrameReceiver rx;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        EXPECT_FALSE(rx.Feed(std::span(&bytes[i], 1), arrivals[i]).has_value());
    }
    auto r = rx.Finish();
    EXPECT_TRUE(r.has_value());
    return r ? std::move(*r) : FrameReport{};
}

// The "GRUOP" frame with its pacing kept, or with Group C CH8's pause 3 ms short.
FrameReport PacedGruop(microseconds early = {}) {
    auto arrivals = test::PacedArrivals(microseconds(0), microseconds(250));
    for (std::size_t i = 49; i < arrivals.size(); ++i) {
        arrivals[i] -= early;
    }
    return Receive(test::GruopFrame(), arrivals);
}

#define EXPECT_HAS(text, part) EXPECT_NE((text).find(part), std::string::npos) << (text)

TEST(ReportFormat, WholeFrame) {
    const std::string json = FormatJson(PacedGruop());
    EXPECT_EQ(json.find('\n'), std::string::npos);
    EXPECT_EQ(json.rfind(R"({"frame":1,"status":"ok","errors":[],"warnings":[],"skipped_count":0,"skipped":"",)"
                         R"("bytes_received":258,"extra_count":0,"extra":"","groups":[{"group":"Group A",)"
                         R"("spacing":"12.5Khz","channels":["446.00625","-","-","-","-","-","-","-"],)"
                         R"("codes":["1cc1","ffff",)",
                         0),
              0u)
        << json;
    EXPECT_HAS(json, R"("Self Tone Test":"On","Mode Select":"GRUOP","Band Select":"410Mhz"},"option_bytes":{)");
    EXPECT_HAS(json, R"("checksum":{"expected":105,"received":105},"pacing":{"gaps":[)"
                     R"({"after":"start byte","gap_ms":50.250,"pause_ms":50,"held":true,"late_delivery":false},)");
    EXPECT_HAS(json, R"({"after":"zero fill 53","gap_ms":120.250,"pause_ms":120,"held":true,"late_delivery":false}],)"
                     R"("total_ms":3735.000,"pauses_ms":3700,"min_overshoot_ms":0.250,"every_gap_held":true,)"
                     R"("short_gaps":0,"late_deliveries":0,)"
                     R"("jitter_allowance_ms":1.000},"after_previous_frame":null})");

    const std::string text = FormatText(PacedGruop());
    EXPECT_HAS(text, "\n  Group A  12.5Khz  446.00625 -         -         -");
    EXPECT_HAS(text, "every gap held its pause, the closest by 0.250 ms (1 ms allowed for this program's timing "
                     "jitter)");
}

TEST(ReportFormat, ShortGapIsFlagged) {
    const FrameReport rushed = PacedGruop(milliseconds(3));
    const std::string json = FormatJson(rushed);
    EXPECT_HAS(json, R"({"after":"Group C CH8","gap_ms":97.250,"pause_ms":100,"held":false,"late_delivery":false})");
    EXPECT_HAS(json, R"("min_overshoot_ms":-2.750,"every_gap_held":false,"short_gaps":1,"late_deliveries":0,)");
    const std::string text = FormatText(rushed);
    EXPECT_HAS(text, "1 write came early, its gap shorter than its pause");
    EXPECT_HAS(text, "\n    after Group C CH8: 97.250 ms < 100 ms\n");
}

TEST(ReportFormat, FaultyFrames) {
    const std::vector<std::uint8_t> cut{0x11, 0xF3, 0xFF, 0xFF, 0xFF};
    const std::string cutJson = FormatJson(Receive(cut, std::vector<microseconds>(5)));
    EXPECT_HAS(cutJson, R"("status":"bad","errors":["short: 4 of 258 bytes, stopped in Group A CH2, then the input )"
                        R"j(ended"],"warnings":["skipped 1 bytes before the start byte (11)"],"skipped_count":1,)j"
                        R"("skipped":"11","bytes_received":4,)");
    EXPECT_HAS(cutJson, R"("groups":null,"options":null,"option_bytes":null,"checksum":null,"pacing":{"gaps":[)");

    std::vector<std::uint8_t> frame = test::DefaultsFrame();
    frame[149] = 0x0A;
    const std::string json = FormatJson(Receive(frame, std::vector<microseconds>(258)));
    EXPECT_HAS(json, R"("Band Select":null},"option_bytes":{"Vox Release Time":"00",)");
    EXPECT_HAS(json, R"("Band Select":"0a"},"checksum":{"expected":146,"received":136})");

    frame = test::ScanDelay60Frame();
    frame[257] = 0x98;
    const std::string text = FormatText(Receive(frame, std::vector<microseconds>(258)));
    EXPECT_EQ(text.rfind("Frame 1: BAD, 258 bytes, checksum 0x98\n  error: checksum 0x98, expected 0x92\n", 0), 0u)
        << text;
    EXPECT_HAS(text, "\n  Scan Delay Time: 60 Sec\n");
}

} // namespace
} // namespace velmar::radio
